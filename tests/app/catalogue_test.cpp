// The catalogue page: every button opens its dialog; the omen windows are
// modeless and independent, the modal dialogs are fresh for every request.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "app/dialogs/date_win.h"
#include "app/dialogs/unt_nannv.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_onther.h"
#include "app/dialogs/unt_wangm.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/datetime.h"

namespace vantrel::app {

namespace {

QList<TFormOnther*> OmenWindows() {
  QList<TFormOnther*> found;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* omen = qobject_cast<TFormOnther*>(w); omen && omen->isVisible()) found << omen;
  }
  return found;
}

QString ShownText(const TFormOnther* omen) {
  const auto* pages = omen->findChild<QStackedWidget*>(QStringLiteral("PageControl1"));
  return qobject_cast<QPlainTextEdit*>(pages->currentWidget())->toPlainText();
}

// Runs `inspect` on the modal dialog that the click opens, then closes it.
template <typename Dialog>
void WithModal(QAbstractButton* button, const std::function<void(Dialog*)>& inspect) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog) {
      seen = true;
      inspect(dialog);
    }
    QApplication::activeModalWidget()->close();
  });
  button->click();
  QVERIFY(seen);
}

// Opens the dialog of a catalogue button twice: the first time text is typed
// into its entry and the dialog closed; the second time it must be a new
// dialog with an empty entry.
template <typename Dialog>
void OpensAFreshDialog(TFrmIndex& w, const char* button_name, const QString& caption) {
  auto* button = w.findChild<QAbstractButton*>(QString::fromLatin1(button_name));
  QVERIFY2(button, button_name);
  QCOMPARE(button->text(), caption);
  QPointer<Dialog> first;
  WithModal<Dialog>(button, [&](Dialog* dialog) {
    first = dialog;
    QVERIFY(dialog->isModal());
    dialog->Entry()->setText(QStringLiteral("1234"));
  });
  QVERIFY(first.isNull());
  WithModal<Dialog>(button, [&](Dialog* dialog) { QCOMPARE(dialog->Entry()->text(), QString()); });
}

}  // namespace

class CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { qDeleteAll(OmenWindows()); }

  void TheOmenButtonsOpenTheirPages() {
    TFrmIndex w;
    const char* const titles[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                                  "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    const char* const captions[] = {"喷嚏预测", "面热预测", "心惊预测", "犬吠预测",
                                    "眼跳预测", "耳热预测", "耳鸣预测"};
    for (int i = 0; i < 7; ++i) {
      auto* button = w.findChild<QAbstractButton*>(QStringLiteral("OmenButton%1").arg(i));
      QVERIFY(button);
      QCOMPARE(button->text(), QString::fromUtf8(captions[i]));
      QCOMPARE(button->size(), QSize(71, 71));
      button->click();
      const QList<TFormOnther*> open = OmenWindows();
      QCOMPARE(open.size(), i + 1);
      TFormOnther* newest = nullptr;
      for (TFormOnther* omen : open) {
        if (omen->windowTitle() == QString::fromUtf8(titles[i])) newest = omen;
      }
      QVERIFY(newest);
      QCOMPARE(newest->Page(), i);
      QCOMPARE(newest->size(), QSize(388, 283));
      QVERIFY(!newest->isModal());
    }
  }

  void TwoEyeOmenWindowsLiveIndependently() {
    TFrmIndex w;
    auto* eye = w.findChild<QAbstractButton*>(QStringLiteral("OmenButton4"));
    eye->click();
    eye->click();
    QList<TFormOnther*> open = OmenWindows();
    QCOMPARE(open.size(), 2);
    for (TFormOnther* omen : open) {
      QCOMPARE(omen->windowTitle(), QStringLiteral("眼跳测吉凶"));
      QCOMPARE(omen->Page(), 4);
      QVERIFY(ShownText(omen).startsWith(QStringLiteral("子时：左有贵人")));
      const QStringList lines = ShownText(omen).split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 11);
      QCOMPARE(lines[1], QString());
    }
    const auto* note = open[0]->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(note->text().startsWith(QStringLiteral("说明：\n   子时为23点-1点")));
    QCOMPARE(note->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));

    QPointer<TFormOnther> closed = open[0];
    open[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());  // a closed omen window is gone
    QCOMPARE(OmenWindows().size(), 1);
    QCOMPARE(OmenWindows()[0], open[1]);
  }

  void TheNumberAndNameDialogsAreFreshEveryTime() {
    TFrmIndex w;
    OpensAFreshDialog<TFrm_SJcs>(w, "BtnShouji", QStringLiteral("手机号码"));
    OpensAFreshDialog<TFrmQQhm>(w, "BtnQQ", QStringLiteral("QQ号分析"));
    OpensAFreshDialog<TFrm_onther>(w, "BtnNumber", QStringLiteral("更多数字"));
    OpensAFreshDialog<TFrmWangming>(w, "BtnWangming", QStringLiteral("网名分析"));
  }

  void TheMonthCalendarOpensOnToday() {
    TFrmIndex w;
    auto* button = w.findChild<QAbstractButton*>(QStringLiteral("BtnCalendar"));
    QCOMPARE(button->text(), QStringLiteral("万年历法"));
    QPointer<TFRM_Date> first;
    WithModal<TFRM_Date>(button, [&](TFRM_Date* dialog) {
      first = dialog;
      QVERIFY(dialog->isModal());
      QCOMPARE(dialog->DialogDate(), Today());
      dialog->MonthSpinner()->Down();
    });
    QVERIFY(first.isNull());
    WithModal<TFRM_Date>(
        button, [&](TFRM_Date* dialog) { QCOMPARE(dialog->ShownMonth(), DecodeDate(Today()).month); });
  }

  void TheBoyGirlChartIsFreshEveryTime() {
    TFrmIndex w;
    auto* button = w.findChild<QAbstractButton*>(QStringLiteral("BtnNanNv"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("生男生女"));
    QPointer<TFrm_NanNv> first;
    WithModal<TFrm_NanNv>(button, [&](TFrm_NanNv* dialog) {
      first = dialog;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("生男生女"));
      QCOMPARE(dialog->size(), QSize(594, 561));
      QVERIFY(dialog->isModal());
      const QStringList lines = dialog->Chart()->toPlainText().split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 29);
      QCOMPARE(
          lines[0],
          QStringLiteral("年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月"));
      QVERIFY(lines[1].startsWith(QStringLiteral("18")));
      QVERIFY(lines[28].startsWith(QStringLiteral("45")));
      QVERIFY(!dialog->Chart()->isReadOnly());
      dialog->Chart()->appendPlainText(QStringLiteral("我的笔记"));
    });
    QVERIFY(first.isNull());
    WithModal<TFrm_NanNv>(button, [&](TFrm_NanNv* dialog) {
      QVERIFY(!dialog->Chart()->toPlainText().contains(QStringLiteral("我的笔记")));
    });
  }
};

VANTREL_APP_TEST(CatalogueTest);

}  // namespace vantrel::app

#include "catalogue_test.moc"
