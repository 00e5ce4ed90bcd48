#pragma once
// The almanac (黄历) of one Gregorian day, worked out from the traditional
// rules of the imperial almanac standard: the pillars of the year, the month
// and the day, the fetal god's position, the nayin and the twelve officers,
// the clash, the Pengzu taboos, the day spirits in force, the day's grade and
// how it settles what its spirits both favour and forbid, and what the day
// suits and forbids.
//
// The month changes on the day of each jie term and the year on the day of
// 立春, so the engine needs the days of the solar terms. DayOf and RowOf take
// them from the compiled-in term table (almanac/solar_terms.h) and answer for
// any day kFirstDay..kLastDay; an Engine takes them from a source given by
// the caller.
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "common/datetime.h"

namespace vantrel::almanac {

// The days the engine answers for: those of the compiled-in term table whose
// month began at a term the table holds.
inline constexpr CivilDate kFirstDay{1901, 1, 1};
inline constexpr CivilDate kLastDay{2100, 12, 31};

// The instant, in China Standard Time, of solar term `term` (0 小寒, 1 大寒,
// 2 立春 .. 23 冬至) of a Gregorian year. Only its date part is used.
using TermInstantSource = std::function<DateTime(int year, int term)>;

// The twelve officers (建除十二神), in order.
enum class Officer { kJian, kChu, kMan, kPing, kDing, kZhi, kPo, kWei, kCheng, kShou, kKai, kBi };
// 建 除 满 平 定 执 破 危 成 收 开 闭, indexed by Officer.
extern const std::array<std::string_view, 12> OfficerNames;
std::string_view OfficerName(Officer officer);

// The twelve spirits of the yellow and the black road, in their round.
enum class RoadSpirit {
  kQingLong,
  kMingTang,
  kTianXing,
  kZhuQue,
  kJinKui,
  kTianDe,
  kBaiHu,
  kYuTang,
  kTianLao,
  kXuanWu,
  kSiMing,
  kGouChen
};
// 青龙 明堂 天刑 朱雀 金匮 天德 白虎 玉堂 天牢 玄武 司命 勾陈, indexed by RoadSpirit.
extern const std::array<std::string_view, 12> RoadSpiritNames;
std::string_view RoadSpiritName(RoadSpirit spirit);

// The grade of a day in the book's table of 宜忌等第, from 上 (the good
// prevail) to 下下 (the bad pile up).
enum class Grade { kShang, kShangCi, kZhong, kZhongCi, kXia, kXiaXia };
// "上" "上次" "中" "中次" "下" "下下".
std::string_view GradeName(Grade grade);

// How a day settles what its spirits both favour and forbid.
enum class Settlement {
  kFavour,   // 从宜不从忌
  kNeither,  // 从宜亦从忌: good and bad offset each other, neither is noted
  kForbid,   // 从忌不从宜
  kNothing,  // 诸事皆忌
};
// "从宜不从忌" "从宜亦从忌" "从忌不从宜" "诸事皆忌".
std::string_view SettlementName(Settlement settlement);

// What a day may suit or forbid, in the order the almanac lists them: the
// words of the glossary, each the almanac's name for one of the book's
// activities (see ActivityParent).
extern const std::vector<std::string_view> ActivityNames;
// The household's lesser business in the common almanac's words (沐浴, 扫舍宇,
// 裁衣 ...): the 宜 line names these only on a day that suits none of the
// glossary's words.
extern const std::vector<std::string_view> LesserActivityNames;
// The book's activity (用事) a glossary or lesser word stands for: "出行" is
// the book's 遣使, the folk word "入宅" follows 般移.
std::string_view ActivityParent(std::string_view activity);

// What the rules of the officers and the day spirits look at.
struct DayFacts {
  Pillar day;
  Branch month{2};           // the month branch (寅 for 正月)
  Branch yearBranch{0};      // of the year that began at 立春
  long daysIntoMonth = 0;    // days since the month's jie, 0 on the jie day itself
  bool eveOfFenZhi = false;  // the day before 春分, 夏至, 秋分 or 冬至
  bool eveOfLi = false;      // the day before 立春, 立夏, 立秋 or 立冬
  bool fenZhiDay = false;    // the day of 春分, 夏至, 秋分 or 冬至
  bool earthKing = false;    // 土王用事: from the sun at 27° before a 立 to its eve
  bool huntSeason = false;   // from 霜降 to the eve of 立春
  bool fishSeason = false;   // from 雨水 to the eve of 立夏
};

// The spirits in force on a day and what the day suits and forbids.
struct DayVerdict {
  std::vector<std::string_view> goodSpirits;  // in the order of the rule tables
  std::vector<std::string_view> badSpirits;
  // Glossary words, in the order of ActivityNames; where none suits, the
  // lesser words that do (LesserActivityNames), and the line ends in 馀事勿取.
  std::vector<std::string_view> suits;
  std::vector<std::string_view> forbids;
  // The day's grade; none for a day outside the table, on which good and
  // bad that meet cancel.
  std::optional<Grade> grade;
  Settlement settlement = Settlement::kNeither;
  // The day follows 忌 over 宜 and notes a few things, or notes only lesser
  // business: 宜 ends in 馀事勿取.
  bool restOmitted = false;
};

// The officer of a day in a month: 建 falls on the day whose branch is the month's.
Officer OfficerOf(Branch month, Branch day);
// The yellow- or black-road spirit of a day.
RoadSpirit RoadSpiritOf(Branch month, Branch day);
// 青龙 明堂 金匮 天德 玉堂 司命 are the spirits of the yellow road.
bool IsYellowRoad(RoadSpirit spirit);

DayVerdict JudgeDay(const DayFacts& facts);

// Everything the almanac says about one day, before it is put into words.
struct Day {
  CivilDate date;
  long dayNumber = 0;  // days since 1899-12-30
  Pillar year;         // changes on the day of 立春
  Pillar month;        // changes on the day of each jie term
  Pillar day;
  LunarDate lunar;
  int weekday = 1;  // 1 Sunday .. 7 Saturday
  Officer officer = Officer::kJian;
  RoadSpirit roadSpirit = RoadSpirit::kQingLong;
  DayFacts facts;
  DayVerdict verdict;
};

// One row of the almanac table huangdao, in the order of AlmanacColumns.
struct AlmanacRow {
  std::string gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
  std::vector<std::string> Fields() const {
    return {gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji};
  }
};

extern const std::array<std::string_view, 11> AlmanacColumns;

// The texts of the pillar alone.
std::string NayinName(const Pillar& p);           // "海中金"
std::string FetalGodPosition(const Pillar& day);  // "占门碓外东南"
std::string ClashText(const Pillar& day);         // "冲虎(戊寅)煞南"
std::string PengzuTaboos(const Pillar& day);      // "甲不开仓财物耗散 子不问卜自惹祸殃"

// The lunar month as almanacs write it: "正月" .. "冬月" "腊月", "闰二月".
std::string AlmanacMonthName(int month, bool leap);

// The day's row of table huangdao in words.
AlmanacRow RowOf(const Day& day);

// Why a day suits or forbids one of its words: the spirits on each side,
// each with the book's line that gives it the activity, the day's grade and
// settlement, and the rule that decided.
struct WordReason {
  bool suits = false;                    // a word of the 宜 line, or of the 忌 line
  std::string_view word;                 // the glossary word; "诸事不宜" where the line says so
  std::vector<std::string> favouredBy;   // "天德（卷十一：嫁娶宜天德）"
  std::vector<std::string> forbiddenBy;  // "月厌（卷十一：嫁娶忌月厌）"
  std::optional<Grade> grade;            // none outside the table of grades
  bool virtue = false;                   // a 德 counts on the day
  Settlement settlement = Settlement::kNeither;
  // What decided: the settlement ("从忌不从宜"), a veto ("往亡犹忌"), or a
  // writing rule, each with the book's words.
  std::string decision;
};

// One reason for each word of the 宜 line, then of the 忌 line, in their order.
std::vector<WordReason> ExplainDay(const Day& day);
// "忌 嫁娶：月厌（卷十一：嫁娶忌月厌）；等第 下，无德 → 从忌不从宜"
std::string ReasonLine(const WordReason& reason);

// The almanac of a day kFirstDay..kLastDay, from the compiled-in solar
// terms. Safe to call from several threads. Throws std::out_of_range for a
// day outside that range, ConvertError for a date that does not exist.
Day DayOf(CivilDate date);
AlmanacRow RowOf(CivilDate date);

// An almanac over solar terms of the caller's: terms moved to test a rule,
// or the astronomy itself to check the compiled-in table. Each year's terms
// are asked of the source once; not safe to share between threads.
class Engine {
 public:
  explicit Engine(TermInstantSource source);

  Day DayOf(DateTime date);
  AlmanacRow RowOf(DateTime date);

 private:
  // The day numbers of the 24 terms of a year.
  const std::array<long, 24>& TermDays(int year);

  TermInstantSource source_;
  std::map<int, std::array<long, 24>> term_days_;
};

}  // namespace vantrel::almanac
