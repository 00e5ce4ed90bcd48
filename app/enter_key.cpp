#include "app/enter_key.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace vantrel::app {
namespace {

bool PopupShown(QObject* watched) {
  if (auto* box = qobject_cast<QComboBox*>(watched)) {
    if (box->view() && box->view()->isVisible()) return true;
    if (box->lineEdit() && box->lineEdit()->completer() && box->lineEdit()->completer()->popup() &&
        box->lineEdit()->completer()->popup()->isVisible())
      return true;
  }
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
    if (edit->completer() && edit->completer()->popup() && edit->completer()->popup()->isVisible())
      return true;
    if (auto* box = qobject_cast<QComboBox*>(edit->parent())) return PopupShown(box);
  }
  return false;
}

class EnterPresses : public QObject {
 public:
  EnterPresses(QWidget* area, QAbstractButton* button) : QObject(area), button_(button) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (PopupShown(watched) || !button_ || !button_->isEnabled()) return false;
    button_->click();
    return true;
  }

 private:
  QPointer<QAbstractButton> button_;
};

}  // namespace

void PressOnEnter(QWidget* area, QAbstractButton* button) {
  auto* filter = new EnterPresses(area, button);
  for (QWidget* field : area->findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field)) field->installEventFilter(filter);
  }
}

}  // namespace vantrel::app
