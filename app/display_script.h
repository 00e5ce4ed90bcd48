#pragma once
// The script the window shows its texts in (设置 → 字形): Simplified Chinese,
// in which every text is made, or Traditional as read in Taiwan or Hong
// Kong, converted by OpenCC on its way to the screen. An application-wide
// event filter converts the texts of every widget as it is shown or
// repainted (labels, buttons, titles, tabs, list items, tips), keeping each
// text as the program set it so that it can be shown again in another
// script; the report panes convert what is written into them, so what is
// saved, printed or copied is what is shown.
#include <QString>
#include <string>
#include <string_view>

#include "common/script.h"

class QWidget;

namespace vantrel::app {

Script DisplayScript();
// Sets the script and shows every open window in it.
void SetDisplayScript(Script script);

// A text made by the program, in the display script.
QString Shown(const QString& text);
std::string Shown(std::string_view utf8);

// A part of a text (the sign on an icon, taken from its caption) as it reads
// inside that text in the display script: a character alone may convert
// otherwise than in its word (历 alone is 歷, history; in 万年历 it is 曆,
// calendar). A part the text does not hold is converted alone.
QString ShownPart(const QString& part, const QString& whole);

// A text read back from a control that the program filled (an item of a
// list), in Simplified Chinese again.
QString Unshown(const QString& text);

// Installs the filter on the application; once, after it is made.
void InstallScriptFilter();

// A list whose first n items stay as they are (the hour items, whose
// branches are no words) carries the property "vantrelKeepItems" = n.

// Converts the texts of a widget and everything in it now.
void ShowInScript(QWidget* root);

}  // namespace vantrel::app
