#include "almanac/almanac.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

#include "almanac/book.h"
#include "almanac/solar_terms.h"
#include "common/datetime.h"
#include "common/text.h"
#include "reports/almanac.h"
#include "tests/support/fixture.h"
#include "tools/almanac/table.h"
#include "tools/resource_format.h"

namespace vantrel::almanac {
namespace {

using tools::ParseResourceTable;
using tools::ResourceTable;
using tools::SplitResourceLine;

// Terms on fixed calendar dates near the true ones, at noon, with single
// terms moved where a test needs it. The engine must take only the date.
class FixedTerms {
 public:
  static constexpr int kMonthDay[24][2] = {{1, 6},  {1, 20},  {2, 4},  {2, 19},  {3, 6},  {3, 21},
                                           {4, 5},  {4, 20},  {5, 6},  {5, 21},  {6, 6},  {6, 21},
                                           {7, 7},  {7, 23},  {8, 8},  {8, 23},  {9, 8},  {9, 23},
                                           {10, 8}, {10, 23}, {11, 7}, {11, 22}, {12, 7}, {12, 22}};

  FixedTerms& Move(int year, int term, DateTime instant) {
    moved_[{year, term}] = instant;
    return *this;
  }

  TermInstantSource Source() const {
    return [moved = moved_](int year, int term) {
      const auto it = moved.find({year, term});
      if (it != moved.end()) return it->second;
      return EncodeDate(year, kMonthDay[term][0], kMonthDay[term][1]) + 0.5;
    };
  }

 private:
  std::map<std::pair<int, int>, DateTime> moved_;
};

Pillar P(std::string_view text) { return Pillar::FromText(text).value(); }

Branch B(std::string_view text) { return Branch::FromName(text).value(); }

std::string Suici(Engine& engine, int y, int m, int d) { return engine.RowOf(EncodeDate(y, m, d)).suici; }

std::string Officer(Engine& engine, int y, int m, int d) {
  return std::string(OfficerNames[static_cast<std::size_t>(engine.DayOf(EncodeDate(y, m, d)).officer)]);
}

TEST(AlmanacPillarTexts, NayinFetalGodClashAndPengzu) {
  EXPECT_EQ(NayinName(P("甲子")), "海中金");
  EXPECT_EQ(NayinName(P("乙丑")), "海中金");  // the nayin goes by pairs
  EXPECT_EQ(NayinName(P("庚寅")), "松柏木");
  EXPECT_EQ(NayinName(P("戊午")), "天上火");
  EXPECT_EQ(NayinName(P("癸亥")), "大海水");

  EXPECT_EQ(FetalGodPosition(P("甲子")), "占门碓外东南");
  EXPECT_EQ(FetalGodPosition(P("庚寅")), "碓磨炉外正北");
  EXPECT_EQ(FetalGodPosition(P("癸巳")), "占房床房内北");  // the first day inside the house
  EXPECT_EQ(FetalGodPosition(P("戊戌")), "房床栖房内中");
  // From 癸巳 the god stays in the house: 北 five days, 中 two, 南 three, 西
  // one, 东 four, 中 one.
  EXPECT_EQ(FetalGodPosition(P("壬寅")), "仓库炉房内南");
  EXPECT_EQ(FetalGodPosition(P("癸卯")), "房床门房内西");
  EXPECT_EQ(FetalGodPosition(P("丁未")), "仓库厕房内东");
  EXPECT_EQ(FetalGodPosition(P("戊申")), "房床炉房内中");
  EXPECT_EQ(FetalGodPosition(P("己酉")), "占大门外东北");  // back outside
  EXPECT_EQ(FetalGodPosition(P("癸亥")), "占房床外东南");

  // 甲申: 申 + 6 = 寅 (the tiger), 甲 + 4 = 戊; 申 belongs to 申子辰, whose sha is in the south.
  EXPECT_EQ(ClashText(P("甲申")), "冲虎(戊寅)煞南");
  EXPECT_EQ(ClashText(P("庚寅")), "冲猴(甲申)煞北");  // 寅午戌: north
  EXPECT_EQ(ClashText(P("丁未")), "冲牛(辛丑)煞西");  // 亥卯未: west
  EXPECT_EQ(ClashText(P("乙酉")), "冲兔(己卯)煞东");  // 巳酉丑: east
  EXPECT_EQ(ClashText(P("壬子")), "冲马(丙午)煞南");

  EXPECT_EQ(PengzuTaboos(P("甲子")), "甲不开仓财物耗散 子不问卜自惹祸殃");
  EXPECT_EQ(PengzuTaboos(P("癸亥")), "癸不词讼理弱敌强 亥不嫁娶不利新郎");
}

TEST(AlmanacPillarTexts, TheTablesKeepTheirTraditionalShape) {
  // The nayin elements of the thirty pairs run 金火木土金 火水土金木 水土火木水, twice.
  const std::string elements = "金火木土金火水土金木水土火木水";
  const std::vector<std::string> e = text::Characters(elements + elements);
  for (int i = 0; i < 60; i += 2) {
    const std::string nayin = NayinName(Pillar::FromIndex(i));
    EXPECT_EQ(text::Characters(nayin).back(), e[static_cast<std::size_t>(i / 2)]) << i;
    EXPECT_EQ(NayinName(Pillar::FromIndex(i)), NayinName(Pillar::FromIndex(i + 1)));
  }
  // The fetal god's place (three characters) repeats every thirty days; its
  // quarter goes round the outside from 庚申 (6 days 东南, 5 正南, 6 西南, ...),
  // then through the rooms (5 北, 2 中, 4 南, 5 东) and out to 东北 and 正东.
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(text::FirstChars(FetalGodPosition(Pillar::FromIndex(i)), 3),
              text::FirstChars(FetalGodPosition(Pillar::FromIndex(i + 30)), 3))
        << i;
  }
  std::string runs;
  std::string last;
  int count = 0;
  for (int k = 0; k < 60; ++k) {
    const auto chars = text::Characters(FetalGodPosition(Pillar::FromIndex(56 + k)));
    const std::string quarter = chars[3] + chars[4] + chars[5];
    if (quarter != last && count > 0) {
      runs += last + std::to_string(count) + " ";
      count = 0;
    }
    last = quarter;
    ++count;
  }
  runs += last + std::to_string(count);
  EXPECT_EQ(runs,
            "外东南6 外正南5 外西南6 外正西5 外西北6 外正北5 房内北5 房内中2 房内南3 房内西1 房内东4 房内中1 "
            "外东北6 "
            "外正东5");
}

TEST(AlmanacOfficers, CountFromTheMonthBranch) {
  EXPECT_EQ(OfficerName(OfficerOf(B("寅"), B("寅"))), "建");
  EXPECT_EQ(OfficerName(OfficerOf(B("寅"), B("丑"))), "闭");
  EXPECT_EQ(OfficerName(OfficerOf(B("酉"), B("寅"))), "执");
  EXPECT_EQ(OfficerName(OfficerOf(B("子"), B("午"))), "破");  // the clash is always 破
  EXPECT_EQ(OfficerName(OfficerOf(B("戌"), B("午"))), "成");
}

TEST(AlmanacRoad, QinglongStartsWhereTheMonthSays) {
  // 青龙 at 子 in 寅申 months, 寅 in 卯酉, 辰 in 辰戌, 午 in 巳亥, 申 in 子午, 戌 in 丑未.
  const std::pair<const char*, const char*> starts[] = {
      {"寅", "子"}, {"申", "子"}, {"卯", "寅"}, {"酉", "寅"}, {"辰", "辰"}, {"戌", "辰"},
      {"巳", "午"}, {"亥", "午"}, {"子", "申"}, {"午", "申"}, {"丑", "戌"}, {"未", "戌"}};
  for (const auto& [month, day] : starts) {
    EXPECT_EQ(RoadSpiritName(RoadSpiritOf(B(month), B(day))), "青龙") << month << "月 " << day << "日";
  }
  // A whole round in the 寅 month, from the 子 day on.
  std::string round;
  for (int b = 0; b < 12; ++b) {
    const RoadSpirit s = RoadSpiritOf(B("寅"), Branch(b));
    round += std::string(RoadSpiritName(s)) + (IsYellowRoad(s) ? "黄 " : "黑 ");
  }
  EXPECT_EQ(round, "青龙黄 明堂黄 天刑黑 朱雀黑 金匮黄 天德黄 白虎黑 玉堂黄 天牢黑 玄武黑 司命黄 勾陈黑 ");
}

TEST(EngineTest, MonthAndYearChangeOnTheDayOfLichun) {
  Engine engine(FixedTerms().Source());
  // 2013 is 癸巳 (2013 - 1864 = 149, 149 mod 60 = 29). Before 立春 (4 February)
  // the year is still 2012 壬辰, and its 丑 month is 癸丑 (五虎遁: 壬 years
  // open with 壬寅, 丑 is the eleventh month on). On 立春 the month is 甲寅
  // (癸 years open with 甲寅). 2013-02-03 is 36 days into the cycle, 庚子.
  EXPECT_EQ(Suici(engine, 2013, 2, 3), "壬辰年 癸丑月 庚子日");
  EXPECT_EQ(Suici(engine, 2013, 2, 4), "癸巳年 甲寅月 辛丑日");
  // 子 in a 丑 month and 丑 in a 寅 month are both 闭: the officer repeats.
  EXPECT_EQ(Officer(engine, 2013, 2, 3), "闭");
  EXPECT_EQ(Officer(engine, 2013, 2, 4), "闭");
  // Before 小寒 the 子 month of the year before runs on: 2000-01-01 lies in
  // 己卯's 丙子 month (己 years open with 丙寅; 子 is ten months on).
  EXPECT_EQ(Suici(engine, 2000, 1, 1), "己卯年 丙子月 戊午日");
  EXPECT_EQ(Suici(engine, 2000, 1, 6), "己卯年 丁丑月 癸亥日");  // 小寒
  EXPECT_EQ(Suici(engine, 2013, 9, 21), "癸巳年 辛酉月 庚寅日");
}

TEST(EngineTest, OfficersRunOnAndRepeatOnAJieDay) {
  // 白露 on 8 September 2013 opens the 酉 month. From 9-5 (甲戌) the days are
  // 戌 亥 子 in the 申 month (满 平 定), then 丑 寅 卯 in the 酉 month: 丑 - 酉
  // is again 定, then 执 破.
  Engine engine(FixedTerms().Source());
  std::string seq;
  for (int d = 5; d <= 10; ++d) seq += Officer(engine, 2013, 9, d);
  EXPECT_EQ(seq, "满平定定执破");
  EXPECT_EQ(Suici(engine, 2013, 9, 7), "癸巳年 庚申月 丙子日");
  EXPECT_EQ(Suici(engine, 2013, 9, 8), "癸巳年 辛酉月 丁丑日");
}

TEST(EngineTest, OnlyTheDateOfTheInstantCounts) {
  // 白露 late on the 7th opens the month on the 7th; just after midnight it opens on the 8th.
  Engine late(FixedTerms().Move(2013, 16, EncodeDate(2013, 9, 7) + 0.999).Source());
  EXPECT_EQ(late.DayOf(EncodeDate(2013, 9, 7)).month, P("辛酉"));
  Engine early(FixedTerms().Move(2013, 16, EncodeDate(2013, 9, 8) + 0.001).Source());
  EXPECT_EQ(early.DayOf(EncodeDate(2013, 9, 7)).month, P("庚申"));
  // A time of day in the date asked for is ignored too.
  EXPECT_EQ(early.RowOf(EncodeDate(2013, 9, 21) + 0.75).gn, "2013-09-21");
}

TEST(EngineTest, TermsOutOfOrderAreRefused) {
  Engine engine(FixedTerms().Move(2013, 5, EncodeDate(2013, 3, 1)).Source());
  EXPECT_THROW(engine.DayOf(EncodeDate(2013, 6, 1)), std::runtime_error);
}

TEST(EngineTest, FactsCountedFromTheJie) {
  Engine engine(FixedTerms().Source());
  // 2013-09-25 is the 18th day of the 酉 month counting 白露 (9-8) as the first: 气往亡.
  const Day d = engine.DayOf(EncodeDate(2013, 9, 25));
  EXPECT_EQ(d.facts.daysIntoMonth, 17);
  const auto& bad = d.verdict.badSpirits;
  EXPECT_NE(std::find(bad.begin(), bad.end(), "气往亡"), bad.end());
  // 9-22 is the eve of 秋分 (9-23): 四离, and nothing is suited.
  const Day eve = engine.DayOf(EncodeDate(2013, 9, 22));
  EXPECT_TRUE(eve.facts.eveOfFenZhi);
  EXPECT_FALSE(engine.DayOf(EncodeDate(2013, 9, 23)).facts.eveOfFenZhi);
  EXPECT_EQ(engine.RowOf(EncodeDate(2013, 9, 22)).yi, "诸事不宜");
  // 2-3 is the eve of 立春: 四绝. In January the 子 month counts from 大雪 of the year before.
  EXPECT_TRUE(engine.DayOf(EncodeDate(2013, 2, 3)).facts.eveOfLi);
  EXPECT_EQ(engine.DayOf(EncodeDate(2013, 1, 1)).facts.daysIntoMonth, 25);  // from 2012-12-07
  // The year's branch is that of the year begun at 立春: 2013-01-01 still belongs to 辰.
  EXPECT_EQ(engine.DayOf(EncodeDate(2013, 1, 1)).facts.yearBranch, B("辰"));
}

// ---------------------------------------------------------------------------
// The spirit tables. One rule per line: days (month branch and day pillar)
// it is in force on, and near misses it must not be in force on.
struct SpiritCases {
  const char* spirit;
  const char* inForce;  // "寅丁卯 卯甲申": the 丁卯 day of a 寅 month, the 甲申 day of a 卯 month
  const char* misses;
};

bool HasSpirit(const DayVerdict& v, std::string_view name) {
  return std::find(v.goodSpirits.begin(), v.goodSpirits.end(), name) != v.goodSpirits.end() ||
         std::find(v.badSpirits.begin(), v.badSpirits.end(), name) != v.badSpirits.end();
}

void ExpectSpirits(const std::vector<SpiritCases>& table) {
  for (const SpiritCases& c : table) {
    for (const bool inForce : {true, false}) {
      std::istringstream days(inForce ? c.inForce : c.misses);
      for (std::string day; days >> day;) {
        DayFacts f;
        f.month = B(day.substr(0, 3));
        f.day = P(day.substr(3));
        f.yearBranch = B("子");
        f.daysIntoMonth = 2;
        EXPECT_EQ(HasSpirit(JudgeDay(f), c.spirit), inForce) << c.spirit << " " << day;
      }
    }
  }
}

TEST(AlmanacSpirits, VirtuesAndGraces) {
  ExpectSpirits({
      // 正月丁, 三月壬, 六月甲; in 卯午酉子 months 天德 stands on a trigram: no day.
      {"天德", "寅丁卯 辰壬申 未甲子 丑庚午", "卯丁卯 卯甲申 午乙亥 酉甲寅 子乙巳"},
      {"天德合", "寅壬申 辰丁卯 丑乙丑", "寅丁卯 卯己巳 午丙寅 酉乙亥 子甲申"},  // 丁 combines with 壬
      {"月德", "午丙子 子壬午 卯甲子 酉庚午", "午壬子"},  // 寅午戌月丙; 申子辰月壬; 亥卯未月甲; 巳酉丑月庚
      {"月德合", "戌辛卯 辰丁卯 未己巳 丑乙丑", "戌丙寅"},
      {"天恩", "午己卯 午癸丑", "午甲戌"},
      {"天愿", "寅乙亥 子癸丑 丑甲子", "寅甲戌"},  // 十一月
      {"月恩", "寅丙子 辰庚子", "寅丁丑"},         // 三月庚
      {"月空", "寅壬子 巳甲子", "寅丙子"},
  });
}

TEST(AlmanacSpirits, SeasonalSpirits) {
  ExpectSpirits({
      {"母仓", "卯乙亥 午甲寅 酉甲戌 子庚申", "卯庚申"},  // 春亥子; 夏寅卯; 秋辰戌丑未; 冬申酉
      {"四相", "辰丙子 未戊子 戌壬子 丑甲子", "寅甲子"},  // 春丙丁; 夏戊己; 秋壬癸; 冬甲乙
      {"时德", "寅甲午 巳甲辰 申甲子 亥甲寅", "寅甲子"},
      {"王日", "寅甲寅 巳乙巳", "寅乙巳"},
      {"官日", "卯乙卯", "卯乙酉"},
      {"守日", "寅乙酉", "寅乙卯"},
      {"相日", "寅乙巳", "寅甲申"},
      {"民日", "寅甲午 巳乙酉", "寅乙酉"},
      {"四击", "寅甲戌 午乙丑 申甲辰 子乙未", "寅乙丑"},  // 春戌; 夏丑; 秋辰; 冬未
      {"五虚", "寅乙巳 寅乙酉 寅乙丑 巳甲申", "寅甲申"},  // 春巳酉丑; 夏申子辰
      // 春庚申辛酉: the pillar, not the branch alone.
      {"四废", "卯庚申 卯辛酉 午壬子 酉甲寅 子丁巳", "卯壬申"},
  });
}

TEST(AlmanacSpirits, MonthBranchSpirits) {
  ExpectSpirits({
      {"驿马", "寅甲申 卯乙巳 辰甲寅 巳乙亥", "寅甲寅"},  // 寅午戌月申; 亥卯未月巳; 申子辰月寅; 巳酉丑月亥
      {"天马", "寅甲午 卯甲申 未甲辰", "寅甲申"},
      {"天喜", "寅甲戌 丑乙酉", "寅乙亥"},
      {"天医", "寅甲戌 卯乙亥 丑乙酉", "寅乙丑 丑丙子"},  // 正月起戌, forward
      {"生气", "寅甲子 卯乙丑", "寅乙丑"},
      {"益后", "寅甲子 卯甲午 丑乙亥", "卯甲子"},
      {"续世", "寅乙丑 卯乙未 丑甲子", "寅甲子"},
      {"三合", "寅甲午 寅甲戌 酉乙巳", "寅甲寅"},  // the month's own branch is not its 三合
      {"六合", "寅乙亥 子乙丑 午乙未", "寅甲寅"},
      {"阳德", "寅甲戌 卯甲子 申甲戌", "寅甲子"},
      {"阴德", "寅乙酉 卯乙未", "寅乙未"},
      {"金堂", "寅甲辰 卯甲戌 丑乙卯", "寅甲戌"},
      {"玉宇", "寅乙卯 卯乙酉 丑甲寅", "寅乙酉"},
  });
}

TEST(AlmanacSpirits, DaysOfTheCycle) {
  ExpectSpirits({
      {"鸣吠", "午庚午 午辛酉 午丙午 午庚寅", "午辛未 午己卯"},  // fourteen days; 己卯 is not one
      {"鸣吠对", "午丙寅 午乙卯", "午丙午"},
      {"除神", "午甲申 午癸酉", "午甲戌"},
      {"五离", "午甲申 午乙酉", "午丙戌"},
      {"五合", "午甲寅 午癸卯", "午甲辰"},
      {"重日", "午乙巳 午乙亥", "午甲午"},
  });
}

TEST(AlmanacSpirits, BreakersAndShas) {
  ExpectSpirits({
      {"月破", "寅甲申 子甲午", "寅甲寅"},
      {"大耗", "寅甲申", "寅乙未"},
      {"小耗", "寅乙未 卯甲申", "寅甲申"},
      // 劫煞 灾煞 月煞: 寅午戌 亥子丑, 亥卯未 申酉戌, 申子辰 巳午未, 巳酉丑 寅卯辰.
      {"劫煞", "寅乙亥 卯甲申 辰乙巳 巳甲寅", "寅甲子"},
      {"灾煞", "寅甲子 亥乙酉 子甲午", "寅乙丑"},
      {"月煞", "寅乙丑 酉甲辰", "寅甲子"},
      {"天火", "寅甲子 卯乙酉 辰甲午 巳乙卯", "卯乙卯 巳乙酉"},  // with 灾煞: 子酉午卯
      {"月厌", "寅甲戌 卯乙酉 子甲子", "寅乙酉"},
      {"地火", "寅甲戌", "卯甲戌"},
      {"厌对", "寅甲辰", "寅甲戌"},
  });
}

TEST(AlmanacSpirits, TheRestOfTheMonthTables) {
  ExpectSpirits({
      // One stem a month: 正甲 二乙 三戊 四丙 五丁 六己 七庚 八辛 九戊 十壬 十一癸 十二己.
      {"复日", "寅甲子 卯乙丑 辰戊辰 巳丙寅 午丁卯 未己巳 申庚午 酉辛未 戌戊申 亥壬申 子癸酉 丑己卯",
       "寅庚午 卯辛未 辰己巳 巳壬申 午癸酉 未戊辰"},
      {"天罡", "寅乙巳 卯甲子", "寅乙亥"},
      {"河魁", "寅乙亥 卯甲午", "寅乙巳"},
      {"死神", "寅乙巳", "寅甲午"},
      {"死气", "寅甲午", "寅乙巳"},
      {"往亡", "寅甲寅 卯乙巳 丑乙丑", "卯甲寅"},
      {"归忌", "寅乙丑 卯甲寅 辰甲子", "寅甲寅"},  // 孟月丑; 仲月寅; 季月子
      {"血支", "寅乙丑", "寅甲寅"},
      {"血忌", "卯乙未", "卯乙丑"},
      {"天吏", "寅乙酉 卯甲午", "寅甲午"},
      {"大时", "寅乙卯 卯甲子", "寅甲子"},
      {"土符", "寅乙丑 卯乙巳 辰乙酉 巳甲寅", "寅乙巳"},
      {"月刑", "寅乙巳 卯甲子 辰甲辰", "寅甲子"},  // 寅刑巳; 卯刑子; 辰自刑
      {"月害", "寅乙巳 子乙未", "寅乙亥"},
      // 正月丑, backward: 二月子 三月亥 ... 十二月寅.
      {"天贼", "寅乙丑 卯甲子 辰乙亥 申乙未 丑甲寅", "寅甲辰 卯乙酉 辰乙丑"},
      {"游祸", "寅乙巳 卯甲寅", "寅甲寅"},
  });
}

TEST(AlmanacSpirits, SpiritsOfTheOfficers) {
  ExpectSpirits({
      {"月建", "寅甲寅 子甲子", "寅乙卯"},
      {"吉期", "寅乙卯 丑甲寅", "寅甲寅"},  // the branch after the month's: 除
      {"天巫", "寅甲辰 亥乙丑", "寅乙巳"},  // two after: 满
      {"福德", "卯乙巳", "卯甲辰"},
      {"时阴", "寅甲午 卯乙未", "寅乙未"},  // four after: 定
      {"时阳", "寅甲子 卯乙丑", "寅乙丑"},  // two before: 开
  });
}

TEST(AlmanacSpirits, MoreMonthSpirits) {
  ExpectSpirits({
      {"六仪", "寅甲辰 卯乙卯 丑乙巳", "寅甲戌"},         // 正月起辰, backward
      {"九空", "寅甲辰 卯乙丑 辰甲戌 巳乙未", "寅乙丑"},  // backward through the 季 branches
      {"九坎", "寅甲辰 午乙卯 戌甲寅 丑乙巳", "午甲辰"},  // 正辰, 五卯, 九寅, each backward
      {"天仓", "寅甲寅 卯乙丑 丑乙卯", "寅乙卯"},
      {"要安", "寅甲寅 卯甲申 辰乙卯", "卯甲寅"},
      {"临日", "寅甲午 卯乙亥 丑乙酉", "寅甲子"},
      {"解神", "寅甲申 卯甲申 辰甲戌 丑甲午", "辰甲申"},
      {"五富", "寅乙亥 卯甲寅 辰乙巳", "寅甲寅"},
      {"大煞", "寅甲戌 卯乙巳 午甲寅", "卯甲戌"},
      {"天后", "寅甲申", "寅甲寅"},  // with 驿马
      {"致死", "寅乙酉", "寅甲午"},  // with 天吏
  });
}

TEST(AlmanacSpirits, PillarsOfTheSeasonsAndMonths) {
  ExpectSpirits({
      {"天赦", "寅戊寅 午甲午 酉戊申 子甲子", "寅甲寅 午戊申"},
      {"四忌", "卯甲子 午丙子 申庚子 亥壬子", "卯丙子"},
      {"四穷", "卯乙亥 午丁亥 申辛亥 亥癸亥", "卯丁亥"},
      {"四耗", "卯壬子 午乙卯 申戊午 亥辛酉", "卯乙卯"},
      {"五墓", "寅乙未 卯乙未 辰戊辰 巳丙戌 申辛丑 亥壬辰 丑戊辰", "寅丙戌 辰乙未"},
      {"阳错", "寅甲寅 卯乙卯 辰甲辰", "寅庚戌"},
      {"阴错", "寅庚戌 卯辛酉 辰庚申", "寅甲寅"},
      {"八专", "寅丁未 寅己未 寅庚申 寅甲寅 寅癸丑", "寅辛酉"},
      // 不将: 正月 the stems 丙丁己庚辛 with the branches 子丑寅卯亥, as the book lists them.
      {"不将", "寅丙寅 寅辛亥 卯乙丑 丑丙辰", "寅甲子 寅辛巳 卯甲子 丑丙午"},
  });
}

bool Has(const std::vector<std::string_view>& words, std::string_view word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

TEST(AlmanacSpirits, RulesOfTheYearAndTheTerms) {
  DayFacts f;
  f.month = B("午");
  f.day = P("乙亥");
  f.yearBranch = B("巳");
  f.daysIntoMonth = 3;
  // The year's clash is a spirit of the year, not of the day.
  EXPECT_FALSE(HasSpirit(JudgeDay(f), "岁破"));

  // 气往亡: 立春 7, 芒种 16, 小寒 30 days, the jie day counted as the first.
  const std::tuple<const char*, long> days[] = {{"寅", 6}, {"午", 15}, {"丑", 29}};
  for (const auto& [month, into] : days) {
    f.month = B(month);
    f.daysIntoMonth = into;
    EXPECT_TRUE(HasSpirit(JudgeDay(f), "气往亡")) << month;
    f.daysIntoMonth = into + 1;
    EXPECT_FALSE(HasSpirit(JudgeDay(f), "气往亡")) << month;
  }

  f.daysIntoMonth = 3;
  EXPECT_FALSE(HasSpirit(JudgeDay(f), "土王用事"));
  f.earthKing = true;
  EXPECT_TRUE(HasSpirit(JudgeDay(f), "土王用事"));
  f.earthKing = false;
  // 戊申 of the 丑 month leaves building alone; 土王用事 forbids it.
  f.day = P("戊申");
  EXPECT_FALSE(Has(JudgeDay(f).forbids, "动土"));
  f.earthKing = true;
  EXPECT_TRUE(Has(JudgeDay(f).forbids, "动土"));
  f.day = P("乙亥");
  f.earthKing = false;
  EXPECT_FALSE(HasSpirit(JudgeDay(f), "四离"));
  f.eveOfFenZhi = true;
  EXPECT_TRUE(HasSpirit(JudgeDay(f), "四离"));
  EXPECT_FALSE(HasSpirit(JudgeDay(f), "四绝"));
  f.eveOfLi = true;
  EXPECT_TRUE(HasSpirit(JudgeDay(f), "四绝"));
}

// ---------------------------------------------------------------------------
// What the day suits and forbids.

DayFacts Facts(std::string_view month, std::string_view day) {
  DayFacts f;
  f.month = B(month);
  f.day = P(day);
  f.daysIntoMonth = 3;
  return f;
}

DayVerdict Judge(std::string_view month, std::string_view day) { return JudgeDay(Facts(month, day)); }

TEST(AlmanacGrade, TheGradeOfTheBooksTable) {
  // Month indexes count from 正月 (寅 0, 卯 1, .. 亥 9, 子 10).
  // 平 in the 亥 month meets 相日, 时德 and 六合: the good is enough (上).
  EXPECT_EQ(book::GradeOf({"平日", "相日", "时德", "六合"}, 9), 0);
  // 收 in the 卯 month meets 大时 and 月刑: bad upon bad (下).
  EXPECT_EQ(book::GradeOf({"收日", "大时", "月刑"}, 1), 4);
  // 灾煞 on 月破: 下 in 子 months, and with 月厌 too 下下 in 卯 and 酉 months.
  EXPECT_EQ(book::GradeOf({"灾煞", "月破"}, 10), 4);
  EXPECT_EQ(book::GradeOf({"灾煞", "月破", "月厌"}, 1), 5);
  // Of two entries the graver counts: 平 (中次) with 月刑 (下) in the 子 month.
  EXPECT_EQ(book::GradeOf({"月刑", "平日", "天吏"}, 10), 4);
  // 建 and 破 days are outside the table.
  EXPECT_EQ(book::GradeOf({"月建", "月破", "大耗"}, 4), -1);
}

// The day's judgement in the book's own activities, which the glossary
// does not print.
book::Judgement BookJudge(std::string_view month, std::string_view day) {
  return book::Judge(Facts(month, day));
}

bool Holds(const book::DeedSet& set, std::string_view deed) { return (set & book::DeedsOf(deed)).any(); }

TEST(AlmanacVerdict, TheActivityIndexOfTheBookInItsOwnWords) {
  // 正月丁卯 (天德): no hunting or fishing; the common almanac's 上表章 and
  // 袭爵受封 follow the court's words. The day is also 除 with 大时, which
  // "止忌安抚边境选将训兵出师": the army stays home though 天德 favours it.
  book::Judgement j = BookJudge("寅", "丁卯");
  EXPECT_TRUE(Holds(j.forbids, "出师"));
  EXPECT_FALSE(Holds(j.suits, "出师"));
  for (const auto deed : {"畋猎", "取鱼"}) EXPECT_TRUE(Holds(j.forbids, deed)) << deed;
  for (const auto deed : {"上册进表章", "上表章", "施恩封拜", "袭爵受封"})
    EXPECT_TRUE(Holds(j.suits, deed)) << deed;
  // 生气 stands on the 开 day (四月辛卯): no felling.
  EXPECT_TRUE(Holds(BookJudge("巳", "辛卯").forbids, "伐木"));
  // 天赦 (春戊寅, a 建 day) spares the game but does not send out the army.
  j = BookJudge("寅", "戊寅");
  EXPECT_TRUE(Holds(j.forbids, "畋猎"));
  EXPECT_FALSE(Holds(j.suits, "出师"));
  // Trees are felled in winter on the 午 and 申 days, not in spring; the 复日
  // of the 子 month (癸) favours the tailor.
  EXPECT_TRUE(Holds(BookJudge("子", "甲申").suits, "伐木"));
  EXPECT_FALSE(Holds(BookJudge("辰", "甲申").suits, "伐木"));
  EXPECT_TRUE(Holds(BookJudge("子", "癸丑").suits, "裁制"));
}

TEST(AlmanacVerdict, TheGradeAndTheVirtuesSettleEachConflict) {
  // 月破 with 灾煞 in a 子 month (下): nothing without a 德; with 月德 (壬)
  // the bad still prevails and the short 宜 ends in 馀事勿取.
  EXPECT_EQ(SettlementName(Judge("子", "甲午").settlement), "诸事皆忌");
  DayVerdict v = Judge("子", "壬午");
  EXPECT_EQ(SettlementName(v.settlement), "从忌不从宜");
  EXPECT_EQ(v.suits, (std::vector<std::string_view>{"祭祀", "斋醮"}));
  EXPECT_TRUE(v.restOmitted);
  EXPECT_TRUE(Has(v.forbids, "嫁娶"));
  // 月厌 on 月破 and 灾煞 in 卯 months (下下): nothing, even with 月德合 (己).
  EXPECT_EQ(SettlementName(Judge("卯", "己酉").settlement), "诸事皆忌");
  // 劫煞 of 正月 falls on 收 and 六合 (亥), 上: the good prevails.
  v = Judge("寅", "丁亥");
  EXPECT_EQ(SettlementName(v.settlement), "从宜不从忌");
  for (const auto word : {"修造", "开市", "纳采"}) {
    EXPECT_TRUE(Has(v.suits, word)) << word;
    EXPECT_FALSE(Has(v.forbids, word)) << word;
  }
  // A 破 day outside the table: 月破 "与天德月德天德合月德合并犹忌之", so what
  // it forbids stays forbidden though 驿马 favours the journey.
  v = Judge("寅", "甲申");
  EXPECT_EQ(SettlementName(v.settlement), "从宜亦从忌");
  EXPECT_FALSE(Has(v.suits, "出行"));
  EXPECT_TRUE(Has(v.forbids, "出行"));
  EXPECT_TRUE(Has(v.forbids, "嫁娶"));
}

TEST(AlmanacVerdict, VetoesStandWhateverTheDaySettles) {
  // 厌对 (正月辰) forbids marriage unless a 德 stands on the day: 壬 is 正月's 天德合.
  EXPECT_TRUE(Has(Judge("寅", "甲辰").forbids, "嫁娶"));
  EXPECT_FALSE(Has(Judge("寅", "壬辰").forbids, "嫁娶"));
  // 往亡 (正月寅) keeps forbidding the journey with 月德 (丙) on the day, and
  // the 寅 day forbids worship, so 祈福 is not noted either.
  const DayVerdict v = Judge("寅", "丙寅");
  EXPECT_TRUE(Has(v.forbids, "出行"));
  EXPECT_TRUE(Has(v.forbids, "祭祀"));
  EXPECT_FALSE(Has(v.suits, "祈福"));
  // The 亥 day forbids the wedding even where the good prevails (丁亥 above),
  // and where good and bad offset each other and the betrothal is not
  // forbidden (己亥 of the 未 month, with both 德合).
  EXPECT_TRUE(Has(Judge("寅", "丁亥").forbids, "嫁娶"));
  EXPECT_TRUE(Has(Judge("未", "己亥").forbids, "嫁娶"));
  EXPECT_FALSE(Has(Judge("未", "己亥").forbids, "纳采"));
  // The other taboos of the day are settled with it: 乙 forbids planting and
  // 母仓 favours it, so on 乙亥 of the 辰 month it is written neither way.
  const DayVerdict yi = Judge("辰", "乙亥");
  EXPECT_FALSE(Has(yi.forbids, "栽种"));
  EXPECT_FALSE(Has(yi.suits, "栽种"));
  // 天狗 is the 满 day on 戌, in the 申 month only.
  EXPECT_TRUE(Has(Judge("申", "甲戌").forbids, "祭祀"));
  EXPECT_FALSE(Has(Judge("酉", "乙亥").forbids, "祭祀"));
}

// What one 凶神 forbids on a day of the given month and pillar, with the
// day's other spirits and virtues in force.
book::DeedSet SpiritForbids(std::string_view month, std::string_view day, std::string_view spirit) {
  book::Trace trace;
  book::Judge(Facts(month, day), &trace);
  for (std::size_t k = 0; k < trace.present.size(); ++k)
    if (!trace.present[k]->good && trace.present[k]->name == spirit) return trace.forbids[k];
  ADD_FAILURE() << spirit << " is not on " << day << " of the " << month << " month";
  return {};
}

TEST(AlmanacBookRules, AGreatSpiritOnADayThatFollowsTheGoodForbidsOnlyWarAndHealing) {
  // 卷十 平日: "寅申巳亥月值相日亥月又值时德六合止忌安抚边境选将训兵出师求医疗病余皆不忌":
  // 平 of the 亥 month (丙寅) is 上, and what 平 still forbids stands even
  // where a good spirit favours it.
  const book::DeedSet war = book::DeedsOf("安抚边境 选将训兵 出师 求医疗病");
  EXPECT_EQ(SpiritForbids("亥", "丙寅", "平日"), war);
  EXPECT_FALSE(Holds(SpiritForbids("亥", "丙寅", "平日"), "嫁娶"));
  // 劫煞 of the 寅 month on 收 and 六合 (亥): "止忌……余皆不忌", so 嫁娶 is left;
  // 求医疗病 is still forbidden though nothing there lifts it.
  const book::Judgement j = BookJudge("寅", "丁亥");
  EXPECT_TRUE(Holds(j.forbids, "求医疗病"));
  EXPECT_FALSE(Holds(SpiritForbids("寅", "丁亥", "劫煞"), "结婚姻"));
  // 月厌: "寅申月值成日丑未月值开日与月德天德合月德合并止忌行幸遣使……嫁娶……栽种余皆不忌":
  // on 成 of the 申 month beside 天德合 (戊辰) marriage stays forbidden, building does not.
  EXPECT_TRUE(Holds(SpiritForbids("申", "戊辰", "月厌"), "嫁娶"));
  EXPECT_FALSE(Holds(SpiritForbids("申", "戊辰", "月厌"), "兴造动土"));
  // 月建: "与天德月德天德合月德合天赦月恩四相并止忌营建宫室……伐木栽种破土余皆不忌"
  // (正月丙寅, 月德); "子午月值月厌……从刑厌论": not on 壬子 of the 子 month.
  EXPECT_FALSE(Holds(SpiritForbids("寅", "丙寅", "月建"), "祈福"));
  EXPECT_TRUE(Holds(SpiritForbids("寅", "丙寅", "月建"), "兴造动土"));
  EXPECT_TRUE(Holds(SpiritForbids("子", "壬子", "月建"), "祈福"));
}

TEST(AlmanacBookRules, WhatAVirtueDoesNotLift) {
  // 月破: "与天德月德天德合月德合并犹忌之": 丙申 of the 寅 month (月德) forbids marriage.
  EXPECT_TRUE(Holds(BookJudge("寅", "丙申").forbids, "嫁娶"));
  // 死气: "辰戌月值月厌虽与德合并犹忌": 壬申 of the 辰 month (月德) forbids
  // planting; 乙酉 of the 巳 month (月德合) forbids only war and healing.
  EXPECT_TRUE(Holds(SpiritForbids("辰", "壬申", "死气"), "栽种"));
  EXPECT_FALSE(Holds(SpiritForbids("巳", "乙酉", "死气"), "栽种"));
  EXPECT_TRUE(Holds(SpiritForbids("巳", "乙酉", "死气"), "出师"));
  // 小耗: "子午卯酉月值刼煞虽与德合并犹忌": 丁巳 of the 子 month (月德合) keeps
  // the market forbidden; 庚午 of the 丑 month (月德) lifts it.
  EXPECT_TRUE(Holds(SpiritForbids("子", "丁巳", "小耗"), "开市"));
  EXPECT_TRUE(SpiritForbids("丑", "庚午", "小耗").none());
  // 四废: "与月破并诸事皆忌": 庚申 of the 寅 month.
  EXPECT_EQ(BookJudge("寅", "庚申").settle, Settlement::kNothing);
}

TEST(AlmanacBookRules, WhatAVirtueLifts) {
  // 五墓: "五月十一月与月德并则不忌": 丙戌 of the 午 month.
  EXPECT_TRUE(SpiritForbids("午", "丙戌", "五墓").none());
  EXPECT_TRUE(Holds(SpiritForbids("巳", "丙戌", "五墓"), "嫁娶"));
  // 满日: "寅申月值守日……与月德天德合月德合月恩四相并则不忌": 丙辰 of the 寅 month.
  EXPECT_TRUE(SpiritForbids("寅", "丙辰", "满日").none());
  // 闭日: "子午卯酉月值王日辰戌丑未月值官日天吏与……天赦天愿并凡所忌者则不注宜所宜者亦不注忌":
  // 戊寅 of the 卯 month (天赦) and 甲子 of the 丑 month (天愿, 天赦).
  EXPECT_EQ(BookJudge("卯", "戊寅").settle, Settlement::kNeither);
  EXPECT_EQ(BookJudge("丑", "甲子").settle, Settlement::kNeither);
}

TEST(AlmanacBookRules, TheHuntAndTheCatchInTheirSeasons) {
  // 执, 危 and 收: "霜降后立春前宜畋猎雨水后立夏前宜取鱼". 丙辰 is the 执 of the 亥
  // month, 丙申 that of the 卯 month.
  DayFacts hunt = Facts("亥", "丙辰");
  EXPECT_FALSE(Holds(book::Judge(hunt).suits, "畋猎"));
  hunt.huntSeason = true;
  EXPECT_TRUE(Holds(book::Judge(hunt).suits, "畋猎"));
  DayFacts catchDay = Facts("卯", "丙申");
  catchDay.fishSeason = true;
  EXPECT_TRUE(Holds(book::Judge(catchDay).suits, "取鱼"));
  EXPECT_FALSE(Holds(book::Judge(catchDay).suits, "畋猎"));
  // On the calendar: 2026-12-10 falls after 霜降, 2026-06-10 after 立夏.
  EXPECT_TRUE(DayOf({2026, 12, 10}).facts.huntSeason);
  EXPECT_FALSE(DayOf({2026, 12, 10}).facts.fishSeason);
  EXPECT_FALSE(DayOf({2026, 6, 10}).facts.huntSeason);
  EXPECT_TRUE(DayOf({2026, 3, 10}).facts.fishSeason);
}

TEST(AlmanacVerdict, ADayWithoutBadSpiritsForbidsNothing) {
  // A 甲午 day of the 戌 month: 成, with 天喜 and 天医 (九月午), 三合 (戌: 寅午)
  // and 鸣吠对 (甲午); no listed 凶神 falls on it.
  const DayVerdict v = Judge("戌", "甲午");
  for (const auto name : {"天喜", "天医", "三合", "鸣吠对"}) EXPECT_TRUE(HasSpirit(v, name)) << name;
  EXPECT_TRUE(v.badSpirits.empty());
  // Only the taboo of the 甲 day remains, 甲不开仓, and the granary is not
  // among the printed words: the day forbids nothing the reader can see.
  EXPECT_TRUE(v.forbids.empty());
  // 天喜 and 三合 favour marriage, 鸣吠对 the opening of the grave, 成 moving and the market.
  for (const auto word : {"嫁娶", "纳采", "订盟", "破土", "移柩", "移徙", "开市", "修造"})
    EXPECT_TRUE(Has(v.suits, word)) << word;
  EXPECT_FALSE(Has(v.suits, "安葬"));
}

TEST(AlmanacVerdict, ActivityWordsAreTheGlossarysWords) {
  // Every word the glossary explains is an activity and the other way round
  // (the contract is written 立券; the glossary has 立卷), so every printed
  // word can be looked up.
  std::vector<std::string> glossary;
  for (const std::string& line : AlmanacGlossary()) {
    const auto colon = line.find(" ：");
    if (colon != std::string::npos) glossary.push_back(line.substr(0, colon));
  }
  std::vector<std::string> activities;
  for (const auto& word : ActivityNames) activities.emplace_back(word == "立券" ? "立卷" : word);
  EXPECT_EQ(activities, glossary);
}

// ---------------------------------------------------------------------------
// Whole rows of well-known days, with the astronomical terms.

class RealAlmanac : public ::testing::Test {
 protected:
  AlmanacRow Row(int y, int m, int d) { return RowOf(CivilDate{y, m, d}); }
};

TEST_F(RealAlmanac, MidAutumn2013) {
  // 2013-09-21, the 庚寅 day of the 酉 month, is 执 and 劫煞: the 劫煞 of a
  // middle month on 执 (中次) with 月德 (庚) standing by is settled neither
  // way, so the burial 鸣吠 favours and the betrothal 五合 favours are not
  // written as suited, nor is what 劫煞 forbids written as forbidden; where
  // the contract is not forbidden, the market and the money are not either.
  // None of the glossary's words is left that suits the day, only the small
  // business of 解神 and 执; the 寅 day still forbids worship and 归忌 the move.
  const AlmanacRow r = Row(2013, 9, 21);
  EXPECT_EQ(r.gn, "2013-09-21");
  EXPECT_EQ(r.nn, "八月十七 星期六 青龙黄道日");
  EXPECT_EQ(r.suici, "癸巳年 辛酉月 庚寅日");
  EXPECT_EQ(r.tszf, "碓磨炉外正北");
  EXPECT_EQ(r.wuhang, "松柏木 执执位");
  EXPECT_EQ(r.cong, "冲猴(甲申)煞北");
  EXPECT_EQ(r.pzbj, "庚不经络织机虚张 寅不祭祀神鬼不尝");
  EXPECT_EQ(r.jsyq, "月德 解神 五合 鸣吠 青龙");
  EXPECT_EQ(r.yi, "陈词讼 沐浴 捕捉 馀事勿取");
  EXPECT_EQ(r.xsyq, "劫煞 小耗 归忌");
  EXPECT_EQ(r.ji, "祭祀 移徙 入宅 移柩 斋醮");
}

TEST_F(RealAlmanac, NewYearsDay2000) {
  // Before 小寒 (2000-01-06): the 丙子 month of 己卯. 戊午 clashes 子: 破, and
  // with 灾煞 on it and no 德 nothing at all is done. 司命 stands on 午 in 子
  // months (青龙 on 申).
  // Good: 阳德 (十一月午), 守日 (冬午), 六仪 (十一月午), 续世 (十一月午), 解神 (十一月午).
  // Bad: 月破 大耗 (午), 灾煞 天火 (申子辰月午), 厌对 招摇 (十一月午),
  // 五虚 (冬寅午戌), 血忌 (十一月午); 天贼 stands on 卯 in 十一月.
  const AlmanacRow r = Row(2000, 1, 1);
  EXPECT_EQ(r.nn, "冬月廿五 星期六 司命黄道日");
  EXPECT_EQ(r.suici, "己卯年 丙子月 戊午日");
  EXPECT_EQ(r.tszf, "房床碓外正东");
  EXPECT_EQ(r.wuhang, "天上火 破执位");
  EXPECT_EQ(r.cong, "冲鼠(壬子)煞北");
  EXPECT_EQ(r.pzbj, "戊不受田田主不祥 午不苫盖屋主更张");
  EXPECT_EQ(r.jsyq, "阳德 守日 六仪 续世 解神 司命");
  EXPECT_EQ(r.yi, "诸事不宜");
  EXPECT_EQ(r.xsyq, "月破 大耗 灾煞 天火 厌对 招摇 五虚 血忌");
  EXPECT_EQ(r.ji, "诸事不宜");
}

TEST_F(RealAlmanac, FamousDaysSettledByTheBook) {
  // 2013-09-21 (劫煞, settled neither way) notes no burial.
  EXPECT_EQ(Row(2013, 9, 21).yi.find("安葬"), std::string::npos);
  // 2024-02-10 (正月初一) is a 九空 day: no opening of the market.
  const AlmanacRow newYear = Row(2024, 2, 10);
  EXPECT_NE(newYear.xsyq.find("九空"), std::string::npos);
  EXPECT_EQ(newYear.yi.find("开市"), std::string::npos);
  // 2026-12-10: 月破 with 灾煞 in a 子 month and no 德: nothing is done.
  const AlmanacRow broken = Row(2026, 12, 10);
  EXPECT_NE(broken.xsyq.find("月破"), std::string::npos);
  EXPECT_EQ(broken.yi, "诸事不宜");
  EXPECT_EQ(broken.ji, "诸事不宜");
  // 2024-03-19, the eve of 春分 (四离), keeps worship.
  const AlmanacRow eve = Row(2024, 3, 19);
  EXPECT_NE(eve.xsyq.find("四离"), std::string::npos);
  EXPECT_EQ(eve.yi.rfind("祭祀", 0), 0u);
}

TEST_F(RealAlmanac, RoadSpiritsCloseTheirSidesList) {
  // A black road day lists its spirit among the 凶神 (2000-01-02, 己未 in the
  // 子 month: 勾陈), the yellow 天德 is listed as 宝光 (2013-09-14).
  const AlmanacRow black = Row(2000, 1, 2);
  EXPECT_NE(black.nn.find("勾陈黑道日"), std::string::npos);
  EXPECT_EQ(black.xsyq.substr(black.xsyq.size() - std::string("勾陈").size()), "勾陈");
  const AlmanacRow yellow = Row(2013, 9, 14);
  EXPECT_NE(yellow.nn.find("天德黄道日"), std::string::npos);
  EXPECT_EQ(yellow.jsyq.substr(yellow.jsyq.size() - std::string("宝光").size()), "宝光");
}

TEST(AlmanacSpirits, SuibaoAndZhuzhenLeaveOutWhatYueyanForbids) {
  // 岁薄: 戊午 in the 巳 month (四月). 四相 and 吉期 would favour the journey
  // and 祈福; 月厌 forbids them, so only worship is noted as suiting the day.
  const DayVerdict v = Judge("巳", "戊午");
  EXPECT_TRUE(HasSpirit(v, "岁薄"));
  EXPECT_EQ(v.suits, (std::vector<std::string_view>{"祭祀", "斋醮"}));
  EXPECT_TRUE(HasSpirit(Judge("未", "丙午"), "逐阵"));
  EXPECT_FALSE(HasSpirit(Judge("午", "丙午"), "逐阵"));
}

TEST_F(RealAlmanac, TheMonthWordsOfAlmanacs) {
  // Lunar new year 2024 fell on 2-10: 正月初一, not 一月初一.
  EXPECT_EQ(Row(2024, 2, 10).nn.substr(0, std::string("正月初一").size()), "正月初一");
  EXPECT_EQ(Row(2023, 12, 13).nn.substr(0, std::string("冬月初一").size()), "冬月初一");
  EXPECT_EQ(Row(2024, 1, 11).nn.substr(0, std::string("腊月初一").size()), "腊月初一");
  EXPECT_EQ(Row(2023, 3, 22).nn.substr(0, std::string("闰二月初一").size()), "闰二月初一");
}

TEST_F(RealAlmanac, LichunDay2013) {
  // 立春 2013 fell at 00:13 on 2-4: year 癸巳 and month 甲寅 begin that day.
  // 辛丑 in the 寅 month is 闭, as 庚子 in the 丑 month was the day before.
  // Good: 月德合 (寅午戌月辛), 不将 (正月辛丑), 续世 (正月丑).
  // Bad: 血支 (闭), 月煞 月虚 (寅午戌月丑), 天贼 (正月丑), 五虚 (春丑), 土符
  // (正月丑), 归忌 (孟月丑), 血忌 (正月丑). 闭 in a 孟 month (月煞) is 下: with
  // the 德 the bad still prevails (without it nothing would be done), so
  // only worship is left.
  const AlmanacRow r = Row(2013, 2, 4);
  EXPECT_EQ(r.nn, "腊月廿四 星期一 明堂黄道日");
  EXPECT_EQ(r.suici, "癸巳年 甲寅月 辛丑日");
  EXPECT_EQ(r.tszf, "厨灶厕房内南");
  EXPECT_EQ(r.wuhang, "壁上土 闭执位");
  EXPECT_EQ(r.cong, "冲羊(乙未)煞东");
  EXPECT_EQ(r.pzbj, "辛不合酱主人不尝 丑不冠带主不还乡");
  EXPECT_EQ(r.jsyq, "月德合 不将 续世 明堂");
  EXPECT_EQ(r.yi, "祭祀 斋醮 馀事勿取");
  EXPECT_EQ(r.xsyq, "血支 月煞 月虚 天贼 五虚 土符 归忌 血忌");
  EXPECT_NE(r.ji.find("嫁娶"), std::string::npos);
  EXPECT_NE(r.ji.find("安葬"), std::string::npos);
  // The eve of 立春 is 四绝: worship and no more.
  const AlmanacRow eve = Row(2013, 2, 3);
  EXPECT_EQ(eve.suici, "壬辰年 癸丑月 庚子日");
  EXPECT_EQ(eve.wuhang, "壁上土 闭执位");
  EXPECT_EQ(eve.yi, "祭祀 斋醮 馀事勿取");
  EXPECT_NE(eve.xsyq.find("四绝"), std::string::npos);
}

TEST_F(RealAlmanac, BailuDay2013RepeatsTheOfficer) {
  // 白露 2013 fell on 9-7: 乙亥 on 9-6 in the 申 month and 丙子 on 9-7 in the
  // 酉 month are both 平. 司命 stands on 子 in 酉 months.
  EXPECT_EQ(Row(2013, 9, 6).wuhang, "山头火 平执位");
  const AlmanacRow r = Row(2013, 9, 7);
  EXPECT_EQ(r.suici, "癸巳年 辛酉月 丙子日");
  EXPECT_EQ(r.wuhang, "涧下水 平执位");
  EXPECT_EQ(r.nn, "八月初三 星期六 司命黄道日");
  EXPECT_EQ(r.cong, "冲马(庚午)煞南");
  EXPECT_EQ(r.tszf, "厨灶碓外西南");
}

TEST_F(RealAlmanac, EveryJieOf2013ChangesTheMonthAndRepeatsTheOfficer) {
  for (int j = 0; j < 12; ++j) {
    const DateTime jie = std::floor(TermInstant(2013, 2 * j));
    const Day before = DayOf(DecodeDate(jie - 1));
    const Day on = DayOf(DecodeDate(jie));
    EXPECT_EQ(on.month.branch, Branch(j + 1)) << FormatDate(jie);
    EXPECT_EQ(Mod(on.month.Index() - before.month.Index(), 60), 1) << FormatDate(jie);
    EXPECT_EQ(on.officer, before.officer) << FormatDate(jie);
    EXPECT_EQ(on.facts.daysIntoMonth, 0);
  }
}

TEST_F(RealAlmanac, TheTableWritesOneEscapedRowPerDay) {
  std::ostringstream out;
  tools::WriteAlmanacTable({2013, 9, 20}, {2013, 9, 22}, out);
  const ResourceTable t = ParseResourceTable(out.str(), "huangdao.tsv");
  EXPECT_EQ(t.columns, (std::vector<std::string>{"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj",
                                                 "jsyq", "yi", "xsyq", "ji"}));
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[1], Row(2013, 9, 21).Fields());
  EXPECT_EQ(t.rows[2][t.Column("gn")], "2013-09-22");
}

// The table the build wrote: every day 1901-01-01 .. 2100-12-31 once, in
// order, with every field filled.
TEST(AlmanacTable, TheBuiltTableCoversEveryDay) {
  std::ifstream in(vantrel::testing::BuiltDataDir() + "/../generated/huangdao.tsv");
  ASSERT_TRUE(in);
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji");
  DateTime expected = EncodeDate(1901, 1, 1);
  long rows = 0;
  while (std::getline(in, line)) {
    const std::vector<std::string> fields = SplitResourceLine(line);
    ASSERT_EQ(fields.size(), 11u) << line;
    ASSERT_EQ(fields[0], FormatDate(expected));
    for (const auto& field : fields) ASSERT_FALSE(field.empty()) << line;
    expected += 1;
    ++rows;
  }
  EXPECT_EQ(rows, 73049);
  EXPECT_EQ(expected, EncodeDate(2101, 1, 1));
}

}  // namespace
}  // namespace vantrel::almanac
