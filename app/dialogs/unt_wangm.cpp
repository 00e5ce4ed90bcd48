#include "app/dialogs/unt_wangm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/dialogs/entry_group.h"
#include "app/panes.h"
#include "divination/pinyin.h"

namespace vantrel::app {

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent) {
  SetUpDialogWindow(this, QStringLiteral("网名与性格"), QSize(395, 213));
  const EntryGroup input = MakeEntryGroup(this, QRect(8, 4, 379, 56), QStringLiteral("输入网名："), 18,
                                          [this] { RzBitBtn1Click(); });
  entry_ = input.entry;

  auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
  result->setGeometry(8, 66, 379, 139);
  name_line_ = MakeValueField(result, "ValueName", QRect(12, 24, 355, 18), QStringLiteral("green"));
  phrase_line_ = MakeWrappingValueField(result, "ValuePhrase", QRect(12, 48, 355, 80),
                                        QStringLiteral("网名与性格"), QStringLiteral("navy"));
}

void TFrmWangming::RzBitBtn1Click() {
  ApplyOutcome(MeasureNetName(entry_->text().toStdString()), this, [this](const NetNameValue& value) {
    const NetNameLines lines = RenderNetNameLines(value);
    name_line_->setText(Qt8(lines.name_line));
    phrase_line_->setText(Qt8(lines.phrase_line));
  });
}

}  // namespace vantrel::app
