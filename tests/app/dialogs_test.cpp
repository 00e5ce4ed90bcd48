// The divination dialogs and the month calendar, driven as a user would.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogs/date_win.h"
#include "app/dialogs/digit_entry.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_wangm.h"
#include "app_test.h"
#include "calendar/month_grid.h"
#include "common/datetime.h"
#include "divination/numbers.h"
#include "divination/pinyin.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

using testing::BoxRecorder;
using vantrel::testing::FixtureDir;

namespace {

QString Field(const QWidget& dialog, const char* name) {
  auto* field = dialog.findChild<QLabel*>(QString::fromLatin1(name));
  return field ? field->text() : QStringLiteral("<no field>");
}

QLabel* Label(const QWidget& dialog, const QString& name) {
  auto* label = dialog.findChild<QLabel*>(name);
  if (!label) qFatal("no label %s", qPrintable(name));
  return label;
}

QString Hex(const QColor& colour) { return colour.name().toUpper(); }

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheNumberDialogsLayouts() {
    TFrm_SJcs mobile;
    TFrmQQhm qq;
    TFrm_onther any;
    QCOMPARE(mobile.windowTitle(), QStringLiteral("手机号码测算"));
    QCOMPARE(mobile.size(), QSize(437, 300));
    QCOMPARE(mobile.Entry()->maxLength(), 11);
    QCOMPARE(qq.windowTitle(), QStringLiteral("QQ号码测试"));
    QCOMPARE(qq.size(), QSize(388, 270));
    QCOMPARE(qq.Entry()->maxLength(), 18);
    QCOMPARE(any.windowTitle(), QStringLiteral("任意号码分析"));
    QCOMPARE(any.size(), QSize(388, 271));
    QVERIFY(!(mobile.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(mobile.windowFlags() & Qt::WindowCloseButtonHint);
    QStringList texts;
    for (const QLabel* label : mobile.findChildren<QLabel*>()) texts << label->text();
    for (const char* text : {"输入号码：", "手机号码是：", "状态：", "吉凶：", "具体表现：",
                             "请注意：手机号码是11位，请正确输入。"}) {
      QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }
    QCOMPARE(Label(mobile, "ValueLuck")->styleSheet(), QStringLiteral("color: red;"));
  }

  void TheNumberEntryTakesOnlyDigitsAndEnterComputes() {
    BoxRecorder recorder;
    TFrmQQhm qq;
    qq.show();
    QTest::keyClicks(qq.Entry(), QStringLiteral("8a-1 ."));
    QCOMPARE(qq.Entry()->text(), QStringLiteral("81"));
    // A pasted text without a digit brings nothing.
    QApplication::clipboard()->setText(QStringLiteral("abc-."));
    QTest::keyClick(qq.Entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(qq.Entry()->text(), QStringLiteral("81"));
    QTest::keyClick(qq.Entry(), Qt::Key_Left);
    QTest::keyClick(qq.Entry(), Qt::Key_Backspace);
    QCOMPARE(qq.Entry()->text(), QStringLiteral("1"));
    QTest::keyClicks(qq.Entry(), QStringLiteral("62"));
    QTest::keyClick(qq.Entry(), Qt::Key_Return);
    QVERIFY(recorder.boxes.empty());
    // 621 mod 81 = 54.
    QCOMPARE(Field(qq, "ValueNumber"), QStringLiteral("621"));
    QCOMPARE(Field(qq, "ValueState").toStdString(), std::string(NumberTableRow(54).verdict));
    QCOMPARE(Field(qq, "ValueLuck"), QStringLiteral("吉带凶"));
    QCOMPARE(Field(qq, "ValueDescription").toStdString(), std::string(NumberTypeText(5)));
    QVERIFY(qq.isVisible());  // Enter computes; it does not close the dialog
  }

  void TheEditingShortcutsWorkAndPastedTextKeepsItsDigits() {
    BoxRecorder recorder;
    TFrm_onther any;
    any.show();
    QLineEdit* entry = any.Entry();
    QTest::keyClicks(entry, QStringLiteral("123"));
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(entry->selectedText(), QStringLiteral("123"));
    QTest::keyClick(entry, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("123"));
    QTest::keyClick(entry, Qt::Key_End);
    // Ctrl+V brings the digits of the clipboard, at the caret.
    QApplication::clipboard()->setText(QStringLiteral(" 45-6x7\n"));
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry->text(), QStringLiteral("1234567"));
    // Ctrl+X and Ctrl+Z work too; Ctrl+A then typing replaces the text.
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(entry, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(entry->text(), QString());
    QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(entry->text(), QStringLiteral("1234567"));
    // Never more than the entry's 18 characters.
    QApplication::clipboard()->setText(QString(30, QLatin1Char('9')));
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry->text().size(), entry->maxLength());
    QCOMPARE(DigitsOf(QStringLiteral("1２3 a\t4")), QStringLiteral("134"));

    // 粘贴 of the entry's context menu brings the digits too.
    entry->clear();
    QApplication::clipboard()->setText(QStringLiteral("8a-8"));
    bool pasted = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* paste : menu->actions()) {
        if (!paste->text().startsWith(QStringLiteral("粘贴"))) continue;
        paste->trigger();
        pasted = true;
      }
      menu->close();
    });
    QContextMenuEvent menu_event(QContextMenuEvent::Mouse, QPoint(5, 5), entry->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(entry, &menu_event);
    QVERIFY(pasted);
    QCOMPARE(entry->text(), QStringLiteral("88"));
    QVERIFY(recorder.boxes.empty());
  }

  void EmptyAndPastedEntries() {
    BoxRecorder recorder;
    TFrm_onther any;
    any.show();
    QTest::keyClick(any.Entry(), Qt::Key_Return);  // once, through the entry only
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Notice);
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("请输入你的号码！"));
    any.Entry()->setText(QStringLiteral("162"));
    any.findChild<QPushButton*>(QStringLiteral("RzBitBtn1"))->click();
    QCOMPARE(Field(any, "ValueState"), QStringLiteral("大展鸿图，信用得固，名利双收，可获成功"));
    // A text pasted through the context menu that is no number: the error
    // box, with the fields as they were.
    any.Entry()->setText(QStringLiteral("12AB"));
    any.findChild<QPushButton*>(QStringLiteral("RzBitBtn1"))->click();
    QCOMPARE(recorder.boxes.size(), size_t(2));
    QCOMPARE(recorder.boxes[1].kind, BoxKind::Error);
    QCOMPARE(recorder.boxes[1].text, QStringLiteral("'12AB' is not a valid integer value"));
    QCOMPARE(Field(any, "ValueNumber"), QStringLiteral("162"));

    TFrmQQhm qq;
    qq.RzBitBtn1Click();
    QCOMPARE(recorder.boxes.back().text, QStringLiteral("请输入你的QQ号码！"));
    TFrm_SJcs mobile;
    mobile.RzBitBtn1Click();
    QCOMPARE(recorder.boxes.back().text, QStringLiteral("请输入11位手机号码！"));
  }

  void TheMobileNumberReadsTableShouji() {
    FixtureDir dir;
    dir.WriteDatabase("KelFile.dll",
                      "create table shouji (num text, title text, jx text, content text);"
                      "insert into shouji values ('23', ' 旭日东升 ', '吉', '事业顺遂');");
    BoxRecorder recorder;
    TFrm_SJcs mobile;
    mobile.Entry()->setText(QStringLiteral("13912340023"));
    mobile.RzBitBtn1Click();
    QCOMPARE(Field(mobile, "ValueNumber"), QStringLiteral("13912340023"));
    QCOMPARE(Field(mobile, "ValueState"), QStringLiteral("旭日东升"));
    QCOMPARE(Field(mobile, "ValueLuck"), QStringLiteral("吉"));
    QCOMPARE(Field(mobile, "ValueDescription"), QStringLiteral("事业顺遂"));
    mobile.Entry()->setText(QStringLiteral("13912340080"));
    mobile.RzBitBtn1Click();
    QCOMPARE(Field(mobile, "ValueLuck"), QStringLiteral("超吉"));
    QCOMPARE(Field(mobile, "ValueDescription"), QStringLiteral("超吉不做详细评论"));
    // A database that cannot be read leaves the fields as they were.
    dir.WriteDatabase("KelFile.dll", "create table other (x text);");
    mobile.Entry()->setText(QStringLiteral("13912340023"));
    mobile.RzBitBtn1Click();
    QCOMPARE(Field(mobile, "ValueNumber"), QStringLiteral("13912340080"));
    QVERIFY(recorder.boxes.empty());
  }

  void TheNetNameDialog() {
    BoxRecorder recorder;
    TFrmWangming dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("网名与性格"));
    QCOMPARE(dialog.size(), QSize(395, 213));
    QCOMPARE(dialog.Entry()->maxLength(), 18);
    QTest::keyClick(dialog.Entry(), Qt::Key_Return);
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("请输入你的网名！"));
    QTest::keyClicks(dialog.Entry(), QStringLiteral("user-1~"));
    QCOMPARE(dialog.Entry()->text(), QStringLiteral("USER-1~"));  // the entry filters nothing
    dialog.Entry()->clear();
    QTest::keyClicks(dialog.Entry(), QStringLiteral("abc"));
    QCOMPARE(dialog.Entry()->text(), QStringLiteral("ABC"));
    QTest::keyClick(dialog.Entry(), Qt::Key_Enter);
    QCOMPARE(Field(dialog, "ValueName"), QStringLiteral("你的网名：ABC"));
    QCOMPARE(Field(dialog, "ValuePhrase"), QStringLiteral("你的性格：可爱，较明显的自恋"));
    dialog.Entry()->setText(QStringLiteral("小明"));
    dialog.RzBitBtn1Click();
    QCOMPARE(Field(dialog, "ValuePhrase").toStdString(), "你的性格：" + std::string(NetNamePhrase('m')));
    dialog.Entry()->setText(QStringLiteral("天使。"));
    dialog.RzBitBtn1Click();
    QCOMPARE(Field(dialog, "ValuePhrase"), QStringLiteral("你的性格："));
    QCOMPARE(recorder.boxes.size(), size_t(1));
  }

  void TheCalendarOfFebruary2013() {
    TFRM_Date calendar(nullptr, EncodeDate(2013, 1, 31));
    calendar.show();
    QCOMPARE(calendar.windowTitle(), QStringLiteral("澄岚日历"));
    QCOMPARE(calendar.size(), QSize(331, 285));
    QCOMPARE(Label(calendar, "Label1")->text(), QStringLiteral("2013"));
    QCOMPARE(Label(calendar, "Label1")->toolTip(), QStringLiteral("单击改变年份"));
    QCOMPARE(Label(calendar, "Label17")->toolTip(), QStringLiteral("单击改变月份"));
    QVERIFY(calendar.YearSpinner()->isVisible() && calendar.MonthSpinner()->isVisible());

    // From 31 January to February: the last day of February is selected, and
    // the kept day stays 31.
    calendar.MonthSpinner()->Up();
    QCOMPARE(calendar.ShownMonth(), 2);
    QCOMPARE(calendar.SelectedDay(), 31);
    QCOMPARE(Label(calendar, "Label17")->text(), QStringLiteral("2"));
    QCOMPARE(Label(calendar, "Label16")->text(), QStringLiteral("2"));
    QCOMPARE(Label(calendar, "Label21")->text(), QStringLiteral("巳蛇"));
    QCOMPARE(Label(calendar, "Label22")->text(), QStringLiteral("双鱼座"));
    auto* marker = calendar.findChild<QFrame*>(QStringLiteral("Shape2"));
    const PixelRect last = MarkerRect(33);  // 28 February: the month starts in cell 6
    QCOMPARE(marker->geometry(), QRect(last.left, last.top, last.width, last.height));
    for (int cell = 1; cell <= 5; ++cell)
      QVERIFY(!Label(calendar, QStringLiteral("DayLabel%1").arg(cell))->isVisible());
    QCOMPARE(Label(calendar, "DayLabel6")->text(), QStringLiteral("1"));
    QCOMPARE(Label(calendar, "TextLabel14")->text(), QStringLiteral("除夕"));
    QCOMPARE(Label(calendar, "TextLabel15")->text(), QStringLiteral("春节"));
    QCOMPARE(Hex(Label(calendar, "TextLabel15")->palette().color(QPalette::WindowText)),
             QStringLiteral("#FF8000"));
    QCOMPARE(Label(calendar, "TextLabel9")->text(), QStringLiteral("立春"));
    QCOMPARE(Hex(Label(calendar, "TextLabel9")->palette().color(QPalette::WindowText)),
             QStringLiteral("#5353FF"));
    QVERIFY(!Label(calendar, "DayLabel34")->isVisible());

    // A click selects the day, moves the marker and leaves the constellation.
    QLabel* fifteenth = Label(calendar, "DayLabel20");
    QTest::mouseClick(fifteenth, Qt::LeftButton);
    QCOMPARE(calendar.DialogDate(), EncodeDate(2013, 2, 15));
    QCOMPARE(marker->pos(), QPoint(fifteenth->x() - 1, fifteenth->y() + 1));
    QCOMPARE(Label(calendar, "Label22")->text(), QStringLiteral("双鱼座"));
    QTest::mouseClick(Label(calendar, "TextLabel21"), Qt::LeftButton);
    QCOMPARE(calendar.DialogDate(), EncodeDate(2013, 2, 16));

    QTest::mouseClick(Label(calendar, "Label1"), Qt::LeftButton);
    QVERIFY(calendar.YearSpinner()->isVisible() && !calendar.MonthSpinner()->isVisible());
    QTest::mouseClick(Label(calendar, "Label17"), Qt::LeftButton);
    QVERIFY(!calendar.YearSpinner()->isVisible() && calendar.MonthSpinner()->isVisible());
  }

  void TheSpinnersStopAtTheirLimitsAndTodayComesBack() {
    TFRM_Date calendar(nullptr, EncodeDate(2048, 12, 1));
    calendar.show();
    for (int i = 0; i < 4; ++i) calendar.YearSpinner()->Up();
    QCOMPARE(calendar.ShownYear(), 2050);
    calendar.MonthSpinner()->Up();
    QCOMPARE(calendar.ShownMonth(), 12);  // no wrap into January
    QCOMPARE(calendar.YearSpinner()->minimum(), 1901);
    QTest::mouseClick(Label(calendar, "StaticText1"), Qt::LeftButton);
    const CivilDate today = DecodeDate(Today());
    QCOMPARE(calendar.ShownMonth(), today.month);
    QCOMPARE(Label(calendar, "Label1")->text(), QString::number(today.year));
    QCOMPARE(calendar.DialogDate(), Today());
  }

  void TheCalendarClosesWhenTheFocusLeaves() {
    TFRM_Date calendar;
    calendar.show();
    calendar.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&calendar));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!calendar.isVisible());
  }
};

VANTREL_APP_TEST(DialogsTest);

}  // namespace vantrel::app

#include "dialogs_test.moc"
