#include "calendar/month_grid.h"

#include <algorithm>

#include "calendar/cn_calendar.h"
#include "common/text.h"

namespace vantrel {

std::uint32_t CellColour(CellSource source) {
  switch (source) {
    case CellSource::LunarDay:
      return 0x004000;  // dark green
    case CellSource::LunarMonth:
      return 0xFF0000;  // red
    case CellSource::SolarTerm:
      return 0x5353FF;  // blue
    case CellSource::SolarFestival:
    case CellSource::LunarFestival:
      return 0xFF8000;  // orange
  }
  return 0x000000;
}

namespace {

PixelRect CellPlace(const PixelRect& first, int cell) {
  const int row = (cell - 1) / kMonthGridColumns;
  const int column = (cell - 1) % kMonthGridColumns;
  return {first.left + column * kCellColumnStep, first.top + row * kCellRowStep, first.width, first.height};
}

// What a day's cell says: each later source replaces the earlier one.
void FillCellText(MonthCell& cell, DateTime date, int year, int month, int day) {
  cell.text = CnLunarDayText(date);
  cell.source = CellSource::LunarDay;
  if (cell.text == "初一") {
    cell.text = CnLunarMonthText(date);
    cell.source = CellSource::LunarMonth;
  }
  // A Gregorian festival replaces the lunar text only when its name is longer
  // than three GBK bytes.
  if (std::string festival = CnSolarFestival(year, month, day); text::GbkWidth(festival) > 3) {
    cell.text = std::move(festival);
    cell.source = CellSource::SolarFestival;
  }
  if (std::string term = CnSolarTermText(date); !term.empty()) {
    cell.text = std::move(term);
    cell.source = CellSource::SolarTerm;
  }
  if (std::string festival = CnLunarFestival(date); !festival.empty()) {
    cell.text = std::move(festival);
    cell.source = CellSource::LunarFestival;
  }
  cell.colour = CellColour(cell.source);
}

}  // namespace

PixelRect DayLabelRect(int cell) { return CellPlace(kDayLabelTemplate, cell); }

PixelRect TextLabelRect(int cell) { return CellPlace(kTextLabelTemplate, cell); }

PixelRect MarkerRect(int cell) {
  const PixelRect day = DayLabelRect(cell);
  return {day.left - 1, day.top + 1, kMarkerWidth, kMarkerHeight};
}

DateTime ClampedDate(int year, int month, int day) {
  return EncodeDate(year, month, std::min(day, CnDaysInMonth(year, month)));
}

MonthGrid BuildMonthGrid(int year, int month, int selectedDay) {
  const DateTime shown = ClampedDate(year, month, selectedDay);
  const DateTime first = EncodeDate(year, month, 1);

  MonthGrid grid;
  grid.year = year;
  grid.month = month;
  grid.selectedDay = DecodeDate(shown).day;
  grid.daysInMonth = CnDaysInMonth(year, month);
  grid.firstCell = DayOfWeek(first);  // 1 = Sunday, the first column
  grid.zodiac = CnZodiacText(shown);
  for (int i = 1; i <= kMonthGridCells; ++i) {
    MonthCell& cell = grid.cells[i - 1];
    cell.index = i;
    cell.row = (i - 1) / kMonthGridColumns;
    cell.column = (i - 1) % kMonthGridColumns;
  }
  for (int day = 1; day <= grid.daysInMonth; ++day) {
    MonthCell& cell = grid.cells[grid.firstCell + day - 2];
    cell.day = day;
    FillCellText(cell, first + (day - 1), year, month, day);
    if (day == grid.selectedDay) {
      grid.selectedCell = cell.index;
      grid.constellation = CnConstellation(month, day);
    }
  }
  return grid;
}

}  // namespace vantrel
