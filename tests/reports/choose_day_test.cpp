// Choosing a day, rule by rule: every listed day checked against the
// almanac and the couple's branches on its own, the 不将 days of a month,
// the days that are always shut, the popular rules only when asked for,
// the reasons of a worked example, and the messages of bad input.
#include "reports/choose_day.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "chart/chart.h"
#include "reports/entry_texts.h"

namespace vantrel::choose {
namespace {

PersonEntry Entry(int year, int month, int day, int hour = 0) {
  EntryTexts e;
  e.year = std::to_string(year);
  e.month = std::to_string(month);
  e.day = std::to_string(day);
  e.hour = kHourItems[static_cast<std::size_t>(hour)];
  return ReadMarriagePerson(e);
}

ChooseRequest Wedding(PersonEntry man, PersonEntry woman, CivilDate from, CivilDate to) {
  ChooseRequest r;
  r.from = from;
  r.to = to;
  r.people = {{Role::kMan, std::move(man), Sex::Man}, {Role::kWoman, std::move(woman), Sex::Woman}};
  return r;
}

// The couple of the worked example: a 寅 year groom (1998-03-05) and a 辰
// year bride (2000-07-09), in 2027.
ChooseRequest Example() {
  return Wedding(Entry(1998, 3, 5), Entry(2000, 7, 9), {2027, 1, 1}, {2027, 12, 31});
}

Pillar YearPillarOf(const PersonEntry& e, Sex sex) {
  const auto facts = DerivePersonFacts(e, 2026);
  return CastChart(BirthOf(*facts, sex))->yearPillar;
}

bool Mentions(const DayJudgement& j, const std::string& text) {
  return std::any_of(j.reasons.begin(), j.reasons.end(),
                     [&](const std::string& r) { return r.find(text) != std::string::npos; });
}

bool Has(const std::vector<std::string_view>& list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// --- the couple's branches -------------------------------------------------

TEST(ChooseDayClash, ListedDaysHoldAgainstAnIndependentCheckForRandomCouples) {
  std::mt19937 random(20270101);
  for (int trial = 0; trial < 12; ++trial) {
    const PersonEntry man =
        Entry(1950 + static_cast<int>(random() % 55), 1 + random() % 12, 1 + random() % 28);
    const PersonEntry woman =
        Entry(1950 + static_cast<int>(random() % 55), 1 + random() % 12, 1 + random() % 28);
    const int startYear = 1910 + static_cast<int>(random() % 180);
    const CivilDate from{startYear, 1 + static_cast<int>(random() % 12), 1};
    const CivilDate to{startYear + 1, from.month, 1};
    const ChooseResult result = ChooseDays(Wedding(man, woman, from, to));
    ASSERT_FALSE(result.notice) << *result.notice;
    const Branch manYear = YearPillarOf(man, Sex::Man).branch;
    const Branch womanYear = YearPillarOf(woman, Sex::Woman).branch;
    ASSERT_FALSE(result.chosen.empty());
    int previous = 1 << 30;
    for (const DayJudgement& j : result.chosen) {
      const almanac::Day day = almanac::DayOf(j.day.date);
      EXPECT_TRUE(Has(day.verdict.suits, "嫁娶"));
      EXPECT_FALSE(Has(day.verdict.forbids, "嫁娶"));
      EXPECT_NE(Branch(day.day.branch.Index() - manYear.Index()), Branch(6));
      EXPECT_NE(Branch(day.day.branch.Index() - womanYear.Index()), Branch(6));
      EXPECT_NE(Branch(day.day.branch.Index() - day.facts.yearBranch.Index()), Branch(6)) << "岁破";
      EXPECT_FALSE(Has(day.verdict.badSpirits, "月破"));
      EXPECT_LE(j.score, previous) << "ranked best first";
      previous = j.score;
    }
  }
}

TEST(ChooseDayClash, ADayClashingTheBridesYearNeverAppearsAndSaysWhy) {
  const ChooseResult result = ChooseDays(Example());
  ASSERT_FALSE(result.notice);
  ASSERT_EQ(result.people[1].year.Text(), "庚辰");
  int seen = 0;
  for (long n = EncodeDate(2027, 1, 1); n <= EncodeDate(2027, 12, 31); ++n) {
    const almanac::Day day = almanac::DayOf(DecodeDate(static_cast<DateTime>(n)));
    if (day.day.branch != Branch(10)) continue;  // 戌 clashes 辰
    ++seen;
    const DayJudgement j = JudgeDay(result, day);
    EXPECT_FALSE(j.chosen);
    EXPECT_TRUE(Mentions(j, "日支戌冲女方辰年"));
    EXPECT_TRUE(ExplainLine(result, j).find(" 不选：") != std::string::npos);
  }
  EXPECT_GT(seen, 25);
  for (const DayJudgement& j : result.chosen) EXPECT_NE(j.day.day.branch, Branch(10));
}

TEST(ChooseDayClash, DayBranchAndXingHaiCountOnlyWhenAsked) {
  ChooseRequest plain = Example();
  ChooseRequest strict = plain;
  strict.options.dayBranch = true;
  strict.options.xingHai = true;
  const ChooseResult a = ChooseDays(plain);
  const ChooseResult b = ChooseDays(strict);
  // The groom's day is 辛亥, the bride's 戊辰: 巳 and 戌 clash them; 寅 刑 巳 (the groom's 寅 year).
  EXPECT_EQ(a.people[0].day.Text(), "辛亥");
  EXPECT_LT(b.chosen.size(), a.chosen.size());
  for (const DayJudgement& j : b.chosen) {
    EXPECT_NE(j.day.day.branch, Branch(5)) << "巳 clashes the groom's 亥 day and 刑 his 寅 year";
    EXPECT_NE(j.day.day.branch, Branch(8)) << "申 clashes 寅";
  }
  bool sawSi = false;
  for (const DayJudgement& j : a.chosen) sawSi = sawSi || j.day.day.branch == Branch(5);
  EXPECT_TRUE(sawSi) << "without the options a 巳 day may be chosen";
}

// --- 不将 --------------------------------------------------------------------

std::set<std::string> BuJiangOf(Branch month) {
  std::set<std::string> days;
  for (int i = 0; i < 60; ++i) {
    const Pillar p = Pillar::FromIndex(i);
    if (IsBuJiang(month, p)) days.insert(p.Text());
  }
  return days;
}

TEST(ChooseDayBuJiang, TheDaysOfAMonthAsTheRuleListsThem) {
  // 正月: 月厌 戌; the stems before it (丙 丁 己 庚 辛) with the branches after it (亥 子 丑 寅 卯).
  EXPECT_EQ(BuJiangOf(Branch(2)),
            (std::set<std::string>{"丙子", "丙寅", "丁亥", "丁丑", "丁卯", "己亥", "己丑", "己卯", "庚子",
                                   "庚寅", "辛亥", "辛丑", "辛卯"}));
  // 七月: 月厌 辰; 戊 lodged at 艮 lies before it ("夏秋戊不将").
  EXPECT_EQ(BuJiangOf(Branch(8)), (std::set<std::string>{"甲午", "甲申", "乙巳", "乙未", "乙酉", "戊午",
                                                         "戊申", "壬午", "壬申", "癸巳", "癸未", "癸酉"}));
  // 月厌 and 厌对 themselves are never 不将.
  for (int m = 0; m < 12; ++m) {
    for (const std::string& d : BuJiangOf(Branch(m))) {
      const Branch b = Pillar::FromText(d)->branch;
      EXPECT_NE(b, Branch(12 - m));
      EXPECT_NE(b, Branch(18 - m));
    }
  }
}

TEST(ChooseDayBuJiang, RaisesAChosenWeddingDay) {
  const ChooseResult result = ChooseDays(Example());
  for (const DayJudgement& j : result.chosen) {
    EXPECT_EQ(j.buJiang, IsBuJiang(j.day.facts.month, j.day.day));
    EXPECT_EQ(Mentions(j, "不将"), j.buJiang);
  }
}

// --- the days that are always shut ----------------------------------------

TEST(ChooseDayShut, YuePoSiLiAndTheOthersAreExcludedForEveryActivity) {
  for (const char* activity : {"嫁娶", "祭祀", "出行", "开市", "安葬"}) {
    ChooseRequest r = Example();
    r.activity = activity;
    if (r.activity != "嫁娶") r.people.clear();
    r.options.notForbiddenEnough = true;
    const ChooseResult result = ChooseDays(r);
    ASSERT_FALSE(result.notice);
    int shut = 0;
    for (long n = EncodeDate(2027, 1, 1); n <= EncodeDate(2027, 12, 31); ++n) {
      const almanac::Day day = almanac::DayOf(DecodeDate(static_cast<DateTime>(n)));
      for (const char* spirit : {"月破", "四离", "四绝", "往亡"}) {
        if (!Has(day.verdict.badSpirits, spirit)) continue;
        ++shut;
        const DayJudgement j = JudgeDay(result, day);
        EXPECT_FALSE(j.chosen) << activity << " " << spirit;
        EXPECT_TRUE(Mentions(j, spirit));
      }
    }
    EXPECT_GT(shut, 40);
  }
}

TEST(ChooseDayShut, TheRelaxedOptionLetsInDaysNotForbiddenButNeverForbiddenOnes) {
  ChooseRequest r = Example();
  const ChooseResult strict = ChooseDays(r);
  r.options.notForbiddenEnough = true;
  const ChooseResult relaxed = ChooseDays(r);
  EXPECT_GT(relaxed.chosen.size(), strict.chosen.size());
  for (const DayJudgement& j : relaxed.chosen) {
    EXPECT_FALSE(Has(j.day.verdict.forbids, "嫁娶"));
    EXPECT_NE(j.day.verdict.settlement, almanac::Settlement::kNothing);
  }
}

// --- the popular rules ------------------------------------------------------

TEST(ChooseDayPopular, TheTablesFollowTheTradition) {
  // 正七迎鸡兔，二八虎和猴，三九蛇和猪，四十龙和狗，五十一牛羊，六腊鼠马头.
  const int big[12] = {6, 5, 2, 1, 4, 3, 6, 5, 2, 1, 4, 3};
  for (int year = 0; year < 12; ++year) {
    EXPECT_EQ(BrideMonthName(Branch(year), Branch(big[year] + 1)), "大利月") << year;
    EXPECT_EQ(BrideMonthName(Branch(year), Branch(big[year] + 7)), "大利月") << year;
  }
  EXPECT_EQ(BrideMonthName(Branch(0), Branch(8)), "小利月");   // 子 bride, 七月
  EXPECT_EQ(BrideMonthName(Branch(1), Branch(5)), "小利月");   // 丑 bride, 四月
  EXPECT_EQ(BrideMonthName(Branch(0), Branch(11)), "妨夫主");  // 子 bride, 十月
  EXPECT_EQ(BrideMonthName(Branch(0), Branch(0)), "妨女身");   // 子 bride, 十一月
  // A long month from 夫 forward, a short one from 妇 backward.
  EXPECT_EQ(ZhouTangOf(1, true), "夫");
  EXPECT_EQ(ZhouTangOf(9, true), "夫");
  EXPECT_EQ(ZhouTangOf(8, true), "厨");
  EXPECT_EQ(ZhouTangOf(1, false), "妇");
  EXPECT_EQ(ZhouTangOf(2, false), "灶");
  EXPECT_EQ(ZhouTangOf(7, false), "夫");
  EXPECT_EQ(ZhouTangOf(8, false), "厨");
}

TEST(ChooseDayPopular, ChangeTheListOnlyWhenTurnedOn) {
  ChooseRequest r = Example();
  const ChooseResult off = ChooseDays(r);
  r.options.popularRules = true;
  const ChooseResult on = ChooseDays(r);
  std::set<long> offDays;
  bool offUsesBadMonth = false;
  for (const DayJudgement& j : off.chosen) {
    offDays.insert(j.day.dayNumber);
    EXPECT_TRUE(Mentions(j, "未采用"));
    offUsesBadMonth =
        offUsesBadMonth || j.brideMonth.rfind("妨", 0) == 0 || j.zhouTang == "夫" || j.zhouTang == "妇";
  }
  EXPECT_TRUE(offUsesBadMonth) << "off, the popular marks are shown but do not exclude";
  ASSERT_FALSE(on.chosen.empty());
  EXPECT_LT(on.chosen.size(), off.chosen.size());
  for (const DayJudgement& j : on.chosen) {
    EXPECT_TRUE(offDays.count(j.day.dayNumber));
    EXPECT_TRUE(j.brideMonth == "大利月" || j.brideMonth == "小利月");
    EXPECT_NE(j.zhouTang, "夫");
    EXPECT_NE(j.zhouTang, "妇");
  }
  // Other activities know nothing of the wedding's popular rules.
  ChooseRequest move;
  move.activity = "入宅";
  move.from = {2027, 1, 1};
  move.to = {2027, 12, 31};
  const ChooseResult moveOff = ChooseDays(move);
  move.options.popularRules = true;
  const ChooseResult moveOn = ChooseDays(move);
  ASSERT_EQ(moveOff.chosen.size(), moveOn.chosen.size());
  for (std::size_t i = 0; i < moveOff.chosen.size(); ++i)
    EXPECT_EQ(moveOff.chosen[i].day.dayNumber, moveOn.chosen[i].day.dayNumber);
}

// --- a worked example -------------------------------------------------------

TEST(ChooseDayExample, TheReasonsOfChosenAndExcludedDays) {
  const ChooseResult result = ChooseDays(Example());
  ASSERT_FALSE(result.notice);
  EXPECT_EQ(result.people[0].year.Text(), "戊寅");
  EXPECT_EQ(result.examined, 365);
  // 2027-01-11, 庚寅: suits the wedding, 不将 in the 丑 month, 天德 and 月德, grade 上次.
  const DayJudgement best = result.chosen.front();
  EXPECT_EQ(ExplainLine(result, best),
            "2027-01-11 可选（第1名）：得分13；宜嫁娶；不将；天德；月德；等第上次；"
            "女命妨翁姑、周堂值翁（俗例，未采用）；不冲男方寅年、女方辰年；非岁破、月破、四离、四绝、往亡");
  // A 申 day clashes the groom's 寅 year.
  const DayJudgement shen = JudgeDay(result, CivilDate{2027, 5, 29});
  ASSERT_EQ(shen.day.day.Text(), "戊申");
  EXPECT_FALSE(shen.chosen);
  EXPECT_TRUE(Mentions(shen, "日支申冲男方寅年"));
  EXPECT_EQ(ExplainLine(result, shen), "2027-05-29 不选：黄历不宜嫁娶；日支申冲男方寅年");
  const std::vector<std::string> lines = ChooseLines(result, 3);
  EXPECT_EQ(lines[0], "择日：嫁娶");
  EXPECT_EQ(lines[2], "男方：年柱戊寅 日柱辛亥");
  EXPECT_EQ(lines.size(), 5u + 1u + 3u);
}

// --- bad input ---------------------------------------------------------------

TEST(ChooseDayBadInput, EachGetsAClearMessageAndNothingElse) {
  const auto notice = [](ChooseRequest r) {
    const ChooseResult result = ChooseDays(r);
    EXPECT_TRUE(result.chosen.empty());
    EXPECT_TRUE(result.people.empty());
    return result.notice.value_or("");
  };
  ChooseRequest r = Example();
  r.from = {1900, 12, 31};
  EXPECT_EQ(notice(r), "日期范围须在1901-01-01至2100-12-31之间。");
  r = Example();
  r.to = {2101, 1, 1};
  EXPECT_EQ(notice(r), "日期范围须在1901-01-01至2100-12-31之间。");
  r = Example();
  r.from = {2027, 3, 1};
  r.to = {2027, 2, 1};
  EXPECT_EQ(notice(r), "开始日期（2027-03-01）晚于结束日期（2027-02-01）。");
  r = Example();
  r.to = {2037, 1, 2};
  EXPECT_EQ(notice(r), "日期范围最多十年。");
  r = Example();
  r.activity = "登月";
  EXPECT_EQ(notice(r), "未知的事项：“登月”。");
  r = Example();
  r.people.pop_back();
  EXPECT_EQ(notice(r), "嫁娶择日须有男女双方的出生资料。");
  r = Example();
  r.people[1].entry = Entry(1990, 2, 30);
  EXPECT_EQ(notice(r), "女方的出生日期有误，请检查输入数据是否出错！");
  r = Example();
  r.activity = "出行";
  r.people = {{Role::kPerson, Entry(1990, 1, 1), Sex::Man}, {Role::kPerson, Entry(1880, 1, 1), Sex::Man}};
  EXPECT_EQ(notice(r), "第2人的出生日期有误，请检查输入数据是否出错！");
}

}  // namespace
}  // namespace vantrel::choose
