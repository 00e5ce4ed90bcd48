#include "chart/life_palace.h"

#include <gtest/gtest.h>

#include "calendar/ganzhi.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

TEST(LifePalace, BranchesAreNumberedFrom寅) {
  const char* const order[] = {"寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥", "子", "丑"};
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(BranchOrdinal(order[n - 1]), n);
    std::string branch;
    BranchOfOrdinal(n, branch);
    EXPECT_EQ(branch, order[n - 1]);
  }
  std::string kept = "原样";
  BranchOfOrdinal(0, kept);
  BranchOfOrdinal(13, kept);
  EXPECT_EQ(kept, "原样");
  EXPECT_EQ(BranchOrdinal("甲"), 0);
}

TEST(LifePalace, FromTheMonthAndHourBranches) {
  EXPECT_EQ(LifePalace("寅", "寅"), "丑");  // s = 2: 14 - 2 = 12
  EXPECT_EQ(LifePalace("寅", "子"), "卯");  // s = 12
  EXPECT_EQ(LifePalace("寅", "丑"), "寅");  // s = 13
  EXPECT_EQ(LifePalace("卯", "丑"), "丑");  // s = 14: 26 - 14 = 12
  EXPECT_EQ(LifePalace("子", "亥"), "午");  // s = 21
  EXPECT_EQ(LifePalace("丑", "丑"), "卯");  // s = 24
  // Every pair gives one of the twelve branches, and a double hour later
  // the palace lies one branch back, 丑 to 寅 included.
  for (int m = 0; m < 12; ++m) {
    for (int h = 0; h < 12; ++h) {
      const std::string palace = LifePalace(std::string(BranchNames[m]), std::string(BranchNames[h]));
      const int here = BranchOrdinal(palace);
      ASSERT_GE(here, 1) << m << " " << h;
      const int next = BranchOrdinal(LifePalace(std::string(BranchNames[m]), std::string(BranchNames[(h + 1) % 12])));
      EXPECT_EQ(Mod(here - next, 12), 1) << m << " " << h;
    }
  }
}

TEST(LifeGua, EastAndWestGroupsAndTheFiveReplacement) {
  for (const char* east : {"一", "三", "四", "九"}) EXPECT_TRUE(IsEastLife(east)) << east;
  for (const char* west : {"二", "五", "六", "七", "八", ""}) EXPECT_FALSE(IsEastLife(west)) << west;
  EXPECT_EQ(MatchingNumeral("五", false), "二");
  EXPECT_EQ(MatchingNumeral("五", true), "八");
  EXPECT_EQ(MatchingNumeral("三", false), "三");
  EXPECT_EQ(MatchingNumeral("七", true), "七");
}

TEST(LifeGua, GradeWords) {
  EXPECT_EQ(MarriageGrade("1"), "上等婚");
  EXPECT_EQ(MarriageGrade(" 1 "), "上等婚");
  EXPECT_EQ(MarriageGrade("2"), "中等婚");
  EXPECT_EQ(MarriageGrade("3"), "下等婚");
  EXPECT_EQ(MarriageGrade(""), "下等婚");
  EXPECT_EQ(MarriageGrade("12"), "下等婚");
  EXPECT_EQ(ElementGrade("5"), "非常合");
  EXPECT_EQ(ElementGrade("3\r\n"), "中等合");
  EXPECT_EQ(ElementGrade("4"), "不合");
  EXPECT_EQ(ElementGrade(""), "不合");
}

constexpr const char* kTables =
    "create table mg (Year integer, mg text, nan text, nv text, wuhang text, sxwuhang text);"
    "insert into mg values (1980, '庚申', ' 二 ', '八', '木', '金');"
    "insert into mg values (1982, '壬戌', '九', '六', '水', '土');"
    "create table mghp (nan text, nv text, dj text, mc text);"
    "insert into mghp values ('二', '八', ' 1 ', '生气');"
    "insert into mghp values ('九', '六', '3', '绝命');"
    "create table mgfx (mc text, \"Values\" text);"
    "insert into mgfx values ('生气', '  夫妻和睦，家道兴旺。 ');"
    "insert into mgfx values ('', '无解');"
    "create table mgwx (nan text, nv text, fs text, note text);"
    "insert into mgwx values ('木', '水', '5', '水生木，相得益彰。');"
    "insert into mgwx values ('金', '木', '4', '金克木。');";

TEST(LifeGua, LookupReadsTheYearRowForTheManOrTheWoman) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", kTables);
  std::string man, woman;
  LifeGuaLookup(1980, false, man);
  LifeGuaLookup(1980, true, woman);
  EXPECT_EQ(man, "庚申二木金");
  EXPECT_EQ(woman, "庚申八木金");
  std::string none = "旧值";
  LifeGuaLookup(1900, false, none);
  EXPECT_EQ(none, "");  // no row: every column is empty
}

TEST(LifeGua, MatchesOfTheNumeralPairAndTheElementPair) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", kTables);
  std::string match;
  LifeGuaMatch("二", "八", match);
  EXPECT_EQ(match, "生气(上等婚)夫妻和睦，家道兴旺。");
  LifeGuaMatch("九", "六", match);
  EXPECT_EQ(match, "绝命(下等婚)");
  // No pair row: an empty name and the analysis stored for it.
  LifeGuaMatch("一", "一", match);
  EXPECT_EQ(match, "(下等婚)无解");

  std::string elements;
  ElementMatch("木", "水", elements);
  EXPECT_EQ(elements, "(非常合)水生木，相得益彰。");
  ElementMatch("金", "木", elements);
  EXPECT_EQ(elements, "(不合)金克木。");
  ElementMatch("土", "土", elements);
  EXPECT_EQ(elements, "(不合)");
}

TEST(LifeGua, ADatabaseErrorLeavesTheResultAsItWas) {
  FixtureDir dir;  // no file
  std::string a = "甲", b = "乙", c = "丙";
  LifeGuaLookup(1980, false, a);
  LifeGuaMatch("二", "八", b);
  ElementMatch("木", "水", c);
  EXPECT_EQ(a + b + c, "甲乙丙");

  // A missing analysis table fails after the pair was read: still nothing changes.
  dir.WriteDatabase("Tgcode.dll", std::string(kTables) + "drop table mgfx;");
  LifeGuaMatch("二", "八", b);
  EXPECT_EQ(b, "乙");
}

}  // namespace
}  // namespace vantrel
