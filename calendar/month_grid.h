#pragma once
// The month calendar as data: which of the 37 day cells a month fills, what
// each cell says and in which colour, where the selection marker sits, and the
// pixel places of the cells. The calendar dialog only draws what this gives.
//
// The cells run from 1 to 37 in rows of seven, column 0 being Sunday; day 1
// of a month sits in the column of its weekday in the first row.
#include <array>
#include <cstdint>
#include <string>

#include "common/datetime.h"

namespace vantrel {

inline constexpr int kMonthGridCells = 37;
inline constexpr int kMonthGridColumns = 7;

// Where a cell's text comes from. Each later source overrides the earlier ones
// on the same day, in this order.
enum class CellSource {
  LunarDay,       // the lunar day ("初二" .. "三十")
  LunarMonth,     // the lunar month, on the first day of a lunar month
  SolarFestival,  // a Gregorian festival
  SolarTerm,      // a solar term
  LunarFestival,  // a lunar festival
};

// The text colour of a source as 0xRRGGBB.
std::uint32_t CellColour(CellSource source);

// A rectangle in the dialog's client area, in pixels.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The first cell's day-number label and lunar-text label; every further
// column lies 42 pixels to the right, every further row 32 pixels lower.
inline constexpr PixelRect kDayLabelTemplate{14, 56, 36, 16};
inline constexpr PixelRect kTextLabelTemplate{13, 73, 36, 12};
inline constexpr int kCellColumnStep = 42;
inline constexpr int kCellRowStep = 32;
// The light-green box behind the selected cell.
inline constexpr int kMarkerWidth = 38;
inline constexpr int kMarkerHeight = 30;
inline constexpr std::uint32_t kMarkerColour = 0x7EE281;

// The places of cell 1..37: its day-number label, its lunar-text label and
// the selection marker over it (one pixel left of the day number and one
// pixel below its top).
PixelRect DayLabelRect(int cell);
PixelRect TextLabelRect(int cell);
PixelRect MarkerRect(int cell);

struct MonthCell {
  int index = 0;     // 1..37
  int row = 0;       // 0..5
  int column = 0;    // 0 = Sunday .. 6 = Saturday
  int day = 0;       // the day of the month, 0 for a cell the month leaves empty
  std::string text;  // the lunar text shown under the day number
  CellSource source = CellSource::LunarDay;
  std::uint32_t colour = 0;  // 0xRRGGBB of the text

  bool used() const { return day != 0; }
};

struct MonthGrid {
  int year = 0;
  int month = 0;
  int selectedDay = 0;  // after clamping to the month's length
  int daysInMonth = 0;
  int firstCell = 0;          // the cell of day 1
  int selectedCell = 0;       // the cell of the selected day, where the marker goes
  std::string zodiac;         // the branch and animal of the selected date's lunar year
  std::string constellation;  // the constellation of the selected day
  std::array<MonthCell, kMonthGridCells> cells;

  // Cell 1..37.
  const MonthCell& Cell(int index) const { return cells.at(static_cast<std::size_t>(index - 1)); }
  // The cell that shows a day of the month.
  const MonthCell& CellOfDay(int day) const { return Cell(firstCell + day - 1); }
};

// The date Y-M-min(D, days of the month): a day kept from a longer month
// lands on the last day of a shorter one. Throws ConvertError when the month
// lies outside 1..12 or the day is below 1.
DateTime ClampedDate(int year, int month, int day);

// The month Y-M with the day D selected (clamped as ClampedDate does). The
// cell texts come from the calendar texts (calendar/cn_calendar.h), which
// cover 1901..2050; outside those years the cells keep their day numbers and
// Gregorian festivals but have no lunar texts.
MonthGrid BuildMonthGrid(int year, int month, int selectedDay);

}  // namespace vantrel
