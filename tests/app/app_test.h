#pragma once
// The window's tests: QtTest classes run headless on the offscreen platform,
// one ctest test per class. Each class registers itself with
// VANTREL_APP_TEST(Class).
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>
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

// The window's control of this object name; a missing one ends the test run.
template <typename W = QWidget>
W* Child(const QWidget& window, const char* name) {
  W* child = window.findChild<W*>(QString::fromLatin1(name));
  if (!child) qFatal("no control %s", name);
  return child;
}

// Types a text into an entry edit or list of the window by object name (a
// list shows its item when it has one).
void SetEntry(QWidget& window, const char* name, const QString& text);
// Types each UTF-8 text into the control of its object name, in order.
void SetEntries(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries);
// Fills both marriage rows with the sample couple (born 1985-06-18 辰 8 and
// 1987-10-03 酉 18) under these names and presses 测算.
void WriteSampleMarriageReport(QWidget& window, const char* man = "张伟", const char* woman = "李娜");

// Points the program at the data files the build made; false (the test class
// skips) when they are not built.
bool UseBuiltDataFiles();

}  // namespace vantrel::app::testing

#define VANTREL_APP_TEST(Class)          \
  static const bool registered_##Class = \
      ::vantrel::app::testing::RegisterTestClass(#Class, [] { return std::unique_ptr<QObject>(new Class); })
