// marriage, chart and constellation: the two person reports on the command line.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/report_output.h"
#include "cli/solar_option.h"
#include "common/pane.h"
#include "common/text.h"
#include "data/query.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace vantrel::cli {
namespace {

const char* const kPersonFields[] = {"name", "calendar", "year", "month", "day", "hour", "minute"};

CalendarKind CalendarOf(const std::string& value) {
  if (value == "solar" || value == "0") return CalendarKind::Solar;
  if (value == "lunar" || value == "1") return CalendarKind::Lunar;
  throw UsageError("the calendar is solar or lunar, not " + value);
}

// One person's entry from the options with the given prefix ("man-",
// "woman-" or ""); left-out options keep the window's defaults.
EntryTexts EntryFromOptions(const Options& o, const std::string& prefix) {
  EntryTexts e;
  e.name = o.Get(prefix + "name", e.name);
  e.calendar = CalendarOf(o.Get(prefix + "calendar", "solar"));
  e.year = o.Get(prefix + "year", e.year);
  e.month = o.Get(prefix + "month", e.month);
  e.day = o.Get(prefix + "day", e.day);
  if (o.Has(prefix + "hour")) {
    // A blank hour is left to the report, which asks for the hour as the window does.
    const std::string hour = o.Get(prefix + "hour", "");
    e.hour = text::Trim(hour).empty() ? hour : kHourItems[static_cast<std::size_t>(StrictHour(hour))];
  }
  e.minute = o.Get(prefix + "minute", e.minute);
  return e;
}

std::vector<std::string> OptionNames(const std::vector<std::string>& prefixes,
                                     std::vector<std::string> extra) {
  for (const auto& p : prefixes) {
    for (const char* f : kPersonFields) extra.push_back(p + f);
  }
  return extra;
}

// The pane's lines with the true-solar-time line after each birth line.
std::vector<std::string> ReportLines(const TextPane& pane,
                                     const std::vector<std::optional<std::string>>& solar) {
  std::vector<std::string> lines = pane.lines();
  InsertAfterBirthLines(lines, solar);
  return lines;
}

// Runs a report and delivers the pane as the window would hold it. A notice
// or an error that stops the report comes after what the pane already held
// (the man's section, when the woman's entry is what stops it); a notice
// before anything was written prints nothing but itself. No file is written
// for a report that stopped.
template <typename Run>
int RunPrinting(const Context& ctx, const ReportOutput& output, const TextPane& pane, Run run,
                const std::string& kind, const std::string& name,
                const std::vector<std::optional<std::string>>& solar) {
  try {
    run();
  } catch (...) {
    if (!output.quiet) {
      for (const std::string& line : ReportLines(pane, solar)) ctx.Out(line);
    }
    throw;
  }
  DeliverReport(ctx, output, ReportLines(pane, solar), kind, name);
  return 0;
}

int Marriage(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  const SolarOption manSolar = TakeSolarOption(ctx, args, "man-");
  const SolarOption womanSolar = TakeSolarOption(ctx, args, "woman-");
  const Options o = ParseOptions(ctx, args, OptionNames({"man-", "woman-"}, {}));
  if (!o.positional.empty()) throw UsageError("unexpected argument " + o.positional[0]);
  MarriageEntry entry{ReadMarriagePerson(EntryFromOptions(o, "man-")),
                      ReadMarriagePerson(EntryFromOptions(o, "woman-"))};
  const std::vector<std::optional<std::string>> solar = {CorrectEntry(entry.man, manSolar),
                                                         CorrectEntry(entry.woman, womanSolar)};
  TextPane report;
  MarriagePanes panes(report);
  ThrowingNotifier notifier;
  data::Query zodiac(data::Database::Second);
  return RunPrinting(
      ctx, output, report, [&] { RunMarriageReport(entry, panes, notifier, zodiac); }, "合婚报告",
      text::Trim(entry.man.name) + " / " + text::Trim(entry.woman.name), solar);
}

int PersonReport(Context& ctx, std::vector<std::string> args, ReportKind report, const char* kind) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  const SolarOption option = TakeSolarOption(ctx, args, "");
  const Options o = ParseOptions(ctx, args, OptionNames({""}, {"sex"}));
  if (!o.positional.empty()) throw UsageError("unexpected argument " + o.positional[0]);
  ChartEntry entry;
  entry.person = ReadChartPerson(EntryFromOptions(o, ""));
  const std::vector<std::optional<std::string>> solar = {CorrectEntry(entry.person, option)};
  entry.sex = SexOfText(text::Trim(o.Get("sex", "男")));
  entry.kind = report;
  TextPane visible, scratch;
  ThrowingNotifier notifier;
  return RunPrinting(
      ctx, output, visible, [&] { RunChartReport(entry, visible, scratch, notifier); }, kind,
      text::Trim(entry.person.name), solar);
}

const char* const kPersonOptions =
    "  --name TEXT        the name (default empty)\n"
    "  --calendar KIND    solar (default) or lunar\n"
    "  --year --month --day TEXT   the birth date as typed (default 1980, 1, 1)\n"
    "  --hour H           the clock hour 0..23, or a whole hour item such as \"子 23\" (default 子 0)\n"
    "  --minute TEXT      the minute (default 0)\n";

VANTREL_CLI_COMMAND(
    {"marriage", "the marriage-matching report",
     std::string("Usage: vantrel-cli marriage [--man-OPTION VALUE]... [--woman-OPTION VALUE]...\n"
                 "  Writes the marriage report for a man and a woman. Options (prefix each with\n"
                 "  man- or woman-):\n") +
         kPersonOptions + kSolarOptionUsage + kReportOutputUsage,
     Marriage});

VANTREL_CLI_COMMAND({"chart", "the single-person chart report",
                     std::string("Usage: vantrel-cli chart [--OPTION VALUE]...\n"
                                 "  Writes the chart report of one person. Options:\n"
                                 "  --sex 男|女          the sex (default 男)\n") +
                         kPersonOptions + kSolarOptionUsage + kReportOutputUsage,
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return PersonReport(ctx, args, ReportKind::Chart, "八字");
                     }});

VANTREL_CLI_COMMAND({"constellation", "the constellation report of one person",
                     std::string("Usage: vantrel-cli constellation [--OPTION VALUE]...\n"
                                 "  Writes the constellation report of one person; the options are those of\n"
                                 "  the chart command.\n") +
                         kPersonOptions + kSolarOptionUsage + kReportOutputUsage,
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return PersonReport(ctx, args, ReportKind::Constellation, "星座");
                     }});

}  // namespace
}  // namespace vantrel::cli
