#pragma once
// The almanac (黄历) of one Gregorian day, worked out from the traditional
// rules: the pillars of the year, the month and the day, the fetal god's
// position, the nayin and the twelve officers, the clash, the Pengzu taboos,
// the day spirits in force and what the day suits and forbids.
//
// The month changes on the day of each jie term and the year on the day of
// 立春, so the engine needs the days of the solar terms; it takes them from
// a source given by the caller, and the almanac generator hands it the
// astronomical instants.
#include <array>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/ganzhi.h"
#include "common/datetime.h"

namespace vantrel::tools {

// The instant, in China Standard Time, of solar term `term` (0 小寒, 1 大寒,
// 2 立春 .. 23 冬至) of a Gregorian year. Only its date part is used.
using TermInstantSource = std::function<DateTime(int year, int term)>;

// The twelve officers 建 除 满 平 定 执 破 危 成 收 开 闭, in order.
extern const std::array<std::string_view, 12> OfficerNames;
// The twelve spirits of the yellow and the black road, from 青龙.
extern const std::array<std::string_view, 12> RoadSpiritNames;
// What a day may suit or forbid, in the order the almanac lists them: the
// words of the glossary, each the almanac's name for one of the book's
// activities (see ActivityParent).
extern const std::vector<std::string_view> ActivityNames;
// The book's activity (用事) a glossary word stands for: "出行" is the book's
// 遣使, the folk word "入宅" follows 般移.
std::string_view ActivityParent(std::string_view activity);

// What the rules of the officers and the day spirits look at.
struct DayFacts {
  Pillar day;
  Branch month = 2;          // the month branch (寅 for 正月)
  Branch yearBranch = 0;     // of the year that began at 立春
  long daysIntoMonth = 0;    // days since the month's jie, 0 on the jie day itself
  bool eveOfFenZhi = false;  // the day before 春分, 夏至, 秋分 or 冬至
  bool eveOfLi = false;      // the day before 立春, 立夏, 立秋 or 立冬
  bool fenZhiDay = false;    // the day of 春分, 夏至, 秋分 or 冬至
  bool earthKing = false;    // 土王用事: from the sun at 27° before a 立 to its eve
};

// The spirits in force on a day and what the day suits and forbids.
struct DayVerdict {
  std::vector<std::string_view> goodSpirits;  // in the order of the rule tables
  std::vector<std::string_view> badSpirits;
  std::vector<std::string_view> suits;  // in the order of ActivityNames
  std::vector<std::string_view> forbids;
  // How the day settles what is both favoured and forbidden: 从宜不从忌,
  // 从宜亦从忌, 从忌不从宜 or 诸事皆忌.
  std::string_view settle;
  // The day follows 忌 over 宜 and notes a few things: 宜 ends in 馀事勿取.
  bool restOmitted = false;
};

// The officer (index into OfficerNames) of a day in a month: 建 falls on the
// day whose branch is the month's.
int OfficerOf(Branch month, Branch day);
// The yellow- or black-road spirit (index into RoadSpiritNames) of a day.
int RoadSpiritOf(Branch month, Branch day);
// 青龙 明堂 金匮 天德 玉堂 司命 are the spirits of the yellow road.
bool IsYellowRoad(int roadSpirit);

DayVerdict JudgeDay(const DayFacts& facts);

// Everything the almanac says about one day, before it is put into words.
struct AlmanacDay {
  DateTime date = 0;
  Pillar year;   // changes on the day of 立春
  Pillar month;  // changes on the day of each jie term
  Pillar day;
  int officer = 0;     // index into OfficerNames
  int roadSpirit = 0;  // index into RoadSpiritNames
  DayFacts facts;
  DayVerdict verdict;
};

// One row of the almanac table, in the order of AlmanacColumns.
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

class AlmanacEngine {
 public:
  explicit AlmanacEngine(TermInstantSource source);

  AlmanacDay Day(DateTime date);
  AlmanacRow Row(DateTime date);

 private:
  // The day numbers of the 24 terms of a year, asked of the source once.
  const std::array<long, 24>& TermDays(int year);

  TermInstantSource source_;
  std::map<int, std::array<long, 24>> term_days_;
};

// Writes the header line and one row for every day from `first` to `last`
// in the resource table format.
void WriteAlmanacTable(AlmanacEngine& engine, DateTime first, DateTime last, std::ostream& out);

}  // namespace vantrel::tools
