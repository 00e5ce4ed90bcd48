// The pages of the main window as laid out widgets: every control stands at
// its place whether or not the window was ever shown, the entry rows keep
// the fixed rows of the marriage panel, the panes fill their pages, and a
// birth written into a row lands in that row only.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>
#include <stdexcept>

#include "app/unt_index.h"
#include "app_test.h"

namespace vantrel::app {

using testing::Child;

namespace {

// Where every named control of the window stands, in window coordinates.
QMap<QString, QRect> Places(const QWidget& window) {
  QMap<QString, QRect> places;
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_"))) continue;
    places.insert(child->objectName(), QRect(child->mapTo(&window, QPoint(0, 0)), child->size()));
  }
  return places;
}

// A control's place on its page.
QRect OnPage(const QWidget* control) {
  const QWidget* page = control;
  while (page->parentWidget() && !qobject_cast<const QStackedWidget*>(page->parentWidget()))
    page = page->parentWidget();
  return QRect(control->mapTo(page, QPoint(0, 0)), control->size());
}

QString ListText(const QWidget& window, const char* name) {
  return Child<QComboBox>(window, name)->currentText();
}

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT

 private slots:
  // A name longer than the field keeps whole characters: an emoji at the
  // limit goes whole rather than leaving half of it.
  void ANameFieldCutsAtACharacterBoundary() {
    TFrmIndex w;
    for (const char* name : {"Xing", "Xing3", "Xing2"}) {
      auto* edit = Child<QLineEdit>(w, name);
      const QString typed = QStringLiteral("张").repeated(19) + QString::fromUtf8("😀") + QStringLiteral("伟");
      edit->setText(typed);
      QCOMPARE(edit->text(), QStringLiteral("张").repeated(19));
      edit->clear();
      edit->insert(QStringLiteral("李").repeated(18));
      edit->insert(QString::fromUtf8("😀😀"));
      QCOMPARE(edit->text(), QStringLiteral("李").repeated(18) + QString::fromUtf8("😀"));
    }
  }

  void EveryControlStandsAtItsPlaceBeforeTheWindowShows() {
    TFrmIndex w;
    const QMap<QString, QRect> before = Places(w);
    w.show();
    auto* pages = Child<QStackedWidget>(w, "RzPageControl1");
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      QCoreApplication::processEvents();
      const QMap<QString, QRect> shown = Places(w);
      for (QWidget* control : pages->widget(i)->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        QVERIFY2(before.value(name) == shown.value(name), qPrintable(name));
      }
    }
  }

  void TheEntryRowsKeepTheirFixedRows() {
    TFrmIndex w;
    auto* panel = Child(w, "RzPanel2");
    QCOMPARE(OnPage(panel), QRect(1, 0, 788, 58));
    const QRect compute = Child(w, "RzBitBtn2")->geometry();
    QVERIFY(panel->rect().contains(compute));
    const char* const man[] = {"Xing", "ComDate", "SYear", "SMonth", "Sday", "Shour", "CBFen", "ComboBoxDL"};
    const char* const woman[] = {"Xing3", "ComDate3", "SYear3", "SMonth3",
                                 "Sday3", "Shour3",   "CBFen3", "ComboBoxXX"};
    const char* const single[] = {"Xing2",   "CBsex2", "ComDate2", "SYear2",
                                  "SMonth2", "Sday2",  "Shour2",   "CBFen2"};
    for (const auto& [row, top] : {std::pair{man, 6}, {woman, 33}, {single, 8}}) {
      int right = 0;
      for (int i = 0; i < 8; ++i) {
        const QRect place = OnPage(Child(w, row[i]));
        QCOMPARE(place.top(), top + (row == single ? 0 : OnPage(panel).top()));
        QCOMPARE(place.height(), 21);
        // Left to right without overlap, and clear of the compute button.
        QVERIFY2(place.left() > right, row[i]);
        right = place.right();
        const QWidget* control = Child(w, row[i]);
        if (row != single)
          QVERIFY2(control->mapTo(panel, QPoint(control->width(), 0)).x() <= compute.left(), row[i]);
      }
    }
    QVERIFY(OnPage(Child(w, "CBFen2")).right() < OnPage(Child(w, "RzButton2")).left());
  }

  void ThePanesFillTheirPages() {
    TFrmIndex w;
    const QRect page(0, 0, 790, 456);
    QCOMPARE(OnPage(Child(w, "MemoAbout")), page);
    QCOMPARE(OnPage(Child(w, "MemoSuccess")).bottomRight(), page.bottomRight());
    QCOMPARE(OnPage(Child(w, "MemoSuccess")).top(), 60);
    QCOMPARE(OnPage(Child(w, "Memo1")).bottomRight(), page.bottomRight());
    QCOMPARE(OnPage(Child(w, "MemoBk")).bottomRight(), page.bottomRight());
    // The almanac's result and glossary panes share the page in two equal halves.
    const QRect result = OnPage(Child(w, "MemoHuangli"));
    const QRect glossary = OnPage(Child(w, "MemoGlossary"));
    QCOMPARE(result.left(), 0);
    QCOMPARE(glossary.right(), page.right());
    QCOMPARE(result.width(), glossary.width());
    QCOMPARE(result.bottom(), page.bottom());
    QCOMPARE(glossary.top(), result.top());
    QVERIFY(result.right() < glossary.left());
    // The catalogue's two rows of 71 x 71 buttons, the second under the first.
    for (const char* name : {"OmenButton0", "OmenButton6", "BtnShouji", "BtnSolarTime"}) {
      QCOMPARE(Child(w, name)->size(), QSize(71, 71));
    }
    QCOMPARE(OnPage(Child(w, "OmenButton0")).left(), OnPage(Child(w, "BtnShouji")).left());
    QVERIFY(OnPage(Child(w, "OmenButton0")).bottom() < OnPage(Child(w, "BtnShouji")).top());
    QVERIFY(OnPage(Child(w, "BtnSolarTime")).right() <= page.right());
  }

  void ABirthGoesIntoItsOwnRowOnly() {
    TFrmIndex w;
    const struct {
      BirthTarget target;
      const char* suffix;
      Page page;
    } rows[] = {{BirthTarget::MarriageMan, "", Page::Marriage},
                {BirthTarget::MarriageWoman, "3", Page::Marriage},
                {BirthTarget::Chart, "2", Page::Chart}};
    QList<QByteArray> filled;
    for (const auto& row : rows) {
      const auto name = [&row](const char* base) { return QByteArray(base) + row.suffix; };
      Child<QComboBox>(w, name("ComDate"))->setCurrentIndex(1);  // 农历 before
      w.FillBirth(row.target, CivilDate{2025, 11, 30}, 8, 7);
      filled << row.suffix;
      QCOMPARE(w.CurrentPage(), row.page);
      QCOMPARE(Child<QComboBox>(w, name("ComDate"))->currentIndex(), 0);
      QCOMPARE(ListText(w, name("SYear")), QStringLiteral("2025"));  // not an item: shown as typed
      QCOMPARE(ListText(w, name("SMonth")), QStringLiteral("11"));
      QCOMPARE(ListText(w, name("Sday")), QStringLiteral("30"));
      QCOMPARE(ListText(w, name("Shour")), QStringLiteral("辰 8"));
      QCOMPARE(ListText(w, name("CBFen")), QStringLiteral("7"));
      for (const char* other : {"", "3", "2"}) {
        if (!filled.contains(other))
          QCOMPARE(ListText(w, QByteArray("SYear") + other), QStringLiteral("1980"));
      }
    }
    // An hour that is no clock hour is refused, not read past the hour items.
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             w.FillBirth(BirthTarget::Chart, CivilDate{2000, 1, 1}, 24, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             w.FillBirth(BirthTarget::Chart, CivilDate{2000, 1, 1}, -1, 0));
  }
};

VANTREL_APP_TEST(PagesTest);

}  // namespace vantrel::app

#include "pages_test.moc"
