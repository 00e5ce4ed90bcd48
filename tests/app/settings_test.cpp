// The 设置 dialog and what it changes in the window: the 子 hour rule of the
// reports, the script of every text shown, and the remembered folder and
// birthplace; with the notice line above a report and the hour not known.
#include "app/settings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegion>
#include <QTest>

#include "app/dialogs/settings_dialog.h"
#include "app/display_script.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"

namespace vantrel::app {

namespace {

void Click(QWidget& w, const char* name) {
  w.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

QString Report(QWidget& w) { return w.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(); }

QLabel* Notice(QWidget& w) {
  return w.findChild<QWidget*>(QStringLiteral("TabSheet2"))
      ->findChild<QLabel*>(QStringLiteral("BoundaryNotice"));
}

// The chart page's row and its report.
void ChartOf(TFrmIndex& w, const char* year, const char* month, const char* day, const char* hour,
             const char* minute) {
  w.RzToolButton1Click();
  testing::SetEntries(
      w, {{"SYear2", year}, {"SMonth2", month}, {"Sday2", day}, {"Shour2", hour}, {"CBFen2", minute}});
  Click(w, "RzButton2");
}

// The union of the regions a widget is asked to paint while it lives.
class PaintedRegion : public QObject {
 public:
  explicit PaintedRegion(QWidget* w) { w->installEventFilter(this); }
  QRegion region;
  bool Covers(const QRect& rect) const { return QRegion(rect).subtracted(region).isEmpty(); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

QString OpenCC(const QString& config, const QString& text) {
  QProcess p;
  p.start(QStringLiteral("opencc"), {QStringLiteral("-c"), config});
  p.write(text.toUtf8());
  p.closeWriteChannel();
  p.waitForFinished();
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
    InstallScriptFilter();
  }
  void cleanup() {
    SetDisplayScript(Script::Simplified);
    RememberScript(Script::Simplified);
    RememberZiRule(ZiRule::SameDay);
  }
  void cleanupTestCase() { SetProgramDirForTesting(""); }

  void TheCatalogueOffersTheSettings() {
    TFrmIndex w;
    auto* button = w.findChild<QAbstractButton*>(QStringLiteral("BtnSettings"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("设置"));
  }

  void TheDialogKeepsItsChoicesAcrossRuns() {
    {
      TFrmSettings d;
      QCOMPARE(d.windowTitle(), QStringLiteral("设置"));
      QCOMPARE(d.ZiRuleList()->count(), 3);
      QCOMPARE(d.ZiRuleList()->currentIndex(), 0);
      QCOMPARE(d.ScriptList()->itemText(1), QStringLiteral("繁體（台湾）"));
      QCOMPARE(d.ScriptList()->itemText(2), QStringLiteral("繁體（香港）"));
      d.ZiRuleList()->setCurrentIndex(2);
      d.ScriptList()->setCurrentIndex(2);
      // A place the program does not know keeps the dialog open and changes nothing.
      d.BirthplaceEntry()->setText(QStringLiteral("火星"));
      d.Keep();
      QVERIFY(d.result() != QDialog::Accepted);
      QVERIFY(d.Message()->text().contains(QStringLiteral("火星")));
      QCOMPARE(CurrentZiRule(), ZiRule::SameDay);
      // A place typed in Traditional Chinese is found.
      d.BirthplaceEntry()->setText(QStringLiteral("烏魯木齊"));
      d.Keep();
      QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(CurrentZiRule(), ZiRule::Late);
    QCOMPARE(DisplayScript(), Script::HongKong);
    const Remembered kept = ReadRemembered();  // what the next run reads
    QCOMPARE(kept.zi, ZiRule::Late);
    QCOMPARE(kept.script, Script::HongKong);
    QCOMPARE(kept.birthplace, QStringLiteral("烏魯木齊"));
    {
      TFrmSettings again;
      QCOMPARE(again.ZiRuleList()->currentIndex(), 2);
      QCOMPARE(again.ScriptList()->currentIndex(), 2);
      QCOMPARE(again.BirthplaceEntry()->text(), QStringLiteral("烏魯木齊"));
      // 清除 forgets the birthplace.
      Click(again, "BtnForgetPlace");
      again.Keep();
    }
    QCOMPARE(ReadRemembered().birthplace, QString());
    QCOMPARE(LastBirthplace(), QString());
  }

  void TheReportsFollowTheChosenZiRule() {
    TFrmIndex w;
    ChartOf(w, "2024", "1", "1", "子 23", "30");
    QVERIFY(Report(w).contains(QStringLiteral("\n八字：癸卯   甲子   甲子   甲子\n")));
    QVERIFY(!Report(w).contains(QStringLiteral("子时：")));
    RememberZiRule(ZiRule::NextDay);
    Click(w, "RzButton2");
    QVERIFY(Report(w).contains(QStringLiteral("\n八字：癸卯   甲子   乙丑   丙子\n")));
    QVERIFY(Report(w).contains(QStringLiteral("\n子时：按子时换日，23点起日柱取次日，时柱为次日子时\n")));
  }

  void ABirthCloseToABoundaryIsToldAboveTheReport() {
    TFrmIndex w;
    w.show();
    ChartOf(w, "2024", "2", "4", "申 16", "22");
    QVERIFY(Notice(w)->isVisible());
    QCOMPARE(Notice(w)->text(), QStringLiteral("出生时刻距立春仅 5 分钟，月柱取决于准确时刻"));
    QVERIFY(!Report(w).contains(QStringLiteral("立春")));
    ChartOf(w, "2024", "2", "4", "申 15", "57");
    QVERIFY(!Notice(w)->isVisible());
    // The marriage page tells whose birth it is.
    w.RzToolButton2Click();
    testing::SetEntries(w, {{"Xing", "甲"},
                            {"Xing3", "乙"},
                            {"SYear3", "2024"},
                            {"SMonth3", "2"},
                            {"Sday3", "4"},
                            {"Shour3", "申 16"},
                            {"CBFen3", "22"},
                            {"Shour", "午 12"}});
    Click(w, "RzBitBtn2");
    auto* notice = w.findChild<QWidget*>(QStringLiteral("TabSheet1"))
                       ->findChild<QLabel*>(QStringLiteral("BoundaryNotice"));
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("女方：出生时刻距立春仅 5 分钟，月柱取决于准确时刻"));
  }

  void AnHourNotKnownShowsTheTwelveHours() {
    TFrmIndex w;
    ChartOf(w, "1990", "6", "7", "不详", "0");
    const QStringList lines = Report(w).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("您出生公历：1990年06月07日时辰不详")));
    const int first =
        static_cast<int>(lines.indexOf(QStringLiteral("时辰   时间      时柱   十神   时柱神煞")));
    QVERIFY(first > 0);
    QVERIFY(lines[first + 1].startsWith(QStringLiteral("子时   23-01点   壬子   劫财")));
    QVERIFY(lines[first + 12].startsWith(QStringLiteral("亥时   21-23点   癸亥   比肩")));
  }

  void TraditionalChineseEverywhereAndBack() {
    TFrmIndex w;
    w.show();
    ChartOf(w, "1990", "6", "7", "辰 8", "0");
    const QString simplified = Report(w);
    SetDisplayScript(Script::Taiwan);
    // The report shown is OpenCC's s2tw of the simplified one.
    QCOMPARE(Report(w) + QLatin1Char('\n'),
             OpenCC(QStringLiteral("s2tw.json"), simplified + QLatin1Char('\n')));
    Click(w, "RzButton2");
    QCOMPARE(Report(w) + QLatin1Char('\n'),
             OpenCC(QStringLiteral("s2tw.json"), simplified + QLatin1Char('\n')));
    // Labels and list items too, and a page shown for the first time.
    auto* calendar = w.findChild<QComboBox*>(QStringLiteral("ComDate"));
    QCOMPARE(calendar->itemText(1), QStringLiteral("農曆(陰曆)"));
    // The hour items keep their branches; 不详 is converted and still read as the hour not known.
    auto* hours = w.findChild<QComboBox*>(QStringLiteral("Shour2"));
    QCOMPARE(hours->itemText(1), QStringLiteral("丑 1"));
    QCOMPARE(hours->itemText(24), QStringLiteral("不詳"));
    ChartOf(w, "1990", "6", "7", "不詳", "0");
    QVERIFY(Report(w).contains(QStringLiteral("時辰不詳")));
    SetDisplayScript(Script::Simplified);
    QCOMPARE(calendar->itemText(1), QStringLiteral("农历(阴历)"));
    QVERIFY(Report(w).contains(QStringLiteral("时辰不详")));
  }

  // The window paints its motto and footer itself: a change of script
  // paints them again, not only the widgets whose text changed.
  void AChangeOfScriptRepaintsWhatTheWindowPaints() {
    TFrmIndex w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    PaintedRegion painted(&w);
    SetDisplayScript(Script::Taiwan);
    // The repaint the change asked for (without waiting for a later one).
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(painted.Covers(QRect(520, 36, 190, 48)));                     // the motto
    QVERIFY(painted.Covers(QRect(0, 566, w.width(), w.height() - 566)));  // the footer
  }

  // The sign on an icon reads as in its caption: 历 of 万年历法 is 曆
  // (calendar), though alone OpenCC makes it 歷 (history).
  void ASignReadsAsInItsCaption() {
    SetDisplayScript(Script::Taiwan);
    QCOMPARE(Shown(QStringLiteral("历")), QStringLiteral("歷"));
    QCOMPARE(ShownPart(QStringLiteral("历"), QStringLiteral("万年历法")), QStringLiteral("曆"));
    QCOMPARE(ShownPart(QStringLiteral("网"), QStringLiteral("网名分析")), QStringLiteral("網"));
    QCOMPARE(ShownPart(QStringLiteral("QQ"), QStringLiteral("QQ号分析")), QStringLiteral("QQ"));
    // A sign its caption does not hold is converted alone.
    QCOMPARE(ShownPart(QStringLiteral("晷"), QStringLiteral("真太阳时")), QStringLiteral("晷"));
    QCOMPARE(ShownPart(QStringLiteral("历"), QStringLiteral("设置")), QStringLiteral("歷"));
    SetDisplayScript(Script::Simplified);
    QCOMPARE(ShownPart(QStringLiteral("历"), QStringLiteral("万年历法")), QStringLiteral("历"));
  }
};

VANTREL_APP_TEST(SettingsTest);

}  // namespace vantrel::app

#include "settings_test.moc"
