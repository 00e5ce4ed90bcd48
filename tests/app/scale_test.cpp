// At a fractional screen scale (1.5x) the report panes keep their outline on
// all four sides: the child process draws the window at that scale and
// reports whether each edge of MemoSuccess carries a line.
#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <iostream>

#include "app/panes.h"
#include "app/unt_index.h"
#include "app_test.h"

namespace vantrel::app {

namespace testing {

namespace {

// Whether a device pixel near `at` (within two pixels along `step`) is
// darker than the pane's white: the outline.
bool LineNear(const QImage& image, QPoint at, QPoint step) {
  for (int i = -2; i <= 2; ++i) {
    const QPoint p = at + step * i;
    if (image.rect().contains(p) && qGray(image.pixel(p)) < 0xD8) return true;
  }
  return false;
}

}  // namespace

int RunScaleChild(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1.5");
  QApplication app(argc, argv);
  SetUpApplication();
  TFrmIndex window;
  window.show();
  QApplication::processEvents();
  const QImage image = window.grab().toImage();
  const qreal dpr = image.devicePixelRatio();
  auto* pane = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
  const QRect r(pane->mapTo(&window, QPoint(0, 0)), pane->size());
  const auto device = [dpr](qreal x, qreal y) { return QPoint(qRound(x * dpr), qRound(y * dpr)); };
  const qreal midX = r.left() + r.width() / 3.0, midY = r.top() + r.height() / 2.0;
  std::cout << "dpr=" << dpr << "\n";
  std::cout << "left=" << LineNear(image, device(r.left(), midY), QPoint(1, 0)) << "\n";
  std::cout << "right=" << LineNear(image, device(r.left() + r.width(), midY) - QPoint(1, 0), QPoint(1, 0))
            << "\n";
  std::cout << "top=" << LineNear(image, device(midX, r.top()), QPoint(0, 1)) << "\n";
  std::cout << "bottom=" << LineNear(image, device(midX, r.top() + r.height()) - QPoint(0, 1), QPoint(0, 1))
            << "\n";
  return 0;
}

}  // namespace testing

class ScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void AtOneAndAHalfTheReportPaneKeepsItsOutline() {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scale-child")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("dpr=1.5\n")), qPrintable(out));
    for (const char* edge : {"left", "right", "top", "bottom"})
      QVERIFY2(out.contains(QStringLiteral("%1=1\n").arg(QLatin1String(edge))), qPrintable(out));
  }
};

VANTREL_APP_TEST(ScaleTest);

}  // namespace vantrel::app

#include "scale_test.moc"
