#pragma once
// What the program remembers from one run to the next: the folder the last
// report was written to, the last birthplace of the true-solar-time dialog
// and the page the window was left on. They live in an INI file under the
// XDG config folder ($XDG_CONFIG_HOME/vantrel/vantrel.conf, by default
// ~/.config/vantrel/vantrel.conf). A file that cannot be read, or a value
// that makes no sense (a folder that is gone, an unknown place or page),
// counts as not there: the program starts with its defaults, and the next
// remembered value replaces a damaged file.
#include <QString>

namespace vantrel::app {

QString SettingsFile();

struct Remembered {
  QString outputFolder;  // an existing folder, or empty
  QString birthplace;    // a name or longitude the dialog understands, or empty
  QString view;          // the object name of the toolbar button last used, or empty
};

// Reads the file as it is now.
Remembered ReadRemembered();

void RememberOutputFolder(const QString& folder);
// Remembers a birthplace only when it is one the dialog understands.
void RememberBirthplace(const QString& typed);
void RememberView(const QString& button);

// The birthplace the true-solar-time dialog opens with: the last one used in
// this run, at first the one remembered from the last run.
QString LastBirthplace();

}  // namespace vantrel::app
