#pragma once
// The window's tests: QtTest classes run headless on the offscreen platform,
// one ctest test per class. Each class registers itself with
// VANTREL_APP_TEST(Class).
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/dispatcher.h"

namespace vantrel::app::testing {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool RegisterTestClass(const char* name, Factory factory);

// Records the message boxes instead of showing them while it lives.
class BoxRecorder {
 public:
  struct Box {
    BoxKind kind;
    QString caption;
    QString text;
  };
  BoxRecorder();
  ~BoxRecorder();
  std::vector<Box> boxes;
};

// Types a text into an entry edit or list of the window by object name (a
// list shows its item when it has one).
void SetEntry(QWidget& window, const char* name, const QString& text);

// Points the program at the data files the build made; false (the test class
// skips) when they are not built.
bool UseBuiltDataFiles();

}  // namespace vantrel::app::testing

#define VANTREL_APP_TEST(Class)          \
  static const bool registered_##Class = \
      ::vantrel::app::testing::RegisterTestClass(#Class, [] { return std::unique_ptr<QObject>(new Class); })
