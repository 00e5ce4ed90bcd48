// The two ways out: the close button ends the process at once with exit
// code 0 after deleting the lock files; the window system's close ends the
// program normally and deletes nothing.
#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <iostream>

#include "app/panes.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"
#include "tests/support/fixture.h"

namespace vantrel::app {

namespace testing {

// The child process: the window in FOLDER, and a press of "关闭".
int RunCloseChild(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetUpApplication();
  SetProgramDirForTesting(argv[2]);
  TFrmIndex window;
  window.show();
  window.findChild<QAbstractButton*>(QStringLiteral("RzToolButton12"))->click();
  std::cout << "the close button returned" << std::endl;
  return 3;
}

}  // namespace testing

using vantrel::testing::FixtureDir;

class ShutdownTest : public QObject {
  Q_OBJECT

 private:
  static QProcess* RunChild(const std::string& folder) {
    auto* child = new QProcess;
    child->setProgram(QCoreApplication::applicationFilePath());
    child->setArguments({QStringLiteral("--close-child"), QString::fromStdString(folder)});
    child->start();
    return child;
  }

 private slots:
  void TheCloseButtonDeletesTheLockFilesAndExitsWithZero() {
    FixtureDir dir;
    dir.WriteFile("KelFile.ldb", "lock");
    dir.WriteFile("Tgcode.ldb", "lock");
    dir.WriteFile("KelFile.dll", "kept");
    std::unique_ptr<QProcess> child(RunChild(dir.path()));
    QVERIFY(child->waitForFinished(20000));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    QCOMPARE(child->exitCode(), 0);
    QVERIFY(!child->readAllStandardOutput().contains("returned"));
    QVERIFY(!std::filesystem::exists(dir.File("KelFile.ldb")));
    QVERIFY(!std::filesystem::exists(dir.File("Tgcode.ldb")));
    QVERIFY(std::filesystem::exists(dir.File("KelFile.dll")));
  }

  void TheCloseButtonWithoutLockFilesStillExitsWithZero() {
    FixtureDir dir;
    std::unique_ptr<QProcess> child(RunChild(dir.path()));
    QVERIFY(child->waitForFinished(20000));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    QCOMPARE(child->exitCode(), 0);
  }

  void TheCloseButtonInProcessEndsThroughTheExitFunction() {
    FixtureDir dir;
    dir.WriteFile("Tgcode.ldb", "lock");
    TFrmIndex w;
    int code = -1;
    w.SetExitFunction([&code](int c) { code = c; });
    w.findChild<QAbstractButton*>(QStringLiteral("RzToolButton12"))->click();
    QCOMPARE(code, 0);
    QVERIFY(!std::filesystem::exists(dir.File("Tgcode.ldb")));
  }

  void TheSystemCloseDeletesNothing() {
    FixtureDir dir;
    dir.WriteFile("KelFile.ldb", "lock");
    auto* w = new TFrmIndex;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TFrmIndex> alive = w;
    w->show();
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    QVERIFY(std::filesystem::exists(dir.File("KelFile.ldb")));
  }
};

VANTREL_APP_TEST(ShutdownTest);

}  // namespace vantrel::app

#include "shutdown_test.moc"
