#pragma once
// Choosing a day (择日): the days of a range that suit an activity by the
// almanac and do not strike at the people concerned, ranked, each with its
// reasons; and, for any day, why it was or was not chosen.
//
// The rules and their sources are set out in docs/choosing-days.md.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac.h"
#include "chart/birth.h"
#include "common/datetime.h"
#include "reports/person_entry.h"

namespace vantrel::choose {

// The activity chosen when none is named.
inline constexpr std::string_view kDefaultActivity = "嫁娶";
// The longest range: ten years.
inline constexpr long kMaxRangeDays = 3653;

// Who a person is to the activity: the groom and the bride of a wedding, or
// anyone concerned in another activity.
enum class Role { kMan, kWoman, kPerson };

struct ChoosePerson {
  Role role = Role::kPerson;
  PersonEntry entry;
  Sex sex = Sex::Man;
};

struct ChooseOptions {
  // A day the almanac does not forbid the activity is enough; by default it
  // must suit it.
  bool notForbiddenEnough = false;
  // The day's branch must not clash a person's day branch either.
  bool dayBranch = false;
  // 刑 and 害 count as 冲 does (on the year branch, and on the day branch
  // when dayBranch is on).
  bool xingHai = false;
  // The popular wedding rules the book rejects: the bride's 大利月/小利月
  // and the 嫁娶周堂 (shown always, used only when this is on).
  bool popularRules = false;
};

struct ChooseRequest {
  std::string activity{kDefaultActivity};
  CivilDate from;
  CivilDate to;
  // For 嫁娶 a man and a woman; for another activity any number, none for
  // the almanac alone.
  std::vector<ChoosePerson> people;
  ChooseOptions options;
};

// A person as the rules see them: who they are and their year and day pillars.
struct PersonPillars {
  Role role = Role::kPerson;
  std::string label;  // "男方", "女方", the name, or "第2人"
  std::string name;   // trimmed
  Pillar year;        // the chart's year pillar (the year begins at 立春)
  Pillar day;
};

// What a day came to.
struct DayJudgement {
  almanac::Day day;
  bool chosen = false;
  int score = 0;
  // Chosen: what raised it and what was checked. Not chosen: every reason.
  std::vector<std::string> reasons;
  bool buJiang = false;    // 不将 (weddings only)
  std::string zhouTang;    // the day's place in the 嫁娶周堂 (weddings only)
  std::string brideMonth;  // "大利月", "小利月", "妨翁姑" ... (weddings only)
};

struct ChooseResult {
  // The message that stopped the choice (bad range, unknown activity, a
  // birth that cannot be charted, a couple without a partner); nothing
  // else is set then.
  std::optional<std::string> notice;
  ChooseRequest request;
  std::vector<PersonPillars> people;
  // The chosen days, best first (higher score, then the earlier day).
  std::vector<DayJudgement> chosen;
  long examined = 0;
};

// Checks the request and works out the people's pillars: a notice, or the
// people (the first half of ChooseDays, for a caller that explains days).
std::optional<std::string> CheckRequest(const ChooseRequest& request);
ChooseResult ChooseDays(const ChooseRequest& request);

// Judges one day (any day kFirstDay..kLastDay) for the request of a result
// that has no notice.
DayJudgement JudgeDay(const ChooseResult& context, CivilDate date);
DayJudgement JudgeDay(const ChooseResult& context, const almanac::Day& day);

// "2027-05-16 不选：日支申冲男方寅年" or "2027-05-18 可选（第3名）：…".
std::string ExplainLine(const ChooseResult& context, const DayJudgement& judgement);

// The whole almanac of the judged day, line by line, then its explanation:
// what the window shows for a selected day.
std::vector<std::string> DayDetailLines(const ChooseResult& context, const DayJudgement& judgement);

// The activity words a day can be chosen for: the almanac's glossary words.
const std::vector<std::string_view>& Activities();

// "一" .. "日" of a weekday 1 (Sunday) .. 7, with "周" before it.
std::string WeekdayText(int weekday);
// "正月初八", "闰二月十五".
std::string LunarDayText(const LunarDate& lunar);
// The reasons joined in one line with "；".
std::string ReasonsLine(const std::vector<std::string>& reasons);

// The text of the result as the window saves and prints it: a head (the
// activity, the range, the people, the options) and one line per chosen
// day, at most `limit` of them (0: all).
std::vector<std::string> ChooseLines(const ChooseResult& result, std::size_t limit = 0);

// The popular tables, exposed for the tests and the reference text.
// The bride's month as the popular rule reads it from her year branch and
// the day's month branch: "大利月" "小利月" "妨翁姑" "妨父母" "妨夫主" "妨女身".
std::string BrideMonthName(Branch brideYear, Branch monthBranch);
// The 嫁娶周堂 place of a lunar day: "夫" "姑" "堂" "翁" "第" "灶" "妇" "厨".
std::string ZhouTangOf(int lunarDay, bool bigMonth);
// 不将 (阴阳不将) in the month of branch `month`.
bool IsBuJiang(Branch month, const Pillar& day);

}  // namespace vantrel::choose
