// lunar, solar and terms: the lunar calendar on the command line.
#include <string>
#include <vector>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "cli/cli.h"
#include "common/datetime.h"
#include "common/errors.h"
#include "export/json_values.h"
#include "export/terms_calendar.h"

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
  const std::optional<CivilDate> fields = DateFieldsOf(s);
  if (!fields) throw ConvertError("'" + raw + "' is not a valid lunar date");
  d.year = fields->year;
  d.month = fields->month;
  d.day = fields->day;
  return d;
}

json::Json LunarJson(const std::vector<std::string>& in) {
  const DateTime date = StrToDate(in[0]);
  return {{"date", FormatDate(date)}, {"lunar", json::LunarDateJson(SolarToLunar(date))}};
}

std::vector<std::string> Solar(const std::vector<std::string>& in) {
  return {FormatDate(LunarToSolar(ParseLunar(in[0])))};
}

json::Json SolarJson(const std::vector<std::string>& in) {
  const LunarDate d = ParseLunar(in[0]);
  return {{"lunar", {{"year", d.year}, {"month", d.month}, {"day", d.day}, {"leap", d.isLeap}}},
          {"date", json::DateJson(LunarToSolar(d))}};
}

int TermYear(const std::string& text) {
  const int year = StrToInt(text);
  if (year < 1900 || year > 2100) throw UsageError("the year must lie in 1900..2100");
  return year;
}

int Terms(Context& ctx, const std::vector<std::string>& given) {
  std::vector<std::string> args = given;
  const std::map<std::string, std::string> options = TakeOptions(ctx, args, {"ics"}, {"quiet"});
  if (args.empty() || args.size() > 2) throw UsageError("expected a year, or a first and a last year");
  const int first = TermYear(args[0]);
  const int last = args.size() == 2 ? TermYear(args[1]) : first;
  if (last < first) throw UsageError("the last year comes before the first");
  if (const auto ics = options.find("ics"); ics != options.end()) {
    if (ics->second.empty()) throw UsageError("option --ics needs a file name");
    // "-": the calendar itself is the output.
    if (ics->second == "-") {
      ctx.out << CalendarText(SolarTermCalendarInfo(first, last), SolarTermEvents(first, last));
      return 0;
    }
    WriteCalendarFile(ics->second, SolarTermCalendarInfo(first, last), SolarTermEvents(first, last));
  }
  if (options.count("quiet") > 0) return 0;
  for (int year = first; year <= last; ++year) {
    if (ctx.json) {
      ctx.OutJson({{"year", year}, {"terms", json::SolarTermsJson(year)}});
      continue;
    }
    for (int n = 0; n < 24; ++n) {
      ctx.Out(std::string(SolarTermNames[n]) + "\t" + FormatDateTime(SolarTermInstant(year, n)));
    }
  }
  return 0;
}

VANTREL_CLI_COMMAND({"lunar", "Gregorian date to lunar date",
                     "Usage: vantrel-cli lunar DATE|-\n"
                     "  DATE is year-month-day (2013-9-21). Prints the date, the lunar year, month,\n"
                     "  day, the leap flag (0/1) and the lunar date in words, tab-separated.\n"
                     "  Outside 1900-01-31..2100-12-31 the lunar fields are 0 and the words empty.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, Lunar, LunarJson);
                     },
                     true});

VANTREL_CLI_COMMAND({"solar", "lunar date to Gregorian date",
                     "Usage: vantrel-cli solar LUNAR|-\n"
                     "  LUNAR is year-month-day, with the suffix L for the leap month (2020-4-1L).\n"
                     "  Prints the Gregorian date, or 0001-01-01 when the lunar date does not exist.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, Solar, SolarJson);
                     },
                     true});

VANTREL_CLI_COMMAND({"terms", "the 24 solar terms of a year",
                     "Usage: vantrel-cli terms YEAR [LAST_YEAR] [--ics FILE [--quiet]]\n"
                     "  Prints the 24 solar terms of YEAR (1900..2100), or of each year from YEAR to\n"
                     "  LAST_YEAR, one per line: the name and the instant (Beijing time) as\n"
                     "  yyyy-mm-dd hh:mm:ss, tab-separated.\n"
                     "  --ics FILE         also write the terms as an iCalendar file: each term an\n"
                     "                     event at its instant (in UTC; Beijing time in the\n"
                     "                     description), with a UID that stays the same, so that a\n"
                     "                     calendar importing the file again updates its events;\n"
                     "                     with FILE \"-\" the calendar is printed instead\n"
                     "  --quiet            do not print the terms on standard output",
                     Terms, true});

}  // namespace
}  // namespace vantrel::cli
