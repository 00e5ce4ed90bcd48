#include "chart/chart_block.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/text.h"
#include "tests/support/chart_tables.h"
#include "tests/support/fixture.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

// The lines of an expected text in tests/chart: lines starting with "#"
// are notes, every other line ends with a "|" that is not part of it.
std::vector<std::string> ExpectedLines(const std::string& name) {
  std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/tests/chart/" + name);
  EXPECT_TRUE(in.good()) << name;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] == '#') continue;
    EXPECT_FALSE(line.empty() || line.back() != '|') << "unmarked line in " << name << ": " << line;
    if (!line.empty()) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

ChartResult CastOrFail(int y, int m, int d, int h, int mi, const std::string& sex) {
  RecordingNotifier notifier;
  auto chart = CastChart({{y, m, d}, h, mi, SexOfText(sex)}, notifier);
  EXPECT_TRUE(chart.has_value());
  return chart.value_or(ChartResult{});
}

ChartBlockInput BlockInput(const ChartResult& chart, int solarYear, int lunarYear) {
  ChartBlockInput input;
  input.chart = chart;
  input.solarYear = solarYear;
  input.lunar = {lunarYear, 11, 25, false};
  input.hourText = "0";
  return input;
}

TEST(ChartBlock, TheMainBlockOfTheExampleBirthLineByLine) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::ChartLookupTablesSql());
  TextPane pane;
  WriteChartBlock(pane, BlockInput(CastOrFail(2000, 1, 1, 0, 0, "男"), 2000, 1999));
  const std::vector<std::string> expected = ExpectedLines("block_2000_01_01_male.txt");
  ASSERT_EQ(pane.lines().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(pane.lines()[i], expected[i]) << "line " << i;
}

// A chart built by hand: every line of the block depends only on its fields.
ChartResult HandChart(int startAge, bool backward) {
  ChartResult c;
  c.yearPillar = Pillar::FromIndex(0);
  c.monthPillar = Pillar::FromIndex(2);
  c.dayPillar = Pillar::FromIndex(4);
  c.hourPillar = Pillar::FromIndex(0);  // 甲子
  c.direction = backward ? LuckDirection::Backward : LuckDirection::Forward;
  c.startAge = startAge;
  c.yearHidden = "癸";
  c.monthHidden = "壬甲";
  c.dayHidden = "乙戊癸";
  c.hourHidden = "辛";
  return c;
}

TEST(ChartBlock, AStartAgeOfOneHasTheFixedAgeLineAndColumnZeroOnlyInTheFirstRows) {
  FixtureDir dir;  // lookups that find nothing: their places stay empty
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::EmptyChartTablesSql());
  TextPane pane;
  WriteChartBlock(pane, BlockInput(HandChart(1, false), 1984, 1984));
  const auto& lines = pane.lines();
  ASSERT_EQ(lines.size(), 47u);
  EXPECT_EQ(lines[12], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(lines[13], "始于：1984   1985   1995   2005   2015   2025   2035   2045   2055   2065");
  // Flowing years: only row 0 has a column 0.
  EXPECT_EQ(lines[15], "流年：甲子   乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉");
  EXPECT_EQ(lines[16], "             丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
  EXPECT_EQ(lines[24], "             甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午");
  // Small luck, forward from 甲子: row 0 with column 0, then nine pairs
  // after thirteen blanks.
  EXPECT_EQ(lines[26], "小运：甲子   乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉");
  EXPECT_EQ(lines[27], "      00岁   01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(lines[28], "             丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
  EXPECT_EQ(lines[29], "             02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
  EXPECT_EQ(lines[45], "             10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
  EXPECT_EQ(lines[46], "");
}

TEST(ChartBlock, AStartAgeOfTenGivesEveryRowAColumnZero) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::EmptyChartTablesSql());
  TextPane pane;
  WriteChartBlock(pane, BlockInput(HandChart(10, true), 1990, 1990));
  const auto& lines = pane.lines();
  ASSERT_EQ(lines.size(), 47u);
  EXPECT_EQ(lines[12], "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
  EXPECT_EQ(lines[13], "始于：1990   2000   2010   2020   2030   2040   2050   2060   2070   2080");
  for (int row = 0; row < 10; ++row) {
    SCOPED_TRACE(row);
    const std::string& line = lines[15 + static_cast<std::size_t>(row)];
    EXPECT_EQ(text::GbkCopy(line, 1, 6), row == 0 ? "流年：" : std::string(6, ' '));
    EXPECT_NE(text::GbkCopy(line, 7, 2), "  ");
    EXPECT_EQ(text::GbkWidth(line), 6u + 10 * 4 + 9 * 3);
  }
  // Backward from 甲子: 癸亥 one year on, 癸丑 eleven years on.
  EXPECT_EQ(lines[28], "      癸亥   癸丑   癸卯   癸巳   癸未   癸酉   癸亥   癸丑   癸卯   癸巳");
  EXPECT_EQ(lines[45], "      09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁   99岁");
}

TEST(ChartBlock, HiddenStemLinesKeepTheirColumns) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", vantrel::testing::ChartLookupTablesSql());
  TextPane pane;
  WriteChartBlock(pane, BlockInput(HandChart(5, false), 1984, 1984));
  // Day stem 戊: 癸 正财, 壬 偏财, 甲 七杀, 乙 正官, 戊 比肩, 辛 伤官.
  EXPECT_EQ(pane.Line(4), "遁藏：癸正财 壬偏财 乙正官 辛伤官");
  EXPECT_EQ(pane.Line(5), "      " + std::string(7, ' ') + "甲七杀 " + "戊比肩 " + std::string(7, ' '));
  EXPECT_EQ(pane.Line(6), "      " + std::string(14, ' ') + "癸正财 " + std::string(7, ' '));
}

TEST(ChartBlock, HelperTexts) {
  EXPECT_EQ(YearPillarText(1999), "己卯");
  EXPECT_EQ(AgeText(9), "09岁");
  EXPECT_EQ(AgeText(10), "10岁");
  ChartResult c = HandChart(3, true);
  EXPECT_EQ(SmallLuck(c, 61).Text(), "癸亥");  // backward from 甲子, remainders stay non-negative
  c.direction = LuckDirection::Forward;
  EXPECT_EQ(SmallLuck(c, 59).Text(), "癸亥");
}

constexpr const char* kWeights =
    "create table chenggu1 (year text, weight real);"
    "insert into chenggu1 values ('1999', 1.2);"
    "create table chenggu2 (month2 text, weight real);"
    "insert into chenggu2 values ('12', 0.9);"
    "insert into chenggu2 values ('1', 0.5);"
    "insert into chenggu2 values ('6', 0.9);"
    "insert into chenggu2 values ('7', 0.5);"
    "create table chenggu3 (day2 text, weight real);"
    "insert into chenggu3 values ('25', 1.6);"
    "create table chenggu4 (time text, weight real);"
    "insert into chenggu4 values ('0', 0.6);"
    "create table chenggu (weight text, MM text, content text, content2 text);"
    "insert into chenggu values ('43', '四两三', '诗四三', '意四三');"
    "insert into chenggu values ('39', '三两九', '诗三九', '意三九');";

std::vector<std::string> BoneWeightLines(bool beforeJie, int lunarMonth) {
  ChartBlockInput input = BlockInput(HandChart(5, false), 2000, 1999);
  input.chart.beforeJie = beforeJie;
  input.lunar.month = lunarMonth;
  TextPane pane;
  WriteBoneWeightBlock(pane, input, "袁天罡称骨算命：");
  return pane.lines();
}

TEST(ChartBlock, BoneWeightLinesWeighThePreviousMonthBeforeTheJie) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kWeights);
  EXPECT_EQ(BoneWeightLines(false, 1),
            (std::vector<std::string>{"袁天罡称骨算命：", "你的骨重为：3两9钱 三两九", "诗评：诗三九",
                                      "诗意：意三九"}));
  // The first month is weighed as the twelfth.
  EXPECT_EQ(BoneWeightLines(true, 1),
            (std::vector<std::string>{"袁天罡称骨算命：", "你的骨重为：4两3钱 四两三", "诗评：诗四三",
                                      "诗意：意四三"}));
  EXPECT_EQ(BoneWeightLines(false, 7)[1], "你的骨重为：3两9钱 三两九");
  EXPECT_EQ(BoneWeightLines(true, 7)[1], "你的骨重为：4两3钱 四两三");
}

TEST(ChartBlock, PersonalityAndShenshaBlocks) {
  ChartResult c = HandChart(5, false);
  c.personalityText = "性情温和。 ";
  TextPane pane;
  WritePersonalityBlock(pane, c, "性格简评：");
  EXPECT_EQ(pane.Text(), "性格简评：\n    性情温和。 \n");

  FixtureDir dir;
  dir.WriteFile("shensha/niangan.txt", "");
  dir.WriteFile("shensha/yuezhi.txt", "");
  dir.WriteFile("shensha/rigan.txt", "");
  dir.WriteFile("shensha/rizhi.txt", "");
  dir.WriteFile("shensha/rizhu.txt", "");
  dir.WriteFile("shensha/rizhus.txt", "");
  // Line 2 for forward charts, line 3 for backward ones; the month's 寅
  // lies two branches after the year's 子 (吊客).
  dir.WriteFile("shensha/nianzhi.txt", text::ToGbk("\r\n\r\n顺    子:子\r\n逆    子:子\r\n"));
  TextPane shensha;
  WriteShenshaBlock(shensha, c, "四柱神煞：");
  EXPECT_EQ(shensha.Text(), "四柱神煞：\n年柱：顺\n月柱：吊客\n日柱：\n时柱：顺\n");
  c.direction = LuckDirection::Backward;
  shensha.Clear();
  WriteShenshaBlock(shensha, c, "男方四柱神煞：");
  EXPECT_EQ(shensha.Text(), "男方四柱神煞：\n年柱：逆\n月柱：吊客\n日柱：\n时柱：逆\n");
}

}  // namespace
}  // namespace vantrel
