#pragma once
// The save dialog of the report actions, in the program's language: Qt's own
// file dialog writes the dates and sizes of its files in the system's
// language ("10 Dec", "10.12.26", "99,0 KiB"); this one writes them as the
// rest of the program does, in Chinese.
#include <QString>
#include <QStringList>

class QAbstractProxyModel;
class QObject;
class QWidget;

namespace vantrel::app {

// Asks for a file to write, starting at `suggested` (folder and name); an
// empty result means the user cancelled. `filter` gives the filter shown
// first and returns the one chosen.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                        const QStringList& filters, QString* filter);

// The file list as the dialog shows it: the file system model of Qt's file
// dialog with its dates and sizes written by the default locale. The caller
// owns it.
QAbstractProxyModel* NewLocalizedFileList(QObject* parent);

}  // namespace vantrel::app
