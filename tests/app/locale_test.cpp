// The program speaks Chinese whatever the system's language: under a German
// system locale the date pop-up names its months in Chinese and starts its
// weeks as in China, the save dialog writes its files' dates and sizes as the
// program does, and a longitude typed as 87.60 is read as 87.6, not cut at
// the point that German writes as a comma.
#include <QAbstractProxyModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "app/dialogs/true_solar_time.h"
#include "app/file_dialog.h"
#include "app/panes.h"
#include "app_test.h"

namespace vantrel::app {

namespace testing {

// The child process, started with LANG=de_DE.UTF-8: prints what the user
// would see, one "key=value" line each.
int RunLocaleChild(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetUpApplication();
  TFrmSolarTime dialog;
  dialog.DateEntry()->setDate(QDate(2026, 12, 10));
  QCalendarWidget* calendar = dialog.DateEntry()->calendarWidget();
  calendar->setCurrentPage(2026, 12);
  auto* month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
  std::cout << "system=" << QLocale::system().name().toStdString() << "\n";
  std::cout << "month=" << (month ? month->text().toStdString() : std::string("?")) << "\n";
  std::cout << "first_day=" << static_cast<int>(calendar->firstDayOfWeek()) << "\n";
  std::cout << "date=" << QLocale().toString(QDate(2026, 12, 10), QLocale::ShortFormat).toStdString() << "\n";
  std::cout << "strtod=" << std::strtod("87.60", nullptr) << "\n";
  for (const char* typed : {"87.60", "87.6"}) {
    dialog.PlaceEntry()->setText(QString::fromLatin1(typed));
    std::cout << "longitude " << typed << "="
              << dialog.findChild<QLabel*>(QStringLiteral("ValueLongitude"))->text().toStdString() << "\n";
  }
  // The save dialog's file list: a file of 1500 bytes.
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("r.txt")));
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(QByteArray(1500, 'x'));
  file.close();
  QFileSystemModel files;
  QEventLoop loaded;
  QObject::connect(&files, &QFileSystemModel::directoryLoaded, &loaded, &QEventLoop::quit);
  QTimer::singleShot(10000, &loaded, &QEventLoop::quit);
  files.setRootPath(dir.path());
  loaded.exec();
  QAbstractProxyModel* list = NewLocalizedFileList(&files);
  list->setSourceModel(&files);
  const QModelIndex name = files.index(file.fileName());
  const auto shown = [&](int column) {
    return list->mapFromSource(name.siblingAtColumn(column)).data().toString().toStdString();
  };
  const QDateTime modified = QFileInfo(file.fileName()).lastModified();
  std::cout << "file_date_ok="
            << (shown(3) == modified.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString()) << "\n";
  std::cout << "file_size=" << shown(1) << "\n";
  return 0;
}

}  // namespace testing

class LocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void UnderAGermanSystemLocaleTheProgramStaysChinese() {
    // The locale must be installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8).
    locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
    if (!german) QSKIP("the locale de_DE.UTF-8 is not installed");
    freelocale(german);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MESSAGES", "LANGUAGE"})
      env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--locale-child")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QMap<QString, QString> seen;
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'))) {
      const int equals = line.indexOf(QLatin1Char('='));
      if (equals > 0) seen[line.left(equals)] = line.mid(equals + 1);
    }
    QCOMPARE(seen.value(QStringLiteral("system")), QStringLiteral("de_DE"));  // the child did run in German
    QCOMPARE(seen.value(QStringLiteral("month")), QStringLiteral("十二月"));
    const QLocale china(QLocale::Chinese, QLocale::China);
    QCOMPARE(seen.value(QStringLiteral("first_day")),
             QString::number(static_cast<int>(china.firstDayOfWeek())));
    QCOMPARE(seen.value(QStringLiteral("date")), china.toString(QDate(2026, 12, 10), QLocale::ShortFormat));
    QCOMPARE(seen.value(QStringLiteral("strtod")), QStringLiteral("87.6"));
    QVERIFY(!seen.value(QStringLiteral("longitude 87.6")).isEmpty());
    QCOMPARE(seen.value(QStringLiteral("longitude 87.60")), seen.value(QStringLiteral("longitude 87.6")));
    // The save dialog's files: the date as the program writes dates, the
    // size with a decimal point.
    QCOMPARE(seen.value(QStringLiteral("file_date_ok")), QStringLiteral("1"));
    QCOMPARE(seen.value(QStringLiteral("file_size")), QStringLiteral("1.5 kB"));
  }
};

VANTREL_APP_TEST(LocaleTest);

}  // namespace vantrel::app

#include "locale_test.moc"
