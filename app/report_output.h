#pragma once
// Taking a report out of a pane: every read-only report pane gets a context
// menu with 复制, 全选, 另存为文本…, 导出PDF…, 打印预览… and 打印…, and its page
// answers Ctrl+S, Ctrl+Shift+E and Ctrl+P for it. The output actions are
// disabled while the pane is empty. A file that cannot be written is told in
// a box in Chinese (app/error_text.h).
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace vantrel::app {

// What a pane's report is, for the header of a printed page and the file
// name offered: kind "合婚报告", name "张伟 / 李娜", file name parts
// {"合婚报告", "张伟", "李娜", "2026-12-10"}.
struct ReportIdentity {
  QString kind;
  QString name;
  QStringList fileParts;
};

// `scope` is the widget whose shortcuts act on this pane (its page, or the
// pane itself where one window holds several panes).
void AttachReportActions(QPlainTextEdit* pane, QWidget* scope, std::function<ReportIdentity()> identity);

// The context menu of a pane with report actions (the caller owns it).
QMenu* MakeReportMenu(QPlainTextEdit* pane);

// The pane's lines as the reports wrote them.
QStringList PaneLines(const QPlainTextEdit* pane);

// The three output actions, as the menu and the shortcuts run them.
void SaveReportText(QPlainTextEdit* pane, const ReportIdentity& identity);
void ExportReportPdf(QPlainTextEdit* pane, const ReportIdentity& identity);
void PrintReport(QPlainTextEdit* pane, const ReportIdentity& identity);
void PreviewReport(QPlainTextEdit* pane, const ReportIdentity& identity);

// The printer as the print dialog gets it: the document name is the safe
// file name of the report with ".pdf", so a print to a file is offered a name
// without "/" or control characters.
void PreparePrinter(QPrinter& printer, const ReportIdentity& identity);

// The print dialog: true when the user chose to print. Tests replace it; an
// empty hook brings the standard print dialog back.
using PrintDialogHook = std::function<bool(QPrinter& printer)>;
void SetPrintDialogHook(PrintDialogHook hook);

// The file chooser of the save and export actions: it returns the chosen
// path (empty when cancelled) and, through `filter`, the chosen filter.
// Tests replace it; an empty hook brings the standard file dialog back.
using SaveFileHook =
    std::function<QString(const QString& suggested, const QStringList& filters, QString* filter)>;
void SetSaveFileHook(SaveFileHook hook);

// Asks for a file to write through the same chooser (and test hook) as the
// report actions, starting in LastOutputFolder with `name`; an empty result
// means the user cancelled. For outputs of other kinds (a calendar file).
QString AskOutputFile(QWidget* parent, const QString& caption, const QString& name,
                      const QStringList& filters);

// Runs a write; a file that cannot be written is told in a box in Chinese.
void WriteOrSayError(QWidget* parent, const QString& path, const std::function<void()>& write);

// The folder the next file dialog opens in: the last one used, remembered
// from run to run (app/settings.h), at first the home folder.
QString LastOutputFolder();

}  // namespace vantrel::app
