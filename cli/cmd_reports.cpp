// marriage, chart and constellation: the two person reports on the command line.
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/chart_options.h"
#include "cli/cli.h"
#include "cli/report_output.h"
#include "cli/solar_option.h"
#include "common/errors.h"
#include "common/pane.h"
#include "common/text.h"
#include "export/json_values.h"
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
    if (hour == "unknown" || hour == kUnknownHourItem) {
      e.hour = kUnknownHourItem;
    } else {
      e.hour = text::Trim(hour).empty() ? hour : kHourItems[static_cast<std::size_t>(StrictHour(hour))];
    }
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

// The message of a fault that stopped a report, as --json reports it.
std::string FaultMessage(const std::exception_ptr& fault) {
  try {
    std::rethrow_exception(fault);
  } catch (const SilentCancel& e) {
    return e.reason().empty() ? kCancelledMessage : e.reason();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "unknown error";
  }
}

// Delivers a report as the window would hold it. A notice or a fault that
// stops the report comes after what the report had made (the man's section,
// when the woman's entry is what stops it); a report that stopped before
// anything was made prints nothing but its notice. No file is written for a
// report that stopped. Under --json the report is one object, which holds
// the notice or the error of a report that stopped (printed even with --quiet).
int Deliver(const Context& ctx, const ReportOutput& output, const std::string& text, bool complete,
            const std::optional<std::string>& notice, const std::exception_ptr& fault,
            const std::string& kind, const std::string& name, json::Json object) {
  TextPane pane;
  pane.SetText(text);
  if (ctx.json) {
    if (complete) {
      DeliverReport(ctx, output, pane.lines(), kind, name, /*print=*/false);
      if (!output.quiet) ctx.OutJson(object);
      return 0;
    }
    if (fault) {
      object["error"] = FaultMessage(fault);
      ctx.OutJson(object);
      return 1;
    }
    object["notice"] = notice.value_or("");
    ctx.OutJson(object);
    return 2;
  }
  if (complete) {
    DeliverReport(ctx, output, pane.lines(), kind, name);
    return 0;
  }
  if (!output.quiet) {
    for (const std::string& line : pane.lines()) ctx.Out(line);
  }
  if (fault) std::rethrow_exception(fault);
  throw NoticeError(notice.value_or(""));
}

// The twelve possible hour pillars of each person whose hour is not known,
// under "男方：" or "女方：" and the name.
int HourTables(const Context& ctx, const MarriageEntry& entry) {
  const std::pair<const PersonEntry*, Sex> people[] = {{&entry.man, Sex::Man}, {&entry.woman, Sex::Woman}};
  for (const auto& [person, sex] : people) {
    if (!person->hourUnknown) continue;
    ChartEntry single;
    single.person = *person;
    single.sex = sex;
    const ChartReport report = BuildChartReport(single);
    if (report.fault) std::rethrow_exception(report.fault);
    if (!report.hourTable) throw NoticeError(report.notice.value_or(kCheckInputNotice));
    ctx.Out(std::string(sex == Sex::Man ? "男方：" : "女方：") + text::Trim(person->name));
    for (const std::string& line : HourTableLines(*report.hourTable)) ctx.Out(line);
    ctx.Out("");
  }
  return 0;
}

int Marriage(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  const ZiRule zi = TakeZiOption(ctx, args);
  const bool hourTable = TakeOptions(ctx, args, {}, {"hour-table"}).count("hour-table") > 0;
  const SolarOption manSolar = TakeSolarOption(ctx, args, "man-");
  const SolarOption womanSolar = TakeSolarOption(ctx, args, "woman-");
  const Options o = ParseOptions(ctx, args, OptionNames({"man-", "woman-"}, {}));
  if (!o.positional.empty()) throw UsageError("unexpected argument " + o.positional[0]);
  MarriageEntry entry{ReadMarriagePerson(EntryFromOptions(o, "man-")),
                      ReadMarriagePerson(EntryFromOptions(o, "woman-"))};
  CorrectEntry(entry.man, manSolar);
  CorrectEntry(entry.woman, womanSolar);
  entry.man.zi = entry.woman.zi = zi;
  // The matching needs both hours; asked for, the possible hours of a birth
  // whose hour is not known are listed instead.
  if (hourTable && (entry.man.hourUnknown || entry.woman.hourUnknown)) return HourTables(ctx, entry);
  const MarriageReport report = BuildMarriageReport(entry);
  if (report.Complete()) PrintWarnings(ctx, report.warnings);
  return Deliver(ctx, output, RenderMarriageReport(report), report.Complete(), report.notice, report.fault,
                 "合婚报告", report.CoupleName(), ctx.json ? json::MarriageReportJson(report) : json::Json());
}

int PersonReport(Context& ctx, std::vector<std::string> args, ReportKind kind) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  const ZiRule zi = TakeZiOption(ctx, args);
  const SolarOption option = TakeSolarOption(ctx, args, "");
  const Options o = ParseOptions(ctx, args, OptionNames({""}, {"sex"}));
  if (!o.positional.empty()) throw UsageError("unexpected argument " + o.positional[0]);
  ChartEntry entry;
  entry.person = ReadChartPerson(EntryFromOptions(o, ""));
  CorrectEntry(entry.person, option);
  entry.person.zi = zi;
  entry.sex = SexOfText(text::Trim(o.Get("sex", "男")));
  entry.kind = kind;
  const ChartReport report = BuildChartReport(entry);
  if (report.Complete()) PrintWarnings(ctx, report.warnings);
  return Deliver(ctx, output, RenderChartReport(report), report.Complete(), report.notice, report.fault,
                 report.KindWord(), report.name, ctx.json ? json::ChartReportJson(report) : json::Json());
}

const char* const kPersonOptions =
    "  --name TEXT        the name (default empty)\n"
    "  --calendar KIND    solar (default) or lunar\n"
    "  --year --month --day TEXT   the birth date as typed (default 1980, 1, 1)\n"
    "  --hour H           the clock hour 0..23, a whole hour item such as \"子 23\" (default 子 0), or\n"
    "                     unknown: the chart report lists the twelve possible hour pillars\n"
    "  --minute TEXT      the minute (default 0)\n";

VANTREL_CLI_COMMAND(
    {"marriage", "the marriage-matching report",
     std::string("Usage: vantrel-cli marriage [--man-OPTION VALUE]... [--woman-OPTION VALUE]...\n"
                 "  Writes the marriage report for a man and a woman. Options (prefix each with\n"
                 "  man- or woman-):\n") +
         kPersonOptions +
         "  --hour-table       with an hour unknown, list the twelve possible hour pillars of that\n"
         "                     person instead of the report (without it the report asks for the hour)\n" +
         kZiOptionUsage + kSolarOptionUsage + kReportOutputUsage,
     Marriage, true});

VANTREL_CLI_COMMAND({"chart", "the single-person chart report",
                     std::string("Usage: vantrel-cli chart [--OPTION VALUE]...\n"
                                 "  Writes the chart report of one person. Options:\n"
                                 "  --sex 男|女          the sex (default 男)\n") +
                         kPersonOptions + kZiOptionUsage + kSolarOptionUsage + kReportOutputUsage,
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return PersonReport(ctx, args, ReportKind::Chart);
                     },
                     true});

VANTREL_CLI_COMMAND({"constellation", "the constellation report of one person",
                     std::string("Usage: vantrel-cli constellation [--OPTION VALUE]...\n"
                                 "  Writes the constellation report of one person; the options are those of\n"
                                 "  the chart command.\n") +
                         kPersonOptions + kZiOptionUsage + kSolarOptionUsage + kReportOutputUsage,
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return PersonReport(ctx, args, ReportKind::Constellation);
                     },
                     true});

}  // namespace
}  // namespace vantrel::cli
