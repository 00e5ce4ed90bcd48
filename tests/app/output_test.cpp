// Saving, exporting and printing a report from its pane: the context menu,
// the text files in both encodings, the PDF read back with pdftotext, and
// the failures that must leave no file and an intact old one.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/report_output.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"
#include "common/text.h"
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
      QCOMPARE(texts, (QStringList{"复制", "全选", "另存为文本…", "导出PDF…", "打印…"}));
      const bool empty = pane->document()->isEmpty();
      for (const char* output : {"另存为文本…", "导出PDF…", "打印…"}) {
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
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Vantrel"));
    QVERIFY(
        recorder.boxes[0].text.startsWith(QStringLiteral("Cannot write file \"/proc/vantrel-report.txt\".")));
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
    QVERIFY(recorder.boxes[1].text.contains(QStringLiteral("cannot be written in GBK")));
    QCOMPARE(ReadAll(path), QByteArray("old report\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.txt")});
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
