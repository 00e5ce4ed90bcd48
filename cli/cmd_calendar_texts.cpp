// calendar-day and month: the month calendar's texts on the command line.
#include <string>
#include <vector>

#include "calendar/cn_calendar.h"
#include "calendar/month_grid.h"
#include "cli/cli.h"
#include "common/datetime.h"
#include "common/text.h"
#include "export/json_values.h"

namespace vantrel::cli {
namespace {

std::vector<std::string> CalendarDay(const std::vector<std::string>& in) {
  const DateTime date = StrToDate(in[0]);
  const CivilDate c = DecodeDate(date);
  const std::vector<std::string> fields = {std::to_string(CnLunarCode(date)),
                                           CnLunarMonthText(date),
                                           CnLunarDayText(date),
                                           CnLunarFestival(date),
                                           CnSolarTermText(date),
                                           CnSolarFestival(c.year, c.month, c.day),
                                           CnZodiacText(date),
                                           CnConstellation(c.month, c.day)};
  return {text::Join(fields, "\t")};
}

// Every column of the printed month is this many terminal columns wide; a
// Chinese character takes two, as many bytes as it has in GBK.
constexpr int kColumnWidth = 8;

std::string Centred(const std::string& s) {
  const int width = static_cast<int>(text::GbkWidth(s));
  const int left = width >= kColumnWidth ? 0 : (kColumnWidth - width) / 2;
  const int right = width >= kColumnWidth ? 0 : kColumnWidth - width - left;
  return std::string(left, ' ') + s + std::string(right, ' ');
}

int Month(Context& ctx, const std::vector<std::string>& args) {
  const Options options = ParseOptions(ctx, args, {"day"});
  if (options.positional.size() != 2) throw UsageError("expected a year and a month");
  const int year = StrToInt(options.positional[0]);
  const int month = StrToInt(options.positional[1]);
  const int day = StrToInt(options.Get("day", "1"));
  if (!CnYearInTables(year)) throw UsageError("the year must lie in 1901..2050");
  if (month < 1 || month > 12) throw UsageError("the month must lie in 1..12");
  if (day < 1 || day > 31) throw UsageError("the day must lie in 1..31");

  const MonthGrid grid = BuildMonthGrid(year, month, day);
  if (ctx.json) {
    ctx.OutJson(json::MonthGridJson(grid));
    return 0;
  }
  ctx.Out(std::to_string(year) + "年" + std::to_string(month) + "月  " + grid.zodiac + "  " +
          std::to_string(grid.selectedDay) + "日 " + grid.constellation);
  static const std::vector<std::string> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};
  std::string heading;
  for (const auto& w : kWeekdays) heading += Centred(w);
  ctx.Out(text::TrimRight(heading));

  const int lastCell = grid.firstCell + grid.daysInMonth - 1;
  for (int rowStart = 1; rowStart <= lastCell; rowStart += kMonthGridColumns) {
    std::string numbers;
    std::string texts;
    // The last row holds only cells 36 and 37.
    for (int i = rowStart; i < rowStart + kMonthGridColumns && i <= kMonthGridCells; ++i) {
      const MonthCell& cell = grid.Cell(i);
      if (!cell.used()) {
        numbers += Centred("");
        texts += Centred("");
        continue;
      }
      const std::string number = std::to_string(cell.day);
      numbers += Centred(cell.index == grid.selectedCell ? "[" + number + "]" : number);
      texts += Centred(cell.text);
    }
    ctx.Out(text::TrimRight(numbers));
    ctx.Out(text::TrimRight(texts));
  }
  return 0;
}

VANTREL_CLI_COMMAND({"calendar-day", "the month calendar's texts of a day",
                     "Usage: vantrel-cli calendar-day DATE|-\n"
                     "  DATE is year-month-day (2013-9-21). Prints, tab-separated: the lunar code\n"
                     "  (100 * month + day, negative in a leap month, 0 outside 1901..2050), the\n"
                     "  lunar month and day texts, the lunar festival, the solar term, the Gregorian\n"
                     "  festival, the year's branch and animal and the constellation. Texts that\n"
                     "  need the calendar tables are empty outside 1901..2050.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, CalendarDay, [](const std::vector<std::string>& in) {
                         return json::CalendarDayJson(StrToDate(in[0]));
                       });
                     },
                     true});

VANTREL_CLI_COMMAND({"month", "a month of the calendar as a table",
                     "Usage: vantrel-cli month YEAR MONTH [--day DAY]\n"
                     "  Prints the month (YEAR 1901..2050, MONTH 1..12) as the calendar dialog shows\n"
                     "  it: a heading with the year, the month, the branch and animal of the lunar\n"
                     "  year and the constellation of the selected day, the weekdays from Sunday,\n"
                     "  and for each week a line of day numbers over a line of their lunar texts\n"
                     "  (lunar day, lunar month on its first day, festival or solar term). DAY\n"
                     "  (default 1, shown in brackets) is kept within the month's length.",
                     Month, true});

}  // namespace
}  // namespace vantrel::cli
