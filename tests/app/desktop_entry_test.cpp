// The window against its desktop entry and AppStream metadata: a desktop
// shell groups the windows under the menu entry by the X11 window class
// (StartupWMClass) and, on Wayland, by the desktop file name the program
// announces, so both must name what the program really sets.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>

#include "app_test.h"

namespace vantrel::app {

namespace {

const QString kAppDir = QStringLiteral(VANTREL_SOURCE_DIR "/app/");

QString ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The value of KEY in the [Desktop Entry] group (untranslated).
QString EntryValue(const QString& entry, const QString& key) {
  const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                QRegularExpression::MultilineOption);
  return line.match(entry).captured(1);
}

}  // namespace

class DesktopEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowClassAndFileNameMatchTheEntry() {
    const QString id = QGuiApplication::desktopFileName();
    QCOMPARE(id, QStringLiteral("io.github.vantrel.Vantrel"));
    const QString entry = ReadAll(kAppDir + id + QStringLiteral(".desktop"));
    QVERIFY2(!entry.isEmpty(),
             "the desktop entry is named after the desktop file name the program announces");
    // Qt's X11 windows carry the application name as their class, whatever
    // name the program was started under.
    QCOMPARE(EntryValue(entry, QStringLiteral("StartupWMClass")), QCoreApplication::applicationName());
    QCOMPARE(EntryValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0),
             QStringLiteral("vantrel"));
  }

  void MetadataNamesTheSameEntry() {
    const QString id = QGuiApplication::desktopFileName();
    const QString metainfo = ReadAll(kAppDir + id + QStringLiteral(".metainfo.xml"));
    QVERIFY2(!metainfo.isEmpty(), "the AppStream file is named after the same id");
    QVERIFY(metainfo.contains(QStringLiteral("<id>%1</id>").arg(id)));
    QVERIFY(
        metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
    // The newest release is the program's own version.
    const QRegularExpression release(QStringLiteral("<release version=\"([^\"]+)\""));
    QCOMPARE(release.match(metainfo).captured(1), QStringLiteral(VANTREL_VERSION));
  }
};

VANTREL_APP_TEST(DesktopEntryTest);

}  // namespace vantrel::app

#include "desktop_entry_test.moc"
