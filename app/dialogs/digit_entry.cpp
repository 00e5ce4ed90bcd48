#include "app/dialogs/digit_entry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <memory>

#include "divination/numbers.h"

namespace vantrel::app {
namespace {

bool IsEditingShortcut(const QKeyEvent* key) {
  for (QKeySequence::StandardKey standard : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                                             QKeySequence::Undo, QKeySequence::Redo}) {
    if (key->matches(standard)) return true;
  }
  return false;
}

// The 粘贴 of a line edit's standard menu: named "edit-paste" by newer Qt,
// known by its (translated) text in older ones.
QAction* PasteAction(const QMenu& menu) {
  const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction* action : menu.actions()) {
    if (action->objectName() == QLatin1String("edit-paste") ||
        action->text().section(QLatin1Char('\t'), 0, 0) == paste)
      return action;
  }
  return nullptr;
}

void PasteDigits(QLineEdit* entry, const QString& text) {
  const QString digits = DigitsOf(text);
  if (!digits.isEmpty()) entry->insert(digits);
}

class DigitKeys : public QObject {
 public:
  explicit DigitKeys(QLineEdit* entry) : QObject(entry), entry_(entry) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        return KeyPress(static_cast<QKeyEvent*>(event));
      case QEvent::ContextMenu:
        ShowMenu(static_cast<QContextMenuEvent*>(event));
        return true;
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (entry_->isReadOnly() || !drop->mimeData()->hasText()) return false;
        entry_->setCursorPosition(entry_->cursorPositionAt(drop->position().toPoint()));
        PasteDigits(entry_, drop->mimeData()->text());
        drop->acceptProposedAction();
        return true;
      }
      default:
        return false;
    }
  }

 private:
  bool KeyPress(QKeyEvent* key) {
    char32_t typed = 0;
    switch (key->key()) {
      case Qt::Key_Backspace:
        typed = 8;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        typed = 13;
        break;
      case Qt::Key_Escape:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Delete:
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Home:
      case Qt::Key_End:
        return false;
      default:
        if (key->matches(QKeySequence::Paste)) {
          PasteDigits(entry_, QApplication::clipboard()->text());
          return true;
        }
        if (IsEditingShortcut(key)) return false;
        if (key->text().isEmpty()) return false;
        typed = key->text().toUcs4().value(0);
    }
    return !NumberKeyAccepted(typed);
  }

  // The entry's own menu, whose 粘贴 brings the digits only.
  void ShowMenu(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(entry_->createStandardContextMenu());
    if (QAction* paste = PasteAction(*menu)) {
      QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
      QObject::connect(paste, &QAction::triggered, entry_,
                       [entry = entry_] { PasteDigits(entry, QApplication::clipboard()->text()); });
    }
    menu->exec(event->globalPos());
  }

  QLineEdit* entry_;
};

}  // namespace

QString DigitsOf(const QString& text) {
  QString digits;
  for (const char32_t c : text.toUcs4()) {
    if (c >= 0x20 && NumberKeyAccepted(c)) digits += QString::fromUcs4(&c, 1);
  }
  return digits;
}

void AcceptDigitsOnly(QLineEdit* entry) { entry->installEventFilter(new DigitKeys(entry)); }

}  // namespace vantrel::app
