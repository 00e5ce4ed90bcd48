// lunar, solar and terms: the lunar calendar on the command line.
#include <string>
#include <vector>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "cli/cli.h"
#include "common/datetime.h"
#include "common/errors.h"

namespace vantrel::cli {
namespace {

// The lunar date in words as the marriage report prints it: "癸巳(蛇年)八月十七".
std::string LunarText(const LunarDate& d) {
  return CycleYearText(CycleIndexOfYear(d.year)) + LunarMonthName(d.month, d.isLeap) + LunarDayName(d.day);
}

std::vector<std::string> Lunar(const std::vector<std::string>& in) {
  const DateTime date = StrToDate(in[0]);
  const LunarDate d = SolarToLunar(date);
  const std::string words = d.year == 0 ? std::string() : LunarText(d);
  return {FormatDate(date) + "\t" + std::to_string(d.year) + "\t" + std::to_string(d.month) + "\t" +
          std::to_string(d.day) + "\t" + (d.isLeap ? "1" : "0") + "\t" + words};
}

// "2020-4-1" or, for the leap month, "2020-4-1L".
LunarDate ParseLunar(const std::string& raw) {
  std::string s = raw;
  LunarDate d;
  if (!s.empty() && (s.back() == 'L' || s.back() == 'l')) {
    d.isLeap = true;
    s.pop_back();
  }
  const auto first = s.find('-');
  const auto second = first == std::string::npos ? std::string::npos : s.find('-', first + 1);
  if (second == std::string::npos || !TryStrToInt(s.substr(0, first), d.year) ||
      !TryStrToInt(s.substr(first + 1, second - first - 1), d.month) ||
      !TryStrToInt(s.substr(second + 1), d.day)) {
    throw ConvertError("'" + raw + "' is not a valid lunar date");
  }
  return d;
}

std::vector<std::string> Solar(const std::vector<std::string>& in) {
  return {FormatDate(LunarToSolar(ParseLunar(in[0])))};
}

int Terms(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) throw UsageError("expected one year");
  const int year = StrToInt(args[0]);
  if (year < 1900 || year > 2100) throw UsageError("the year must lie in 1900..2100");
  for (int n = 0; n < 24; ++n) {
    ctx.Out(std::string(SolarTermNames[n]) + "\t" + FormatDateTime(SolarTermInstant(year, n)));
  }
  return 0;
}

VANTREL_CLI_COMMAND({"lunar", "Gregorian date to lunar date",
                     "Usage: vantrel-cli lunar DATE|-\n"
                     "  DATE is year-month-day (2013-9-21). Prints the date, the lunar year, month,\n"
                     "  day, the leap flag (0/1) and the lunar date in words, tab-separated.\n"
                     "  Outside 1900-01-31..2100-12-31 the lunar fields are 0 and the words empty.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, Lunar);
                     }});

VANTREL_CLI_COMMAND({"solar", "lunar date to Gregorian date",
                     "Usage: vantrel-cli solar LUNAR|-\n"
                     "  LUNAR is year-month-day, with the suffix L for the leap month (2020-4-1L).\n"
                     "  Prints the Gregorian date, or 0001-01-01 when the lunar date does not exist.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, Solar);
                     }});

VANTREL_CLI_COMMAND({"terms", "the 24 solar terms of a year",
                     "Usage: vantrel-cli terms YEAR\n"
                     "  Prints the 24 solar terms of YEAR (1900..2100), one per line: the name and\n"
                     "  the instant as yyyy-mm-dd hh:mm:ss, tab-separated.",
                     Terms});

}  // namespace
}  // namespace vantrel::cli
