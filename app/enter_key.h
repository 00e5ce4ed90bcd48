#pragma once
// Enter in an entry row runs the row's action, as it does in a dialog.
class QAbstractButton;
class QWidget;

namespace vantrel::app {

// Return or Enter in any text entry or list of `area` presses `button`;
// while a list or a completion is dropped down, Enter picks from it as usual.
void PressOnEnter(QWidget* area, QAbstractButton* button);

}  // namespace vantrel::app
