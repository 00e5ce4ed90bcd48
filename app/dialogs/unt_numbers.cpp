#include "app/dialogs/unt_numbers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/dialogs/digit_entry.h"
#include "app/dialogs/entry_group.h"
#include "app/panes.h"

namespace vantrel::app {
namespace {

struct Layout {
  const char* caption;
  QSize size;
  const char* input_label;
  int entry_length;
  const char* result_labels[4];
};

const Layout& LayoutOf(NumberDialog kind) {
  static const Layout kMobile = {
      "手机号码测算", {437, 300}, "输入号码：", 11, {"手机号码是：", "状态：", "吉凶：", "具体表现："}};
  static const Layout kQQ = {
      "QQ号码测试", {388, 270}, "QQ号码：", 18, {"qq号码是：", "状态：", "吉凶：", "具体表现："}};
  static const Layout kAny = {
      "任意号码分析", {388, 271}, "任意号码：", 18, {"输入号码是：", "状态：", "吉凶：", "具体表现："}};
  return kind == NumberDialog::Mobile ? kMobile : kind == NumberDialog::QQ ? kQQ : kAny;
}

}  // namespace

TFrmNumber::TFrmNumber(QWidget* parent, NumberDialog kind) : QDialog(parent), kind_(kind) {
  const Layout& layout = LayoutOf(kind);
  const bool mobile = kind == NumberDialog::Mobile;
  SetUpDialogWindow(this, QString::fromUtf8(layout.caption), layout.size);
  const int width = layout.size.width() - 16;

  const int input_height = mobile ? 76 : 56;
  const EntryGroup input =
      MakeEntryGroup(this, QRect(8, 4, width, input_height), QString::fromUtf8(layout.input_label),
                     layout.entry_length, [this] { RzBitBtn1Click(); });
  entry_ = input.entry;
  AcceptDigitsOnly(entry_);
  if (mobile) {
    auto* hint = new QLabel(QStringLiteral("请注意：手机号码是11位，请正确输入。"), input.box);
    hint->setGeometry(10, 50, width - 20, 16);
    hint->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
  }

  const int result_top = 4 + input_height + 6;
  const int result_height = mobile ? 150 : layout.size.height() - result_top - 8;
  auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
  result->setGeometry(8, result_top, width, result_height);
  const int value_left = 90;
  QLabel* fields[4] = {};
  const char* const names[] = {"ValueNumber", "ValueState", "ValueLuck", "ValueDescription"};
  for (int i = 0; i < 4; ++i) {
    const int y = 22 + i * 24;
    auto* label = new QLabel(QString::fromUtf8(layout.result_labels[i]), result);
    label->setGeometry(10, y, value_left - 12, 18);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const int height = i == 3 ? result_height - y - 8 : 18;
    const QRect place(value_left, y, width - value_left - 10, height);
    fields[i] = i == 3 ? MakeWrappingValueField(result, names[i], place, label->text().chopped(1))
                       : MakeValueField(result, names[i], place, i == 2 ? QStringLiteral("red") : QString());
  }
  number_ = fields[0];
  state_ = fields[1];
  luck_ = fields[2];
  description_ = fields[3];

  if (mobile) {
    auto* note = new QLabel(
        QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运"
                       "的意义是一样的。"
                       "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"),
        this);
    note->setWordWrap(true);
    note->setGeometry(10, result_top + result_height + 4, width - 4,
                      layout.size.height() - result_top - result_height - 8);
  }
}

void TFrmNumber::RzBitBtn1Click() {
  ApplyOutcome(MeasureNumber(kind_, entry_->text().toStdString()), this, [this](const NumberVerdictValue& v) {
    const NumberFields f = RenderNumberFields(v);
    number_->setText(Qt8(f.number));
    state_->setText(Qt8(f.state));
    luck_->setText(Qt8(f.luck));
    description_->setText(Qt8(f.description));
  });
}

}  // namespace vantrel::app
