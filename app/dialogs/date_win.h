#pragma once
// The month calendar TFRM_Date ("澄岚日历"): one Gregorian month as 37 day
// cells with their lunar days, lunar months, festivals and solar terms, the
// year's branch and animal and the constellation of the selected day. The
// user moves through 1901..2050 with the year and month spinners, jumps back
// to today and selects a day. It is a viewer: the date is returned to no one.
// When the focus leaves it, it closes.
#include <QDialog>
#include <QFont>
#include <QRect>
#include <array>
#include <functional>

#include "calendar/month_grid.h"
#include "common/datetime.h"

class QFrame;
class QLabel;
class QToolButton;

namespace vantrel::app {

// A spin button pair without a text of its own; it stops at its limits.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QWidget* parent, int minimum, int maximum);
  int value() const { return value_; }
  void setValue(int value);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // The arrows: move one step within the range, then report the click.
  void Up();
  void Down();
  std::function<void()> on_click;

 private:
  int minimum_;
  int maximum_;
  int value_;
};

class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  // The dialog date is today unless another date is given.
  explicit TFRM_Date(QWidget* parent = nullptr, DateTime date = Today());

  DateTime DialogDate() const { return date_; }
  int ShownYear() const { return year_; }
  int ShownMonth() const { return month_; }
  int SelectedDay() const { return day_; }
  UpDown* YearSpinner() const { return up_down1_; }
  UpDown* MonthSpinner() const { return up_down2_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // One of the two numbers at the top (the year, the month): the clickable
  // number, its unit and its spinner, which sets `value` and redraws.
  struct DatePart {
    const char* label_name;
    const char* spinner_name;
    QFont font;
    QRect label;
    const char* unit;
    int unit_left;
    int spinner_left;
    int minimum;
    int maximum;
    const char* hint;
  };
  QLabel* AddDatePart(const DatePart& part, int TFRM_Date::*value, UpDown*& spinner);
  void FormShow();
  void ShowMonth(DateTime date);
  void SelectCell(int cell);
  void StoreSelectedDate();

  DateTime date_;
  int year_ = 0;
  int month_ = 0;
  int day_ = 0;
  bool was_active_ = false;

  QLabel* label1_;   // the year
  QLabel* label17_;  // the month
  QLabel* label20_;  // the year's watermark
  QLabel* label16_;  // the month's watermark
  QLabel* label21_;  // the year's branch and animal
  QLabel* label22_;  // the constellation of the selected day
  UpDown* up_down1_;
  UpDown* up_down2_;
  QFrame* shape2_;  // the marker of the selected cell
  std::array<QLabel*, 37> day_labels_{};
  std::array<QLabel*, 37> text_labels_{};
  MonthGrid grid_;  // the month drawn last; a click on a cell reads its day here
};

}  // namespace vantrel::app
