#include "app/dialogs/entry_group.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "divination/pinyin.h"

namespace vantrel::app {

EntryGroup MakeEntryGroup(QDialog* dialog, const QRect& geometry, const QString& label, int max_length,
                          std::function<void()> measure) {
  EntryGroup group;
  group.box = new QGroupBox(dialog);
  group.box->setGeometry(geometry);
  const int y = 22;
  auto* caption = new QLabel(label, group.box);
  caption->setGeometry(10, y + 3, caption->fontMetrics().horizontalAdvance(label) + 2, 16);

  group.entry = new QLineEdit(group.box);
  group.entry->setObjectName(QStringLiteral("edtmun"));
  group.entry->setAccessibleName(QString(label).remove(QStringLiteral("：")));
  group.entry->setMaxLength(max_length);
  group.entry->setGeometry(caption->geometry().right() + 4, y, 150, 22);
  QLineEdit* entry = group.entry;
  QObject::connect(entry, &QLineEdit::textEdited, entry, [entry](const QString& typed) {
    const QString shown = QString::fromStdString(NetNameEntryText(typed.toStdString()));
    if (shown == typed) return;
    const int at = entry->cursorPosition();
    entry->setText(shown);
    entry->setCursorPosition(at);
  });

  group.compute = new QPushButton(QStringLiteral("测算"), group.box);
  group.compute->setObjectName(QStringLiteral("RzBitBtn1"));
  group.close = new QPushButton(QStringLiteral("关闭"), group.box);
  group.close->setObjectName(QStringLiteral("RzBitBtn2"));
  const int left = entry->geometry().right() + 10;
  group.compute->setGeometry(left, y - 1, 64, 24);
  group.close->setGeometry(left + 72, y - 1, 64, 24);
  // Enter belongs to the entry alone: no button may take it as a default.
  group.compute->setAutoDefault(false);
  group.close->setAutoDefault(false);

  OnClick(group.compute, dialog, measure);
  QObject::connect(entry, &QLineEdit::returnPressed, dialog,
                   [dialog, measure] { RunAction(dialog, measure); });
  QObject::connect(group.close, &QPushButton::clicked, dialog, &QDialog::close);
  return group;
}

QLabel* MakeValueField(QWidget* parent, const char* name, const QRect& geometry, const QString& colour) {
  auto* field = new QLabel(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(geometry);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (!colour.isEmpty()) field->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
  return field;
}

QLabel* MakeWrappingValueField(QWidget* parent, const char* name, const QRect& geometry,
                               const QString& accessible_name, const QString& colour) {
  auto* scroller = new QScrollArea(parent);
  scroller->setObjectName(QString::fromLatin1(name) + QStringLiteral("Scroller"));
  scroller->setAccessibleName(accessible_name);
  scroller->setGeometry(geometry);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroller->setWidgetResizable(true);
  scroller->setBackgroundRole(QPalette::Window);
  QLabel* field = MakeValueField(nullptr, name, QRect(), colour);
  field->setWordWrap(true);
  scroller->setWidget(field);
  return field;
}

}  // namespace vantrel::app
