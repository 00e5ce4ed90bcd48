// What a new user meets: report panes that wrap without scrolling sideways
// and open at their start, no caret in read-only panes, long descriptions
// that can be read whole, Chinese standard buttons and exact titles, omen
// windows that do not hide each other, the open topic marked, and every page
// and tool reachable from the keyboard with names for screen readers.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <filesystem>
#include <vector>

#include "app/dialogs/date_win.h"
#include "app/dialogs/true_solar_time.h"
#include "app/dialogs/unt_nannv.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_onther.h"
#include "app/dialogs/unt_wangm.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

using testing::BoxRecorder;

namespace {

template <typename W = QWidget>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(QString::fromLatin1(name));
  if (!child) qFatal("no child %s", name);
  return child;
}

// The report's grid lines: the rows whose columns are three blanks apart.
QStringList GridLines(const QPlainTextEdit* pane) {
  static const QRegularExpression kColumns(QStringLiteral("\\S {3}\\S"));
  QStringList lines;
  for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
    if (b.text().contains(kColumns)) lines << b.text();
  }
  return lines;
}

// One of each dialog of the catalogue.
struct EveryDialog {
  TFrm_SJcs mobile;
  TFrmQQhm qq;
  TFrm_onther any_number;
  TFrmWangming net_name;
  TFRM_Date calendar;
  TFrm_NanNv boy_girl;
  TFrmSolarTime solar_time;

  std::vector<QDialog*> All() {
    return {&mobile, &qq, &any_number, &net_name, &calendar, &boy_girl, &solar_time};
  }
};

}  // namespace

class UsabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
  }
  void cleanupTestCase() { SetProgramDirForTesting(""); }

  void ReportPanesWrapAndTheirGridLinesStayWhole() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    testing::WriteSampleMarriageReport(w, "欧阳明远", "司马婉清");
    QVERIFY(recorder.boxes.empty());
    for (const char* name : {"MemoSuccess", "Memo1", "MemoHuangli"}) {
      auto* pane = Child<QPlainTextEdit>(w, name);
      QCOMPARE(pane->lineWrapMode(), QPlainTextEdit::WidgetWidth);
      QCOMPARE(pane->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    auto* report = Child<QPlainTextEdit>(w, "MemoSuccess");
    const QStringList grid = GridLines(report);
    QVERIFY(grid.size() > 20);
    const QFontMetricsF metrics(report->font());
    // The text area leaves the document margin on both sides.
    const qreal room = report->viewport()->width() - 2 * report->document()->documentMargin();
    for (const QString& line : grid) {
      QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
    }
    // Long prose lines wrap instead of running off the edge.
    bool wrapped = false;
    for (QTextBlock b = report->document()->begin(); b.isValid(); b = b.next()) {
      wrapped = wrapped || b.layout()->lineCount() > 1;
    }
    QVERIFY(wrapped);
    QCOMPARE(report->horizontalScrollBar()->value(), 0);
    QCOMPARE(report->verticalScrollBar()->value(), 0);
  }

  void TheAlmanacOpensAtItsFirstLineAndColumn() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    testing::SetEntry(w, "SlYear", QStringLiteral("2013"));
    testing::SetEntry(w, "SlMonth", QStringLiteral("09"));
    testing::SetEntry(w, "Slday", QStringLiteral("21"));
    Child<QAbstractButton>(w, "BtnHuangli")->click();
    auto* pane = Child<QPlainTextEdit>(w, "MemoHuangli");
    QVERIFY(pane->document()->blockCount() > 5);
    QCOMPARE(pane->horizontalScrollBar()->value(), 0);
    QCOMPARE(pane->verticalScrollBar()->value(), 0);
    QCOMPARE(pane->textCursor().position(), 0);
    QCOMPARE(pane->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
  }

  void ReadOnlyPanesShowNoCaretButStaySelectable() {
    TFrmIndex w;
    TFormOnther omen;
    TFrm_NanNv boy_girl;
    QList<QPlainTextEdit*> panes = w.findChildren<QPlainTextEdit*>();
    panes << omen.findChildren<QPlainTextEdit*>() << boy_girl.findChildren<QPlainTextEdit*>();
    QVERIFY(panes.size() >= 10);
    for (QPlainTextEdit* pane : panes) {
      if (!pane->isReadOnly()) {
        QCOMPARE(pane->cursorWidth(), 1);  // the boy/girl chart may be edited: it shows where one types
        continue;
      }
      QCOMPARE(pane->cursorWidth(), 0);
      QVERIFY(pane->textInteractionFlags() & Qt::TextSelectableByMouse);
      QVERIFY(pane->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }
  }

  void LongDescriptionsCanBeReadWhole() {
    TFrm_SJcs mobile;
    mobile.show();
    mobile.Entry()->setText(QStringLiteral("13800000002"));
    Child<QAbstractButton>(mobile, "RzBitBtn1")->click();
    auto* description = Child<QLabel>(mobile, "ValueDescription");
    QVERIFY(description->text().size() > 60);
    auto* scroller = Child<QScrollArea>(mobile, "ValueDescriptionScroller");
    QCOMPARE(scroller->widget(), description);
    QCOMPARE(scroller->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(description->wordWrap());
    QApplication::processEvents();
    // The label is as tall as its whole text at its width; the field scrolls
    // over it where it is taller than the field.
    QVERIFY(description->height() >= description->heightForWidth(description->width()));
    QCOMPARE(description->width(), scroller->viewport()->width());
    if (description->height() > scroller->viewport()->height())
      QVERIFY(scroller->verticalScrollBar()->maximum() > 0);

    TFrmWangming net_name;
    QVERIFY(Child<QLabel>(net_name, "ValuePhrase")->wordWrap());
    QVERIFY(Child<QScrollArea>(net_name, "ValuePhraseScroller"));
  }

  void StandardButtonsSpeakChineseAndTitlesAreExact() {
    auto notice = MakeMessageBox(nullptr, BoxKind::Notice, QStringLiteral("请选择出生小时!"));
    QCOMPARE(notice->windowTitle(), QStringLiteral("提示"));
    QCOMPARE(notice->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    auto error = MakeMessageBox(nullptr, BoxKind::Error, QStringLiteral("x"));
    QCOMPARE(error->windowTitle(), QStringLiteral("Vantrel"));
    QCOMPARE(error->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    // A display name would be appended to every window title by the window
    // system ("提示 — Vantrel"); none is set.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    // Qt's own texts come translated, the text fields' context menu among them.
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
  }

  void EachNewOmenWindowStepsAwayFromTheLast() {
    TFrmIndex w;
    TFormOnther* first = ShowFolkOmen(&w, QStringLiteral("一"), 0);
    TFormOnther* second = ShowFolkOmen(&w, QStringLiteral("二"), 1);
    TFormOnther* third = ShowFolkOmen(&w, QStringLiteral("三"), 2);
    QCOMPARE(second->pos() - first->pos(), QPoint(24, 24));
    QCOMPARE(third->pos() - second->pos(), QPoint(24, 24));
    // The cascade stays on the screen: a window that would leave it goes back
    // to the centre and the steps start again from there.
    QList<TFormOnther*> opened = {first, second, third};
    const QRect screen = first->screen()->availableGeometry();
    bool recentred = false;
    for (int i = 0; i < 40; ++i) {
      TFormOnther* next = ShowFolkOmen(&w, QString::number(i), 0);
      QVERIFY(screen.contains(next->frameGeometry()));
      if (next->pos() - opened.last()->pos() != QPoint(24, 24)) {
        QCOMPARE(next->frameGeometry().center(), screen.center());
        recentred = true;
      }
      opened << next;
    }
    QVERIFY(recentred);
    for (TFormOnther* omen : opened) omen->close();
    QApplication::processEvents();
    TFormOnther* alone = ShowFolkOmen(&w, QStringLiteral("四"), 3);
    QCOMPARE(alone->frameGeometry().center(), alone->screen()->availableGeometry().center());
    // The new window takes the keyboard, and Esc closes it as it closes the
    // dialogs.
    QVERIFY(QTest::qWaitForWindowActive(alone));
    QWidget* field = QApplication::focusWidget();
    QVERIFY(field && alone->isAncestorOf(field));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!alone->isVisible());
  }

  void TheOpenTopicStaysMarked() {
    TFrmIndex w;
    auto* first = Child<QPushButton>(w, "Topic_hh01");
    auto* second = Child<QPushButton>(w, "Topic_hh02");
    first->click();
    QVERIFY(first->isChecked());
    second->click();
    QVERIFY(second->isChecked());
    QVERIFY(!first->isChecked());
    second->click();  // the shown topic stays marked when pressed again
    QVERIFY(second->isChecked());
    // Marking a topic takes none of the others out of the Tab order.
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_5, Qt::ControlModifier);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child(w, "Topic_hh03"));
  }

  void EscClosesEveryDialogFromItsFirstField() {
    EveryDialog dialogs;
    for (QDialog* dialog : dialogs.All()) {
      dialog->show();
      QApplication::setActiveWindow(dialog);
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      QWidget* field = QApplication::focusWidget();
      QVERIFY2(field && dialog->isAncestorOf(field), qPrintable(dialog->objectName()));
      QTest::keyClick(field, Qt::Key_Escape);
      QVERIFY2(!dialog->isVisible(), qPrintable(dialog->windowTitle()));
    }
  }

  void EveryPageAndToolIsReachableFromTheKeyboard() {
    TFrmIndex w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const char* name : {"RzToolButton2", "RzToolButton1", "RzToolButton3", "RzToolButton5",
                             "RzToolButton7", "RzToolButton8", "RzToolButton10", "RzToolButton11",
                             "RzToolButton12", "BtnShouji", "OmenButton0"}) {
      QCOMPARE(Child<QAbstractButton>(w, name)->focusPolicy(), Qt::TabFocus);
    }
    // The window opens with the man's name ready for typing.
    QCOMPARE(QApplication::focusWidget(), Child(w, "Xing"));
    // Ctrl+1 .. Ctrl+6 are the toolbar's six buttons.
    const Page pages[] = {Page::Marriage, Page::Chart,        Page::Chart,
                          Page::Almanac,  Page::Encyclopedia, Page::Catalogue};
    for (int i = 5; i >= 0; --i) {
      QTest::keyClick(&w, static_cast<Qt::Key>(Qt::Key_1 + i), Qt::ControlModifier);
      QCOMPARE(w.CurrentPage(), pages[i]);
    }
    QCOMPARE(Child<QAbstractButton>(w, "RzButton2")->text(), QStringLiteral("八字分析"));
    // Tab reaches a toolbar button, Enter and Space press it.
    auto* encyclopedia = Child<QAbstractButton>(w, "RzToolButton7");
    encyclopedia->setFocus(Qt::TabFocusReason);
    QTest::keyClick(encyclopedia, Qt::Key_Return);
    QTRY_COMPARE(w.CurrentPage(), Page::Encyclopedia);
    auto* about = Child<QAbstractButton>(w, "RzToolButton10");
    about->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about, Qt::Key_Space);
    QTRY_COMPARE(w.CurrentPage(), Page::About);
  }

  void OnlyTheKeyboardMarksTheFocusedPicture() {
    TFrmIndex w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // A click on the toolbar leaves the focus on the catalogue's first icon,
    // which must not look chosen.
    Child<QAbstractButton>(w, "RzToolButton8")->click();
    auto* first = Child<QAbstractButton>(w, "OmenButton0");
    QVERIFY(first->hasFocus());
    const QImage left_by_page = first->grab().toImage();
    first->clearFocus();
    QCOMPARE(left_by_page, first->grab().toImage());
    // Reached by the keyboard, it is marked.
    first->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY(first->grab().toImage() != left_by_page);
  }

  void EveryControlHasANameForScreenReaders() {
    TFrmIndex w;
    QList<QWidget*> controls;
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) controls << b;
    for (QComboBox* b : w.findChildren<QComboBox*>()) controls << b;
    for (QLineEdit* e : w.findChildren<QLineEdit*>()) {
      if (!qobject_cast<QComboBox*>(e->parentWidget()) && e->objectName() != QStringLiteral("NameB2"))
        controls << e;
    }
    for (QPlainTextEdit* p : w.findChildren<QPlainTextEdit*>()) controls << p;
    for (QWidget* control : controls) {
      QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(Child(w, "Xing3")->accessibleName(), QStringLiteral("女方姓名"));
    QCOMPARE(Child(w, "Shour2")->accessibleName(), QStringLiteral("出生时"));
    QCOMPARE(Child(w, "RzToolButton5")->accessibleName(), QStringLiteral("黄道吉日"));
  }

  void EveryDialogControlHasANameForScreenReaders() {
    EveryDialog dialogs;
    TFrmIndex w;
    TFormOnther* omen = ShowFolkOmen(&w, QStringLiteral("眼跳预测"), 4);
    const std::vector<QDialog*> all = dialogs.All();
    std::vector<QWidget*> windows(all.begin(), all.end());
    windows.push_back(omen);
    for (QWidget* window : windows) {
      for (QWidget* control : window->findChildren<QWidget*>()) {
        // What the keyboard reaches; a spin box speaks for its own text field.
        if (!(control->focusPolicy() & Qt::TabFocus) ||
            qobject_cast<QAbstractSpinBox*>(control->parentWidget())) {
          continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString name =
            button && control->accessibleName().isEmpty() ? button->text() : control->accessibleName();
        QVERIFY2(!name.isEmpty(),
                 qPrintable(window->windowTitle() + QLatin1Char(' ') + control->objectName()));
      }
    }
    QCOMPARE(Child(dialogs.mobile, "ValueDescriptionScroller")->accessibleName(), QStringLiteral("具体表现"));
    QCOMPARE(Child(dialogs.calendar, "UpDown1")->findChild<QWidget*>(QStringLiteral("Up"))->accessibleName(),
             QStringLiteral("年份加一"));
    omen->close();
  }
};

VANTREL_APP_TEST(UsabilityTest);

}  // namespace vantrel::app

#include "usability_test.moc"
