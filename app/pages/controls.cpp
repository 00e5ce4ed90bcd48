#include "app/pages/controls.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidgetItem>
#include <algorithm>

#include "app/display_script.h"

namespace vantrel::app {
namespace {

class FixedSizeItem : public QWidgetItem {
 public:
  explicit FixedSizeItem(QWidget* widget) : QWidgetItem(widget) {}
  QSize sizeHint() const override { return isEmpty() ? QSize(0, 0) : widget()->minimumSize(); }
  QSize minimumSize() const override { return sizeHint(); }
  QSize maximumSize() const override { return sizeHint(); }
};

}  // namespace

QString ResourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QStringList Numbers(int first, int last, int digits) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
  return items;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  return box;
}

void SetListText(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  box->setCurrentIndex(index);
  if (index < 0 && box->isEditable()) box->setEditText(text);
}

QLineEdit* MakeNameEntry(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(20);
  // The limit counts UTF-16 units: a character outside the Basic
  // Multilingual Plane (an emoji, a rare CJK ideograph) that straddles it
  // would be cut in half and reach the report as "?". Such a half goes.
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
    if (text.isEmpty() || !text.back().isHighSurrogate()) return;
    const int cursor = edit->cursorPosition();
    edit->setText(text.chopped(1));
    edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
  });
  return edit;
}

ControlRow::ControlRow(QWidget* parent, QHBoxLayout* layout) : parent_(parent), layout_(layout) {
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(kRowGap);
}

QLabel* ControlRow::Label(const QString& text) {
  auto* label = new QLabel(text, parent_);
  // One pixel more than the text's advance, so the last glyph is never clipped.
  AddFixed(label, label->fontMetrics().horizontalAdvance(text) + 1);
  return label;
}

void AddFixedSize(QBoxLayout* layout, QWidget* widget, Qt::Alignment alignment) {
  auto* item = new FixedSizeItem(widget);
  item->setAlignment(alignment);
  layout->addItem(item);
}

void ControlRow::Finish() { layout_->addStretch(1); }

void ControlRow::AddFixed(QWidget* widget, int width) {
  widget->setFixedSize(width, kRowHeight);
  AddFixedSize(layout_, widget);
}

}  // namespace vantrel::app

namespace vantrel::app {

QLabel* MakeNoticeLine(QWidget* parent) {
  auto* line = new QLabel(parent);
  line->setObjectName(QStringLiteral("BoundaryNotice"));
  line->setWordWrap(true);
  line->setContentsMargins(8, 2, 8, 2);
  line->setStyleSheet(QStringLiteral("color: #8b1a1a; background: #fff4d6; border: 1px solid #e0c080;"));
  line->setAccessibleName(Qt8("出生时刻提示"));
  line->hide();
  return line;
}

void ShowNoticeLine(QLabel* line, const std::vector<std::string>& warnings) {
  QStringList shown;
  for (const std::string& w : warnings) shown << Shown(Qt8(w));
  line->setText(shown.join(QLatin1Char('\n')));
  line->setVisible(!shown.isEmpty());
}

}  // namespace vantrel::app
