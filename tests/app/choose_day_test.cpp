// The 择日 dialog: opened from its catalogue tile with the marriage page's
// couple, the same list as the command line for the same input, the day's
// almanac and reasons, the answer for any date, bad input told without a
// half-shown list, and the calendar export.
#include "app/dialogs/choose_day.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/pages/catalogue_page.h"
#include "app/report_output.h"
#include "app/unt_index.h"
#include "tests/app/app_test.h"

namespace vantrel::app {
namespace {

using testing::Child;

EntryTexts Person(const char* name, const char* year, const char* month, const char* day) {
  EntryTexts e;
  e.name = name;
  e.year = year;
  e.month = month;
  e.day = day;
  return e;
}

std::pair<EntryTexts, EntryTexts> Couple() {
  return {Person("张伟", "1998", "3", "5"), Person("李娜", "2000", "7", "9")};
}

// The command line's output for the same couple and range.
QStringList CliLines(const QStringList& extra) {
  QProcess cli;
  QStringList args = {QStringLiteral("choose-day"), QStringLiteral("--from"),
                      QStringLiteral("2027-01-01"), QStringLiteral("--to"),
                      QStringLiteral("2027-12-31"), QStringLiteral("--man-name"),
                      QStringLiteral("张伟"),       QStringLiteral("--man-year"),
                      QStringLiteral("1998"),       QStringLiteral("--man-month"),
                      QStringLiteral("3"),          QStringLiteral("--man-day"),
                      QStringLiteral("5"),          QStringLiteral("--woman-name"),
                      QStringLiteral("李娜"),       QStringLiteral("--woman-year"),
                      QStringLiteral("2000"),       QStringLiteral("--woman-month"),
                      QStringLiteral("7"),          QStringLiteral("--woman-day"),
                      QStringLiteral("9")};
  cli.start(QStringLiteral(VANTREL_BIN_DIR "/vantrel-cli"), args + extra);
  cli.waitForFinished(30000);
  QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void SetRange(TFrmChooseDay& dialog) {
  dialog.FromDate()->setDate(QDate(2027, 1, 1));
  dialog.ToDate()->setDate(QDate(2027, 12, 31));
}

class ChooseDayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
  }

  void TheTileOpensTheDialogWithTheMarriagePagesCouple() {
    TFrmIndex window;
    window.show();
    testing::SetEntries(window, {{"Xing", "张伟"},
                                 {"SYear", "1998"},
                                 {"SMonth", "3"},
                                 {"Sday", "5"},
                                 {"Xing3", "李娜"},
                                 {"SYear3", "2000"},
                                 {"SMonth3", "7"},
                                 {"Sday3", "9"}});
    window.RzToolButton8Click();
    QAbstractButton* tile = Child<CataloguePage>(window, "TabSheet5")->ToolButton(CatalogueTool::ChooseDay);
    QCOMPARE(tile->objectName(), QStringLiteral("BtnZeri"));
    QCOMPARE(tile->text(), QStringLiteral("择日"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TFrmChooseDay*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = true;
      QCOMPARE(dialog->ActivityBox()->currentText(), QStringLiteral("嫁娶"));
      QCOMPARE(dialog->PeopleTable()->rowCount(), 2);
      QCOMPARE(dialog->PeopleTable()->item(0, 1)->text(), QStringLiteral("张伟"));
      QCOMPARE(dialog->PeopleTable()->item(1, 3)->text(), QStringLiteral("2000"));
      dialog->reject();
    });
    tile->click();
    QVERIFY(seen);
  }

  void TheWindowListsWhatTheCommandLinePrints() {
    TFrmChooseDay dialog(nullptr, Couple);
    SetRange(dialog);
    Child<QPushButton>(dialog, "BtnChoose")->click();
    const QStringList window = PaneLines(dialog.ListText());
    QCOMPARE(window, CliLines({}));
    // The list's rows are the same days in the same order.
    const QTreeWidget* list = dialog.DayList();
    QCOMPARE(list->topLevelItemCount(), window.size() - 6);
    QVERIFY(window[6].startsWith(QStringLiteral("1. ") + list->topLevelItem(0)->text(1)));
    QVERIFY(window[6].endsWith(list->topLevelItem(0)->text(5)));
    // And with the options on.
    dialog.Option(1)->setChecked(true);
    dialog.Option(2)->setChecked(true);
    dialog.Option(3)->setChecked(true);
    Child<QPushButton>(dialog, "BtnChoose")->click();
    QCOMPARE(PaneLines(dialog.ListText()),
             CliLines({QStringLiteral("--day-branch"), QStringLiteral("--xing-hai"),
                       QStringLiteral("--popular-rules")}));
  }

  void SelectingADayShowsItsAlmanacAndReasonsAndAnyDateIsAnswered() {
    TFrmChooseDay dialog(nullptr, Couple);
    SetRange(dialog);
    dialog.Choose();
    dialog.DayList()->setCurrentItem(dialog.DayList()->topLevelItem(1));
    const QString shown = dialog.DayDetail()->toPlainText();
    QVERIFY(shown.startsWith(dialog.DayList()->topLevelItem(1)->text(1)));
    QVERIFY(shown.contains(QStringLiteral("宜：")));
    QVERIFY(shown.contains(QStringLiteral("可选（第2名）：")));
    dialog.WhyDate()->setDate(QDate(2027, 5, 29));
    Child<QPushButton>(dialog, "BtnWhy")->click();
    QVERIFY(dialog.DayDetail()->toPlainText().endsWith(
        QStringLiteral("2027-05-29 不选：黄历不宜嫁娶；日支申冲男方寅年")));
  }

  void BadInputIsToldAndNothingIsHalfShown() {
    TFrmChooseDay dialog(nullptr, Couple);
    SetRange(dialog);
    dialog.Choose();
    QVERIFY(dialog.DayList()->topLevelItemCount() > 0);
    dialog.FromDate()->setDate(QDate(2028, 1, 1));
    dialog.Choose();
    QCOMPARE(dialog.Message()->text(), QStringLiteral("开始日期（2028-01-01）晚于结束日期（2027-12-31）。"));
    QCOMPARE(dialog.DayList()->topLevelItemCount(), 0);
    QVERIFY(dialog.ListText()->toPlainText().isEmpty());
    SetRange(dialog);
    dialog.PeopleTable()->item(1, 4)->setText(QStringLiteral("2"));
    dialog.PeopleTable()->item(1, 5)->setText(QStringLiteral("30"));
    dialog.Choose();
    QCOMPARE(dialog.Message()->text(), QStringLiteral("女方的出生日期有误，请检查输入数据是否出错！"));
    QCOMPARE(dialog.DayList()->topLevelItemCount(), 0);
  }

  void OtherActivitiesTakeAnyNumberOfPeople() {
    TFrmChooseDay dialog(nullptr, Couple);
    SetRange(dialog);
    dialog.ActivityBox()->setCurrentText(QStringLiteral("入宅"));
    QCOMPARE(dialog.PeopleTable()->rowCount(), 0);
    QVERIFY(!dialog.Option(3)->isEnabled());
    dialog.Choose();
    const int alone = dialog.DayList()->topLevelItemCount();
    QVERIFY(alone > 0);
    dialog.AddPerson();
    dialog.PeopleTable()->item(0, 3)->setText(QStringLiteral("1990"));
    dialog.PeopleTable()->item(0, 4)->setText(QStringLiteral("6"));
    dialog.PeopleTable()->item(0, 5)->setText(QStringLiteral("1"));
    dialog.Choose();
    QVERIFY(dialog.DayList()->topLevelItemCount() < alone);
    for (int i = 0; i < dialog.DayList()->topLevelItemCount(); ++i)
      QVERIFY(!dialog.DayList()->topLevelItem(i)->text(4).endsWith(QStringLiteral("子")));  // 午 year
  }

  void TheContextMenuExportsTheDaysAsACalendar() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("days.ics"));
    SetSaveFileHook([&](const QString&, const QStringList&, QString*) { return path; });
    TFrmChooseDay dialog(nullptr, Couple);
    dialog.show();
    SetRange(dialog);
    dialog.Choose();
    bool exported = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      QStringList enabled;
      for (QAction* action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator()) enabled << action->text();
      }
      QCOMPARE(enabled, QStringList({QStringLiteral("另存为文本…"), QStringLiteral("导出PDF…"),
                                     QStringLiteral("打印预览…"), QStringLiteral("打印…"),
                                     QStringLiteral("导出日历…")}));
      for (QAction* action : menu->actions()) {
        if (action->text() != QStringLiteral("导出日历…")) continue;
        action->trigger();
        exported = true;
      }
      menu->close();
    });
    QWidget* viewport = dialog.DayList()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
    QVERIFY(exported);
    // Ctrl+S saves the list as the command line prints it.
    const QString saved = dir.filePath(QStringLiteral("days.txt"));
    SetSaveFileHook([&](const QString&, const QStringList&, QString*) { return saved; });
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.DayList()->setFocus();
    QTest::keyClick(dialog.DayList(), Qt::Key_S, Qt::ControlModifier);
    SetSaveFileHook(nullptr);
    QFile savedFile(saved);
    QVERIFY(savedFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(savedFile.readAll()).split(QLatin1Char('\n')).mid(0, 7),
             PaneLines(dialog.ListText()).mid(0, 7));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(text.count(QStringLiteral("BEGIN:VEVENT")), dialog.DayList()->topLevelItemCount());
    QVERIFY(text.contains(QStringLiteral("UID:chosen-day-20270111-")));
  }
};

}  // namespace

VANTREL_APP_TEST(ChooseDayTest);

}  // namespace vantrel::app

#include "choose_day_test.moc"
