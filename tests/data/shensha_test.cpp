#include "data/shensha.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "common/errors.h"
#include "common/paths.h"
#include "common/text.h"
#include "tests/support/fixture.h"

namespace vantrel::data {
namespace {

using vantrel::testing::FixtureDir;

// Writes a rule file as the program reads it: GBK, CR LF.
void WriteRules(const FixtureDir& dir, const std::string& name, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += text::ToGbk(line) + "\r\n";
  dir.WriteFile("shensha/" + name, bytes);
}

// `count` items that never match the tests below.
std::string Filler(int count) {
  std::vector<std::string> items(static_cast<std::size_t>(count), "癸:亥");
  return text::Join(items, ",");
}

TEST(ShenshaFile, LinesAreReadFromGbkWithCrLf) {
  FixtureDir dir;
  dir.WriteFile("shensha/niangan.txt", text::ToGbk("天乙贵人 甲:丑\r\n\r\n驿马    甲:寅\r\n"));
  EXPECT_EQ(LoadShenshaFile("niangan.txt"),
            (std::vector<std::string>{"天乙贵人 甲:丑", "", "驿马    甲:寅"}));
  dir.WriteFile("shensha/rigan.txt", text::ToGbk("华盖    甲:寅"));  // no break after the last line
  EXPECT_EQ(LoadShenshaFile("rigan.txt"), std::vector<std::string>{"华盖    甲:寅"});
  dir.WriteFile("shensha/yuezhi.txt", "");
  EXPECT_TRUE(LoadShenshaFile("yuezhi.txt").empty());
}

TEST(ShenshaFile, AMissingFileRaisesTheFileErrorWithItsPathAndReason) {
  FixtureDir dir;
  const std::string path = dir.path() + "/shensha/niangan.txt";
  try {
    ShenshaNiangan("甲", "丑");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_EQ(e.path(), path);
  }
  std::filesystem::create_directories(dir.path() + "/shensha/rigan.txt");
  try {
    LoadShenshaFile("rigan.txt");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + dir.path() + "/shensha/rigan.txt\". Is a directory");
  }
}

// A pipe in a rule file's place is refused at once: no writer ever comes.
TEST(ShenshaFile, APipeInsteadOfARuleFileIsRefusedWithoutWaiting) {
  FixtureDir dir;
  dir.WriteFile("shensha/keep", "");
  const std::string path = dir.path() + "/shensha/rizhu.txt";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  try {
    LoadShenshaFile("rizhu.txt");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". Not a regular file");
  }
}

TEST(ShenshaFile, AFileOverOneMebibyteIsRefused) {
  FixtureDir dir;
  std::string line = text::ToGbk("天乙贵人 甲:丑") + "\r\n";
  std::string bytes;
  while (bytes.size() <= (1u << 20)) bytes += line;
  dir.WriteFile("shensha/niangan.txt", bytes);
  const std::string path = dir.path() + "/shensha/niangan.txt";
  try {
    ShenshaNiangan("甲", "丑");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". File too large (over 1 MiB)");
  }
  bytes = line + std::string((1u << 20) - line.size(), '\n');  // exactly 1 MiB is still read
  dir.WriteFile("shensha/niangan.txt", bytes);
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "天乙贵人");
}

TEST(ShenshaFile, TheFileIsReadAfreshOnEveryCall) {
  FixtureDir dir;
  WriteRules(dir, "niangan.txt", {"天乙贵人 甲:丑"});
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "天乙贵人");
  WriteRules(dir, "niangan.txt", {"太极贵人 甲:丑"});
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "太极贵人");
}

TEST(ShenshaLine, NameFieldBodyAndItems) {
  const ShenshaRule rule = ParseShenshaLine("天乙贵人 甲戊庚:丑未, 乙己:子申,, ,壬癸:卯巳");
  EXPECT_EQ(rule.name, "天乙贵人");
  ASSERT_EQ(rule.items.size(), 3u);
  EXPECT_EQ(rule.items[1].key, "乙己");
  EXPECT_EQ(rule.items[1].value, "子申");
  // The name field is five characters, whatever their bytes.
  EXPECT_EQ(ParseShenshaLine("驿马   申子辰:寅").name, "驿马");
  EXPECT_EQ(ParseShenshaLine("驿马   申子辰:寅").items[0].key, "申子辰");
  EXPECT_EQ(ParseShenshaLine("ab   甲:子").name, "ab");
  // Every occurrence of the field leaves the body.
  EXPECT_EQ(ParseShenshaLine("华盖   甲:子华盖   丑").items[0].value, "子丑");
  // Too short for a body.
  EXPECT_TRUE(ParseShenshaLine("甲:子").items.empty());
  // Without ":" the key is empty and the value the item's first ten bytes.
  const ShenshaRule bare = ParseShenshaLine("金神    乙丑己巳癸酉");
  ASSERT_EQ(bare.items.size(), 1u);
  EXPECT_EQ(bare.items[0].key, "");
  EXPECT_EQ(bare.items[0].value, "乙丑己巳癸");
}

TEST(Shensha, TheQuotedRuleOfTianYi) {
  FixtureDir dir;
  WriteRules(dir, "niangan.txt", {"天乙贵人 甲戊庚:丑未,乙己:子申"});
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "天乙贵人");
  EXPECT_EQ(ShenshaNiangan("己", "申"), "天乙贵人");
  EXPECT_EQ(ShenshaNiangan("甲", "子"), "");
}

TEST(Shensha, NamesComeInFileOrderAndOncePerMatchingItem) {
  FixtureDir dir;
  WriteRules(dir, "rigan.txt",
             {"驿马    甲:寅", "华盖    甲:寅", "禄神    乙:寅", "羊刃    甲:寅,甲丙:子寅"});
  EXPECT_EQ(ShenshaRigan("甲", "寅"), "驿马 华盖 羊刃 羊刃");
  EXPECT_EQ(ShenshaRigan("丙", "寅"), "羊刃");
}

TEST(Shensha, OnlyTheFirstTwentyOneItemsAreRead) {
  FixtureDir dir;
  WriteRules(
      dir, "niangan.txt",
      {"第二十一 " + Filler(20) + ",甲:丑," + Filler(4), "第二十二 " + Filler(21) + ",甲:丑," + Filler(3)});
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "第二十一");
}

TEST(Shensha, ValuesAreCutToTenBytesBeforeTheTest) {
  FixtureDir dir;
  WriteRules(dir, "niangan.txt", {"六字    甲:子丑寅卯辰巳", "带空    乙: 子丑寅卯辰"});
  EXPECT_EQ(ShenshaNiangan("甲", "辰"), "六字");
  EXPECT_EQ(ShenshaNiangan("甲", "巳"), "");
  // The ten bytes follow the colon directly: a blank takes one of them.
  EXPECT_EQ(ShenshaNiangan("乙", "卯"), "带空");
  EXPECT_EQ(ShenshaNiangan("乙", "辰"), "");
}

TEST(Shensha, MatchesAreWholeCharacters) {
  FixtureDir dir;
  // In GBK the bytes of 巳申 hold those of 壬 across the two characters, and
  // 甲酉 those of 子; neither counts.
  WriteRules(dir, "yuezhi.txt", {"天德贵人 寅:巳申,卯:甲酉"});
  EXPECT_EQ(ShenshaYuezhi("寅", "壬", "午"), "");
  EXPECT_EQ(ShenshaYuezhi("卯", "丙", "子"), "");
  EXPECT_EQ(ShenshaYuezhi("寅", "丙", "申"), "天德贵人");
  EXPECT_EQ(ShenshaYuezhi("卯", "甲", "午"), "天德贵人");
}

TEST(Shensha, MonthRulesTestTheStemOrTheBranch) {
  FixtureDir dir;
  WriteRules(dir, "yuezhi.txt", {"天德贵人 寅:丁,卯:申"});
  EXPECT_EQ(ShenshaYuezhi("寅", "丁", "亥"), "天德贵人");
  EXPECT_EQ(ShenshaYuezhi("卯", "甲", "申"), "天德贵人");
  EXPECT_EQ(ShenshaYuezhi("卯", "丁", "亥"), "");
}

TEST(Shensha, MourningStarsOfTheYearAndDayBranch) {
  FixtureDir dir;
  WriteRules(dir, "nianzhi.txt", {"驿马    申子辰:寅"});
  WriteRules(dir, "rizhi.txt", {"华盖    申子辰:辰"});
  EXPECT_EQ(ShenshaNianzhi("子", "戌", LuckDirection::Forward), "披麻");
  EXPECT_EQ(ShenshaNianzhi("子", "寅", LuckDirection::Forward), "驿马 吊客");
  EXPECT_EQ(ShenshaNianzhi("子", "卯", LuckDirection::Backward), "丧门");
  EXPECT_EQ(ShenshaNianzhi("子", "子", LuckDirection::Forward), "");
  EXPECT_EQ(ShenshaNianzhi("亥", "酉", LuckDirection::Forward), "披麻");
  EXPECT_EQ(ShenshaNianzhi("亥", "丑", LuckDirection::Forward), "吊客");
  EXPECT_EQ(ShenshaNianzhi("亥", "寅", LuckDirection::Forward), "丧门");
  EXPECT_EQ(ShenshaRizhi("子", "辰"), "华盖");
  EXPECT_EQ(ShenshaRizhi("辰", "寅"), "披麻");
  EXPECT_EQ(ShenshaRizhi("辰", "午"), "吊客");
  EXPECT_EQ(ShenshaRizhi("辰", "未"), "丧门");
  // A file without lines gives nothing at all, these names included.
  dir.WriteFile("shensha/nianzhi.txt", "");
  EXPECT_EQ(ShenshaNianzhi("子", "戌", LuckDirection::Forward), "");
  // One empty line is a line.
  dir.WriteFile("shensha/rizhi.txt", "\r\n");
  EXPECT_EQ(ShenshaRizhi("辰", "寅"), "披麻");
}

TEST(Shensha, TheLinesTheYearAndDayBranchRulesRead) {
  FixtureDir dir;
  std::vector<std::string> nianzhi;
  for (int i = 0; i < 16; ++i) nianzhi.push_back("第" + std::to_string(i) + "行  子:午");
  WriteRules(dir, "nianzhi.txt", nianzhi);
  // Lines 0..13, line 2 only forward, line 3 only backward.
  EXPECT_EQ(ShenshaNianzhi("子", "午", LuckDirection::Forward),
            "第0行 第1行 第2行 第4行 第5行 第6行 第7行 第8行 第9行 第10行 第11行 第12行 第13行");
  EXPECT_EQ(ShenshaNianzhi("子", "午", LuckDirection::Backward),
            "第0行 第1行 第3行 第4行 第5行 第6行 第7行 第8行 第9行 第10行 第11行 第12行 第13行");

  std::vector<std::string> rizhi;
  for (int i = 0; i < 9; ++i) rizhi.push_back("第" + std::to_string(i) + "行  子:午");
  WriteRules(dir, "rizhi.txt", rizhi);
  EXPECT_EQ(ShenshaRizhi("子", "午"), "第0行 第1行 第2行 第3行 第4行 第5行 第6行");
}

TEST(Shensha, DayPillarRulesTestPillarsOnTheirFirstFiveLines) {
  FixtureDir dir;
  WriteRules(dir, "rizhu.txt",
             {"零号    甲子:", "一号    乙丑:丙寅", "", "", "", "五号    子:", "六号    子:丙寅",
              "七号    甲子:丙寅"});
  // Lines 0..4: the pillar in the key; an empty value matches on the key alone.
  EXPECT_EQ(ShenshaRizhu("甲子", "丁卯"), "零号");
  EXPECT_EQ(ShenshaRizhu("乙丑", "丙寅"), "一号");
  EXPECT_EQ(ShenshaRizhu("乙丑", "丁卯"), "");
  // Later lines: the pillar's branch in the key, the day pillar in the
  // value; an empty value never matches there.
  EXPECT_EQ(ShenshaRizhu("壬子", "丙寅"), "六号 七号");
  EXPECT_EQ(ShenshaRizhu("甲子", "丙寅"), "零号 六号 七号");
  EXPECT_EQ(ShenshaRizhu("甲子", "丁卯"), "零号");
}

TEST(Shensha, DayAndHourRulesMatchAnEmptyKeyOnTheValueAlone) {
  FixtureDir dir;
  WriteRules(dir, "rizhus.txt", {"拱禄    癸亥:癸丑", "金神    乙丑, :己巳", "空键    :癸酉"});
  EXPECT_EQ(ShenshaRizhus("癸亥", "癸丑"), "拱禄");
  EXPECT_EQ(ShenshaRizhus("甲子", "癸丑"), "");
  EXPECT_EQ(ShenshaRizhus("甲子", "乙丑"), "金神");  // an item without ":" has an empty key
  EXPECT_EQ(ShenshaRizhus("甲子", "己巳"), "金神");  // the blank after the comma is dropped
  EXPECT_EQ(ShenshaRizhus("丙寅", "癸酉"), "空键");
  // The stem and branch files never match an empty key.
  WriteRules(dir, "niangan.txt", {"空键    :丑"});
  EXPECT_EQ(ShenshaNiangan("甲", "丑"), "");
}

TEST(Shensha, PillarLinesJoinTheSevenResults) {
  FixtureDir dir;
  WriteRules(dir, "niangan.txt", {"年干    甲:子"});
  WriteRules(dir, "nianzhi.txt", {"年支    子:寅"});
  WriteRules(dir, "yuezhi.txt", {"月支    寅:庚"});
  WriteRules(dir, "rigan.txt", {"日干    戊:辰"});
  WriteRules(dir, "rizhi.txt", {"日支    辰:申"});
  WriteRules(dir, "rizhu.txt", {"日柱    戊辰:"});
  WriteRules(dir, "rizhus.txt", {"日时    戊辰:庚申"});
  const ChartPillars pillars = {Pillar::FromIndex(0), Pillar::FromIndex(2), Pillar::FromIndex(4),
                                Pillar::FromIndex(56)};  // 甲子 丙寅 戊辰 庚申
  // An empty result leaves two blanks in a row; the day-and-hour result
  // stands on the first three lines.
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Year, pillars, LuckDirection::Forward), "年柱：年干      日时");
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Month, pillars, LuckDirection::Forward),
            "月柱：年支 吊客   披麻  日时");
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Day, pillars, LuckDirection::Forward), "日柱：日干  日柱 日时");
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Hour, pillars, LuckDirection::Forward), "时柱：月支  日支");
}

// The rule files the build writes beside the program.
class ShippedRules : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDirForTesting(vantrel::testing::BuiltDataDir()); }
  void TearDown() override { SetProgramDirForTesting(""); }
};

TEST_F(ShippedRules, AreGbkWithCrLfAndTheirFixedLineCounts) {
  for (const auto& [name, lines] : std::vector<std::pair<std::string, std::size_t>>{{"niangan.txt", 4},
                                                                                    {"nianzhi.txt", 14},
                                                                                    {"yuezhi.txt", 3},
                                                                                    {"rigan.txt", 9},
                                                                                    {"rizhi.txt", 7},
                                                                                    {"rizhu.txt", 8},
                                                                                    {"rizhus.txt", 2}}) {
    SCOPED_TRACE(name);
    const auto loaded = LoadShenshaFile(name);
    EXPECT_EQ(loaded.size(), lines);
    for (const auto& line : loaded) {
      EXPECT_NE(line[0], '#');
      EXPECT_LE(text::CharCount(ParseShenshaLine(line).name), 4u);
      EXPECT_EQ(text::FirstChars(line, 5).back(), ' ');
    }
  }
  EXPECT_EQ(LoadShenshaFile("nianzhi.txt")[2].rfind("元辰", 0), 0u);
  EXPECT_EQ(LoadShenshaFile("nianzhi.txt")[3].rfind("元辰", 0), 0u);
}

TEST_F(ShippedRules, GiveTheTraditionalStars) {
  EXPECT_EQ(ShenshaNiangan("甲", "未"), "天乙贵人");
  EXPECT_EQ(ShenshaNiangan("辛", "寅"), "天乙贵人 太极贵人");
  EXPECT_EQ(ShenshaNiangan("乙", "午"), "太极贵人 文昌贵人");
  EXPECT_EQ(ShenshaNiangan("庚", "辰"), "国印贵人");
  EXPECT_EQ(ShenshaRigan("甲", "寅"), "词馆 禄神");
  EXPECT_EQ(ShenshaRigan("甲", "卯"), "羊刃");
  EXPECT_EQ(ShenshaRigan("甲", "亥"), "学堂");
  EXPECT_EQ(ShenshaRigan("甲", "辰"), "金舆");
  EXPECT_EQ(ShenshaRigan("甲", "丑"), "天乙贵人");
  EXPECT_EQ(ShenshaRigan("癸", "子"), "禄神");
  // Year branch 子: 寅 is its 驿马 and 孤辰, and lies two branches on (吊客).
  EXPECT_EQ(ShenshaNianzhi("子", "寅", LuckDirection::Forward), "驿马 孤辰 吊客");
  EXPECT_EQ(ShenshaNianzhi("子", "辰", LuckDirection::Forward), "华盖");
  EXPECT_EQ(ShenshaNianzhi("卯", "子", LuckDirection::Forward), "咸池 红鸾 勾绞煞");
  EXPECT_EQ(ShenshaNianzhi("卯", "午", LuckDirection::Forward), "天喜 勾绞煞 丧门");
  // 元辰: the branch after the clash for 阳男阴女, the one before it otherwise.
  EXPECT_EQ(ShenshaNianzhi("子", "未", LuckDirection::Forward), "元辰");
  EXPECT_EQ(ShenshaNianzhi("子", "未", LuckDirection::Backward), "");
  EXPECT_EQ(ShenshaNianzhi("子", "巳", LuckDirection::Backward), "元辰 劫煞");
  EXPECT_EQ(ShenshaNianzhi("子", "巳", LuckDirection::Forward), "劫煞");
  EXPECT_EQ(ShenshaRizhi("午", "申"), "驿马 吊客");
  EXPECT_EQ(ShenshaRizhi("酉", "丑"), "华盖");
  EXPECT_EQ(ShenshaYuezhi("寅", "丁", "卯"), "天德贵人");
  EXPECT_EQ(ShenshaYuezhi("午", "丙", "子"), "月德贵人");
  EXPECT_EQ(ShenshaYuezhi("寅", "甲", "丑"), "天医");
  EXPECT_EQ(ShenshaRizhu("庚辰", "庚辰"), "魁罡贵人 十恶大败");
  EXPECT_EQ(ShenshaRizhu("壬辰", "壬辰"), "魁罡贵人 阴阳差错");
  EXPECT_EQ(ShenshaRizhu("癸酉", "癸酉"), "金神");
  EXPECT_EQ(ShenshaRizhu("甲戌", "甲子"), "空亡");
  EXPECT_EQ(ShenshaRizhu("乙亥", "癸酉"), "空亡");
  EXPECT_EQ(ShenshaRizhu("丙子", "甲寅"), "空亡");
  EXPECT_EQ(ShenshaRizhu("丙申", "甲子"), "");
  EXPECT_EQ(ShenshaRizhu("丁巳", "甲辰"), "天罗地网");
  EXPECT_EQ(ShenshaRizhu("辛亥", "壬戌"), "天罗地网");
  EXPECT_EQ(ShenshaRizhus("癸亥", "癸丑"), "拱禄");
  EXPECT_EQ(ShenshaRizhus("戊辰", "戊午"), "拱禄");
  EXPECT_EQ(ShenshaRizhus("甲子", "乙丑"), "金神");
  EXPECT_EQ(ShenshaRizhus("甲子", "丙寅"), "");
}

TEST_F(ShippedRules, TheFourLinesOfAWellKnownChart) {
  // 2000-01-01 00:00, a man: 己卯 丙子 戊午 壬子, luck running backward.
  const ChartPillars pillars = {Pillar{Stem(5), Branch(3)}, Pillar{Stem(2), Branch(0)},
                                Pillar{Stem(4), Branch(6)}, Pillar{Stem(8), Branch(0)}};
  // 卯 is its own 将星 (亥卯未) and the 咸池 of the day branch 午.
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Year, pillars, LuckDirection::Backward), "年柱：将星   咸池");
  // 子: 天乙 of 己; 咸池, 红鸾 and 勾绞 of 卯; 灾煞 of 午; void in the 甲寅 decade of 戊午.
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Month, pillars, LuckDirection::Backward),
            "月柱：天乙贵人 咸池 红鸾 勾绞煞   灾煞 空亡");
  // 午: 天喜 and 勾绞 of 卯, three after it (丧门); 羊刃 of 戊; 将星 of 午; 戊午 is a 孤鸾 day.
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Day, pillars, LuckDirection::Backward),
            "日柱：天喜 勾绞煞 丧门  羊刃 将星 孤鸾煞");
  // 壬 is the 月德 stem of a 子 month.
  EXPECT_EQ(PillarShenshaLine(PillarPosition::Hour, pillars, LuckDirection::Backward),
            "时柱：天乙贵人 咸池 红鸾 勾绞煞 月德贵人  灾煞 空亡");
}

}  // namespace
}  // namespace vantrel::data
