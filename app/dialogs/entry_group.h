#pragma once
// The input group of the divination dialogs: a label, the entry `edtmun`,
// "测算" and "关闭". The entry shows and keeps ASCII letters in upper case;
// "关闭" closes the dialog. Enter in the entry and "测算" both run the dialog's
// action through the dispatcher.
#include <QRect>
#include <QString>
#include <functional>

#include "app/dispatcher.h"
#include "app/qt_text.h"
#include "divination/outcome.h"

class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::app {

struct EntryGroup {
  QGroupBox* box = nullptr;
  QLineEdit* entry = nullptr;
  QPushButton* compute = nullptr;
  QPushButton* close = nullptr;
};

EntryGroup MakeEntryGroup(QDialog* dialog, const QRect& geometry, const QString& label, int max_length,
                          std::function<void()> measure);

// A value field of a result group.
QLabel* MakeValueField(QWidget* parent, const char* name, const QRect& geometry, const QString& colour = {});

// A value field for a text of several lines: it wraps at the field's width
// and scrolls vertically when the text is taller than the field, so no part
// of a long description is cut off. The scrolling field takes the Tab focus
// (the arrows scroll it) and is named `accessible_name` for screen readers.
QLabel* MakeWrappingValueField(QWidget* parent, const char* name, const QRect& geometry,
                               const QString& accessible_name, const QString& colour = {});

// Shows what a dialog's "测算" read: `show` renders a result into the
// fields; a notice goes into the notice box; no change leaves all as it was.
template <typename Value, typename Show>
void ApplyOutcome(const DialogOutcome<Value>& outcome, QWidget* dialog, Show show) {
  using Kind = typename DialogOutcome<Value>::Kind;
  switch (outcome.kind) {
    case Kind::Result:
      show(outcome.value);
      break;
    case Kind::ShowNotice:
      WindowNotifier(dialog).ShowNotice(outcome.notice);
      break;
    case Kind::NoChange:
      break;
  }
}

}  // namespace vantrel::app
