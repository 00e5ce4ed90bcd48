#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "calendar/places.h"
#include "common/errors.h"

namespace vantrel::app {
namespace {

const QString kOutputFolder = QStringLiteral("output/folder");
const QString kBirthplace = QStringLiteral("solar_time/birthplace");
const QString kView = QStringLiteral("window/page");
const QString kZi = QStringLiteral("chart/zi");
const QString kScript = QStringLiteral("display/script");

// The values as the file holds them: the command line's names.
const std::pair<ZiRule, const char*> kZiNames[] = {
    {ZiRule::SameDay, "same-day"}, {ZiRule::NextDay, "next-day"}, {ZiRule::Late, "late"}};

// The toolbar buttons that choose a page, and 关于我们.
const QStringList kViews = {
    QStringLiteral("RzToolButton2"),  QStringLiteral("RzToolButton1"), QStringLiteral("RzToolButton3"),
    QStringLiteral("RzToolButton5"),  QStringLiteral("RzToolButton7"), QStringLiteral("RzToolButton8"),
    QStringLiteral("RzToolButton10"),
};

bool IsKnownPlace(const QString& typed) {
  const QString trimmed = typed.trimmed();
  if (trimmed.isEmpty() || trimmed.size() > 64) return false;
  try {
    ParseBirthplace(trimmed.toStdString());
    return true;
  } catch (const Error&) {
    return false;
  }
}

QString Text(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void Store(const QString& key, const QString& value) {
  {
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    if (settings.status() == QSettings::NoError) {
      settings.setValue(key, value);
      settings.sync();
      if (settings.status() == QSettings::NoError) return;
    }
  }
  // A damaged file is not mended line by line: it starts afresh with what
  // the program remembers now.
  QFile::remove(SettingsFile());
  QSettings settings(SettingsFile(), QSettings::IniFormat);
  settings.setValue(key, value);
  settings.sync();
}

ZiRule& CurrentZi() {
  static ZiRule zi = ReadRemembered().zi;
  return zi;
}

QString& CurrentBirthplace() {
  static QString place = ReadRemembered().birthplace;
  return place;
}

}  // namespace

QString SettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/vantrel/vantrel.conf");
}

Remembered ReadRemembered() {
  Remembered remembered;
  if (!QFileInfo::exists(SettingsFile())) return remembered;
  QSettings settings(SettingsFile(), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return remembered;
  const QString folder = Text(settings, kOutputFolder);
  if (!folder.isEmpty() && QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir())
    remembered.outputFolder = QDir::cleanPath(folder);
  const QString place = Text(settings, kBirthplace);
  if (IsKnownPlace(place)) remembered.birthplace = place.trimmed();
  const QString view = Text(settings, kView);
  if (kViews.contains(view)) remembered.view = view;
  const QString zi = Text(settings, kZi);
  for (const auto& [rule, name] : kZiNames) {
    if (zi == QLatin1String(name)) remembered.zi = rule;
  }
  if (const std::optional<Script> s = ScriptOfName(Text(settings, kScript).toStdString()))
    remembered.script = *s;
  return remembered;
}

void RememberOutputFolder(const QString& folder) { Store(kOutputFolder, folder); }

void RememberBirthplace(const QString& typed) {
  if (!IsKnownPlace(typed)) return;
  CurrentBirthplace() = typed.trimmed();
  Store(kBirthplace, typed.trimmed());
}

void RememberView(const QString& button) {
  if (kViews.contains(button)) Store(kView, button);
}

QString LastBirthplace() { return CurrentBirthplace(); }

void RememberZiRule(ZiRule zi) {
  CurrentZi() = zi;
  for (const auto& [rule, name] : kZiNames) {
    if (rule == zi) Store(kZi, QLatin1String(name));
  }
}

void RememberScript(Script script) {
  Store(kScript, QString::fromStdString(std::string(ScriptName(script))));
}

void ForgetBirthplace() {
  CurrentBirthplace().clear();
  Store(kBirthplace, QString());
}

void ForgetOutputFolder() { Store(kOutputFolder, QString()); }

ZiRule CurrentZiRule() { return CurrentZi(); }

}  // namespace vantrel::app
