#include "chart/bone_weight.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

// The line `part` (0 weight, 1 poem, 2 meaning) of the bone weight.
std::string BoneWeightLine(const char* year, const char* month, const char* day, const char* hour, int part) {
  const BoneWeightLines lines = BoneWeightOf(year, month, day, hour);
  return part == 0 ? lines.weight : part == 1 ? lines.poem : lines.meaning;
}

// Weights of the example: year 1.2, month 0.9, day 1.6, hour 0.6 make 4.3.
constexpr const char* kTables =
    "create table chenggu1 (year text, weight real);"
    "insert into chenggu1 values ('1980', 1.2);"
    "insert into chenggu1 values ('1981', 1.9);"
    "create table chenggu2 (month2 text, weight real);"
    "insert into chenggu2 values ('5', 0.9);"
    "create table chenggu3 (day2 text, weight real);"
    "insert into chenggu3 values ('10', 1.6);"
    "create table chenggu4 (time text, weight real);"
    "insert into chenggu4 values ('8', 0.6);"
    "create table chenggu (weight text, MM text, content text, content2 text);"
    "insert into chenggu values ('43', ' 劳碌之命 ', '  平生衣禄苦中求  ', '少年辛苦。\r\n');"
    "insert into chenggu values ('50', '衣食无忧', '诗五两', '意五两');"
    "insert into chenggu values ('71', '富贵之命', '诗七两一', '意七两一');"
    "insert into chenggu values ('31', '三两一钱', '诗三一', '意三一');";

TEST(BoneWeight, TheThreeLinesOfAFourLiangThreeQianTotal) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kTables);
  // 1.2 + 0.9 + 1.6 + 0.6 is not exactly 4.3 in binary, but its text is.
  EXPECT_EQ(BoneWeightLine("1980", "5", "10", "8", 0), "你的骨重为：4两3钱 劳碌之命");
  EXPECT_EQ(BoneWeightLine("1980", "5", "10", "8", 1), "诗评：平生衣禄苦中求");
  EXPECT_EQ(BoneWeightLine("1980", "5", "10", "8", 2), "诗意：少年辛苦。");
}

TEST(BoneWeight, AWholeTotalHasNoQianPart) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kTables);
  // 1.9 + 0.9 + 1.6 + 0.6: the text "5" gives the code 50.
  EXPECT_EQ(BoneWeightLine("1981", "5", "10", "8", 0), "你的骨重为：5两 衣食无忧");
  EXPECT_EQ(BoneWeightLine("1981", "5", "10", "8", 1), "诗评：诗五两");
}

TEST(BoneWeight, SevenLiangOneQian) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", std::string(kTables) + "insert into chenggu1 values ('1990', 4.0);");
  EXPECT_EQ(BoneWeightLine("1990", "5", "10", "8", 0), "你的骨重为：7两1钱 富贵之命");
  EXPECT_EQ(BoneWeightLine("1990", "5", "10", "8", 2), "诗意：意七两一");
}

TEST(BoneWeight, KeysWithoutARowWeighNothing) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kTables);
  // No row for 2050: 0.9 + 1.6 + 0.6 = 3.1.
  EXPECT_EQ(BoneWeightLine("2050", "5", "10", "8", 0), "你的骨重为：3两1钱 三两一钱");
  // The keys are texts: "05" is not "5".
  EXPECT_EQ(BoneWeightLine("1980", "05", "10", "8", 1), "");
}

TEST(BoneWeight, AStoredWeightOutOfRangeWeighsNothingLikeAMissingRow) {
  // 2050 has no row; 1e300, -1, 10 and a text are no weights either: each
  // total is 0.9 + 1.6 + 0.6 = 3.1, as without the row.
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", std::string(kTables) +
                                       "insert into chenggu1 values ('2001', 1e300);"
                                       "insert into chenggu1 values ('2002', -1);"
                                       "insert into chenggu1 values ('2003', 10);"
                                       "insert into chenggu1 values ('2004', 9e999);");
  for (const char* year : {"2050", "2001", "2002", "2003", "2004"}) {
    EXPECT_EQ(BoneWeightLine(year, "5", "10", "8", 0), "你的骨重为：3两1钱 三两一钱") << year;
  }
}

TEST(BoneWeight, ACodeWithoutAVerdictGivesEmptyLines) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kTables);
  for (int part = 0; part < 3; ++part) EXPECT_EQ(BoneWeightLine("1980", "5", "10", "1", part), "");
  for (int part = 0; part < 3; ++part) EXPECT_EQ(BoneWeightLine("1999", "1", "1", "1", part), "");  // code 00
}

TEST(BoneWeight, ADatabaseErrorCancelsTheActionSilently) {
  {
    FixtureDir dir;  // no file
    EXPECT_THROW(BoneWeightLine("1980", "5", "10", "8", 0), SilentCancel);
  }
  {
    FixtureDir dir;
    dir.WriteDatabase("KelFile.dll", "create table chenggu1 (year text, weight real);");
    EXPECT_THROW(BoneWeightLine("1980", "5", "10", "8", 1), SilentCancel);
  }
  {
    FixtureDir dir;
    dir.WriteDatabase("KelFile.dll", std::string(kTables) + "drop table chenggu;");
    EXPECT_THROW(BoneWeightLine("1980", "5", "10", "8", 2), SilentCancel);
  }
}

}  // namespace
}  // namespace vantrel
