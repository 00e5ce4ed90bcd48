#include "almanac/almanac.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <vector>

#include "almanac/book.h"
#include "almanac/rule_tables.h"
#include "almanac/solar_terms.h"
#include "calendar/lunar.h"
#include "common/text.h"

namespace vantrel::almanac {

const std::array<std::string_view, 12> OfficerNames = {"建", "除", "满", "平", "定", "执",
                                                       "破", "危", "成", "收", "开", "闭"};

const std::array<std::string_view, 12> RoadSpiritNames = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                          "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};

std::string_view OfficerName(Officer officer) { return OfficerNames[static_cast<std::size_t>(officer)]; }

std::string_view RoadSpiritName(RoadSpirit spirit) {
  return RoadSpiritNames[static_cast<std::size_t>(spirit)];
}

std::string_view GradeName(Grade grade) {
  static constexpr std::array<std::string_view, 6> kNames = {"上", "上次", "中", "中次", "下", "下下"};
  return kNames[static_cast<std::size_t>(grade)];
}

std::string_view SettlementName(Settlement settlement) {
  static constexpr std::array<std::string_view, 4> kNames = {"从宜不从忌", "从宜亦从忌", "从忌不从宜",
                                                             "诸事皆忌"};
  return kNames[static_cast<std::size_t>(settlement)];
}

namespace {

// resources/almanac/activities.tsv: the glossary's words in the almanac's
// order, each with the book's activity it is noted by.
const std::vector<std::vector<std::string_view>>& ActivityRecords() {
  static const std::vector<std::vector<std::string_view>> records =
      tables::Records(tables::kActivities, "word", 3);
  return records;
}

// resources/almanac/lesser.tsv: the lesser words, the same way.
const std::vector<std::vector<std::string_view>>& LesserRecords() {
  static const std::vector<std::vector<std::string_view>> records =
      tables::Records(tables::kLesser, "word", 3);
  return records;
}

std::vector<std::string_view> FirstColumn(const std::vector<std::vector<std::string_view>>& records) {
  std::vector<std::string_view> words;
  for (const auto& record : records) words.push_back(record[0]);
  return words;
}

}  // namespace

const std::vector<std::string_view> ActivityNames = FirstColumn(ActivityRecords());
const std::vector<std::string_view> LesserActivityNames = FirstColumn(LesserRecords());

std::string_view ActivityParent(std::string_view activity) {
  for (const auto* records : {&ActivityRecords(), &LesserRecords()})
    for (const auto& record : *records)
      if (record[0] == activity) return record[1];
  throw std::logic_error("almanac rules: no activity behind " + std::string(activity));
}

const std::array<std::string_view, 11> AlmanacColumns = {"gn",   "nn",   "suici", "tszf", "wuhang", "cong",
                                                         "pzbj", "jsyq", "yi",    "xsyq", "ji"};

namespace {

// ---------------------------------------------------------------------------
// Tables of the pillar alone.

// 纳音: one name for each pair of pillars, from 甲子乙丑.
constexpr std::array<std::string_view, 30> kNayin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// 胎神逐日所占: the place the fetal god keeps on each of the sixty days and
// the quarter it lies in, from 甲子. The place runs in a thirty-day round;
// the quarter goes round the outside of the house and then through its rooms.
constexpr std::array<std::string_view, 60> kFetalGod = {
    "占门碓外东南", "碓磨厕外东南", "厨灶炉外正南", "仓库门外正南", "房床栖外正南",   // 甲子..戊辰
    "占门床外正南", "占碓磨外正南", "厨灶厕外西南", "仓库炉外西南", "房床门外西南",   // 己巳..癸酉
    "门鸡栖外西南", "碓磨床外西南", "厨灶碓外西南", "仓库厕外正西", "房床炉外正西",   // 甲戌..戊寅
    "占大门外正西", "碓磨栖外正西", "厨灶床外正西", "仓库碓外西北", "房床厕外西北",   // 己卯..癸未
    "占门炉外西北", "碓磨门外西北", "厨灶栖外西北", "仓库床外西北", "房床碓外正北",   // 甲申..戊子
    "占门厕外正北", "碓磨炉外正北", "厨灶门外正北", "仓库栖外正北", "占房床房内北",   // 己丑..癸巳
    "占门碓房内北", "碓磨厕房内北", "厨灶炉房内北", "仓库门房内北", "房床栖房内中",   // 甲午..戊戌
    "占门床房内中", "占碓磨房内南", "厨灶厕房内南", "仓库炉房内南", "房床门房内西",   // 己亥..癸卯
    "门鸡栖房内东", "碓磨床房内东", "厨灶碓房内东", "仓库厕房内东", "房床炉房内中",   // 甲辰..戊申
    "占大门外东北", "碓磨栖外东北", "厨灶床外东北", "仓库碓外东北", "房床厕外东北",   // 己酉..癸丑
    "占门炉外东北", "碓磨门外正东", "厨灶栖外正东", "仓库床外正东", "房床碓外正东",   // 甲寅..戊午
    "占门厕外正东", "碓磨炉外东南", "厨灶门外东南", "仓库栖外东南", "占房床外东南"};  // 己未..癸亥

// 彭祖百忌: the saying of each day stem and of each day branch.
constexpr std::array<std::string_view, 10> kPengzuStem = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮", "戊不受田田主不祥",
    "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝", "壬不泱水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kPengzuBranch = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// 煞方: the sha of a day lies in the quarter its branch's triad faces away
// from: 申子辰 南, 寅午戌 北, 亥卯未 西, 巳酉丑 东.
constexpr std::array<std::string_view, 12> kShaDirection = {"南", "东", "北", "西", "南", "东",
                                                            "北", "西", "南", "东", "北", "西"};

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

// The words of `names` whose activity is in `deeds`, in their order.
std::vector<std::string_view> ActivityList(const book::DeedSet& deeds,
                                           const std::vector<std::string_view>& names = ActivityNames) {
  std::vector<std::string_view> out;
  for (const std::string_view word : names) {
    if ((book::DeedOfActivity(word) & deeds).any()) out.push_back(word);
  }
  return out;
}

std::string JoinOr(const std::vector<std::string_view>& words, std::string_view none) {
  if (words.empty()) return std::string(none);
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i) out += ' ';
    out += words[i];
  }
  return out;
}

}  // namespace

std::string NayinName(const Pillar& p) {
  return std::string(kNayin[static_cast<std::size_t>(p.Index() / 2)]);
}

std::string FetalGodPosition(const Pillar& day) {
  return std::string(kFetalGod[static_cast<std::size_t>(day.Index())]);
}

std::string ClashText(const Pillar& day) {
  // The clashed pillar is six days back in the cycle: its branch six places
  // on, its stem four stems on.
  const Pillar clashed = Pillar::FromIndex(day.Index() + 54);
  return "冲" + std::string(AnimalNames[static_cast<std::size_t>(clashed.branch.Index())]) + "(" +
         clashed.Text() + ")煞" + std::string(kShaDirection[static_cast<std::size_t>(day.branch.Index())]);
}

std::string PengzuTaboos(const Pillar& day) {
  return std::string(kPengzuStem[static_cast<std::size_t>(day.stem.Index())]) + " " +
         std::string(kPengzuBranch[static_cast<std::size_t>(day.branch.Index())]);
}

Officer OfficerOf(Branch month, Branch day) {
  return static_cast<Officer>(Mod(day.Index() - month.Index(), 12));
}

RoadSpirit RoadSpiritOf(Branch month, Branch day) {
  // 青龙 starts at 子 in the 寅 and 申 months and two branches further on in
  // each month after: 卯酉 寅, 辰戌 辰, 巳亥 午, 子午 申, 丑未 戌.
  return static_cast<RoadSpirit>(Mod(day.Index() - 2 * (month.Index() - 2), 12));
}

bool IsYellowRoad(RoadSpirit spirit) {
  static constexpr std::array<bool, 12> kYellow = {true,  true, false, false, true, true,
                                                   false, true, false, false, true, false};
  return kYellow[static_cast<std::size_t>(spirit)];
}

DayVerdict JudgeDay(const DayFacts& facts) {
  const book::Judgement j = book::Judge(facts);
  DayVerdict v;
  v.goodSpirits = j.goodSpirits;
  v.badSpirits = j.badSpirits;
  if (j.grade >= 0) v.grade = static_cast<Grade>(j.grade);
  v.settlement = j.settle;
  if (j.settle == Settlement::kNothing) return v;
  v.suits = ActivityList(j.suits);
  v.forbids = ActivityList(j.forbids);
  v.restOmitted = j.restOmitted && !v.suits.empty();
  if (v.suits.empty()) {
    // Nothing of the glossary suits: the small business the book still
    // leaves to the day, and no more.
    v.suits = ActivityList(j.suits, LesserActivityNames);
    v.restOmitted = !v.suits.empty();
  }
  return v;
}

namespace {

using TermDays = std::array<long, 24>;

// The almanac of day number `today`, with the term days of its Gregorian
// year and of the year before.
Day Compute(long today, const TermDays& terms, const TermDays& lastYear) {
  // The month is the one whose jie came last: jie j (term 2j) opens the
  // month of branch j + 1 (小寒 丑, 立春 寅, .. 大雪 子). Before 小寒 the 子
  // month that began at 大雪 of the year before still runs.
  int jie = -1;
  for (int j = 11; j >= 0 && jie < 0; --j) {
    if (terms[static_cast<std::size_t>(2 * j)] <= today) jie = j;
  }
  const long jieDay = jie >= 0 ? terms[static_cast<std::size_t>(2 * jie)] : lastYear[22];
  const Branch monthBranch(jie + 1);
  const CivilDate date = DecodeDate(static_cast<DateTime>(today));
  // The year begins on the day of 立春.
  const int solarYear = today >= terms[2] ? date.year : date.year - 1;

  Day d;
  d.date = date;
  d.dayNumber = today;
  d.year = Pillar::FromIndex(CycleIndexOfYear(solarYear));
  d.month = MonthPillarInYear(d.year.stem, monthBranch);
  d.day = DayPillarOfDayNumber(today);
  d.lunar = SolarToLunar(static_cast<DateTime>(today));
  d.weekday = DayOfWeek(static_cast<DateTime>(today));
  // On a jie day the month moves on with the day, so the officer of the day
  // before repeats.
  d.officer = OfficerOf(monthBranch, d.day.branch);
  d.roadSpirit = RoadSpiritOf(monthBranch, d.day.branch);

  DayFacts& f = d.facts;
  f.day = d.day;
  f.month = monthBranch;
  f.yearBranch = d.year.branch;
  f.daysIntoMonth = today - jieDay;
  // Every 分, 至 and 立 falls between early February and late December, so
  // its eve lies in the same Gregorian year.
  for (const int t : {5, 11, 17, 23}) {
    const long fenZhi = terms[static_cast<std::size_t>(t)];
    f.eveOfFenZhi = f.eveOfFenZhi || fenZhi == today + 1;
    f.fenZhiDay = f.fenZhiDay || fenZhi == today;
  }
  for (const int t : {2, 8, 14, 20}) {
    const long li = terms[static_cast<std::size_t>(t)];
    f.eveOfLi = f.eveOfLi || li == today + 1;
    // 土王用事: the eighteen days before each 立.
    f.earthKing = f.earthKing || (li - 18 <= today && today < li);
  }
  // 霜降 (term 19) to 立春 (term 2), 雨水 (term 3) to 立夏 (term 8).
  f.huntSeason = today >= terms[19] || today < terms[2];
  f.fishSeason = terms[3] <= today && today < terms[8];
  d.verdict = JudgeDay(f);
  return d;
}

// The day number of an instant: its date part.
long DayNumberOf(DateTime x) { return static_cast<long>(std::floor(x)); }

// The term days of every year of the compiled-in table.
const std::vector<TermDays>& TableTermDays() {
  static const std::vector<TermDays> days = [] {
    std::vector<TermDays> all;
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
      TermDays& d = all.emplace_back();
      for (int t = 0; t < 24; ++t) d[static_cast<std::size_t>(t)] = TermDay(year, t);
    }
    return all;
  }();
  return days;
}

}  // namespace

// The lunar month as almanacs write it: 正月 for the first, 冬月 and 腊月 for
// the last two; a leap month takes 闰 before it.
std::string AlmanacMonthName(int month, bool leap) {
  static constexpr std::array<std::string_view, 12> kNames = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                              "七月", "八月", "九月", "十月", "冬月", "腊月"};
  if (month < 1 || month > 12) return {};
  return (leap ? "闰" : "") + std::string(kNames[static_cast<std::size_t>(month - 1)]);
}

AlmanacRow RowOf(const Day& d) {
  AlmanacRow row;
  row.gn = FormatDate(static_cast<DateTime>(d.dayNumber));
  row.nn = AlmanacMonthName(d.lunar.month, d.lunar.isLeap) + LunarDayName(d.lunar.day) + " " +
           std::string(kWeekdays[static_cast<std::size_t>(d.weekday - 1)]) + " " +
           std::string(RoadSpiritName(d.roadSpirit)) + (IsYellowRoad(d.roadSpirit) ? "黄道日" : "黑道日");
  row.suici = d.year.Text() + "年 " + d.month.Text() + "月 " + d.day.Text() + "日";
  row.tszf = FetalGodPosition(d.day);
  row.wuhang = NayinName(d.day) + " " + std::string(OfficerName(d.officer)) + "执位";
  row.cong = ClashText(d.day);
  row.pzbj = PengzuTaboos(d.day);
  // The road spirit closes the list of its side: the six yellow ones among
  // the 吉神, the six black ones among the 凶神. They favour and forbid
  // nothing of their own. The yellow 天德 is listed by its other name, 宝光,
  // so that it is not taken for the month's 天德.
  std::vector<std::string_view> good = d.verdict.goodSpirits;
  std::vector<std::string_view> bad = d.verdict.badSpirits;
  if (IsYellowRoad(d.roadSpirit)) {
    good.push_back(d.roadSpirit == RoadSpirit::kTianDe ? "宝光" : RoadSpiritName(d.roadSpirit));
  } else {
    bad.push_back(RoadSpiritName(d.roadSpirit));
  }
  row.jsyq = JoinOr(good, "无");
  row.yi = JoinOr(d.verdict.suits, "诸事不宜");
  if (d.verdict.restOmitted) row.yi += " 馀事勿取";
  row.xsyq = JoinOr(bad, "无");
  // A day on which everything is forbidden (诸事皆忌) says so in one word.
  row.ji = d.verdict.settlement == Settlement::kNothing ? "诸事不宜" : JoinOr(d.verdict.forbids, "诸事不忌");
  return row;
}

namespace {

// "月厌（卷十一：嫁娶忌月厌）": a spirit with the book's line that gives it the
// activity; 卷十一 lists under every activity the spirits that favour and
// forbid it.
std::string Cited(std::string_view spirit, std::string_view deed, bool favours) {
  return std::string(spirit) + "（卷十一：" + std::string(deed) + (favours ? "宜" : "忌") +
         std::string(spirit) + "）";
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

// The book's words for each grade of its table.
std::string_view GradeSaying(Grade grade) {
  static constexpr std::array<std::string_view, 6> kSayings = {"吉足胜凶", "吉足抵凶", "吉不抵凶",
                                                               "凶胜于吉", "凶又逢凶", "凶叠大凶"};
  return kSayings[static_cast<std::size_t>(grade)];
}

}  // namespace

std::vector<WordReason> ExplainDay(const Day& d) {
  book::Trace trace;
  const book::Judgement j = book::Judge(d.facts, &trace);
  const auto reason = [&](bool suits, std::string_view word) {
    WordReason r;
    r.suits = suits;
    r.word = word;
    if (j.grade >= 0) r.grade = static_cast<Grade>(j.grade);
    r.virtue = trace.de;
    r.settlement = j.settle;
    return r;
  };
  // What each spirit of the day does to one of the book's activities, with a
  // lifted 凶神 forbidding only what it keeps.
  const auto forbidsOf = [&](const book::Spirit& s) {
    for (std::size_t k = 0; k < trace.present.size(); ++k)
      if (trace.present[k] == &s) return trace.forbids[k];
    return book::DeedSet();
  };
  // A 凶神 the book limits on the day ("止忌……余皆不忌") that would otherwise
  // forbid the activity, or that still forbids it.
  const auto limitedAgainst = [&](std::size_t deed, bool kept) -> std::string_view {
    for (std::size_t k = 0; k < trace.present.size(); ++k)
      if (!trace.limits[k].empty() && trace.present[k]->forbids.test(deed) &&
          trace.forbids[k].test(deed) == kept)
        return trace.limits[k];
    return {};
  };
  const auto vetoesOf = [&](std::size_t deed) {
    std::vector<std::string> names;
    for (const book::Spirit* s : trace.vetoes)
      if (s->forbids.test(deed)) names.emplace_back(s->name);
    return Joined(names, "、");
  };
  const auto sides = [&](std::size_t deed, WordReason& r) {
    for (const book::Spirit* s : trace.present) {
      if (s->favours.test(deed)) r.favouredBy.push_back(Cited(s->name, book::Deeds[deed], true));
      if (forbidsOf(*s).test(deed)) r.forbiddenBy.push_back(Cited(s->name, book::Deeds[deed], false));
    }
  };
  std::vector<WordReason> out;
  if (j.settle == Settlement::kNothing) {
    // Nothing is noted: the 凶神 of the day, and the grade that forbids all.
    for (const bool suits : {true, false}) {
      WordReason r = reason(suits, "诸事不宜");
      for (const book::Spirit* s : trace.present)
        if (!s->good && s->shown && forbidsOf(*s).any()) r.forbiddenBy.emplace_back(s->name);
      r.decision = std::string(SettlementName(j.settle));
      out.push_back(std::move(r));
    }
    return out;
  }
  const auto explain = [&](bool suits, std::string_view word) {
    WordReason r = reason(suits, word);
    const book::DeedSet deeds = book::DeedOfActivity(word) & (suits ? j.suits : j.forbids);
    std::size_t deed = 0;
    while (deed < book::Deeds.size() && !deeds.test(deed)) ++deed;
    if (deed == book::Deeds.size()) return r;
    sides(deed, r);
    const std::string_view rule = suits ? trace.suitRule[deed] : trace.forbidRule[deed];
    if (!suits && rule == book::kVetoRule) {
      r.decision = vetoesOf(deed) + "犹忌，" + std::string(rule);
    } else if (!suits && rule == book::kLimitRule) {
      r.decision = std::string(limitedAgainst(deed, true));
    } else if (!rule.empty()) {
      r.decision = std::string(rule);
    } else if (!suits && !limitedAgainst(deed, true).empty()) {
      r.decision = std::string(limitedAgainst(deed, true));
    } else if (suits && !limitedAgainst(deed, false).empty()) {
      r.decision = std::string(limitedAgainst(deed, false));
    } else if (trace.favoured.test(deed) && trace.forbidden.test(deed)) {
      r.decision = std::string(SettlementName(j.settle));
    } else {
      r.decision = suits ? "有宜无忌" : "有忌无宜";
    }
    return r;
  };
  // A 宜 line of 诸事不宜, or one that ends in 馀事勿取: what the good spirits
  // favour, word by word, that the line leaves out, and what kept each word
  // out of it, the words grouped by that cause.
  const bool leftOut = d.verdict.suits.empty() || d.verdict.restOmitted;
  WordReason rest = reason(true, d.verdict.suits.empty() ? "诸事不宜" : "馀事勿取");
  if (leftOut) {
    WordReason& r = rest;
    std::vector<std::pair<std::string, std::vector<std::string>>> causes;
    for (const std::string_view word : ActivityNames) {
      if (std::find(d.verdict.suits.begin(), d.verdict.suits.end(), word) != d.verdict.suits.end()) continue;
      const book::DeedSet deeds = book::DeedOfActivity(word) & trace.favoured;
      std::size_t deed = 0;
      while (deed < book::Deeds.size() && !deeds.test(deed)) ++deed;
      if (deed == book::Deeds.size()) continue;
      std::string cause;
      if (trace.vetoed.test(deed)) {
        cause = vetoesOf(deed) + "犹忌";
      } else if (trace.limited.test(deed)) {
        cause = std::string(limitedAgainst(deed, true));
      } else if (!trace.suitRule[deed].empty()) {
        cause = std::string(trace.suitRule[deed]);
      } else if (trace.muted.test(deed)) {
        cause = "分至之日不注";
      } else {
        std::vector<std::string> against;
        for (const book::Spirit* s : trace.present)
          if (forbidsOf(*s).test(deed)) against.emplace_back(s->name);
        cause = Joined(against, "、") + "所忌，" + std::string(SettlementName(j.settle));
      }
      for (const book::Spirit* s : trace.present) {
        if (!s->favours.test(deed)) continue;
        const std::string name(s->name);
        if (std::find(r.favouredBy.begin(), r.favouredBy.end(), name) == r.favouredBy.end())
          r.favouredBy.push_back(name);
      }
      auto it = std::find_if(causes.begin(), causes.end(), [&](const auto& c) { return c.first == cause; });
      if (it == causes.end()) it = causes.insert(causes.end(), {cause, {}});
      it->second.emplace_back(word);
    }
    std::vector<std::string> parts;
    for (const auto& [cause, words] : causes) parts.push_back(Joined(words, "、") + "（" + cause + "）");
    r.decision = !parts.empty()            ? "不注宜：" + Joined(parts, "；")
                 : d.verdict.suits.empty() ? std::string("无宜神")
                                           : std::string("馀事无宜神");
  }
  if (leftOut && d.verdict.suits.empty()) out.push_back(rest);
  for (const std::string_view word : d.verdict.suits) out.push_back(explain(true, word));
  if (leftOut && !d.verdict.suits.empty()) out.push_back(rest);
  for (const std::string_view word : d.verdict.forbids) out.push_back(explain(false, word));
  return out;
}

std::string ReasonLine(const WordReason& r) {
  const std::vector<std::string>& mine = r.suits ? r.favouredBy : r.forbiddenBy;
  const std::vector<std::string>& theirs = r.suits ? r.forbiddenBy : r.favouredBy;
  std::string line = std::string(r.suits ? "宜 " : "忌 ") + std::string(r.word) + "：";
  line += mine.empty() ? std::string("无") : Joined(mine, "、");
  if (!theirs.empty()) line += std::string("；") + (r.suits ? "忌神 " : "宜神 ") + Joined(theirs, "、");
  line += "；等第 ";
  line += r.grade ? std::string(GradeName(*r.grade)) + "（" + std::string(GradeSaying(*r.grade)) + "）"
                  : std::string("表外");
  line += r.virtue ? "，有德" : "，无德";
  line += " → " + r.decision;
  return line;
}

Day DayOf(CivilDate date) {
  const long today = DayNumberOf(EncodeDate(date.year, date.month, date.day));
  if (today < DayNumberOf(EncodeDate(kFirstDay.year, kFirstDay.month, kFirstDay.day)) ||
      today > DayNumberOf(EncodeDate(kLastDay.year, kLastDay.month, kLastDay.day)))
    throw std::out_of_range("the almanac knows the days 1901-01-01 .. 2100-12-31, not " +
                            FormatDate(static_cast<DateTime>(today)));
  const std::vector<TermDays>& table = TableTermDays();
  const auto at = static_cast<std::size_t>(date.year - kFirstTermYear);
  return Compute(today, table[at], table[at - 1]);
}

AlmanacRow RowOf(CivilDate date) { return RowOf(DayOf(date)); }

Engine::Engine(TermInstantSource source) : source_(std::move(source)) {
  // Build the rule tables now, so a malformed table shows at once.
  book::Spirits();
  for (const std::string_view word : ActivityNames) book::DeedOfActivity(word);
}

const std::array<long, 24>& Engine::TermDays(int year) {
  auto it = term_days_.find(year);
  if (it != term_days_.end()) return it->second;
  std::array<long, 24> days{};
  for (int t = 0; t < 24; ++t) {
    days[static_cast<std::size_t>(t)] = DayNumberOf(source_(year, t));
    if (t > 0 && days[static_cast<std::size_t>(t)] <= days[static_cast<std::size_t>(t - 1)]) {
      throw std::runtime_error("solar terms of " + std::to_string(year) + " are out of order at term " +
                               std::to_string(t));
    }
  }
  return term_days_.emplace(year, days).first->second;
}

Day Engine::DayOf(DateTime date) {
  const long today = DayNumberOf(date);
  const int year = DecodeDate(static_cast<DateTime>(today)).year;
  const std::array<long, 24>& terms = TermDays(year);
  return Compute(today, terms, TermDays(year - 1));
}

AlmanacRow Engine::RowOf(DateTime date) { return almanac::RowOf(DayOf(date)); }

}  // namespace vantrel::almanac
