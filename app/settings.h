#pragma once
// What the program remembers from one run to the next: the folder the last
// report was written to, the last birthplace of the true-solar-time dialog,
// the page the window was left on, and the choices of the settings dialog
// (the 子 hour rule and the script). The command line reads none of them. They live in an INI file under the
// XDG config folder ($XDG_CONFIG_HOME/vantrel/vantrel.conf, by default
// ~/.config/vantrel/vantrel.conf). A file that cannot be read, or a value
// that makes no sense (a folder that is gone, an unknown place or page),
// counts as not there: the program starts with its defaults, and the next
// remembered value replaces a damaged file.
#include <QString>

#include "chart/birth.h"
#include "common/script.h"

namespace vantrel::app {

QString SettingsFile();

struct Remembered {
  QString outputFolder;  // an existing folder, or empty
  QString birthplace;    // a name or longitude the dialog understands, or empty
  QString view;          // the object name of the toolbar button last used, or empty
  ZiRule zi = ZiRule::SameDay;
  Script script = Script::Simplified;
};

// Reads the file as it is now.
Remembered ReadRemembered();

void RememberOutputFolder(const QString& folder);
// Remembers a birthplace only when it is one the dialog understands.
void RememberBirthplace(const QString& typed);
void RememberView(const QString& button);

void RememberZiRule(ZiRule zi);
void RememberScript(Script script);
// Forgets the remembered birthplace (the settings dialog's 清除).
void ForgetBirthplace();
// Forgets the remembered folder: the save dialog opens in the home folder again.
void ForgetOutputFolder();

// The 子 hour rule the reports are cast with: the one chosen in this run,
// at first the one remembered from the last run.
ZiRule CurrentZiRule();

// The birthplace the true-solar-time dialog opens with: the last one used in
// this run, at first the one remembered from the last run.
QString LastBirthplace();

}  // namespace vantrel::app
