#pragma once
// The digit filter of the number dialogs' entries, at the keyboard, on the
// clipboard and under the mouse.
class QLineEdit;
class QString;

namespace vantrel::app {

// A typed character passes only when the number dialogs' key filter
// (NumberKeyAccepted) takes it: a digit, Backspace or Enter. The editing
// shortcuts that the entry's context menu lists (Ctrl+A, Ctrl+C, Ctrl+X,
// Ctrl+V, Ctrl+Z, Ctrl+Shift+Z) work; pasted or dropped text, from the keys
// or the context menu, brings only the characters the filter takes. Keys
// that type nothing (the arrows, Home, End, Delete), Tab and Esc work as
// usual.
void AcceptDigitsOnly(QLineEdit* entry);

// The characters of a text that the key filter takes, control characters
// left out.
QString DigitsOf(const QString& text);

}  // namespace vantrel::app
