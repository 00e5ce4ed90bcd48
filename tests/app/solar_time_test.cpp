// The 真太阳时 dialog: its values follow the entries as they are typed, it
// refuses clock times that never happened and longitudes that are no
// longitudes, and its buttons fill the main window's entry rows.
#include <QAbstractButton>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/dialogs/true_solar_time.h"
#include "app/pages/entry_row.h"
#include "app/qt_text.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "calendar/places.h"

namespace vantrel::app {

namespace {

QString Value(QWidget& w, const char* name) {
  return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}
QAbstractButton* Button(QWidget& w, const char* name) {
  return w.findChild<QAbstractButton*>(QString::fromLatin1(name));
}
QString ListText(QWidget& w, const char* name) {
  return w.findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
}

void Enter(TFrmSolarTime& d, QDate date, int hour, int minute, const QString& place) {
  d.DateEntry()->setDate(date);
  d.HourEntry()->setValue(hour);
  d.MinuteEntry()->setValue(minute);
  d.PlaceEntry()->clear();
  if (place.toLatin1() == place.toUtf8()) {
    QTest::keyClicks(d.PlaceEntry(), place);  // typed, as a user types
  } else {
    d.PlaceEntry()->setText(place);
  }
}

}  // namespace

class SolarTimeTest : public QObject {
  Q_OBJECT

 private slots:
  void TheValuesFollowTheEntries() {
    TFrmSolarTime d;
    QCOMPARE(d.windowTitle(), QStringLiteral("真太阳时"));
    QVERIFY(!Button(d, "BtnFillMan")->isEnabled());  // no place yet
    // Typing the beginning of a place offers it.
    QCompleter* completer = d.PlaceEntry()->completer();
    QVERIFY(completer);
    completer->setCompletionPrefix(QStringLiteral("乌鲁"));
    QCOMPARE(completer->currentCompletion(), QStringLiteral("乌鲁木齐"));
    Enter(d, QDate(2000, 6, 15), 12, 0, QStringLiteral("乌鲁木齐"));
    QCOMPARE(Value(d, "ValueLongitude"), QStringLiteral("-129分36秒"));
    Enter(d, QDate(2000, 6, 15), 12, 0, QStringLiteral("87.62"));
    QCOMPARE(Value(d, "ValueClock"), QStringLiteral("2000-06-15 12:00"));
    QCOMPARE(Value(d, "ValueSummer"), QStringLiteral("+0分0秒"));
    QCOMPARE(Value(d, "ValueLongitude"), QStringLiteral("-129分31秒"));
    QVERIFY(Value(d, "ValueSolarTime").startsWith(QStringLiteral("2000-06-15 09:50")));
    QCOMPARE(Value(d, "ValueHourItem"), QStringLiteral("巳 9（2000-06-15）"));
    QVERIFY(Button(d, "BtnFillMan")->isEnabled());
    // Across midnight: Kashgar at 01:30 is the evening before.
    Enter(d, QDate(2000, 3, 1), 1, 30, QStringLiteral("75.99"));
    QCOMPARE(Value(d, "ValueHourItem"), QStringLiteral("亥 22（2000-02-29）"));
  }

  void TheShownPartsAddUp() {
    TFrmSolarTime d;
    Enter(d, QDate(1986, 8, 6), 8, 30, QStringLiteral("87.62"));
    QCOMPARE(Value(d, "ValueSummer"), QStringLiteral("-60分0秒"));
    QCOMPARE(Value(d, "ValueTotal"), QStringLiteral("-195分27秒（-3小时15分）"));
    QCOMPARE(Value(d, "ValueSolarTime"), QStringLiteral("1986-08-06 05:14:33"));
    const auto seconds = [&](const char* name) {
      const QString v = Value(d, name);
      const int minutes = v.section(QStringLiteral("分"), 0, 0).toInt();
      const int rest = v.section(QStringLiteral("分"), 1).section(QStringLiteral("秒"), 0, 0).toInt();
      return minutes * 60 + (minutes < 0 || v.startsWith(QLatin1Char('-')) ? -rest : rest);
    };
    QCOMPARE(seconds("ValueSummer") + seconds("ValueLongitude") + seconds("ValueEquation"),
             seconds("ValueTotal"));
  }

  void ClockTimesThatNeverHappenedAndBadLongitudes() {
    TFrmSolarTime d;
    Enter(d, QDate(1986, 5, 4), 2, 30, QStringLiteral("116.4"));
    QVERIFY(Value(d, "SolarMessage").contains(QStringLiteral("跳过")));
    QVERIFY(!Button(d, "BtnFillChart")->isEnabled());
    Enter(d, QDate(1986, 9, 14), 1, 30, QStringLiteral("116.4"));
    QVERIFY(Value(d, "SolarMessage").contains(QStringLiteral("出现两次")));
    QCOMPARE(Value(d, "ValueSummer"), QStringLiteral("-60分0秒"));
    d.findChild<QComboBox*>(QStringLiteral("SolarFold"))->setCurrentIndex(1);
    QCOMPARE(Value(d, "ValueSummer"), QStringLiteral("+0分0秒"));
    Enter(d, QDate(2000, 1, 1), 12, 0, QStringLiteral("乌鲁木"));
    QVERIFY(Value(d, "SolarMessage").contains(QStringLiteral("没有找到“乌鲁木”。您是否要找：乌鲁木齐")));
    QVERIFY(!Button(d, "BtnFillWoman")->isEnabled());
    // Out of the calendar's range after the correction.
    Enter(d, QDate(1900, 1, 31), 0, 30, QStringLiteral("75"));
    QVERIFY(Value(d, "SolarMessage").contains(QStringLiteral("超出")));
    QVERIFY(!Button(d, "BtnFillMan")->isEnabled());
  }

  void TheButtonsFillTheEntryRows() {
    TFrmIndex w;
    w.show();
    const auto fill = [&](const char* button) {
      QTimer::singleShot(0, [button] {
        auto* d = qobject_cast<TFrmSolarTime*>(QApplication::activeModalWidget());
        QVERIFY(d);
        Enter(*d, QDate(2000, 3, 1), 1, 30, QStringLiteral("75.99"));
        Button(*d, button)->click();
      });
      Button(w, "BtnSolarTime")->click();
    };
    w.findChild<QComboBox*>(QStringLiteral("ComDate3"))->setCurrentIndex(1);  // 农历 before
    fill("BtnFillWoman");
    QCOMPARE(w.CurrentPage(), Page::Marriage);
    QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("ComDate3"))->currentIndex(), 0);
    QCOMPARE(ListText(w, "SYear3"), QStringLiteral("2000"));
    QCOMPARE(ListText(w, "SMonth3"), QStringLiteral("2"));
    QCOMPARE(ListText(w, "Sday3"), QStringLiteral("29"));
    QCOMPARE(ListText(w, "Shour3"), QStringLiteral("亥 22"));
    QCOMPARE(ListText(w, "CBFen3"), QStringLiteral("21"));
    QCOMPARE(ListText(w, "SYear"), QStringLiteral("1980"));  // the man's row is untouched
    fill("BtnFillChart");
    QCOMPARE(w.CurrentPage(), Page::Chart);
    QCOMPARE(ListText(w, "Sday2"), QStringLiteral("29"));
    QCOMPARE(Button(w, "RzButton2")->text(), QStringLiteral("八字分析"));
  }

  // The report of a corrected birth says how it was corrected, in the line
  // the command line prints; the row says so too, until the birth is changed
  // by hand or the correction undone.
  void ACorrectedBirthSaysSoInTheReport() {
    testing::BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    testing::SetEntries(w, {{"Xing", "张伟"}, {"Xing3", "李娜"}});
    const SolarTimeCorrection c =
        CorrectToSolarTime(EncodeDate(1988, 7, 20) + EncodeTime(6, 30, 0, 0), ParseBirthplace("乌鲁木齐"));
    w.FillCorrectedBirth(BirthTarget::MarriageMan, c);
    QCOMPARE(ListText(w, "Shour"), QStringLiteral("寅 3"));
    Button(w, "RzBitBtn2")->click();
    QVERIFY(recorder.boxes.empty());
    const std::string line = SolarTimeReportLine(c);
    QCOMPARE(line, std::string("真太阳时：按乌鲁木齐校正-3小时16分（北京时间1988-07-20 06:30）"));
    QCOMPARE(w.MemoSuccess().Line(3), std::string("您出生公历：1988年07月20日3点14分"));
    QCOMPARE(w.MemoSuccess().Line(4), line);
    // The same birth on the command line prints the same line after the birth line.
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-cli"),
              {QStringLiteral("marriage"), QStringLiteral("--man-name"), QStringLiteral("张伟"),
               QStringLiteral("--man-year"), QStringLiteral("1988"), QStringLiteral("--man-month"),
               QStringLiteral("7"), QStringLiteral("--man-day"), QStringLiteral("20"),
               QStringLiteral("--man-hour"), QStringLiteral("6"), QStringLiteral("--man-minute"),
               QStringLiteral("30"), QStringLiteral("--man-place"), QStringLiteral("乌鲁木齐"),
               QStringLiteral("--woman-name"), QStringLiteral("李娜")});
    QVERIFY(cli.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n')).value(4), Qt8(line));

    // Undo puts the clock time back and the report no longer names a correction.
    auto* undo = w.findChild<QToolButton*>(QStringLiteral("XingUndo"));
    QVERIFY(undo && undo->isVisible());
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("XingCorrected"))->text(),
             QStringLiteral("已按乌鲁木齐真太阳时校正-3小时16分"));
    undo->click();
    QVERIFY(!undo->isVisible());
    QCOMPARE(ListText(w, "Shour"), QStringLiteral("卯 6"));
    QCOMPARE(ListText(w, "CBFen"), QStringLiteral("30"));
    Button(w, "RzBitBtn2")->click();
    QVERIFY(w.MemoSuccess().Line(4).rfind("农历：", 0) == 0);

    // A corrected birth whose hour is then changed by hand is no longer corrected.
    w.FillCorrectedBirth(BirthTarget::MarriageMan, c);
    testing::SetEntry(w, "Shour", QStringLiteral("辰 8"));
    Button(w, "RzBitBtn2")->click();
    QVERIFY(w.MemoSuccess().Line(4).rfind("农历：", 0) == 0);
  }
};

VANTREL_APP_TEST(SolarTimeTest);

}  // namespace vantrel::app

#include "solar_time_test.moc"
