#pragma once
// One person's entry row: name, calendar kind, birth year, month, day, hour
// and minute, with the sex on the chart page and the blood type on the
// marriage page. The marriage page shows two rows (the man's and the
// woman's), the chart page one.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "calendar/solar_time.h"
#include "reports/entry_texts.h"

class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vantrel::app {

class ControlRow;

class EntryRow : public QWidget {
 public:
  // The object names of the row's controls. A couple's row has no sex list
  // and a single person's no blood type; their names stay null.
  struct Names {
    const char* name;
    const char* sex;
    const char* calendar;
    const char* year;
    const char* month;
    const char* day;
    const char* hour;
    const char* minute;
    const char* blood;
  };

  // The row of one person of a couple, under the heading "男方基本信息" or
  // "女方基本信息": name, calendar kind, birth and blood type.
  static EntryRow* ForCouple(QWidget* parent, const QString& heading, const Names& names);
  // The row of a single person: name, sex, calendar kind and birth.
  static EntryRow* ForSingle(QWidget* parent, const Names& names);

  // The row's texts as typed, for the report's reader.
  EntryTexts Texts() const;
  // The typed name without surrounding blanks.
  QString Name() const;
  // The picked sex, "男" or "女" (a row without a sex list: empty).
  QString Sex() const;
  void FocusName();
  // Shows a Gregorian birth: calendar kind 公历, the date and minute as
  // numbers, the hour as its item ("辰 8").
  void ShowGregorianBirth(CivilDate date, int hour, int minute);
  // Shows the birth corrected to true solar time and keeps the correction:
  // a note beside the row names the birthplace, its button puts the clock
  // time back, and the report prints the correction after the birth line.
  // Changing the date or the time by hand drops it.
  void ShowCorrectedBirth(const SolarTimeCorrection& correction);
  // The report's line of the kept correction; none without one.
  std::optional<std::string> CorrectionLine() const;
  // Puts the clock time of the kept correction back and drops it.
  void UndoCorrection();
  bool HasCorrection() const;
  // Called when the correction's note line shows or hides.
  void SetOnCorrectionShown(std::function<void()> changed);
  // Adds the item "不详" after the 24 hours of the hour list.
  void OfferUnknownHour();

 private:
  explicit EntryRow(QWidget* parent);
  // Year, month, day, hour and minute with their labels; the label after the
  // minute is the caller's.
  void AddBirthFields(ControlRow& row, const Names& names);
  // Screen readers name each field after its label, on the marriage page
  // after the person too ("男方姓名").
  void NameFieldsFor(const QString& person);
  // The layout of the row's controls, on the row's first line.
  QHBoxLayout* ControlsLayout();
  // The line under the controls with the note and the undo button of a
  // correction, hidden until one is kept.
  void AddCorrectionNote();
  void DropCorrection();

  QLineEdit* name_ = nullptr;
  QComboBox* sex_ = nullptr;
  QComboBox* calendar_ = nullptr;
  QComboBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QComboBox* hour_ = nullptr;
  QComboBox* minute_ = nullptr;
  QComboBox* blood_ = nullptr;
  QVBoxLayout* lines_ = nullptr;
  QWidget* note_line_ = nullptr;
  QLabel* correction_note_ = nullptr;
  QToolButton* undo_correction_ = nullptr;
  std::optional<SolarTimeCorrection> correction_;
  bool showing_ = false;  // the row itself is writing its fields
  std::function<void()> on_correction_shown_;
};

}  // namespace vantrel::app
