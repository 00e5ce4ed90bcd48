// The main window after start, its toolbar and its encyclopedia page.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>

#include "app/unt_index.h"
#include "app_test.h"
#include "common/datetime.h"
#include "common/paths.h"
#include "data/query.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

using testing::BoxRecorder;
using testing::Child;
using vantrel::testing::FixtureDir;

namespace {

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

void Click(const QWidget& window, const char* name) { Child<QAbstractButton>(window, name)->click(); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TheWindowAfterStart() {
    TFrmIndex w;
    w.show();
    QCOMPARE(w.size(), QSize(800, 590));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Vantrel"));
    QCOMPARE(w.CurrentPage(), Page::Marriage);
    auto* pages = Child<QStackedWidget>(w, "RzPageControl1");
    QCOMPARE(pages->count(), 6);
    QCOMPARE(pages->currentWidget()->property("caption").toString(), QStringLiteral("合婚"));
    QCOMPARE(pages->mapTo(&w, QPoint(0, 0)), QPoint(5, 106));
    QCOMPARE(pages->size(), QSize(790, 456));
    QCOMPARE(Child(w, "TitleStrip")->geometry(), QRect(2, 1, 663, 18));
  }

  void ThePersonEntriesStartAt1980() {
    TFrmIndex w;
    const QString hours =
        "子 0,丑 1,丑 2,寅 3,寅 4,卯 5,卯 6,辰 7,辰 8,巳 9,巳 10,午 11,午 12,未 13,未 14,申 15,申 16,酉 "
        "17,酉 18,"
        "戌 19,戌 20,亥 21,亥 22,子 23";
    for (const char* suffix : {"", "3", "2"}) {
      const auto name = [suffix](const char* base) { return QByteArray(base) + suffix; };
      auto* year = Child<QComboBox>(w, name("SYear"));
      QCOMPARE(year->count(), 120);
      QCOMPARE(year->itemText(0), QStringLiteral("1900"));
      QCOMPARE(year->itemText(119), QStringLiteral("2019"));
      QCOMPARE(year->currentText(), QStringLiteral("1980"));
      QCOMPARE(year->maxVisibleItems(), 30);
      QVERIFY(year->isEditable());
      auto* month = Child<QComboBox>(w, name("SMonth"));
      QCOMPARE(Items(month).join(','), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"));
      QCOMPARE(month->currentText(), QStringLiteral("1"));
      auto* day = Child<QComboBox>(w, name("Sday"));
      QCOMPARE(day->count(), 31);
      QCOMPARE(day->currentText(), QStringLiteral("1"));
      auto* hour = Child<QComboBox>(w, name("Shour"));
      // The chart page's list also offers an hour not known.
      const bool single = QByteArray(suffix) == "2";
      QCOMPARE(Items(hour).join(','), single ? hours + QStringLiteral(",不详") : hours);
      QCOMPARE(hour->currentText(), QStringLiteral("子 0"));
      QCOMPARE(hour->maxVisibleItems(), single ? 25 : 24);
      auto* minute = Child<QComboBox>(w, name("CBFen"));
      QCOMPARE(minute->count(), 60);
      QCOMPARE(minute->itemText(59), QStringLiteral("59"));
      QCOMPARE(minute->currentText(), QStringLiteral("0"));
      QCOMPARE(Child<QLineEdit>(w, name("Xing"))->maxLength(), 20);
      QCOMPARE(Child<QLineEdit>(w, name("Xing"))->text(), QString());
    }
    for (const char* kind : {"ComDate", "ComDate3"}) {
      auto* box = Child<QComboBox>(w, kind);
      QVERIFY(!box->isEditable());
      QCOMPARE(Items(box).join(','), QStringLiteral("公历(阳历),农历(阴历)"));
      QCOMPARE(box->currentIndex(), 0);
    }
    for (const char* blood : {"ComboBoxDL", "ComboBoxXX"}) {
      auto* box = Child<QComboBox>(w, blood);
      QCOMPARE(Items(box).join(','), QStringLiteral(",A型,B型,O型,AB型"));
      QCOMPARE(box->currentIndex(), -1);
      QCOMPARE(box->currentText(), QString());
    }
    QCOMPARE(Items(Child<QComboBox>(w, "CBsex2")).join(','), QStringLiteral("男,女"));
    QCOMPARE(Child<QComboBox>(w, "CBsex2")->currentText(), QStringLiteral("男"));
    QCOMPARE(Items(Child<QComboBox>(w, "ComDate2")).join(','), QStringLiteral("公历,农历"));
    QCOMPARE(Child<QComboBox>(w, "ComDate2")->currentText(), QStringLiteral("公历"));
    QVERIFY(!Child(w, "NameB2")->isVisibleTo(&w));
    QCOMPARE(Child<QPushButton>(w, "RzBitBtn2")->text(), QStringLiteral("测算"));
  }

  void TheAlmanacPickersShowToday() {
    TFrmIndex w;
    const CivilDate today = DecodeDate(Today());
    auto* year = Child<QComboBox>(w, "SlYear");
    QCOMPARE(year->itemText(0), QStringLiteral("2008"));
    QCOMPARE(year->count(), 12);
    QCOMPARE(year->currentText(), QString::number(today.year));  // also when the year is not an item
    QCOMPARE(Child<QComboBox>(w, "SlMonth")->itemText(0), QStringLiteral("01"));
    QCOMPARE(Child<QComboBox>(w, "Slday")->count(), 31);
    QCOMPARE(Child<QComboBox>(w, "SlMonth")->currentText(), QString::asprintf("%02d", today.month));
    QCOMPARE(Child<QComboBox>(w, "Slday")->currentText(), QString::asprintf("%02d", today.day));
    QCOMPARE(Child<QComboBox>(w, "SlMonth")->currentText().size(), 2);
  }

  void TheToolbarAndItsHints() {
    TFrmIndex w;
    const std::tuple<const char*, const char*, Page> buttons[] = {
        {"RzToolButton2", "八字合婚", Page::Marriage},
        {"RzToolButton1", "生辰八字详细分析", Page::Chart},
        {"RzToolButton3", "星座分析", Page::Chart},
        {"RzToolButton5", "黄道吉日", Page::Almanac},
        {"RzToolButton7", "合婚知识及方法参考", Page::Encyclopedia},
        {"RzToolButton8", "缘分测试、民俗预测及吉祥数字等功能", Page::Catalogue},
        {"RzToolButton10", "关于我们", Page::About},
    };
    for (const auto& [name, hint, page] : buttons) {
      auto* button = Child<QAbstractButton>(w, name);
      QCOMPARE(button->toolTip(), QString::fromUtf8(hint));
      Click(w, "RzToolButton2");
      button->click();
      QCOMPARE(w.CurrentPage(), page);
    }
    for (int i = 0; i < 6; ++i) {
      const char* name = std::get<0>(buttons[i]);
      QCOMPARE(Child(w, name)->size(), QSize(75, 77));
      QCOMPARE(Child(w, name)->y(), 23);
    }
    QCOMPARE(Child(w, "RzToolButton10")->geometry().topLeft(), QPoint(697, 1));
    QCOMPARE(Child(w, "RzToolButton11")->toolTip(), QStringLiteral("最小化"));
    QCOMPARE(Child(w, "RzToolButton11")->x(), 724);
    QCOMPARE(Child(w, "RzToolButton12")->toolTip(), QStringLiteral("关闭"));
    QCOMPARE(Child(w, "RzToolButton12")->x(), 752);
    QCOMPARE(Child(w, "RzToolButton12")->height(), 19);
  }

  void TheChartButtonsSetTheCaptionAndEmptyTheReport() {
    TFrmIndex w;
    auto* compute = Child<QPushButton>(w, "RzButton2");
    w.Memo1().Add("a report");
    Click(w, "RzToolButton3");
    QCOMPARE(compute->text(), QStringLiteral("星座分析"));
    QCOMPARE(w.Memo1().LineCount(), 0);
    w.Memo1().Add("a constellation report");
    Click(w, "RzToolButton1");
    QCOMPARE(compute->text(), QStringLiteral("八字分析"));
    QCOMPARE(w.Memo1().LineCount(), 0);
  }

  void SelectingAPageChangesNothingElse() {
    TFrmIndex w;
    w.MemoSuccess().Add("男方：张三");
    w.Memo1().Add("八字");
    Child<QLineEdit>(w, "Xing")->setText(QStringLiteral("张三"));
    Child<QComboBox>(w, "SYear3")->setEditText(QStringLiteral("1985"));
    for (const char* name : {"RzToolButton7", "RzToolButton8", "RzToolButton10", "RzToolButton2"})
      Click(w, name);
    QCOMPARE(w.MemoSuccess().Text(), std::string("男方：张三\n"));
    QCOMPARE(w.Memo1().Text(), std::string("八字\n"));
    QCOMPARE(Child<QLineEdit>(w, "Xing")->text(), QStringLiteral("张三"));
    QCOMPARE(Child<QComboBox>(w, "SYear3")->currentText(), QStringLiteral("1985"));
    QCOMPARE(Child<QPushButton>(w, "RzButton2")->text(), QStringLiteral("八字分析"));
  }

  void MinimizeAndDragTheWindow() {
    TFrmIndex w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Without a window system to move it, the strip moves the window itself.
    QWidget* strip = Child(w, "TitleStrip");
    const QPoint start = w.pos();
    const QPoint press = strip->mapToGlobal(QPoint(40, 8));
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(40, 8), QPointF(40, 8), QPointF(press), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &down);
    QMouseEvent move(QEvent::MouseMove, QPointF(70, 28), QPointF(70, 28), QPointF(press + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &move);
    QCOMPARE(w.pos(), start + QPoint(30, 20));

    Click(w, "RzToolButton11");
    QVERIFY(w.windowState() & Qt::WindowMinimized);
  }

  void TheEncyclopediaIntroductionAndTopics() {
    TFrmIndex w;
    QCOMPARE(w.MemoBk().LineCount(), 10);
    QVERIFY(w.MemoBk().Line(0).starts_with(
        "    "
        "婚姻和睦是家庭幸福的基础，也是社会稳定的因素之一，人生旅途数十载，如果家庭幸福，犹如转眼之间，倘"));
    QVERIFY(w.MemoBk().Line(4).starts_with(
        "    八字合婚免是指婚前男女双方交换庚帖，以卜八字是否相配，谓之【八字合婚】。"));

    const char* const captions[] = {
        "什么是八字", "八字合婚来源", "合婚方法", "小五婚",   "合婚其他外界因素",
        "六冲",       "六害",         "相刑",     "六合三合", "周太常斗临经合婚法"};
    for (int i = 0; i < 10; ++i) {
      const QByteArray code = QByteArray("hh") + (i < 9 ? "0" : "") + QByteArray::number(i + 1);
      auto* button = Child<QPushButton>(w, "Topic_" + code);
      QCOMPARE(button->text(), QString::fromUtf8(captions[i]));
      QCOMPARE(button->property("topicCode").toByteArray(), code);
      QCOMPARE(button->geometry(), QRect(4, 3 + 32 * i, 153, 22));
    }
  }

  void ATopicOpensAtItsFirstLine() {
    FixtureDir dir;
    std::string content;
    for (int i = 0; i < 120; ++i) content += "第" + std::to_string(i) + "段\n";
    dir.WriteDatabase("KelFile.dll",
                      "create table Noter (Cid text, Tite text, content text);"
                      "insert into Noter values ('hh06', '六冲', '" +
                          content + "');");
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    Click(w, "RzToolButton7");
    Click(w, "Topic_hh06");
    QCoreApplication::processEvents();
    QCOMPARE(w.MemoBk().LineCount(), 120);
    QCOMPARE(w.MemoBk().Line(0), std::string("第0段"));
    auto* pane = Child<QPlainTextEdit>(w, "MemoBk");
    QVERIFY(pane->verticalScrollBar()->maximum() > 0);
    QCOMPARE(pane->verticalScrollBar()->value(), 0);

    // A topic without a row leaves the pane empty, and the introduction does
    // not come back.
    Click(w, "Topic_hh07");
    QCOMPARE(w.MemoBk().LineCount(), 0);
    QVERIFY(recorder.boxes.empty());
  }

  void AnUnreadableDatabaseCancelsTheTopicSilently() {
    FixtureDir dir;  // no database files at all
    BoxRecorder recorder;
    TFrmIndex w;
    Click(w, "Topic_hh01");
    QCOMPARE(w.MemoBk().LineCount(), 0);
    QVERIFY(recorder.boxes.empty());
  }

  void TheShippedTopics() {
    const std::string built = vantrel::testing::BuiltDataDir();
    if (!std::filesystem::exists(built + "/KelFile.dll")) QSKIP("KelFile.dll is not built");
    SetProgramDirForTesting(built);
    BoxRecorder recorder;
    TFrmIndex w;
    Click(w, "Topic_hh06");
    data::Query q(data::Database::Main);
    q.SetSql("select content from Noter where Cid = 'hh06'");
    q.Open();
    SetProgramDirForTesting("");
    QVERIFY(!q.IsEmpty());
    QCOMPARE(w.MemoBk().Text(), q.Text(0) + "\n");
    QVERIFY(recorder.boxes.empty());
  }

  void TheAlmanacGlossaryAndAnUnreadableAlmanac() {
    FixtureDir dir;  // no database files: the almanac's query fails
    BoxRecorder recorder;
    TFrmIndex w;
    const QStringList glossary =
        Child<QPlainTextEdit>(w, "MemoGlossary")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(glossary.size(), 34);
    QCOMPARE(glossary[0], QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
    QCOMPARE(glossary[33], QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
    w.MemoHuangli().Add("earlier day");
    Click(w, "RzToolButton5");
    QCOMPARE(w.CurrentPage(), Page::Almanac);
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Error);
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Vantrel"));
    QCOMPARE(w.MemoHuangli().Text(), std::string("earlier day\n"));
  }

  void TheAboutPage() {
    TFrmIndex w;
    Click(w, "RzToolButton10");
    const QString text = Child<QPlainTextEdit>(w, "MemoAbout")->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("关于我们")));
    QVERIFY(text.contains(QStringLiteral("Vantrel")));
    QVERIFY(Child<QPlainTextEdit>(w, "MemoAbout")->isReadOnly());
  }
};

VANTREL_APP_TEST(MainWindowTest);

}  // namespace vantrel::app

#include "main_window_test.moc"
