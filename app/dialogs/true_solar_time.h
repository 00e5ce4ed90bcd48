#pragma once
// The 真太阳时 dialog: the clock date and time of a birth and the longitude of
// the birthplace give the true solar time, with each correction shown and
// updated as the user types; three buttons write the corrected Gregorian
// date, hour item and minute into an entry row of the main window.
#include <QDialog>
#include <functional>
#include <optional>

#include "calendar/solar_time.h"
#include "common/datetime.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vantrel::app {

// Where the corrected birth goes.
enum class BirthTarget { MarriageMan, MarriageWoman, Chart };

class TFrmSolarTime : public QDialog {
  Q_OBJECT

 public:
  // `fill` writes a corrected birth into the named row.
  using Fill = std::function<void(BirthTarget, const SolarTimeCorrection&)>;
  explicit TFrmSolarTime(QWidget* parent = nullptr, Fill fill = {});

  QDateEdit* DateEntry() const { return date_; }
  QSpinBox* HourEntry() const { return hour_; }
  QSpinBox* MinuteEntry() const { return minute_; }
  QLineEdit* PlaceEntry() const { return place_; }

  // Recomputes every shown value from the entries.
  void Update();

 private:
  void FillInto(BirthTarget target);

  Fill fill_;
  QDateEdit* date_ = nullptr;
  QSpinBox* hour_ = nullptr;
  QSpinBox* minute_ = nullptr;
  QLineEdit* place_ = nullptr;
  QComboBox* fold_ = nullptr;
  QLabel* values_[7] = {};
  QLabel* message_ = nullptr;
  QPushButton* fill_buttons_[3] = {};
  bool valid_ = false;
  std::optional<SolarTimeCorrection> correction_;
};

}  // namespace vantrel::app
