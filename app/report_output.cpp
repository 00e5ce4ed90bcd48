#include "app/report_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>

#include "app/dispatcher.h"
#include "app/display_script.h"
#include "app/error_text.h"
#include "app/file_dialog.h"
#include "app/panes.h"
#include "app/settings.h"
#include "common/report_file.h"
#include "print/report_print.h"

namespace vantrel::app {
namespace {

const QString kUtf8Filter = QStringLiteral("UTF-8 文本 (*.txt)");
const QString kGbkFilter = QStringLiteral("GBK 文本，Windows 换行 (*.txt)");
const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");

SaveFileHook& Hook() {
  static SaveFileHook hook;
  return hook;
}

PrintDialogHook& PrintHook() {
  static PrintDialogHook hook;
  return hook;
}

// At first the folder remembered from the last run, else the home folder.
QString& LastFolder() {
  static QString folder = [] {
    const QString remembered = ReadRemembered().outputFolder;
    return remembered.isEmpty() ? QDir::homePath() : remembered;
  }();
  return folder;
}

// The folder of a chosen file becomes the next one offered, if it exists.
void UseFolderOf(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QFileInfo(folder).isDir()) return;
  LastFolder() = folder;
  RememberOutputFolder(folder);
}

// Runs a write; a file that cannot be written is told in the window's words.
template <typename Write>
void WriteOrSay(QWidget* parent, const QString& path, Write write) {
  try {
    write();
  } catch (const FileWriteError& e) {
    ShowMessageBox(parent, BoxKind::Warning, WriteErrorText(path, e.what()));
  }
}

// Asks for the file to write; an empty path means the user cancelled.
QString ChooseFile(QWidget* parent, const QString& caption, const QString& name, const QStringList& filters,
                   QString* filter) {
  const QString suggested = QDir(LastFolder()).filePath(name);
  QString path = Hook() ? Hook()(suggested, filters, filter)
                        : AskSaveFileName(parent, caption, suggested, filters, filter);
  if (!path.isEmpty()) UseFolderOf(path);
  return path;
}

PrintedReport Printed(const QPlainTextEdit* pane, const ReportIdentity& identity) {
  return {identity.kind, identity.name, PaneLines(pane), DisplayScript()};
}

QString FileName(const ReportIdentity& identity, const char* extension) {
  std::vector<std::string> parts;
  for (const QString& part : identity.fileParts) parts.push_back(part.toStdString());
  return QString::fromStdString(ReportFileName(parts)) + QString::fromLatin1(extension);
}

bool IsEmpty(const QPlainTextEdit* pane) { return pane->document()->isEmpty(); }

}  // namespace

void SetSaveFileHook(SaveFileHook hook) { Hook() = std::move(hook); }

QString LastOutputFolder() { return LastFolder(); }

QString AskOutputFile(QWidget* parent, const QString& caption, const QString& name,
                      const QStringList& filters) {
  QString filter = filters.value(0);
  return ChooseFile(parent, caption, name, filters, &filter);
}

void WriteOrSayError(QWidget* parent, const QString& path, const std::function<void()>& write) {
  WriteOrSay(parent, path, write);
}

QStringList PaneLines(const QPlainTextEdit* pane) {
  QStringList lines;
  if (IsEmpty(pane)) return lines;
  for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next())
    lines << block.text();
  return lines;
}

void SaveReportText(QPlainTextEdit* pane, const ReportIdentity& identity) {
  QString filter = kUtf8Filter;
  const QString path = ChooseFile(pane, QStringLiteral("另存为文本"), FileName(identity, ".txt"),
                                  {kUtf8Filter, kGbkFilter}, &filter);
  if (path.isEmpty()) return;
  std::vector<std::string> lines;
  for (const QString& line : PaneLines(pane)) lines.push_back(line.toStdString());
  const std::string file = QFile::encodeName(path).toStdString();
  const TextEncoding encoding = filter == kGbkFilter ? TextEncoding::GbkCrLf : TextEncoding::Utf8;
  WriteOrSay(pane, path, [&] { WriteFileAtomically(file, EncodeReportLines(lines, encoding, file)); });
}

void ExportReportPdf(QPlainTextEdit* pane, const ReportIdentity& identity) {
  QString filter = kPdfFilter;
  const QString path =
      ChooseFile(pane, QStringLiteral("导出PDF"), FileName(identity, ".pdf"), {kPdfFilter}, &filter);
  if (path.isEmpty()) return;
  WriteOrSay(pane, path, [&] { WriteReportPdf(Printed(pane, identity), path); });
}

void PreparePrinter(QPrinter& printer, const ReportIdentity& identity) {
  // The print dialog offers "<document name without extension>.pdf" when the
  // user prints to a file; the document name is therefore the same safe file
  // name that saving and exporting offer, with its extension.
  printer.setDocName(FileName(identity, ".pdf"));
  printer.setCreator(QStringLiteral("Vantrel"));
}

void PrintReport(QPlainTextEdit* pane, const ReportIdentity& identity) {
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, identity);
  bool accepted = false;
  if (PrintHook()) {
    accepted = PrintHook()(printer);
  } else {
    QPrintDialog dialog(&printer, pane->window());
    dialog.setWindowTitle(QStringLiteral("打印"));
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (!accepted) return;
  const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (file.isEmpty()) {
    PaintReport(Printed(pane, identity), printer);
    return;
  }
  // Printing to a file is an export: written whole or not at all, and a
  // failure is told.
  UseFolderOf(file);
  WriteOrSay(pane, file, [&] { WriteReportPdf(Printed(pane, identity), file); });
}

void PreviewReport(QPlainTextEdit* pane, const ReportIdentity& identity) {
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, identity);
  QPrintPreviewDialog dialog(&printer, pane->window());
  dialog.setObjectName(QStringLiteral("PrintPreview"));
  dialog.setWindowTitle(QStringLiteral("打印预览"));
  // Large enough for a whole A4 page, and in the middle of the screen.
  if (const QScreen* screen = pane->screen()) {
    const QSize room = screen->availableGeometry().size() * 0.9;
    dialog.resize(QSize(760, 980).boundedTo(room));
  }
  CenterOnFirstShow(&dialog);
  const PrintedReport report = Printed(pane, identity);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&report](QPrinter* device) { PaintReport(report, *device); });
  dialog.exec();
}

void SetPrintDialogHook(PrintDialogHook hook) { PrintHook() = std::move(hook); }

namespace {

struct Output {
  const char* caption;
  QKeySequence keys;
  void (*run)(QPlainTextEdit*, const ReportIdentity&);
};

const Output kOutputs[] = {
    {"另存为文本…", QKeySequence(Qt::CTRL | Qt::Key_S), &SaveReportText},
    {"导出PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &ExportReportPdf},
    {"打印预览…", QKeySequence(), &PreviewReport},
    {"打印…", QKeySequence(Qt::CTRL | Qt::Key_P), &PrintReport},
};

// Kept on the pane: what its report is, and the way an output action runs.
class ReportActions : public QObject {
 public:
  ReportActions(QPlainTextEdit* pane, std::function<ReportIdentity()> identity)
      : QObject(pane), pane_(pane), identity_(std::move(identity)) {
    setObjectName(QStringLiteral("ReportActions"));
  }
  void Run(void (*action)(QPlainTextEdit*, const ReportIdentity&)) const {
    if (IsEmpty(pane_)) return;
    RunAction(pane_->window(), [&] { action(pane_, identity_()); });
  }

 private:
  QPlainTextEdit* pane_;
  std::function<ReportIdentity()> identity_;
};

}  // namespace

QMenu* MakeReportMenu(QPlainTextEdit* pane) {
  auto* menu = new QMenu(pane);
  menu->setObjectName(QStringLiteral("ReportMenu"));
  QAction* copy = menu->addAction(QStringLiteral("复制"), QKeySequence::Copy, pane, &QPlainTextEdit::copy);
  copy->setEnabled(pane->textCursor().hasSelection());
  menu->addAction(QStringLiteral("全选"), QKeySequence::SelectAll, pane, &QPlainTextEdit::selectAll);
  menu->addSeparator();
  const auto* actions =
      pane->findChild<ReportActions*>(QStringLiteral("ReportActions"), Qt::FindDirectChildrenOnly);
  for (const Output& output : kOutputs) {
    QAction* action = menu->addAction(QString::fromUtf8(output.caption), output.keys, pane,
                                      [actions, fn = output.run] { actions->Run(fn); });
    action->setEnabled(actions && !IsEmpty(pane));
  }
  return menu;
}

void AttachReportActions(QPlainTextEdit* pane, QWidget* scope, std::function<ReportIdentity()> identity) {
  auto* actions = new ReportActions(pane, std::move(identity));
  for (const Output& output : kOutputs) {
    if (output.keys.isEmpty()) continue;
    auto* shortcut = new QShortcut(output.keys, scope);
    shortcut->setContext(scope == pane ? Qt::WidgetShortcut : Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, pane, [actions, fn = output.run] { actions->Run(fn); });
  }
  pane->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(pane, &QWidget::customContextMenuRequested, pane, [pane](const QPoint& at) {
    QMenu* menu = MakeReportMenu(pane);
    menu->exec(pane->viewport()->mapToGlobal(at));
    delete menu;
  });
}

}  // namespace vantrel::app
