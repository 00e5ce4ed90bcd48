// The one dispatcher of the window's actions and its message boxes.
#include "app/dispatcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app_test.h"
#include "common/errors.h"

namespace vantrel::app {

using testing::BoxRecorder;

namespace {

// Closes the next modal message box once the event loop runs and reports
// what it showed.
struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};
void CloseNextBox(SeenBox& seen) {
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(QMessageBox::Ok)->click();
  });
}

}  // namespace

class DispatcherTest : public QObject {
  Q_OBJECT

 private slots:
  void TheThreeOutcomes() {
    BoxRecorder recorder;
    int steps = 0;
    QCOMPARE(RunAction(nullptr, [&] { ++steps; }), Outcome::Done);
    QCOMPARE(RunAction(nullptr,
                       [&] {
                         ++steps;
                         throw SilentCancel();
                       }),
             Outcome::Cancelled);
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(steps, 2);  // the work before the cancellation stays done

    QCOMPARE(RunAction(nullptr, [] { throw ConvertError("'x' is not a valid integer value"); }),
             Outcome::Failed);
    QCOMPARE(RunAction(nullptr, [] { throw std::runtime_error("disk full"); }), Outcome::Failed);
    QCOMPARE(RunAction(nullptr, [] { throw 42; }), Outcome::Failed);
    QCOMPARE(recorder.boxes.size(), size_t(3));
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Error);
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Vantrel"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("'x' is not a valid integer value"));
    QCOMPARE(recorder.boxes[1].text, QStringLiteral("disk full"));
  }

  void AButtonWhoseActionFailsKeepsWorking() {
    BoxRecorder recorder;
    QPushButton button;
    int presses = 0;
    OnClick(&button, &button, [&] {
      if (++presses == 1) throw DatabaseError("no such table: huangdao");
    });
    button.click();
    button.click();
    QCOMPARE(presses, 2);
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("no such table: huangdao"));
  }

  void NoticesUseTheNoticeBox() {
    BoxRecorder recorder;
    WindowNotifier notifier(nullptr);
    notifier.ShowNotice("请选择年!");
    QCOMPARE(recorder.boxes.size(), size_t(1));
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Notice);
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("请选择年!"));
  }

  // Without the hook the real modal boxes come up.
  void TheRealBoxes() {
    SeenBox notice;
    CloseNextBox(notice);
    WindowNotifier(nullptr).ShowNotice("请输入你的网名！");
    QCOMPARE(notice.caption, QStringLiteral("提示"));
    QCOMPARE(notice.text, QStringLiteral("请输入你的网名！"));
    QCOMPARE(notice.icon, QMessageBox::Information);
    QCOMPARE(notice.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    SeenBox error;
    CloseNextBox(error);
    QCOMPARE(RunAction(nullptr, [] { throw FileError("/x/shensha/rigan.txt", "No such file or directory"); }),
             Outcome::Failed);
    QCOMPARE(error.caption, QStringLiteral("Vantrel"));
    QCOMPARE(error.text,
             QStringLiteral("Cannot open file \"/x/shensha/rigan.txt\". No such file or directory"));
    QCOMPARE(error.icon, QMessageBox::Critical);
  }
};

VANTREL_APP_TEST(DispatcherTest);

}  // namespace vantrel::app

#include "dispatcher_test.moc"
