// almanac: the almanac page of a day, of a range of days or of the dates on
// standard input, as text, JSON Lines or a calendar file.
#include <cmath>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "cli/cli.h"
#include "cli/report_output.h"
#include "common/datetime.h"
#include "common/text.h"
#include "export/almanac_calendar.h"
#include "export/ics.h"
#include "export/json_values.h"
#include "reports/almanac.h"

namespace vantrel::cli {
namespace {

// A date as 2027-01-01 (or 2027-1-1) inside the almanac's days.
CivilDate AlmanacDate(const std::string& text) {
  const std::optional<DateTime> parsed = TryStrToDate(text);
  if (!parsed) throw UsageError("not a date: '" + text + "' (write 2027-01-01)");
  const DateTime value = *parsed;
  const long n = static_cast<long>(std::floor(value));
  const auto bound = [](CivilDate d) {
    return static_cast<long>(std::floor(EncodeDate(d.year, d.month, d.day)));
  };
  if (n < bound(almanac::kFirstDay) || n > bound(almanac::kLastDay))
    throw NoticeError("黄历只有 1901-01-01 至 2100-12-31 的日子: " + FormatDate(value));
  return DecodeDate(value);
}

// The text of one day: its page, then with --explain an empty line and the
// reason of each word.
std::vector<std::string> DayLines(const AlmanacDay& day, bool explain) {
  std::vector<std::string> lines = AlmanacLines(day);
  if (explain) {
    lines.emplace_back();
    for (std::string& line : AlmanacReasonLines(*day.date)) lines.push_back(std::move(line));
  }
  return lines;
}

// Prints or collects the days one after another, as the one-day form
// prints each.
class DayWriter {
 public:
  DayWriter(Context& ctx, const ReportOutput& output, bool explain)
      : ctx_(ctx),
        output_(output),
        explain_(explain),
        collect_(!output.textPath.empty() || !output.pdfPath.empty()) {}

  void Write(CivilDate date, std::optional<long> line = std::nullopt) {
    const almanac::Day engineDay = almanac::DayOf(date);
    const AlmanacDay day = AlmanacDayOfEngine(engineDay);
    if (ctx_.json) {
      json::Json object;
      if (line) object["line"] = *line;
      const json::Json facts = json::AlmanacDayJson(engineDay, text::Join(AlmanacLines(day), "\n"), explain_);
      for (const auto& [key, value] : facts.items()) object[key] = value;
      if (!output_.quiet) ctx_.OutJson(object);
      if (collect_) Collect(day);
      return;
    }
    if (collect_) {
      Collect(day);
      return;
    }
    if (output_.quiet) return;
    for (const std::string& l : DayLines(day, explain_)) ctx_.Out(l);
  }

  // The files of --output and --pdf, and what was held back for them.
  void Finish(const std::string& name) {
    if (!collect_) return;
    DeliverReport(ctx_, output_, lines_, "黄历", name, /*print=*/!ctx_.json);
  }

 private:
  void Collect(const AlmanacDay& day) {
    for (std::string& l : DayLines(day, explain_)) lines_.push_back(std::move(l));
  }

  Context& ctx_;
  const ReportOutput& output_;
  bool explain_;
  bool collect_;
  std::vector<std::string> lines_;
};

void WriteIcs(Context& ctx, const std::string& path, CivilDate first, CivilDate last) {
  if (path.empty()) throw UsageError("option --ics needs a file name");
  if (path == "-") {
    ctx.out << CalendarText(AlmanacCalendarInfo(first, last), AlmanacEvents(first, last));
    return;
  }
  WriteCalendarFile(path, AlmanacCalendarInfo(first, last), AlmanacEvents(first, last));
}

// almanac -: one date a line; a line that fails says so (on stderr, or as
// an object under --json) and the others go on.
int FromInput(Context& ctx, DayWriter& writer) {
  int rc = 0;
  std::string raw;
  long number = 0;
  while (std::getline(ctx.in, raw)) {
    ++number;
    std::string line = text::Trim(ctx.Input(raw));
    try {
      if (raw.size() > kMaxInputLine) throw UsageError("the line is too long");
      writer.Write(AlmanacDate(line), ctx.json ? std::optional<long>(number) : std::nullopt);
    } catch (const NoticeError& e) {
      rc = std::max(rc, 2);
      if (ctx.json)
        ctx.OutJson({{"line", number}, {"notice", e.what()}});
      else
        ctx.Err(LineMessage(number, e.what()));
    } catch (const UsageError& e) {
      rc = std::max(rc, 2);
      if (ctx.json)
        ctx.OutJson({{"line", number}, {"error", e.what()}});
      else
        ctx.Err(LineMessage(number, e.what()));
    }
    if (ctx.out.fail()) return std::max(rc, 1);
  }
  writer.Finish("-");
  return rc;
}

int Almanac(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  const std::map<std::string, std::string> options = TakeOptions(ctx, args, {"ics"}, {"explain"}, {"ics"});
  const bool explain = options.count("explain") > 0;
  const auto ics = options.find("ics");
  DayWriter writer(ctx, output, explain);

  if (args.size() == 1 && args[0] == "-") {
    if (ics != options.end()) throw UsageError("--ics needs FROM TO, not -");
    return FromInput(ctx, writer);
  }
  if (args.size() == 1 || args.size() == 2) {
    const CivilDate first = AlmanacDate(ctx.Input(args[0]));
    const CivilDate last = args.size() == 2 ? AlmanacDate(ctx.Input(args[1])) : first;
    const auto n = [](CivilDate d) {
      return static_cast<long>(std::floor(EncodeDate(d.year, d.month, d.day)));
    };
    if (n(last) < n(first)) throw UsageError("the last day comes before the first");
    if (ics != options.end()) {
      WriteIcs(ctx, ics->second, first, last);
      if (ics->second == "-") return 0;
    }
    for (long d = n(first); d <= n(last); ++d) {
      writer.Write(DecodeDate(static_cast<DateTime>(d)));
      if (ctx.out.fail()) return 1;
    }
    const std::string from = FormatDate(EncodeDate(first.year, first.month, first.day));
    writer.Finish(args.size() == 1 ? from
                                   : from + " - " + FormatDate(EncodeDate(last.year, last.month, last.day)));
    return 0;
  }
  if (args.size() != 3) throw UsageError("expected YEAR MONTH DAY, DATE, FROM TO or -");
  const AlmanacDay day = AlmanacDayOf(ctx.Input(args[0]), ctx.Input(args[1]), ctx.Input(args[2]));
  if (day.notice) ThrowingNotifier().ShowNotice(*day.notice);
  // A day the table lacks writes nothing, and no file.
  if (!day.row) return 0;
  if (day.row->fault) std::rethrow_exception(day.row->fault);
  if (ics != options.end()) WriteIcs(ctx, ics->second, *day.date, *day.date);
  const std::string name = FormatDate(EncodeDate(day.date->year, day.date->month, day.date->day));
  if (ctx.json) {
    DeliverReport(ctx, output, DayLines(day, explain), "黄历", name, /*print=*/false);
    json::Json object =
        json::AlmanacDayJson(almanac::DayOf(*day.date), text::Join(AlmanacLines(day), "\n"), explain);
    if (!output.quiet) ctx.OutJson(object);
    return 0;
  }
  DeliverReport(ctx, output, DayLines(day, explain), "黄历", name);
  return 0;
}

VANTREL_CLI_COMMAND(
    {"almanac", "the almanac page of a day, of a range of days or of dates on stdin",
     "Usage: vantrel-cli almanac YEAR MONTH DAY | DATE | FROM TO | -  [--explain] [--ics FILE]\n"
     "  YEAR MONTH DAY: the three texts as typed into the page's pickers (2013 09 21,\n"
     "  or 2013 9 21); a day the almanac table lacks prints nothing, and an empty\n"
     "  picker or a date that does not exist gives the page's notice (exit 2).\n"
     "  DATE, FROM TO: dates as 2027-01-01 (1901-01-01..2100-12-31); the page of\n"
     "  every day from FROM to TO, one after another, each as the one-day form\n"
     "  prints it. -: one date a line on standard input.\n"
     "  --explain          after each page, why the day suits or forbids each word:\n"
     "                     the spirits with the book's line, the grade and the rule\n"
     "  --ics FILE         also write the days as an iCalendar file, one all-day\n"
     "                     event a day (UID almanac-YYYY-MM-DD@vantrel); with FILE\n"
     "                     \"-\" the calendar is printed instead\n"
     "  --json             one object a day (JSON Lines for a range or -)\n" +
         std::string(kReportOutputUsage),
     [](Context& ctx, const std::vector<std::string>& args) { return Almanac(ctx, args); }, true});

}  // namespace
}  // namespace vantrel::cli
