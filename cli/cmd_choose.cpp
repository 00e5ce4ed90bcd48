// choose-day: the days of a range that suit an activity and the people
// concerned, ranked, with their reasons.
#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/report_output.h"
#include "cli/solar_option.h"
#include "common/datetime.h"
#include "common/text.h"
#include "export/choose_calendar.h"
#include "export/json_values.h"
#include "reports/choose_day.h"
#include "reports/entry_texts.h"

namespace vantrel::cli {
namespace {

const char* const kFields[] = {"name", "calendar", "year", "month", "day", "hour", "minute", "sex"};

using Fields = std::map<std::string, std::string>;

// The person options as given: --man-FIELD and --woman-FIELD for the couple,
// and --person-FIELD for anyone else; a --person- field given a second time
// begins the next person.
struct PeopleOptions {
  Fields man;
  Fields woman;
  std::vector<Fields> persons;
};

bool TakePersonOption(const Context& ctx, std::vector<std::string>& args, std::size_t& i,
                      PeopleOptions& people) {
  const std::string& arg = args[i];
  for (const char* prefix : {"--man-", "--woman-", "--person-"}) {
    const std::string p(prefix);
    if (arg.rfind(p, 0) != 0) continue;
    std::string field = arg.substr(p.size());
    std::string value;
    const std::size_t eq = field.find('=');
    if (eq != std::string::npos) {
      value = field.substr(eq + 1);
      field.resize(eq);
    } else {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      value = args[++i];
    }
    bool known = false;
    for (const char* f : kFields) known = known || field == f;
    if (!known || (field == "sex" && p != "--person-")) throw UsageError("unknown option " + p + field);
    value = ctx.Input(value);
    if (p == "--man-") {
      people.man[field] = value;
    } else if (p == "--woman-") {
      people.woman[field] = value;
    } else {
      if (people.persons.empty() || people.persons.back().count(field)) people.persons.emplace_back();
      people.persons.back()[field] = value;
    }
    return true;
  }
  return false;
}

PersonEntry EntryOf(const Fields& f) {
  EntryTexts e;
  const auto get = [&](const char* name, const std::string& fallback) {
    const auto it = f.find(name);
    return it == f.end() ? fallback : it->second;
  };
  e.name = get("name", e.name);
  const std::string calendar = get("calendar", "solar");
  if (calendar == "solar" || calendar == "0") {
    e.calendar = CalendarKind::Solar;
  } else if (calendar == "lunar" || calendar == "1") {
    e.calendar = CalendarKind::Lunar;
  } else {
    throw UsageError("the calendar is solar or lunar, not " + calendar);
  }
  e.year = get("year", e.year);
  e.month = get("month", e.month);
  e.day = get("day", e.day);
  if (f.count("hour")) e.hour = kHourItems[static_cast<std::size_t>(StrictHour(f.at("hour")))];
  e.minute = get("minute", e.minute);
  return ReadMarriagePerson(e);
}

CivilDate DateOption(const std::string& name, const std::string& text) {
  const std::optional<DateTime> date = TryStrToDate(text::Trim(text));
  if (!date) throw NoticeError(name + "“" + text + "”不是有效的日期。");
  return DecodeDate(*date);
}

int ChooseDay(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  // The couple's birthplaces, as the marriage command takes them.
  const SolarOption manSolar = TakeSolarOption(ctx, args, "man-");
  const SolarOption womanSolar = TakeSolarOption(ctx, args, "woman-");
  PeopleOptions people;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!TakePersonOption(ctx, args, i, people)) rest.push_back(args[i]);
  }
  const auto o = TakeOptions(ctx, rest, {"activity", "from", "to", "explain", "limit", "ics"},
                             {"not-forbidden-enough", "day-branch", "xing-hai", "popular-rules"}, {"ics"});
  if (!rest.empty()) throw UsageError("unexpected argument " + rest[0]);
  const auto get = [&](const char* name) -> const std::string* {
    const auto it = o.find(name);
    return it == o.end() ? nullptr : &it->second;
  };

  choose::ChooseRequest request;
  if (const auto* a = get("activity")) request.activity = text::Trim(*a);
  const CivilDate tomorrow = DecodeDate(Today() + 1);
  request.from = get("from") ? DateOption("开始日期", *get("from")) : tomorrow;
  if (get("to")) {
    request.to = DateOption("结束日期", *get("to"));
  } else {
    // Twelve months from the start: the day before the same date a year on.
    const CivilDate& f = request.from;
    const int day = std::min(f.day, DaysInMonth(f.year + 1, f.month));
    request.to = DecodeDate(EncodeDate(f.year + 1, f.month, day) - 1);
  }
  request.options.notForbiddenEnough = get("not-forbidden-enough") != nullptr;
  request.options.dayBranch = get("day-branch") != nullptr;
  request.options.xingHai = get("xing-hai") != nullptr;
  request.options.popularRules = get("popular-rules") != nullptr;
  std::size_t limit = 0;
  if (const auto* l = get("limit")) {
    const std::optional<int> n = TryStrToInt(text::Trim(*l));
    if (!n || *n < 0) throw UsageError("--limit needs a number 0 or more");
    limit = static_cast<std::size_t>(*n);
  }

  if (request.activity == choose::kDefaultActivity) {
    if (!people.persons.empty())
      throw UsageError("a wedding takes --man- and --woman- options, not --person-");
    if (!people.man.empty()) {
      request.people.push_back({choose::Role::kMan, EntryOf(people.man), Sex::Man});
      CorrectEntry(request.people.back().entry, manSolar);
    }
    if (!people.woman.empty()) {
      request.people.push_back({choose::Role::kWoman, EntryOf(people.woman), Sex::Woman});
      CorrectEntry(request.people.back().entry, womanSolar);
    }
  } else {
    if (!people.man.empty() || !people.woman.empty() || manSolar.given || womanSolar.given)
      throw UsageError("--man- and --woman- options are for 嫁娶; use --person- options");
    for (const Fields& f : people.persons) {
      const auto sex = f.find("sex");
      request.people.push_back(
          {choose::Role::kPerson, EntryOf(f), SexOfText(sex == f.end() ? "男" : text::Trim(sex->second))});
    }
  }

  const choose::ChooseResult result = choose::ChooseDays(request);
  if (result.notice) throw NoticeError(*result.notice);

  if (const auto* explain = get("explain")) {
    const CivilDate date = DateOption("日期", *explain);
    const DateTime at = EncodeDate(date.year, date.month, date.day);
    if (at < EncodeDate(1901, 1, 1) || at > EncodeDate(2100, 12, 31))
      throw NoticeError("日期须在1901-01-01至2100-12-31之间。");
    const choose::DayJudgement j = choose::JudgeDay(result, date);
    std::size_t rank = 0;
    for (std::size_t i = 0; i < result.chosen.size(); ++i)
      if (result.chosen[i].day.date == date) rank = i + 1;
    if (ctx.json) {
      ctx.OutJson(
          {{"explain", json::ChosenDayJson(j, rank)}, {"explanation", choose::ExplainLine(result, j)}});
    } else {
      ctx.Out(choose::ExplainLine(result, j));
    }
    return 0;
  }

  if (const auto* ics = get("ics")) {
    if (ics->empty()) throw UsageError("option --ics needs a file name");
    WriteCalendarFile(*ics, ChosenDayCalendarInfo(result), ChosenDayEvents(result, limit));
  }
  const std::vector<std::string> lines = choose::ChooseLines(result, limit);
  if (ctx.json) {
    DeliverReport(ctx, output, lines, "择日", request.activity, /*print=*/false);
    if (!output.quiet) ctx.OutJson(json::ChooseResultJson(result, limit));
    return 0;
  }
  DeliverReport(ctx, output, lines, "择日", request.activity);
  return 0;
}

VANTREL_CLI_COMMAND(
    {"choose-day", "the good days of a range for an activity and the people concerned",
     std::string("Usage: vantrel-cli choose-day [--activity WORD] [--from DATE] [--to DATE]\n"
                 "         [--man-OPTION VALUE]... [--woman-OPTION VALUE]... | [--person-OPTION VALUE]...\n"
                 "  Lists the days from --from to --to (default: from tomorrow for twelve months,\n"
                 "  at most ten years, inside 1901-2100) that the almanac suits for the activity\n"
                 "  (default 嫁娶, or any word the almanac prints) and whose branch clashes no\n"
                 "  person's year branch, best first, each with its reasons.\n"
                 "  嫁娶 takes the couple as the marriage command does (--man-… and --woman-…,\n"
                 "  both needed); other activities take any number of --person-… (a field given\n"
                 "  twice begins the next person), or none. Person options: name, calendar\n"
                 "  (solar|lunar), year, month, day, hour (0..23), minute, and sex (--person- only).\n"
                 "  --not-forbidden-enough   a day the almanac does not forbid is enough\n"
                 "  --day-branch       avoid a clash with each person's day branch too\n"
                 "  --xing-hai         avoid 刑 and 害 as well as 冲\n"
                 "  --popular-rules    use the popular 大利月/小利月 and 嫁娶周堂 (off: only shown)\n"
                 "  --explain DATE     say why DATE is chosen or not, and nothing else\n"
                 "  --limit N          list the N best days only\n"
                 "  --ics FILE         also write the listed days as all-day calendar events\n") +
         "  The couple's birthplaces, as the marriage command takes them (prefix man- or woman-):\n" +
         kSolarOptionUsage + kReportOutputUsage,
     [](Context& ctx, const std::vector<std::string>& args) { return ChooseDay(ctx, args); }, true});

}  // namespace
}  // namespace vantrel::cli
