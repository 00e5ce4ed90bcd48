#include "calendar/ganzhi.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "common/text.h"

namespace vantrel {
namespace {

TEST(CycleYearText, NamesTheYearWithItsFixedByteLayout) {
  EXPECT_EQ(CycleYearText(0), "甲子(鼠年)");
  EXPECT_EQ(CycleYearText(120), "甲子(鼠年)");  // 1984
  EXPECT_EQ(CycleYearText(136), "庚辰(龙年)");  // 2000
  EXPECT_EQ(CycleYearText(149), "癸巳(蛇年)");  // 2013
  EXPECT_EQ(CycleYearText(59), "癸亥(猪年)");
  for (int n = 0; n < 60; ++n) {
    const std::string s = CycleYearText(n);
    ASSERT_EQ(text::GbkWidth(s), 10u);
    EXPECT_EQ(text::GbkCopy(s, 1, 4), std::string(StemNames[n % 10]) + std::string(BranchNames[n % 12]));
    EXPECT_EQ(text::GbkCopy(s, 6, 2), AnimalNames[n % 12]);
  }
  EXPECT_EQ(text::GbkCopy(CycleYearText(149), 1, 4), "癸巳");
  EXPECT_EQ(text::GbkCopy(CycleYearText(149), 6, 2), "蛇");
}

TEST(LunarMonthName, NumeralsLeapAndOutOfRange) {
  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(10, false), "十月");
  EXPECT_EQ(LunarMonthName(11, false), "十一月");
  EXPECT_EQ(LunarMonthName(12, false), "十二月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(11, true), "闰十一月");
  EXPECT_EQ(LunarMonthName(0, false), "月");
  EXPECT_EQ(LunarMonthName(13, true), "闰月");
}

TEST(LunarDayName, EveryDayAndTheEdges) {
  EXPECT_EQ(LunarDayName(1), "初一");
  EXPECT_EQ(LunarDayName(10), "初十");
  EXPECT_EQ(LunarDayName(11), "十一");
  EXPECT_EQ(LunarDayName(19), "十九");
  EXPECT_EQ(LunarDayName(20), "二十");
  EXPECT_EQ(LunarDayName(21), "廿一");
  EXPECT_EQ(LunarDayName(29), "廿九");
  EXPECT_EQ(LunarDayName(30), "三十");
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
  EXPECT_EQ(LunarDayName(-1), "");
}

TEST(StemAndBranch, OnlyExactNamesMatch) {
  EXPECT_EQ(Stem::FromName("甲"), Stem(0));
  EXPECT_EQ(Stem::FromName("癸"), Stem(9));
  EXPECT_EQ(Branch::FromName("亥"), Branch(11));
  EXPECT_EQ(Branch::FromName("子"), Branch(0));
  EXPECT_FALSE(Branch::FromName(" 子").has_value());
  EXPECT_FALSE(Branch::FromName("子丑").has_value());
  EXPECT_FALSE(Branch::FromName("甲").has_value());
}

TEST(StemAndBranch, StepsWrapInBothDirections) {
  EXPECT_EQ(Stem(9).Next(1), Stem(0));
  EXPECT_EQ(Stem(0).Next(-1).Name(), "癸");
  EXPECT_EQ(Stem(3).Next(-23), Stem(0));  // several rounds back
  EXPECT_EQ(Stem(-1), Stem(9));
  EXPECT_EQ(Branch(0).Next(-1).Name(), "亥");
  EXPECT_EQ(Branch(11).Next(13), Branch(0));
  EXPECT_EQ(Branch(-25), Branch(11));
  for (int n = -100; n <= 100; ++n) {
    const int s = Stem(4).Next(n).Index(), b = Branch(4).Next(n).Index();
    ASSERT_TRUE(s >= 0 && s < 10 && b >= 0 && b < 12) << n;
  }
}

TEST(StemAndBranch, NamesYinYangAndElements) {
  EXPECT_FALSE(Stem(0).IsYin());
  EXPECT_TRUE(Stem(1).IsYin());
  EXPECT_TRUE(Branch(1).IsYin());  // 丑
  EXPECT_EQ(ElementName(Stem::FromName("甲")->GetElement()), "木");
  EXPECT_EQ(ElementName(Stem::FromName("丁")->GetElement()), "火");
  EXPECT_EQ(ElementName(Stem::FromName("己")->GetElement()), "土");
  EXPECT_EQ(ElementName(Stem::FromName("辛")->GetElement()), "金");
  EXPECT_EQ(ElementName(Stem::FromName("壬")->GetElement()), "水");
  const char* const branchElements = "水土木木土火火土金金土水";
  for (int b = 0; b < 12; ++b) {
    EXPECT_EQ(ElementName(Branch(b).GetElement()), text::Characters(branchElements)[b]) << b;
  }
  EXPECT_EQ(Branch(4).Animal(), "龙");
  EXPECT_FALSE(Stem::FromName("子").has_value());
  EXPECT_FALSE(Branch::FromName("甲").has_value());
  EXPECT_FALSE(Branch::FromName("").has_value());
  EXPECT_FALSE(Branch::FromName("子丑").has_value());
}

TEST(Pillar, PairsOfTheSameParityOnly) {
  EXPECT_EQ(Pillar::FromPair(Stem(0), Branch(0))->Index(), 0);     // 甲子
  EXPECT_EQ(Pillar::FromPair(Stem(9), Branch(11))->Index(), 59);   // 癸亥
  EXPECT_EQ(Pillar::FromPair(Stem(0), Branch(10))->Index(), 10);   // 甲戌
  EXPECT_FALSE(Pillar::FromPair(Stem(0), Branch(1)).has_value());  // 甲丑 is no pillar
  EXPECT_FALSE((Pillar{Stem(1), Branch(0)}.IsInCycle()));
  EXPECT_EQ(Pillar::FromText("庚辰")->Index(), 16);
  EXPECT_FALSE(Pillar::FromText("甲丑").has_value());
  EXPECT_FALSE(Pillar::FromText("子甲").has_value());
  EXPECT_FALSE(Pillar::FromText("甲").has_value());
  EXPECT_FALSE(Pillar::FromText("甲子 ").has_value());
  for (int s = 0; s < 10; ++s) {
    for (int b = 0; b < 12; ++b) {
      const std::optional<Pillar> p = Pillar::FromPair(Stem(s), Branch(b));
      ASSERT_EQ(p.has_value(), s % 2 == b % 2);
      if (p) {
        EXPECT_EQ(Pillar::FromIndex(p->Index()), *p);
      }
    }
  }
}

TEST(Pillar, StepsThroughTheCycle) {
  EXPECT_EQ(Pillar::FromIndex(59).Next(1).Text(), "甲子");
  EXPECT_EQ(Pillar::FromIndex(0).Next(-1).Text(), "癸亥");
  EXPECT_EQ(Pillar::FromIndex(0).Next(-61).Text(), "癸亥");
  EXPECT_EQ(Pillar::FromIndex(-60), Pillar::FromIndex(0));
  for (int n = -130; n <= 130; ++n) EXPECT_EQ(Pillar::FromIndex(7).Next(n).Index(), Mod(7 + n, 60)) << n;
}

TEST(Pillar, TheMonthHourAndDayRules) {
  // 甲 and 己 years open with 丙寅, 戊 and 癸 years with 甲寅; the 子 and 丑
  // months close the year with the stems after its 亥 month.
  EXPECT_EQ(MonthPillarInYear(Stem(0), Branch(2)).Text(), "丙寅");
  EXPECT_EQ(MonthPillarInYear(Stem(5), Branch(2)).Text(), "丙寅");
  EXPECT_EQ(MonthPillarInYear(Stem(9), Branch(2)).Text(), "甲寅");
  EXPECT_EQ(MonthPillarInYear(Stem(0), Branch(0)).Text(), "丙子");
  EXPECT_EQ(MonthPillarInYear(Stem(0), Branch(1)).Text(), "丁丑");
  EXPECT_EQ(HourBranch(23), Branch(0));
  EXPECT_EQ(HourBranch(0), Branch(0));
  EXPECT_EQ(HourBranch(1).Name(), "丑");
  EXPECT_EQ(HourBranch(22).Name(), "亥");
  EXPECT_EQ(HourPillarOnDay(Stem(0), Branch(0)).Text(), "甲子");
  EXPECT_EQ(HourPillarOnDay(Stem(1), Branch(0)).Text(), "丙子");
  EXPECT_EQ(HourPillarOnDay(Stem(4), Branch(11)).Text(), "癸亥");
  EXPECT_EQ(DayPillarOfDayNumber(0).Text(), "壬申");   // 1899-12-30
  EXPECT_EQ(DayPillarOfDayNumber(52).Text(), "甲子");  // 1900-02-20
  EXPECT_EQ(StepOf(LuckDirection::Forward), 1);
  EXPECT_EQ(StepOf(LuckDirection::Backward), -1);
}

TEST(Pillar, IndexAndText) {
  EXPECT_EQ(Pillar::FromIndex(0).Text(), "甲子");
  EXPECT_EQ(Pillar::FromIndex(59).Text(), "癸亥");
  for (int i = 0; i < 60; ++i) EXPECT_EQ(Pillar::FromIndex(i).Index(), i);
  EXPECT_EQ(Mod(-1, 12), 11);
  EXPECT_EQ(Mod(-24, 12), 0);
}

}  // namespace
}  // namespace vantrel

// Stems and branches are values of their own: a stem is not a branch and
// neither is an integer (tests/calendar/mixed_types.cpp shows that mixing
// them does not compile).
template <typename A, typename B>
concept ComparableWith = requires(A a, B b) {
  a == b;
};
static_assert(!ComparableWith<vantrel::Stem, vantrel::Branch>);
static_assert(!ComparableWith<vantrel::Stem, int>);
static_assert(ComparableWith<vantrel::Stem, vantrel::Stem>);
static_assert(!std::is_convertible_v<vantrel::Stem, int>);
static_assert(!std::is_convertible_v<int, vantrel::Stem>);
static_assert(!std::is_convertible_v<vantrel::Branch, int>);
static_assert(!std::is_convertible_v<int, vantrel::Branch>);
static_assert(!std::is_convertible_v<vantrel::Stem, vantrel::Branch>);
