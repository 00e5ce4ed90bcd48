#pragma once
// Every user action of the window and its dialogs runs through RunAction,
// which turns the ways an action can fail into what the user sees:
//
// - SilentCancel ends the action without a word;
// - any other exception shows the default error box (caption "Vantrel",
//   the error's own message), and the program goes on;
// - what the action had already written stays in its panes.
//
// Message boxes go through one hook, so the tests can see them without a
// modal loop.
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "common/notice.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace vantrel::app {

// The application's title: the caption of the error box and the name of the
// program in the task bar.
inline constexpr const char* kAppTitle = "Vantrel";

enum class BoxKind {
  Notice,   // information icon, caption "提示", one OK button
  Error,    // critical icon, caption "Vantrel", one OK button
  Warning,  // warning icon, caption "提示", one OK button: a failure the window words itself
};

// Shows a modal message box and returns when it is closed.
using MessageBoxHook = std::function<void(BoxKind kind, const QString& caption, const QString& text)>;

// Replaces the message boxes (tests); an empty hook brings the real ones back.
void SetMessageBoxHook(MessageBoxHook hook);

void ShowMessageBox(QWidget* parent, BoxKind kind, const QString& text);

// The box ShowMessageBox shows: its caption exactly as given (no program
// name added), its icon and one OK button, whose text follows the loaded
// translation ("确定").
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, BoxKind kind, const QString& text);

// The notice box of the window and of its dialogs.
class WindowNotifier : public Notifier {
 public:
  explicit WindowNotifier(QWidget* parent) : parent_(parent) {}
  void ShowNotice(std::string_view text) override;

 private:
  QWidget* parent_;
};

enum class Outcome { Done, Cancelled, Failed };

// Runs one user action to its end and reports how it ended.
Outcome RunAction(QWidget* parent, const std::function<void()>& action);

// Connects a button's click to an action that runs through RunAction.
void OnClick(QAbstractButton* button, QWidget* parent, std::function<void()> action);

}  // namespace vantrel::app
