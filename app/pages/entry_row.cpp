#include "app/pages/entry_row.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "app/display_script.h"
#include "app/pages/controls.h"

namespace vantrel::app {
namespace {

// "子 0", "丑 1", "丑 2", ... "亥 22", "子 23": the branch of the double hour,
// a blank and the clock hour.
QStringList HourItems() {
  QStringList items;
  for (const char* item : kHourItems) items << Qt8(item);
  return items;
}

}  // namespace

EntryRow::EntryRow(QWidget* parent) : QWidget(parent) {
  lines_ = new QVBoxLayout(this);
  lines_->setContentsMargins(0, 0, 0, 0);
  lines_->setSpacing(2);
}

QHBoxLayout* EntryRow::ControlsLayout() {
  auto* controls = new QHBoxLayout;
  lines_->addLayout(controls);
  return controls;
}

EntryRow* EntryRow::ForCouple(QWidget* parent, const QString& heading, const Names& names) {
  auto* entry = new EntryRow(parent);
  ControlRow row(entry, entry->ControlsLayout());
  QLabel* title = row.Label(heading);
  title->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold;"));
  row.Label(Qt8("姓名"));
  entry->name_ = row.Put(MakeNameEntry(entry, names.name), 80);
  entry->calendar_ =
      row.Put(MakeList(entry, names.calendar, {Qt8("公历(阳历)"), Qt8("农历(阴历)")}, false), 84);
  entry->AddBirthFields(row, names);
  row.Label(Qt8("分 血型"));
  entry->blood_ = row.Put(
      MakeList(entry, names.blood, {QString(), Qt8("A型"), Qt8("B型"), Qt8("O型"), Qt8("AB型")}, false), 54);
  entry->blood_->setCurrentIndex(-1);
  row.Finish();
  entry->AddCorrectionNote();
  entry->NameFieldsFor(heading.left(2));
  return entry;
}

EntryRow* EntryRow::ForSingle(QWidget* parent, const Names& names) {
  auto* entry = new EntryRow(parent);
  ControlRow row(entry, entry->ControlsLayout());
  row.Label(Qt8("姓名"));
  entry->name_ = row.Put(MakeNameEntry(entry, names.name), 90);
  row.Label(Qt8("姓别"));
  entry->sex_ = row.Put(MakeList(entry, names.sex, {Qt8("男"), Qt8("女")}, false), 44);
  entry->calendar_ = row.Put(MakeList(entry, names.calendar, {Qt8("公历"), Qt8("农历")}, false), 56);
  entry->AddBirthFields(row, names);
  row.Label(Qt8("分"));
  row.Finish();
  entry->AddCorrectionNote();
  entry->NameFieldsFor(QString());
  return entry;
}

void EntryRow::AddBirthFields(ControlRow& row, const Names& names) {
  year_ = row.Put(MakeList(this, names.year, Numbers(1900, 2019, 0), true), 56);
  year_->setMaxVisibleItems(30);
  SetListText(year_, QStringLiteral("1980"));
  row.Label(Qt8("年"));
  month_ = row.Put(MakeList(this, names.month, Numbers(1, 12, 0), true), 42);
  row.Label(Qt8("月"));
  day_ = row.Put(MakeList(this, names.day, Numbers(1, 31, 0), true), 42);
  row.Label(Qt8("日"));
  hour_ = row.Put(MakeList(this, names.hour, HourItems(), true), 60);
  hour_->setMaxVisibleItems(24);
  // The branch of an hour item is no word to convert (丑 is not 醜).
  hour_->setProperty("vantrelKeepItems", hour_->count());
  row.Label(Qt8("时"));
  minute_ = row.Put(MakeList(this, names.minute, Numbers(0, 59, 0), true), 42);
}

void EntryRow::AddCorrectionNote() {
  // A line of its own under the controls, shown only while a correction is kept.
  note_line_ = new QWidget(this);
  ControlRow row(note_line_, new QHBoxLayout(note_line_));
  correction_note_ = row.Label(QString());
  correction_note_->setObjectName(name_->objectName() + QStringLiteral("Corrected"));
  correction_note_->setStyleSheet(QStringLiteral("color: #1a5c8b;"));
  undo_correction_ = new QToolButton(note_line_);
  undo_correction_->setObjectName(name_->objectName() + QStringLiteral("Undo"));
  undo_correction_->setText(Qt8("撤销校正"));
  undo_correction_->setToolTip(Qt8("恢复校正前的钟表时间"));
  undo_correction_->setAccessibleName(Qt8("撤销真太阳时校正"));
  row.Put(undo_correction_, undo_correction_->fontMetrics().horizontalAdvance(undo_correction_->text()) + 16);
  row.Finish();
  note_line_->hide();
  lines_->addWidget(note_line_);
  connect(undo_correction_, &QToolButton::clicked, this, [this] { UndoCorrection(); });
  // A date or time changed by hand is no longer the corrected one.
  for (QComboBox* field : {calendar_, year_, month_, day_, hour_, minute_}) {
    connect(field, &QComboBox::currentTextChanged, this, [this] {
      if (!showing_) DropCorrection();
    });
  }
}

void EntryRow::SetOnCorrectionShown(std::function<void()> changed) {
  on_correction_shown_ = std::move(changed);
}

void EntryRow::DropCorrection() {
  const bool was = correction_.has_value();
  correction_.reset();
  note_line_->hide();
  if (was && on_correction_shown_) on_correction_shown_();
}

void EntryRow::ShowCorrectedBirth(const SolarTimeCorrection& correction) {
  const ClockTime t = DecodeTime(correction.birth);
  ShowGregorianBirth(DecodeDate(correction.birth), correction.hour, t.minute);
  correction_ = correction;
  const QString note =
      Qt8("已按" + correction.place.name + "真太阳时校正" + CorrectionText(correction.totalSeconds));
  correction_note_->setText(note);
  correction_note_->setFixedWidth(correction_note_->fontMetrics().horizontalAdvance(note) + 1);
  correction_note_->setToolTip(Qt8(SolarTimeReportLine(correction)));
  note_line_->show();
  if (on_correction_shown_) on_correction_shown_();
}

bool EntryRow::HasCorrection() const { return correction_.has_value(); }

std::optional<std::string> EntryRow::CorrectionLine() const {
  if (!correction_) return std::nullopt;
  return SolarTimeReportLine(*correction_);
}

void EntryRow::UndoCorrection() {
  if (!correction_) return;
  const DateTime clock = correction_->clock;
  const ClockTime t = DecodeTime(clock);
  DropCorrection();
  ShowGregorianBirth(DecodeDate(clock), t.hour, t.minute);
}

void EntryRow::NameFieldsFor(const QString& person) {
  const std::pair<QWidget*, const char*> fields[] = {
      {name_, "姓名"},  {sex_, "性别"},    {calendar_, "历法"}, {year_, "出生年"}, {month_, "出生月"},
      {day_, "出生日"}, {hour_, "出生时"}, {minute_, "出生分"}, {blood_, "血型"},
  };
  for (const auto& [field, label] : fields) {
    if (field) field->setAccessibleName(person + Qt8(label));
  }
}

EntryTexts EntryRow::Texts() const {
  EntryTexts entry;
  entry.name = name_->text().toStdString();
  entry.calendar = calendar_->currentIndex() == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
  entry.year = year_->currentText().toStdString();
  entry.month = month_->currentText().toStdString();
  entry.day = day_->currentText().toStdString();
  // The list's items are the program's, shown in the display script.
  entry.hour = Unshown(hour_->currentText()).toStdString();
  entry.minute = minute_->currentText().toStdString();
  return entry;
}

QString EntryRow::Name() const { return name_->text().trimmed(); }

QString EntryRow::Sex() const { return sex_ ? sex_->currentText() : QString(); }

void EntryRow::FocusName() { name_->setFocus(); }

void EntryRow::OfferUnknownHour() {
  hour_->addItem(Qt8(kUnknownHourItem));
  hour_->setMaxVisibleItems(hour_->count());
}

void EntryRow::ShowGregorianBirth(CivilDate date, int hour, int minute) {
  // A birth shown by the program replaces any correction kept before.
  DropCorrection();
  showing_ = true;
  calendar_->setCurrentIndex(0);  // 公历
  SetListText(year_, QString::number(date.year));
  SetListText(month_, QString::number(date.month));
  SetListText(day_, QString::number(date.day));
  SetListText(hour_, Qt8(kHourItems.at(static_cast<std::size_t>(hour))));
  SetListText(minute_, QString::number(minute));
  showing_ = false;
}

}  // namespace vantrel::app
