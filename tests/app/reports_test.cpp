// The report pages wired to the reports: what the window shows must be what
// the report writes for the same entry, and the entry checks must speak
// through the notice box.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <filesystem>

#include "app/display_script.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/datetime.h"
#include "common/paths.h"
#include "reports/almanac.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

using testing::BoxRecorder;

namespace {

void Click(QWidget& w, const char* name) {
  w.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

EntryTexts Person(const char* name, const char* year, const char* month, const char* day, const char* hour) {
  return EntryTexts{name, CalendarKind::Solar, year, month, day, hour, "0"};
}

// The almanac page shows the day typed into its pickers.
void ShowAlmanacOf(TFrmIndex& w, const QString& year, const QString& month, const QString& day) {
  testing::SetEntry(w, "SlYear", year);
  testing::SetEntry(w, "SlMonth", month);
  testing::SetEntry(w, "Slday", day);
  Click(w, "BtnHuangli");
}

}  // namespace

class ReportsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
  }
  void cleanupTestCase() { SetProgramDirForTesting(""); }

  void TheMarriagePageShowsTheMarriageReport() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    testing::SetEntries(w, {{"Xing", "张伟"},
                            {"SYear", "1985"},
                            {"SMonth", "6"},
                            {"Sday", "18"},
                            {"Shour", "辰 8"},
                            {"Xing3", "李娜"},
                            {"ComDate3", "农历(阴历)"},
                            {"SYear3", "1987"},
                            {"SMonth3", "10"},
                            {"Sday3", "3"},
                            {"Shour3", "酉 18"},
                            {"CBFen3", "30"}});
    Click(w, "RzBitBtn2");
    QCoreApplication::processEvents();
    QVERIFY2(recorder.boxes.empty(), recorder.boxes.empty() ? "" : qPrintable(recorder.boxes[0].text));

    EntryTexts woman = Person("李娜", "1987", "10", "3", "酉 18");
    woman.calendar = CalendarKind::Lunar;
    woman.minute = "30";
    MarriageEntry entry{ReadMarriagePerson(Person("张伟", "1985", "6", "18", "辰 8")),
                        ReadMarriagePerson(woman)};
    TextPane expected;
    expected.SetText(RenderMarriageReport(BuildMarriageReport(entry)));
    QVERIFY(expected.LineCount() > 50);
    QCOMPARE(w.MemoSuccess().Text(), expected.Text());
    auto* pane = w.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
    QCOMPARE(pane->verticalScrollBar()->value(), 0);  // the report opens at its first line

    // A second run replaces the report.
    testing::SetEntry(w, "SYear", QStringLiteral("1986"));
    Click(w, "RzBitBtn2");
    QVERIFY(w.MemoSuccess().Text() != expected.Text());
  }

  void AMissingNameIsAskedForAtItsEntry() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.MemoSuccess().Add("earlier report");
    Click(w, "RzBitBtn2");
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("男方姓名不能为空!"));
    QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>(QStringLiteral("Xing")));
    QCOMPARE(w.MemoSuccess().Text(), std::string("earlier report\n"));
    // The woman's row is checked after the man's section was written; that
    // section stays.
    testing::SetEntry(w, "Xing", QStringLiteral("张伟"));
    Click(w, "RzBitBtn2");
    QCOMPARE(recorder.boxes.back().text, QStringLiteral("女方姓名不能为空!"));
    QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>(QStringLiteral("Xing3")));
    QCOMPARE(w.MemoSuccess().Line(0), std::string("男方基本信息："));
  }

  void TheChartPageShowsTheChartOrTheConstellationReport() {
    BoxRecorder recorder;
    TFrmIndex w;
    Click(w, "RzToolButton1");
    testing::SetEntries(
        w, {{"Xing2", "王芳"}, {"CBsex2", "女"}, {"SYear2", "1990"}, {"SMonth2", "3"}, {"Sday2", "12"}});
    Click(w, "RzButton2");
    QVERIFY(recorder.boxes.empty());

    ChartEntry entry;
    entry.person = ReadChartPerson(Person("王芳", "1990", "3", "12", "子 0"));
    entry.sex = Sex::Woman;
    TextPane expected;
    expected.SetText(RenderChartReport(BuildChartReport(entry)));
    QVERIFY(expected.LineCount() > 20);
    QCOMPARE(w.Memo1().Text(), expected.Text());

    Click(w, "RzToolButton3");
    Click(w, "RzButton2");
    entry.kind = ReportKind::Constellation;
    expected.SetText(RenderChartReport(BuildChartReport(entry)));
    QCOMPARE(w.Memo1().Text(), expected.Text());
    QVERIFY(w.Memo1().Text().find("星座") != std::string::npos);
  }

  void TheAlmanacButtonShowsTodayAtOnce() {
    BoxRecorder recorder;
    TFrmIndex w;
    QCOMPARE(w.MemoHuangli().LineCount(), 0);
    Click(w, "RzToolButton5");
    QCOMPARE(w.CurrentPage(), Page::Almanac);
    QVERIFY(recorder.boxes.empty());
    const CivilDate today = DecodeDate(Today());
    TextPane expected;
    for (const std::string& line : AlmanacLines(
             AlmanacDayOf(std::to_string(today.year), QString::asprintf("%02d", today.month).toStdString(),
                          QString::asprintf("%02d", today.day).toStdString())))
      expected.Add(line);
    QCOMPARE(expected.LineCount(), 19);  // ten lines, an empty line after each but the last
    QCOMPARE(w.MemoHuangli().Text(), expected.Text());
    QVERIFY(w.MemoHuangli().Line(0).starts_with("当日统览:" + FormatDate(Today())));
    QVERIFY(w.MemoHuangli().Line(18).starts_with("忌:"));
  }

  void TheAlmanacOfAPickedDayAndItsChecks() {
    BoxRecorder recorder;
    TFrmIndex w;
    testing::SetEntry(w, "SlYear", QStringLiteral("2013"));
    testing::SetEntry(w, "SlMonth", QStringLiteral("9"));  // typed without its leading zero
    testing::SetEntry(w, "Slday", QStringLiteral("21"));
    Click(w, "BtnHuangli");
    QVERIFY(recorder.boxes.empty());
    QVERIFY(w.MemoHuangli().Line(0).starts_with("当日统览:2013-9-21  "));
    const std::string shown = w.MemoHuangli().Text();

    testing::SetEntry(w, "SlMonth", QStringLiteral("02"));
    testing::SetEntry(w, "Slday", QStringLiteral("30"));
    Click(w, "BtnHuangli");
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("请选择有效的日期!"));
    testing::SetEntry(w, "SlYear", QString());
    Click(w, "BtnHuangli");
    QCOMPARE(recorder.boxes.back().text, QStringLiteral("请选择年!"));
    QCOMPARE(w.MemoHuangli().Text(), shown);  // the checks leave the pane as it was
  }

  void TheCursorOnAWordOfTheAlmanacSaysWhy() {
    BoxRecorder recorder;
    TFrmIndex w;
    ShowAlmanacOf(w, QStringLiteral("2013"), QStringLiteral("09"), QStringLiteral("21"));
    auto* pane = testing::Child<QPlainTextEdit>(w, "MemoHuangli");
    auto* reason = testing::Child<QPlainTextEdit>(w, "MemoReason");
    QVERIFY(pane && reason);
    QVERIFY(reason->toPlainText().isEmpty());
    // "忌:祭祀 移徙 …" is line 18: the cursor inside 移徙 tells why it is forbidden.
    const QTextBlock forbids = pane->document()->findBlockByNumber(18);
    QVERIFY(forbids.text().startsWith(QStringLiteral("忌:祭祀 移徙")));
    QTextCursor cursor(forbids);
    cursor.setPosition(forbids.position() + 6);  // 忌 : 祭 祀 ␠ 移|徙
    pane->setTextCursor(cursor);
    QVERIFY(reason->toPlainText().startsWith(QStringLiteral("忌 移徙：劫煞（卷十一：般移忌劫煞）")));
    QVERIFY(reason->toPlainText().contains(QStringLiteral("归忌犹忌")));
    QCOMPARE(pane->accessibleDescription(), reason->toPlainText());
    // The label is not a word: nothing to say.
    cursor.setPosition(forbids.position() + 1);
    pane->setTextCursor(cursor);
    QVERIFY(reason->toPlainText().isEmpty());
    // 馀事勿取 at the end of the short 宜 line says what the good spirits
    // favoured that the line leaves out, and why.
    const QTextBlock suits = pane->document()->findBlockByNumber(14);
    QVERIFY(suits.text().endsWith(QStringLiteral("馀事勿取")));
    cursor.setPosition(suits.position() + suits.text().size() - 1);
    pane->setTextCursor(cursor);
    QVERIFY(reason->toPlainText().startsWith(QStringLiteral("宜 馀事勿取：")));
    QVERIFY(reason->toPlainText().contains(QStringLiteral("安葬")));
    QVERIFY(recorder.boxes.empty());
  }

  // In 繁體 the pane shows 齋醮 for 斋醮: the word under the cursor still
  // finds its reason, told in the same script.
  void TheReasonOfAWordInTraditionalScript() {
    BoxRecorder recorder;
    TFrmIndex w;
    SetDisplayScript(Script::Taiwan);
    ShowAlmanacOf(w, QStringLiteral("2013"), QStringLiteral("09"), QStringLiteral("21"));
    auto* pane = testing::Child<QPlainTextEdit>(w, "MemoHuangli");
    auto* reason = testing::Child<QPlainTextEdit>(w, "MemoReason");
    QVERIFY(pane && reason);
    const QTextBlock forbids = pane->document()->findBlockByNumber(18);
    const qsizetype at = forbids.text().indexOf(QStringLiteral("齋醮"));
    SetDisplayScript(Script::Simplified);
    QVERIFY2(at > 0, qPrintable(forbids.text()));
    SetDisplayScript(Script::Taiwan);
    QTextCursor cursor(forbids);
    cursor.setPosition(forbids.position() + static_cast<int>(at) + 1);
    pane->setTextCursor(cursor);
    const QString told = reason->toPlainText();
    SetDisplayScript(Script::Simplified);
    QVERIFY2(told.startsWith(QStringLiteral("忌 齋醮：寅日")), qPrintable(told));
  }

  void AnAlmanacDayWithoutARowKeepsThePane() {
    BoxRecorder recorder;
    TFrmIndex w;
    ShowAlmanacOf(w, QStringLiteral("2013"), QStringLiteral("09"), QStringLiteral("21"));
    const std::string shown = w.MemoHuangli().Text();
    QCOMPARE(w.MemoHuangli().LineCount(), 19);
    testing::SetEntry(w, "SlYear", QStringLiteral("2101"));  // past the table's last day
    testing::SetEntry(w, "SlMonth", QStringLiteral("01"));
    testing::SetEntry(w, "Slday", QStringLiteral("01"));
    Click(w, "BtnHuangli");
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(w.MemoHuangli().Text(), shown);
  }

  void ADateThatDoesNotExistReachesTheErrorBoxAndKeepsTheReport() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.Memo1().Add("earlier report");
    testing::SetEntry(w, "SMonth2", QStringLiteral("2"));
    testing::SetEntry(w, "Sday2", QStringLiteral("30"));
    Click(w, "RzButton2");
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Error);
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Vantrel"));
    QCOMPARE(w.Memo1().Text(), std::string("earlier report\n"));
    testing::SetEntry(w, "SYear2", QString());
    Click(w, "RzButton2");
    QCOMPARE(recorder.boxes.back().kind, BoxKind::Notice);
    QCOMPARE(recorder.boxes.back().text, QStringLiteral("请选择出生年!"));
  }
};

VANTREL_APP_TEST(ReportsTest);

}  // namespace vantrel::app

#include "reports_test.moc"
