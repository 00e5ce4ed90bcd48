#include "reports/choose_day.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "chart/chart.h"
#include "common/errors.h"
#include "common/text.h"

namespace vantrel::choose {
namespace {

using almanac::Day;

bool Has(const std::vector<std::string_view>& list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

long DayNumberOf(const CivilDate& d) { return static_cast<long>(EncodeDate(d.year, d.month, d.day)); }

std::string DateText(const CivilDate& d) { return FormatDate(EncodeDate(d.year, d.month, d.day)); }

bool InAlmanac(const CivilDate& d) {
  if (!IsValidDate(d.year, d.month, d.day)) return false;
  const long n = DayNumberOf(d);
  return n >= DayNumberOf(almanac::kFirstDay) && n <= DayNumberOf(almanac::kLastDay);
}

bool Clashes(Branch a, Branch b) { return Branch(a.Index() - b.Index()) == Branch(6); }
bool Harms(Branch a, Branch b) { return Branch(a.Index() + b.Index()) == Branch(7); }
// 子卯 相刑, 寅巳申 and 丑戌未 each 刑 the next, 辰午酉亥 刑 themselves.
bool Punishes(Branch branchA, Branch branchB) {
  const int a = branchA.Index(), b = branchB.Index();
  auto pair = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
  if (pair(0, 3)) return true;
  if (pair(2, 5) || pair(5, 8) || pair(8, 2)) return true;
  if (pair(1, 10) || pair(10, 7) || pair(7, 1)) return true;
  return a == b && (a == 4 || a == 6 || a == 9 || a == 11);
}

std::string RoleWord(Role role) {
  switch (role) {
    case Role::kMan:
      return "男方";
    case Role::kWoman:
      return "女方";
    case Role::kPerson:
      break;
  }
  return "";
}

bool IsWedding(const ChooseRequest& request) { return request.activity == "嫁娶"; }

// The spirits that shut a day for every activity, whatever else stands on it.
constexpr std::array<std::string_view, 5> kShutting = {"月破", "四离", "四绝", "往亡", "气往亡"};

// The spirits that raise a chosen day, with their weight.
struct Raise {
  std::string_view spirit;
  int weight;
};
constexpr std::array<Raise, 7> kRaising = {
    {{"天德", 2}, {"月德", 2}, {"天德合", 2}, {"月德合", 2}, {"天赦", 3}, {"天愿", 2}, {"母仓", 1}}};

int GradeWeight(const std::optional<almanac::Grade>& grade) {
  if (!grade) return 1;
  switch (*grade) {
    case almanac::Grade::kShang:
      return 4;
    case almanac::Grade::kShangCi:
      return 3;
    case almanac::Grade::kZhong:
      return 2;
    case almanac::Grade::kZhongCi:
      return 1;
    case almanac::Grade::kXia:
    case almanac::Grade::kXiaXia:
      return 0;
  }
  return 0;
}

// What the people's branches say against a day's branch.
void CheckPeople(const ChooseResult& context, Branch dayBranch, std::vector<std::string>& against) {
  const ChooseOptions& o = context.request.options;
  const std::string day = "日支" + std::string(dayBranch.Name());
  for (const PersonPillars& p : context.people) {
    const std::string year = p.label + std::string(p.year.branch.Name()) + "年";
    const std::string dayOf = p.label + "日支" + std::string(p.day.branch.Name());
    if (Clashes(dayBranch, p.year.branch)) against.push_back(day + "冲" + year);
    if (o.xingHai && Punishes(dayBranch, p.year.branch)) against.push_back(day + "刑" + year);
    if (o.xingHai && Harms(dayBranch, p.year.branch)) against.push_back(day + "害" + year);
    if (!o.dayBranch) continue;
    if (Clashes(dayBranch, p.day.branch)) against.push_back(day + "冲" + dayOf);
    if (o.xingHai && Punishes(dayBranch, p.day.branch)) against.push_back(day + "刑" + dayOf);
    if (o.xingHai && Harms(dayBranch, p.day.branch)) against.push_back(day + "害" + dayOf);
  }
}

const PersonPillars* Bride(const ChooseResult& context) {
  for (const PersonPillars& p : context.people)
    if (p.role == Role::kWoman) return &p;
  return nullptr;
}

std::optional<std::string> PillarsOf(const ChoosePerson& person, const std::string& label,
                                     PersonPillars& out) {
  const std::string notice = label + "的出生日期有误，" + kCheckInputNotice;
  std::optional<PersonFacts> facts;
  try {
    facts = DerivePersonFacts(person.entry, CurrentYear());
  } catch (const ConvertError&) {
    return notice;
  }
  if (!facts) return notice;
  std::optional<ChartResult> chart;
  try {
    chart = CastChart(BirthOf(*facts, person.sex));
  } catch (const ConvertError&) {
    return label + "的出生时间有误，" + kCheckInputNotice;
  }
  if (!chart) return notice;
  out.year = chart->yearPillar;
  out.day = chart->dayPillar;
  return std::nullopt;
}

}  // namespace

const std::vector<std::string_view>& Activities() { return almanac::ActivityNames; }

std::string BrideMonthName(Branch brideYear, Branch monthBranch) {
  // 大利月 by the bride's year: 子午 六月 十二月, 丑未 五月 十一月, 寅申 二月 八月,
  // 卯酉 正月 七月, 辰戌 四月 十月, 巳亥 三月 九月. From it the others follow in
  // turn, forward for the yang branches and backward for the yin ones.
  static constexpr std::array<int, 6> kBig = {6, 5, 2, 1, 4, 3};
  static constexpr std::array<std::string_view, 6> kNames = {"大利月", "小利月", "妨翁姑",
                                                             "妨父母", "妨夫主", "妨女身"};
  const int pair = brideYear.Index() % 6;
  const int month = monthBranch.Next(-2).Index() + 1;  // 1 for the 寅 month
  const int step = brideYear.IsYin() ? -1 : 1;
  const int offset = ((month - kBig[static_cast<std::size_t>(pair)]) * step % 6 + 6) % 6;
  return std::string(kNames[static_cast<std::size_t>(offset)]);
}

std::string ZhouTangOf(int lunarDay, bool bigMonth) {
  // A long month counts from 夫 forward, a short one from 妇 backward.
  static constexpr std::array<std::string_view, 8> kPlaces = {"夫", "姑", "堂", "翁", "第", "灶", "妇", "厨"};
  const int steps = lunarDay - 1;
  const int index = bigMonth ? steps % 8 : ((6 - steps) % 8 + 8) % 8;
  return std::string(kPlaces[static_cast<std::size_t>(index)]);
}

bool IsBuJiang(Branch month, const Pillar& day) {
  // The round of the 24 directions from 子, each 15°: a branch at twice its
  // index, the stems between them, 戊 lodged at 艮 and 己 at 坤.
  static constexpr std::array<int, 10> kStemPlace = {5, 7, 11, 13, 3, 15, 17, 19, 23, 1};
  // 月厌 (the yin 建): 正月戌, backward.
  const int yan = 2 * Branch(12 - month.Index()).Index();
  const int stemPlace = kStemPlace[static_cast<std::size_t>(day.stem.Index())];
  const int branchPlace = 2 * day.branch.Index();
  // Before 厌 runs backward from it to 厌对, after it forward.
  const int before = ((yan - stemPlace) % 24 + 24) % 24;
  const int after = ((branchPlace - yan) % 24 + 24) % 24;
  return before > 0 && before < 12 && after > 0 && after < 12;
}

std::string WeekdayText(int weekday) {
  static constexpr std::array<std::string_view, 7> kNames = {"日", "一", "二", "三", "四", "五", "六"};
  return "周" + std::string(kNames[static_cast<std::size_t>((weekday + 6) % 7)]);
}

std::string LunarDayText(const LunarDate& lunar) {
  return almanac::AlmanacMonthName(lunar.month, lunar.isLeap) + LunarDayName(lunar.day);
}

std::string ReasonsLine(const std::vector<std::string>& reasons) {
  std::string line;
  for (std::size_t i = 0; i < reasons.size(); ++i) {
    if (i) line += "；";
    line += reasons[i];
  }
  return line;
}

std::optional<std::string> CheckRequest(const ChooseRequest& request) {
  if (!InAlmanac(request.from) || !InAlmanac(request.to)) return "日期范围须在1901-01-01至2100-12-31之间。";
  const long from = DayNumberOf(request.from);
  const long to = DayNumberOf(request.to);
  if (from > to)
    return "开始日期（" + DateText(request.from) + "）晚于结束日期（" + DateText(request.to) + "）。";
  if (to - from + 1 > kMaxRangeDays) return "日期范围最多十年。";
  if (!Has(Activities(), request.activity)) return "未知的事项：“" + request.activity + "”。";
  if (IsWedding(request)) {
    const auto count = [&](Role r) {
      return std::count_if(request.people.begin(), request.people.end(),
                           [&](const ChoosePerson& p) { return p.role == r; });
    };
    if (count(Role::kMan) != 1 || count(Role::kWoman) != 1 || request.people.size() != 2)
      return "嫁娶择日须有男女双方的出生资料。";
  }
  return std::nullopt;
}

ChooseResult ChooseDays(const ChooseRequest& request) {
  ChooseResult result;
  result.request = request;
  if ((result.notice = CheckRequest(request))) return result;
  int ordinal = 0;
  for (const ChoosePerson& person : request.people) {
    ++ordinal;
    PersonPillars p;
    p.role = person.role;
    p.name = text::Trim(person.entry.name);
    p.label = person.role != Role::kPerson ? RoleWord(person.role)
              : !p.name.empty()            ? p.name
                                           : "第" + std::to_string(ordinal) + "人";
    if (auto notice = PillarsOf(person, p.label, p)) {
      ChooseResult stopped;
      stopped.request = request;
      stopped.notice = std::move(notice);
      return stopped;
    }
    result.people.push_back(std::move(p));
  }
  const long from = DayNumberOf(request.from);
  const long to = DayNumberOf(request.to);
  for (long n = from; n <= to; ++n) {
    DayJudgement j = JudgeDay(result, almanac::DayOf(DecodeDate(static_cast<DateTime>(n))));
    ++result.examined;
    if (j.chosen) result.chosen.push_back(std::move(j));
  }
  std::stable_sort(result.chosen.begin(), result.chosen.end(),
                   [](const DayJudgement& a, const DayJudgement& b) { return a.score > b.score; });
  return result;
}

DayJudgement JudgeDay(const ChooseResult& context, CivilDate date) {
  return JudgeDay(context, almanac::DayOf(date));
}

DayJudgement JudgeDay(const ChooseResult& context, const Day& day) {
  const ChooseRequest& request = context.request;
  const std::string& activity = request.activity;
  const almanac::DayVerdict& v = day.verdict;
  DayJudgement j;
  j.day = day;
  std::vector<std::string> against;
  std::vector<std::string> raised;
  std::vector<std::string> checked;

  // The almanac's word on the activity.
  const bool nothing = v.settlement == almanac::Settlement::kNothing;
  const bool forbidden = nothing || Has(v.forbids, activity);
  const bool suited = !forbidden && Has(v.suits, activity);
  if (nothing) {
    against.push_back("诸事不宜");
  } else if (forbidden) {
    against.push_back("忌" + activity);
  } else if (!suited && !request.options.notForbiddenEnough) {
    against.push_back("黄历不宜" + activity);
  }

  // The spirits that shut the day whatever else stands on it.
  if (Clashes(day.day.branch, day.facts.yearBranch))
    against.push_back("岁破（日支" + std::string(day.day.branch.Name()) + "冲岁支" +
                      std::string(Branch(day.facts.yearBranch).Name()) + "）");
  for (std::string_view s : kShutting)
    if (Has(v.badSpirits, s)) against.push_back(std::string(s));

  CheckPeople(context, day.day.branch, against);

  // The wedding's own marks.
  int score = 0;
  if (IsWedding(request)) {
    j.buJiang = IsBuJiang(day.facts.month, day.day);
    const bool big = (day.lunar.isLeap ? LeapMonthDays(day.lunar.year)
                                       : LunarMonthDays(day.lunar.year, day.lunar.month)) == 30;
    j.zhouTang = ZhouTangOf(day.lunar.day, big);
    if (const PersonPillars* bride = Bride(context))
      j.brideMonth = BrideMonthName(bride->year.branch, day.facts.month);
    if (j.buJiang) {
      score += 3;
      raised.push_back("不将");
    }
    if (request.options.popularRules) {
      if (j.brideMonth == "大利月") {
        score += 2;
        raised.push_back("女命大利月");
      } else if (j.brideMonth == "小利月") {
        score += 1;
        raised.push_back("女命小利月");
      } else {
        against.push_back("女命" + j.brideMonth + "（俗例）");
      }
      if (j.zhouTang == "夫" || j.zhouTang == "妇") {
        against.push_back("周堂值" + j.zhouTang + "（俗例）");
      } else if (j.zhouTang == "翁" || j.zhouTang == "姑") {
        score -= 1;
        checked.push_back("周堂值" + j.zhouTang + "，" + j.zhouTang + "在堂宜暂避");
      } else {
        score += 1;
        raised.push_back("周堂值" + j.zhouTang);
      }
    } else {
      checked.push_back("女命" + j.brideMonth + "、周堂值" + j.zhouTang + "（俗例，未采用）");
    }
  }

  if (!against.empty()) {
    j.reasons = std::move(against);
    return j;
  }
  j.chosen = true;
  if (suited) {
    score += 3;
    raised.insert(raised.begin(), "宜" + activity);
  } else {
    checked.insert(checked.begin(), "黄历不忌" + activity + "（未注宜）");
  }
  for (const Raise& r : kRaising) {
    if (Has(v.goodSpirits, r.spirit)) {
      score += r.weight;
      raised.push_back(std::string(r.spirit));
    }
  }
  score += GradeWeight(v.grade);
  if (v.grade) raised.push_back("等第" + std::string(almanac::GradeName(*v.grade)));

  std::string people;
  for (const PersonPillars& p : context.people) {
    if (!people.empty()) people += "、";
    people += p.label + std::string(p.year.branch.Name()) + "年";
    if (request.options.dayBranch) people += "日支" + std::string(p.day.branch.Name());
  }
  if (!people.empty()) checked.push_back("不冲" + people);
  checked.push_back("非岁破、月破、四离、四绝、往亡");

  j.score = score;
  j.reasons.push_back("得分" + std::to_string(score));
  for (auto& r : raised) j.reasons.push_back(std::move(r));
  for (auto& c : checked) j.reasons.push_back(std::move(c));
  return j;
}

std::string ExplainLine(const ChooseResult& context, const DayJudgement& judgement) {
  const std::string date = DateText(judgement.day.date);
  if (!judgement.chosen) return date + " 不选：" + ReasonsLine(judgement.reasons);
  std::string place;
  for (std::size_t i = 0; i < context.chosen.size(); ++i) {
    if (context.chosen[i].day.date == judgement.day.date) place = "（第" + std::to_string(i + 1) + "名）";
  }
  return date + " 可选" + place + "：" + ReasonsLine(judgement.reasons);
}

std::vector<std::string> DayDetailLines(const ChooseResult& context, const DayJudgement& judgement) {
  const Day& d = judgement.day;
  const almanac::AlmanacRow row = almanac::RowOf(d);
  std::vector<std::string> lines;
  lines.push_back(DateText(d.date) + " " + WeekdayText(d.weekday) + "  农历" + LunarDayText(d.lunar));
  lines.push_back("岁次：" + d.year.Text() + "年 " + d.month.Text() + "月 " + d.day.Text() + "日");
  lines.push_back("胎神：" + row.tszf);
  lines.push_back("五行：" + row.wuhang);
  lines.push_back("冲煞：" + row.cong);
  lines.push_back("彭祖百忌：" + row.pzbj);
  lines.push_back("值日：" + std::string(almanac::OfficerName(d.officer)) + "日 " +
                  std::string(almanac::RoadSpiritName(d.roadSpirit)) +
                  (almanac::IsYellowRoad(d.roadSpirit) ? "（黄道）" : "（黑道）"));
  lines.push_back("等第：" +
                  (d.verdict.grade ? std::string(almanac::GradeName(*d.verdict.grade)) : std::string("—")) +
                  "  " + std::string(almanac::SettlementName(d.verdict.settlement)));
  lines.push_back("吉神宜趋：" + row.jsyq);
  lines.push_back("宜：" + row.yi);
  lines.push_back("凶神宜忌：" + row.xsyq);
  lines.push_back("忌：" + row.ji);
  lines.push_back("");
  lines.push_back(ExplainLine(context, judgement));
  return lines;
}

std::vector<std::string> ChooseLines(const ChooseResult& result, std::size_t limit) {
  std::vector<std::string> lines;
  const ChooseRequest& r = result.request;
  lines.push_back("择日：" + r.activity);
  lines.push_back("日期范围：" + DateText(r.from) + " 至 " + DateText(r.to));
  for (const PersonPillars& p : result.people) {
    std::string line = p.label;
    if (p.role != Role::kPerson && !p.name.empty()) line += "（" + p.name + "）";
    lines.push_back(line + "：年柱" + p.year.Text() + " 日柱" + p.day.Text());
  }
  std::string options;
  if (r.options.notForbiddenEnough) options += " 不忌即可";
  if (r.options.dayBranch) options += " 兼避日支";
  if (r.options.xingHai) options += " 兼避刑害";
  if (r.options.popularRules) options += " 采用俗例";
  if (!options.empty()) lines.push_back("选项：" + options.substr(1));
  lines.push_back("共查" + std::to_string(result.examined) + "天，可选" +
                  std::to_string(result.chosen.size()) + "天");
  lines.push_back("");
  std::size_t rank = 0;
  for (const DayJudgement& j : result.chosen) {
    if (limit && rank >= limit) break;
    ++rank;
    lines.push_back(std::to_string(rank) + ". " + DateText(j.day.date) + " " + WeekdayText(j.day.weekday) +
                    " " + LunarDayText(j.day.lunar) + " " + j.day.day.Text() + "日 " +
                    ReasonsLine(j.reasons));
  }
  return lines;
}

}  // namespace vantrel::choose
