#include "app/dialogs/true_solar_time.h"

#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdlib>
#include <optional>

#include "app/panes.h"
#include "app/qt_text.h"
#include "app/settings.h"
#include "calendar/places.h"
#include "calendar/solar_time.h"

namespace vantrel::app {
namespace {

enum Value { kClock, kSummer, kLongitude, kEquation, kTotal, kSolar, kHourItem };

}  // namespace

TFrmSolarTime::TFrmSolarTime(QWidget* parent, Fill fill) : QDialog(parent), fill_(std::move(fill)) {
  setObjectName(QStringLiteral("FrmSolarTime"));
  SetUpDialogWindow(this, QStringLiteral("真太阳时"), QSize(440, 420));
  auto* layout = new QVBoxLayout(this);

  auto* input = new QGroupBox(QStringLiteral("出生时间（钟表时间）与出生地"), this);
  auto* form = new QFormLayout(input);
  date_ = new QDateEdit(input);
  date_->setObjectName(QStringLiteral("SolarDate"));
  date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  date_->setCalendarPopup(true);
  date_->setDateRange(QDate(1900, 1, 31), QDate(2100, 12, 31));
  date_->setDate(QDate::currentDate());
  date_->setAccessibleName(QStringLiteral("公历出生日期"));
  auto* clock = new QHBoxLayout;
  hour_ = new QSpinBox(input);
  hour_->setObjectName(QStringLiteral("SolarHour"));
  hour_->setRange(0, 23);
  hour_->setSuffix(QStringLiteral(" 时"));
  hour_->setAccessibleName(QStringLiteral("出生时"));
  minute_ = new QSpinBox(input);
  minute_->setObjectName(QStringLiteral("SolarMinute"));
  minute_->setRange(0, 59);
  minute_->setSuffix(QStringLiteral(" 分"));
  minute_->setAccessibleName(QStringLiteral("出生分"));
  clock->addWidget(hour_);
  clock->addWidget(minute_);
  clock->addStretch();
  place_ = new QLineEdit(input);
  place_->setObjectName(QStringLiteral("SolarPlace"));
  place_->setPlaceholderText(QStringLiteral("地名，如 乌鲁木齐；或经度，东经为正，如 87.6"));
  place_->setAccessibleName(QStringLiteral("出生地"));
  // Typing the beginning of a name offers the known places.
  QStringList places;
  for (const PlaceRecord& p : Places()) places << QString::fromStdString(p.name);
  auto* completer = new QCompleter(places, place_);
  completer->setFilterMode(Qt::MatchStartsWith);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  place_->setCompleter(completer);
  fold_ = new QComboBox(input);
  fold_->setObjectName(QStringLiteral("SolarFold"));
  fold_->addItems({QStringLiteral("第一次（仍为夏令时）"), QStringLiteral("第二次（已回到标准时）")});
  fold_->setAccessibleName(QStringLiteral("重复的钟点"));
  form->addRow(QStringLiteral("公历日期："), date_);
  form->addRow(QStringLiteral("钟表时间："), clock);
  form->addRow(QStringLiteral("出生地："), place_);
  form->addRow(QStringLiteral("重复的钟点："), fold_);
  layout->addWidget(input);

  auto* output = new QGroupBox(QStringLiteral("校正"), this);
  auto* shown = new QFormLayout(output);
  const char* const labels[] = {"北京时间：", "夏令时：",   "经度时差：", "均时差：",
                                "合计：",     "真太阳时：", "时辰："};
  const char* const names[] = {"ValueClock", "ValueSummer",    "ValueLongitude", "ValueEquation",
                               "ValueTotal", "ValueSolarTime", "ValueHourItem"};
  for (int i = 0; i < 7; ++i) {
    values_[i] = new QLabel(output);
    values_[i]->setObjectName(QString::fromLatin1(names[i]));
    values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->addRow(QString::fromUtf8(labels[i]), values_[i]);
  }
  values_[kSolar]->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold;"));
  // An hour item: a branch (丑 is no word to convert), the clock hour and a date.
  values_[kHourItem]->setProperty("vantrelAsIs", true);
  message_ = new QLabel(output);
  message_->setObjectName(QStringLiteral("SolarMessage"));
  message_->setWordWrap(true);
  message_->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
  shown->addRow(message_);
  layout->addWidget(output);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, const char*> captions[] = {
      {"BtnFillMan", "填入合婚男方"}, {"BtnFillWoman", "填入合婚女方"}, {"BtnFillChart", "填入八字"}};
  const BirthTarget targets[] = {BirthTarget::MarriageMan, BirthTarget::MarriageWoman, BirthTarget::Chart};
  for (int i = 0; i < 3; ++i) {
    fill_buttons_[i] = new QPushButton(QString::fromUtf8(captions[i].second), this);
    fill_buttons_[i]->setObjectName(QString::fromLatin1(captions[i].first));
    fill_buttons_[i]->setAutoDefault(false);
    connect(fill_buttons_[i], &QPushButton::clicked, this, [this, target = targets[i]] { FillInto(target); });
    buttons->addWidget(fill_buttons_[i]);
  }
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName(QStringLiteral("BtnClose"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(date_, &QDateEdit::dateChanged, this, &TFrmSolarTime::Update);
  connect(hour_, &QSpinBox::valueChanged, this, &TFrmSolarTime::Update);
  connect(minute_, &QSpinBox::valueChanged, this, &TFrmSolarTime::Update);
  connect(place_, &QLineEdit::textChanged, this, &TFrmSolarTime::Update);
  connect(fold_, &QComboBox::currentIndexChanged, this, &TFrmSolarTime::Update);
  // The birthplace of the last use, and this one kept for the next.
  place_->setText(LastBirthplace());
  connect(this, &QDialog::finished, this, [this] { RememberBirthplace(place_->text()); });
  Update();
}

void TFrmSolarTime::Update() {
  valid_ = false;
  correction_.reset();
  for (QLabel* v : values_) v->clear();
  const QDate d = date_->date();
  const DateTime clock =
      EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(hour_->value(), minute_->value(), 0, 0);
  values_[kClock]->setText(Qt8(FormatDateTime(clock).substr(0, 16)));
  const std::string typed = place_->text().trimmed().toStdString();
  std::optional<SolarPlace> place;
  try {
    if (!typed.empty()) place = ParseBirthplace(typed);
  } catch (const ConvertError&) {
    QStringList near;
    for (const std::string& name : NearPlaceNames(typed, 3)) near << QString::fromStdString(name);
    message_->setText(QStringLiteral("没有找到“%1”。").arg(QString::fromStdString(typed)) +
                      (near.isEmpty()
                           ? QStringLiteral("请输入地名或经度（东经为正）。")
                           : QStringLiteral("您是否要找：%1？").arg(near.join(QStringLiteral("、")))));
  }
  if (typed.empty()) {
    message_->setText(QStringLiteral("请输入出生地的地名或经度（东经为正，西经为负）。"));
  } else if (place) {
    try {
      const SolarTimeCorrection c =
          CorrectToSolarTime(clock, *place, fold_->currentIndex() == 1 ? Fold::Second : Fold::First);
      const SolarTimeTexts shown = RenderSolarTime(c);
      const DateTime solar = c.birth;
      values_[kSummer]->setText(Qt8(shown.summer));
      values_[kLongitude]->setText(Qt8(shown.longitude));
      values_[kEquation]->setText(Qt8(shown.equation));
      values_[kTotal]->setText(Qt8(shown.total));
      values_[kSolar]->setText(Qt8(shown.solar));
      values_[kHourItem]->setText(Qt8(shown.hourItem));
      const bool inRange = solar >= EncodeDate(1900, 1, 31) && solar < EncodeDate(2101, 1, 1);
      message_->setText(c.ambiguous ? QStringLiteral("夏令时结束时这一钟点出现两次，请在上面选择是哪一次。")
                        : inRange ? QString()
                                  : QStringLiteral("校正后的时间超出 1900-01-31 至 2100-12-31，无法排盘。"));
      valid_ = inRange;
      if (valid_) correction_ = c;
    } catch (const ClockGapError&) {
      message_->setText(QStringLiteral("这一钟点因夏令时开始被跳过，实际并不存在，请检查出生时间。"));
    } catch (const ConvertError& e) {
      message_->setText(QString::fromUtf8(e.what()));
    }
  }
  for (QPushButton* b : fill_buttons_) b->setEnabled(valid_);
}

void TFrmSolarTime::FillInto(BirthTarget target) {
  if (!valid_ || !correction_ || !fill_) return;
  fill_(target, *correction_);
  accept();
}

}  // namespace vantrel::app
