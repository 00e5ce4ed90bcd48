#include "chart/life_palace.h"

#include <gtest/gtest.h>

#include "calendar/ganzhi.h"
#include "common/errors.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

// The branch of a one-character name; the tests name only real branches.
Branch B(const char* name) { return Branch::FromName(name).value(); }

TEST(LifePalace, BranchesAreNumberedFrom寅) {
  const char* const order[] = {"寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥", "子", "丑"};
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(BranchOrdinal(B(order[n - 1])), n);
    ASSERT_TRUE(BranchOfOrdinal(n).has_value());
    EXPECT_EQ(BranchOfOrdinal(n)->Name(), order[n - 1]);
  }
  EXPECT_FALSE(BranchOfOrdinal(0).has_value());
  EXPECT_FALSE(BranchOfOrdinal(13).has_value());
  EXPECT_FALSE(BranchOfOrdinal(-11).has_value());
}

TEST(LifePalace, FromTheMonthAndHourBranches) {
  const auto palace = [](const char* month, const char* hour) {
    return LifePalace(B(month), B(hour)).Name();
  };
  EXPECT_EQ(palace("寅", "寅"), "丑");  // s = 2: 14 - 2 = 12
  EXPECT_EQ(palace("寅", "子"), "卯");  // s = 12
  EXPECT_EQ(palace("寅", "丑"), "寅");  // s = 13
  EXPECT_EQ(palace("卯", "丑"), "丑");  // s = 14: 26 - 14 = 12
  EXPECT_EQ(palace("子", "亥"), "午");  // s = 21
  EXPECT_EQ(palace("丑", "丑"), "卯");  // s = 24
  // A double hour later the palace lies one branch back, 丑 to 寅 included.
  for (int m = 0; m < 12; ++m) {
    for (int h = 0; h < 12; ++h) {
      const Branch here = LifePalace(Branch(m), Branch(h));
      EXPECT_EQ(LifePalace(Branch(m), Branch(h + 1)), here.Next(-1)) << m << " " << h;
    }
  }
}

TEST(LifeGua, EastAndWestGroupsAndTheFiveReplacement) {
  for (const char* east : {"一", "三", "四", "九"}) EXPECT_TRUE(IsEastLife(LifeGuaOfNumeral(east))) << east;
  for (const char* west : {"二", "五", "六", "七", "八", ""})
    EXPECT_FALSE(IsEastLife(LifeGuaOfNumeral(west))) << west;
  EXPECT_EQ(MatchingGua(LifeGua::Five, Sex::Man), LifeGua::Two);
  EXPECT_EQ(MatchingGua(LifeGua::Five, Sex::Woman), LifeGua::Eight);
  EXPECT_EQ(MatchingGua(LifeGua::Three, Sex::Man), LifeGua::Three);
  EXPECT_EQ(MatchingGua(std::nullopt, Sex::Woman), std::nullopt);
  for (int g = 1; g <= 9; ++g) {
    EXPECT_EQ(LifeGuaOfNumeral(LifeGuaNumeral(static_cast<LifeGua>(g))), static_cast<LifeGua>(g));
  }
  EXPECT_EQ(LifeGuaOfNumeral("十"), std::nullopt);
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
  const LifeGuaFacts man = LifeGuaOf(1980, Sex::Man);
  EXPECT_EQ(man.gua, LifeGua::Two);
  EXPECT_EQ(man.yearElement, "木");
  EXPECT_EQ(man.animalElement, "金");
  EXPECT_EQ(LifeGuaOf(1980, Sex::Woman).gua, LifeGua::Eight);
  // No row: every field is empty, and that is a result.
  EXPECT_EQ(LifeGuaOf(1900, Sex::Man).gua, std::nullopt);
  EXPECT_EQ(LifeGuaOf(1900, Sex::Man).yearElement, "");
}

TEST(LifeGua, MatchesOfTheNumeralPairAndTheElementPair) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", kTables);
  EXPECT_EQ(LifeGuaMatch(LifeGua::Two, LifeGua::Eight), "生气(上等婚)夫妻和睦，家道兴旺。");
  EXPECT_EQ(LifeGuaMatch(LifeGua::Nine, LifeGua::Six), "绝命(下等婚)");
  // No pair row: an empty name and the analysis stored for it.
  EXPECT_EQ(LifeGuaMatch(LifeGua::One, LifeGua::One), "(下等婚)无解");

  EXPECT_EQ(ElementMatch("木", "水"), "(非常合)水生木，相得益彰。");
  EXPECT_EQ(ElementMatch("金", "木"), "(不合)金克木。");
  EXPECT_EQ(ElementMatch("土", "土"), "(不合)");
}

TEST(LifeGua, ADatabaseErrorIsAnErrorNamingTheFile) {
  FixtureDir dir;  // no file
  EXPECT_THROW(LifeGuaOf(1980, Sex::Man), DatabaseError);
  EXPECT_THROW(LifeGuaMatch(LifeGua::Two, LifeGua::Eight), DatabaseError);
  EXPECT_THROW(ElementMatch("木", "水"), DatabaseError);

  // A missing analysis table fails after the pair was read; the other
  // tables still answer.
  dir.WriteDatabase("Tgcode.dll", std::string(kTables) + "drop table mgfx;");
  try {
    LifeGuaMatch(LifeGua::Two, LifeGua::Eight);
    ADD_FAILURE() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("Tgcode.dll"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ElementMatch("木", "水"), "(非常合)水生木，相得益彰。");
}

}  // namespace
}  // namespace vantrel
