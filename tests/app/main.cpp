// Runs the window's test classes: `vantrel_app_tests CLASS [QtTest options]`
// runs one class, no arguments runs them all. `--close-child FOLDER` is the
// child process of the shutdown test.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/panes.h"
#include "app_test.h"
#include "common/paths.h"
#include "tests/support/fixture.h"

namespace vantrel::app::testing {

int RunCloseChild(int argc, char** argv);
int RunLocaleChild(int argc, char** argv);
int RunScaleChild(int argc, char** argv);

namespace {

std::map<std::string, Factory>& Registry() {
  static std::map<std::string, Factory> registry;
  return registry;
}

}  // namespace

bool RegisterTestClass(const char* name, Factory factory) {
  Registry()[name] = std::move(factory);
  return true;
}

BoxRecorder::BoxRecorder() {
  SetMessageBoxHook([this](BoxKind kind, const QString& caption, const QString& text) {
    boxes.push_back({kind, caption, text});
  });
}

BoxRecorder::~BoxRecorder() { SetMessageBoxHook(nullptr); }

void SetEntry(QWidget& window, const char* name, const QString& text) {
  if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
    edit->setText(text);
  } else if (auto* box = window.findChild<QComboBox*>(QString::fromLatin1(name))) {
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    if (index < 0) box->setEditText(text);
  } else {
    qFatal("no entry %s", name);
  }
}

void SetEntries(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries) {
  for (const auto& [name, text] : entries) SetEntry(window, name, QString::fromUtf8(text));
}

void WriteSampleMarriageReport(QWidget& window, const char* man, const char* woman) {
  SetEntries(window, {{"Xing", man},
                      {"SYear", "1985"},
                      {"SMonth", "6"},
                      {"Sday", "18"},
                      {"Shour", "辰 8"},
                      {"Xing3", woman},
                      {"SYear3", "1987"},
                      {"SMonth3", "10"},
                      {"Sday3", "3"},
                      {"Shour3", "酉 18"}});
  window.findChild<QAbstractButton*>(QStringLiteral("RzBitBtn2"))->click();
}

bool UseBuiltDataFiles() {
  const std::string built = vantrel::testing::BuiltDataDir();
  if (!std::filesystem::exists(built + "/KelFile.dll") || !std::filesystem::exists(built + "/Tgcode.dll") ||
      !std::filesystem::exists(built + "/shensha")) {
    return false;
  }
  SetProgramDirForTesting(built);
  return true;
}

}  // namespace vantrel::app::testing

int main(int argc, char** argv) {
  using namespace vantrel::app::testing;
  // What the program remembers between runs goes to a folder of this run
  // (child processes share it), never to the user's own settings.
  QTemporaryDir config;
  if (qEnvironmentVariableIsEmpty("VANTREL_TEST_CONFIG")) {
    qputenv("VANTREL_TEST_CONFIG", "1");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  }
  if (argc >= 3 && std::strcmp(argv[1], "--close-child") == 0) return RunCloseChild(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "--locale-child") == 0) return RunLocaleChild(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "--scale-child") == 0) return RunScaleChild(argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vantrel::app::SetUpApplication();

  std::vector<char*> args = {argv[0]};
  std::vector<std::string> chosen;
  if (argc >= 2 && argv[1][0] != '-') {
    if (!Registry().count(argv[1])) {
      std::cerr << "no test class " << argv[1] << "\n";
      return 2;
    }
    chosen.push_back(argv[1]);
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
  } else {
    for (const auto& [name, factory] : Registry()) chosen.push_back(name);
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  }
  int failures = 0;
  for (const std::string& name : chosen) {
    std::unique_ptr<QObject> test = Registry()[name]();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return failures == 0 ? 0 : 1;
}
