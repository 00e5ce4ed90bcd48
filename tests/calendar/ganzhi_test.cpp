#include "calendar/ganzhi.h"

#include <gtest/gtest.h>

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

TEST(StemBranchIndex, OnlyExactCharactersMatch) {
  EXPECT_EQ(StemBranchIndex("甲", false), 0);
  EXPECT_EQ(StemBranchIndex("癸", false), 9);
  EXPECT_EQ(StemBranchIndex("亥", true), 11);
  EXPECT_EQ(StemBranchIndex("子", true), 0);
  EXPECT_EQ(StemBranchIndex(" 子", true), -1);
  EXPECT_EQ(StemBranchIndex("子丑", true), -1);
  EXPECT_EQ(StemBranchIndex("甲", true), -1);
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
