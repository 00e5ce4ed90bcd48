// Saving, exporting and printing a report from its pane: the context menu,
// the text files in both encodings, the PDF read back with pdftotext, and
// the failures that must leave no file and an intact old one.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/error_text.h"
#include "app/report_output.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"
#include "common/text.h"
#include "print/pdf_layout.h"
#include "print/report_print.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

using testing::BoxRecorder;

namespace {

// Answers the file dialog with `path` and the filter at `filter_index`.
struct AnswerFileDialog {
  AnswerFileDialog(const QString& path, int filter_index) {
    SetSaveFileHook(
        [this, path, filter_index](const QString& s, const QStringList& filters, QString* filter) {
          suggested = s;
          if (filter_index >= 0) *filter = filters.value(filter_index);
          return path;
        });
  }
  ~AnswerFileDialog() { SetSaveFileHook(nullptr); }
  QString suggested;
};

QAction* MenuAction(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions()) {
    if (a->text() == text) return a;
  }
  return nullptr;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

QString NoBlanks(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }

// Answers the print dialog: the printer it was given is kept, and the report
// goes to `file` (a print to a file) or, with an empty name, nowhere.
struct AnswerPrintDialog {
  explicit AnswerPrintDialog(const QString& file) {
    SetPrintDialogHook([this, file](QPrinter& printer) {
      docName = printer.docName();
      if (file.isEmpty()) return false;
      printer.setOutputFileName(file);
      return true;
    });
  }
  ~AnswerPrintDialog() { SetPrintDialogHook(nullptr); }
  QString docName;
};

// The PDF's text as pdftotext gives it, page by page, the running header left out.
QList<QStringList> PdfPages(const QString& pdf) {
  QList<QStringList> pages;
  const QString text =
      Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  for (const QString& page : text.split(QLatin1Char('\f'))) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
      if (!line.trimmed().isEmpty() && !line.contains(QStringLiteral(" 页 / 共 "))) lines << line;
    }
    if (!lines.isEmpty()) pages << lines;
  }
  return pages;
}

// The columns of a printed line at the size a report of only prose gets.
int ProseColumns(const QString& folder) {
  QPdfWriter probe(folder + QStringLiteral("/probe.pdf"));
  probe.setResolution(600);
  return LayOutReport({QStringLiteral("报告"), QString(), {QStringLiteral("字")}}, probe).columns;
}

}  // namespace

class OutputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
  }
  void cleanupTestCase() { SetProgramDirForTesting(""); }

  void EveryReportPaneHasTheMenuAndAnEmptyOneCannotBeSaved() {
    TFrmIndex w;
    for (const char* name : {"MemoSuccess", "Memo1", "MemoHuangli", "MemoBk"}) {
      auto* pane = w.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
      QCOMPARE(pane->contextMenuPolicy(), Qt::CustomContextMenu);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      QStringList texts;
      for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) texts << a->text();
      }
      QCOMPARE(texts, (QStringList{"复制", "全选", "另存为文本…", "导出PDF…", "打印预览…", "打印…"}));
      const bool empty = pane->document()->isEmpty();
      for (const char* output : {"另存为文本…", "导出PDF…", "打印预览…", "打印…"}) {
        QCOMPARE(MenuAction(menu.get(), QString::fromUtf8(output))->isEnabled(), !empty);
      }
      QCOMPARE(MenuAction(menu.get(), QStringLiteral("另存为文本…"))->shortcut(),
               QKeySequence(QStringLiteral("Ctrl+S")));
      QCOMPARE(MenuAction(menu.get(), QStringLiteral("导出PDF…"))->shortcut(),
               QKeySequence(QStringLiteral("Ctrl+Shift+E")));
      QCOMPARE(MenuAction(menu.get(), QStringLiteral("打印…"))->shortcut(),
               QKeySequence(QStringLiteral("Ctrl+P")));
    }
    QVERIFY(w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"))->document()->isEmpty());
  }

  void TheSavedFilesHoldExactlyThePanesLines() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    const QStringList lines = PaneLines(pane);
    QVERIFY(lines.size() > 200);
    QTemporaryDir dir;
    {
      AnswerFileDialog answer(dir.filePath(QStringLiteral("utf8.txt")), 0);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("另存为文本…"))->trigger();
      QVERIFY(answer.suggested.endsWith(QStringLiteral("/合婚报告_张伟_李娜_") +
                                        QString::fromStdString(FormatDate(Today())) +
                                        QStringLiteral(".txt")));
    }
    QCOMPARE(QString::fromUtf8(ReadAll(dir.filePath(QStringLiteral("utf8.txt")))),
             lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    {
      AnswerFileDialog answer(dir.filePath(QStringLiteral("gbk.txt")), 1);
      SaveReportText(pane, {QStringLiteral("合婚报告"), QString(), {QStringLiteral("合婚报告")}});
      // The next dialog opens where the last file went.
      QCOMPARE(LastOutputFolder(), dir.path());
    }
    const QByteArray gbk = ReadAll(dir.filePath(QStringLiteral("gbk.txt")));
    QVERIFY(gbk.contains("\r\n"));
    const std::string decoded =
        text::FromGbk(std::string(gbk.constData(), static_cast<std::size_t>(gbk.size())));
    QCOMPARE(QString::fromStdString(decoded), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QVERIFY(recorder.boxes.empty());
  }

  void AFailedSaveShowsTheReasonAndLeavesTheOldFile() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    const QString before = pane->toPlainText();
    {
      // A folder no one may write in, root included.
      AnswerFileDialog answer(QStringLiteral("/proc/vantrel-report.txt"), 0);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("另存为文本…"))->trigger();
    }
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Warning);
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("提示"));
    QVERIFY2(recorder.boxes[0].text.startsWith(QStringLiteral("无法写入文件\"/proc/vantrel-report.txt\"：")),
             qPrintable(recorder.boxes[0].text));
    QCOMPARE(pane->toPlainText(), before);

    // GBK cannot hold the name: the old file stays as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old report\n");
    old.close();
    w.findChild<QLineEdit*>(QStringLiteral("Xing"))->setText(QStringLiteral("张😀"));
    w.findChild<QAbstractButton*>(QStringLiteral("RzBitBtn2"))->click();
    {
      AnswerFileDialog answer(path, 1);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("另存为文本…"))->trigger();
    }
    QCOMPARE(recorder.boxes.size(), std::size_t{2});
    QCOMPARE(recorder.boxes[1].text, QStringLiteral("无法写入文件\"%1\"：字符\"😀\"无法用GBK保存").arg(path));
    QCOMPARE(ReadAll(path), QByteArray("old report\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.txt")});
  }

  // The window writes through the same writer as the command line: a pipe
  // no program reads from is refused and stays a pipe; a link stays a link
  // and its file gets the report.
  void TheWindowNeverReplacesAPipeOrALink() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    {
      AnswerFileDialog answer(pipe, 0);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("另存为文本…"))->trigger();
    }
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QVERIFY(recorder.boxes[0].text.endsWith(QStringLiteral("No program is reading from the pipe")));
    QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo(pipe).exists());
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    QVERIFY(QFile::link(QStringLiteral("report.pdf"), link));
    {
      AnswerFileDialog answer(link, 0);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("导出PDF…"))->trigger();
    }
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(ReadAll(file).startsWith("%PDF"));
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{QStringLiteral("link.pdf"), QStringLiteral("pipe"), QStringLiteral("report.pdf")}));
  }

  void ARunStoppedByANoticeKeepsTheShownReportsNames() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    const QString shown = pane->toPlainText();
    // The man's name is taken away: a notice, and 张伟 and 李娜's report stays.
    testing::SetEntry(w, "Xing", QString());
    w.findChild<QAbstractButton*>(QStringLiteral("RzBitBtn2"))->click();
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(pane->toPlainText(), shown);
    AnswerFileDialog answer(QString(), 0);
    std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
    MenuAction(menu.get(), QStringLiteral("另存为文本…"))->trigger();
    QVERIFY2(answer.suggested.contains(QStringLiteral("/合婚报告_张伟_李娜_")), qPrintable(answer.suggested));
  }

  void ThePrintDialogOffersASafeFileName() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w, "张/三", "李娜😀");
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    const QString today = QString::fromStdString(FormatDate(Today()));
    QTemporaryDir dir;
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    {
      AnswerPrintDialog answer(printed);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("打印…"))->trigger();
      // The dialog offers the document name, its extension replaced by
      // ".pdf", in a folder of its own: no "/" may make a folder of it.
      QCOMPARE(answer.docName, QStringLiteral("合婚报告_张_三_李娜😀_%1.pdf").arg(today));
      const QRegularExpressionMatch stem =
          QRegularExpression(QStringLiteral("^(.*)\\.\\S+$")).match(answer.docName);
      QVERIFY(stem.hasMatch());
      QVERIFY(!stem.captured(1).contains(QLatin1Char('/')));
      QCOMPARE(stem.captured(1) + QStringLiteral(".pdf"), answer.docName);
    }
    // Printed to a file: the whole report, and the folder is the next one offered.
    QVERIFY(recorder.boxes.empty());
    QVERIFY(Run(QStringLiteral("pdfinfo"), {printed}).contains(QStringLiteral("合婚报告 张/三 / 李娜😀")));
    QCOMPARE(LastOutputFolder(), dir.path());
    {
      // A name with a control character and a dot in it.
      AnswerPrintDialog answer{QString()};
      const QString name = QStringLiteral("J.R.\u0001x");
      PrintReport(pane, {QStringLiteral("八字"), name, {QStringLiteral("八字"), name}});
      QCOMPARE(answer.docName, QStringLiteral("八字_J.R._x.pdf"));
    }
    // A print to a file in a folder that is not there: told in Chinese.
    AnswerPrintDialog answer(dir.filePath(QStringLiteral("missing/printed.pdf")));
    PrintReport(pane, {QStringLiteral("合婚报告"), QString(), {QStringLiteral("合婚报告")}});
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("无法写入文件\"%1\"：文件夹不存在")
                                         .arg(dir.filePath(QStringLiteral("missing/printed.pdf"))));
  }

  void WriteErrorsSpeakChinese() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    QTemporaryDir dir;
    for (const char* action : {"另存为文本…", "导出PDF…"}) {
      const QString path = dir.filePath(QStringLiteral("missing/report.txt"));
      AnswerFileDialog answer(path, 0);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QString::fromUtf8(action))->trigger();
      QCOMPARE(recorder.boxes.back().kind, BoxKind::Warning);
      QCOMPARE(recorder.boxes.back().caption, QStringLiteral("提示"));
      QCOMPARE(recorder.boxes.back().text, QStringLiteral("无法写入文件\"%1\"：文件夹不存在").arg(path));
    }
    QCOMPARE(recorder.boxes.size(), std::size_t{2});
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));

    // The common reasons in Chinese, any other one as the system gave it.
    const std::pair<int, const char*> common[] = {
        {EACCES, "没有写入这个文件夹的权限"}, {ENOSPC, "磁盘已满"}, {EROFS, "文件系统是只读的"}};
    for (const auto& [error, text] : common) {
      QCOMPARE(WriteErrorText(QStringLiteral("/x/r.txt"),
                              std::string("Cannot write file \"/x/r.txt\". ") + std::strerror(error)),
               QStringLiteral("无法写入文件\"/x/r.txt\"：") + QString::fromUtf8(text));
    }
    QCOMPARE(WriteReasonText(std::strerror(EIO)), QString::fromUtf8(std::strerror(EIO)));
    QCOMPARE(WriteErrorText(QStringLiteral("/x/r.txt"), "something else"),
             QStringLiteral("无法写入文件\"/x/r.txt\"：something else"));
  }

  void ThePreviewShowsTheReportsPages() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    int shown = -1;
    QString title;
    QTimer::singleShot(0, [&] {
      auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
      if (!preview) return;
      title = preview->windowTitle();
      shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
      preview->reject();
    });
    std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
    MenuAction(menu.get(), QStringLiteral("打印预览…"))->trigger();
    QCOMPARE(title, QStringLiteral("打印预览"));
    QPrinter printer(QPrinter::HighResolution);
    const PrintLayout layout =
        LayOutReport({QStringLiteral("合婚报告"), QString(), PaneLines(pane)}, printer);
    QVERIFY(layout.pages.size() > 1);
    QCOMPARE(shown, static_cast<int>(layout.pages.size()));
    QVERIFY(recorder.boxes.empty());
  }

  void PrintedLinesFollowChineseLineBreaking() {
    QTemporaryDir dir;
    const int columns = ProseColumns(dir.path());
    QVERIFY(columns > 20);
    // Lines whose plain cut at the page's edge would begin a printed line
    // with a closing mark or end one with an opening mark.
    const QString full = QString(columns / 2, QChar(0x5B57));  // 字 to the edge
    const QStringList lines = {
        full + QStringLiteral("。下一句从这里开始，接着写。"),
        QString(columns / 2 - 1, QChar(0x5B57)) + QStringLiteral("（括号里的话）之后"),
        full + QStringLiteral("……省略号不可放在行首"),
        full.left(columns / 2 - 1) + QStringLiteral("「引号」里的字，还有、顿号"),
        QString(columns, QChar(0xFF0C)),  // only commas: still cut, nothing lost
    };
    const QString pdf = dir.filePath(QStringLiteral("breaks.pdf"));
    WriteReportPdf({QStringLiteral("报告"), QString(), lines}, pdf);
    QStringList printed;
    for (const QStringList& page : PdfPages(pdf)) printed << page;
    QVERIFY(printed.size() >= 2 * 4);
    QCOMPARE(NoBlanks(printed.join(QString())), NoBlanks(lines.join(QString())));
    for (const QString& line : printed) {
      const QString text = line.trimmed();
      if (text.count(QChar(0xFF0C)) == text.size()) continue;  // the line of commas alone
      QVERIFY2(!MayNotStartLine(text.left(1)), qPrintable(text));
      QVERIFY2(!MayNotEndLine(text.right(1)), qPrintable(text));
    }

    // The same in a whole report.
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    const QString report = dir.filePath(QStringLiteral("report.pdf"));
    WriteReportPdf({QStringLiteral("合婚报告"), QString(),
                    PaneLines(w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess")))},
                   report);
    for (const QStringList& page : PdfPages(report)) {
      for (const QString& line : page) QVERIFY2(!MayNotStartLine(line.trimmed().left(1)), qPrintable(line));
    }
  }

  void AGridStaysOnOnePageWithItsLabel() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    const QStringList report = PaneLines(w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess")));
    // The man's 流年 block: its label line and the rows under it.
    const int label = static_cast<int>(report.indexOf(QRegularExpression(QStringLiteral("流年：.*"))));
    QVERIFY(label >= 0);
    QStringList grid = {report[label]};
    for (int i = label + 1; i < report.size() && report[i].startsWith(QLatin1Char(' ')); ++i)
      grid << report[i];
    QVERIFY(grid.size() >= 8);

    QTemporaryDir dir;
    QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
    probe.setResolution(600);
    const int per_page = LayOutReport({QStringLiteral("报告"), QString(), grid}, probe).linesPerPage;
    // Prose to five lines above the first page's end, then the grid.
    QStringList lines;
    for (int i = 0; i < per_page - 5; ++i) lines << QStringLiteral("第%1行").arg(i + 1);
    lines << grid << QStringLiteral("结束");
    const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    WriteReportPdf({QStringLiteral("报告"), QString(), lines}, pdf);
    const QList<QStringList> pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].size(), per_page - 5);  // the first page ends before the grid
    QVERIFY(pages[1][0].startsWith(QStringLiteral("流年：")));
    for (int i = 0; i < grid.size(); ++i) {
      QCOMPARE(pages[1][i].split(QLatin1Char(' '), Qt::SkipEmptyParts),
               grid[i].split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
  }

  void ThePdfGivesBackEveryLineInOrderWithItsColumns() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::WriteSampleMarriageReport(w);
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    const QStringList lines = PaneLines(pane);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    {
      AnswerFileDialog answer(pdf, -1);
      std::unique_ptr<QMenu> menu(MakeReportMenu(pane));
      MenuAction(menu.get(), QStringLiteral("导出PDF…"))->trigger();
      QVERIFY(answer.suggested.endsWith(QStringLiteral(".pdf")));
    }
    QVERIFY(recorder.boxes.empty());
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(!info.isEmpty(), "pdfinfo (poppler-utils) did not run");
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title:\\s+合婚报告 张伟 / 李娜"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Vantrel"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595 x 842 pts \\(A4\\)"))));

    // The page count the layout predicts: the printed lines over the lines a page holds.
    QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
    probe.setResolution(600);
    const PrintLayout layout =
        LayOutReport({QStringLiteral("合婚报告"), QStringLiteral("张伟 / 李娜"), lines}, probe);
    QVERIFY(layout.fontPoints >= 8);  // the grids fit at a readable size
    int printed = 0;
    for (const QStringList& page : layout.pages) printed += page.size();
    QVERIFY(printed >= lines.size());
    const int pages = (printed + layout.linesPerPage - 1) / layout.linesPerPage;
    QVERIFY(layout.pages.size() >= pages && layout.pages.size() <= pages + 1);
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(layout.pages.size()))));

    const QString text =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QStringList got;
    for (const QString& page : text.split(QLatin1Char('\f'))) {
      QStringList page_lines = page.split(QLatin1Char('\n'));
      // The running header: the report's name and "第 n 页 / 共 m 页".
      if (!page_lines.isEmpty() && page_lines.first().contains(QStringLiteral(" 页 / 共 ")))
        page_lines.removeFirst();
      for (const QString& line : page_lines) {
        if (!line.trimmed().isEmpty()) got << line;
      }
    }
    QVERIFY(!text.contains(QStringLiteral("第 1 页 / 共 %1 页").arg(layout.pages.size() + 1)));
    // Every character in order ...
    QStringList wanted;
    for (const QString& line : lines) {
      if (!line.trimmed().isEmpty()) wanted << line;
    }
    QCOMPARE(NoBlanks(got.join(QString())), NoBlanks(wanted.join(QString())));
    // ... and every aligned line whole on one printed line, its columns in
    // the same words.
    static const QRegularExpression kAligned(QStringLiteral("\\S {2,}\\S"));
    int at = 0;
    for (const QString& line : wanted) {
      if (!line.contains(kAligned)) continue;
      const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
      while (at < got.size() && got[at].split(QLatin1Char(' '), Qt::SkipEmptyParts) != words) ++at;
      QVERIFY2(at < got.size(), qPrintable(line));
      ++at;
    }
  }
};

VANTREL_APP_TEST(OutputTest);

}  // namespace vantrel::app

#include "output_test.moc"
