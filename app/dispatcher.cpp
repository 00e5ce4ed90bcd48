#include "app/dispatcher.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <exception>

#include "common/errors.h"

namespace vantrel::app {
namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

namespace {
QString CaptionOf(BoxKind kind) {
  return kind == BoxKind::Error ? QString::fromUtf8(kAppTitle) : QStringLiteral("提示");
}
}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, BoxKind kind, const QString& text) {
  auto box = std::make_unique<QMessageBox>(kind == BoxKind::Notice    ? QMessageBox::Information
                                           : kind == BoxKind::Warning ? QMessageBox::Warning
                                                                      : QMessageBox::Critical,
                                           CaptionOf(kind), text, QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  return box;
}

void ShowMessageBox(QWidget* parent, BoxKind kind, const QString& text) {
  if (Hook()) {
    Hook()(kind, CaptionOf(kind), text);
    return;
  }
  MakeMessageBox(parent, kind, text)->exec();
}

void WindowNotifier::ShowNotice(std::string_view text) {
  ShowMessageBox(parent_, BoxKind::Notice,
                 QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Outcome RunAction(QWidget* parent, const std::function<void()>& action) {
  try {
    action();
    return Outcome::Done;
  } catch (const SilentCancel&) {
    return Outcome::Cancelled;
  } catch (const std::exception& e) {
    ShowMessageBox(parent, BoxKind::Error, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowMessageBox(parent, BoxKind::Error, QStringLiteral("Unknown error"));
  }
  return Outcome::Failed;
}

void OnClick(QAbstractButton* button, QWidget* parent, std::function<void()> action) {
  QObject::connect(button, &QAbstractButton::clicked, parent,
                   [parent, action = std::move(action)] { RunAction(parent, action); });
}

}  // namespace vantrel::app
