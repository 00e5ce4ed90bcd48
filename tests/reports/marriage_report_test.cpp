#include "reports/marriage_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/errors.h"
#include "common/text.h"
#include "tests/support/entry_rows.h"
#include "tests/support/fixture.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

using testing::CoupleRows;
using testing::FixtureDir;
using testing::Person;

CoupleRows Couple() { return testing::ReviewedCouple(); }

struct MarriageRun {
  TextPane report;
  MarriagePanes panes{report};
  RecordingNotifier notifier;
  EntryFocus focused = EntryFocus::None;

  void Go(const CoupleRows& rows) {
    RunMarriageReport(
        rows.Read(), panes, notifier, [this](EntryFocus f) { focused = f; }, 2024);
  }
  int IndexOf(const std::string& line, int from = 0) const {
    const auto& lines = report.lines();
    const auto it = std::find(lines.begin() + from, lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
  }
  std::string After(const std::string& prefix) const {
    for (const auto& line : report.lines()) {
      if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    }
    return "<missing>";
  }
};

std::string ReadExpected(const std::string& name) {
  std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/tests/reports/" + name);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(MarriageReport, MatchesTheReviewedReportLineByLine) {
  MarriageRun run;
  run.Go(Couple());
  ASSERT_TRUE(run.notifier.messages.empty());
  const std::vector<std::string> expected = text::SplitLines(ReadExpected("marriage_1985_1987.txt"));
  const auto& got = run.report.lines();
  ASSERT_EQ(got.size() + 1, expected.size());  // the file ends with a line break
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], expected[i]) << "line " << i + 1;
}

TEST(MarriageReport, HeadingsAgeAndBirthLines) {
  MarriageRun run;
  run.Go(Couple());
  const auto& lines = run.report.lines();
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[0], "男方基本信息：");
  EXPECT_EQ(lines[1], "");
  // The age is the difference of the calendar years only.
  EXPECT_EQ(lines[2], "姓名：张三 年龄：39岁  属相：牛  星座：双子座");
  EXPECT_EQ(lines[3], "您出生公历：1985年06月15日10点30分");
  const int woman = run.IndexOf("女方基本信息：");
  ASSERT_GT(woman, 3);
  EXPECT_EQ(lines[woman - 2], std::string(72, '-'));
  EXPECT_EQ(lines[woman + 1], "");
  EXPECT_EQ(lines[woman + 3], "您出生公历：1987年03月08日23点5分");  // 子 23, minute as typed
  // Her shensha block goes to its pane and shows only in the comparison.
  EXPECT_GT(run.IndexOf("女方四柱神煞："), run.IndexOf("四柱神煞对比："));
  EXPECT_EQ(run.panes.shenshaWoman.Line(0), "女方四柱神煞：");
  EXPECT_EQ(run.panes.boneWeightMan.Line(0), "男方袁天罡称骨算命：");
  EXPECT_EQ(run.panes.personalityWoman.Line(0), "女方性格简评：");
  EXPECT_EQ(lines.back(), "特别声明：以上分析只做参考，即使分析不佳世上也有欢喜冤家或旷世奇缘的情感。");
  const int palace = run.IndexOf("命宫速配：");
  EXPECT_EQ(lines[palace - 2], kMarriageSeparator);
}

TEST(MarriageReport, ALunarEntryShowsTheConvertedSolarDate) {
  MarriageRun run;
  // Lunar 2013-8-17 is 2013-09-21.
  CoupleRows e = Couple();
  e.man = Person("甲", "2013", "8", "17", "午 12", "0", 1);
  run.Go(e);
  ASSERT_TRUE(run.notifier.messages.empty());
  EXPECT_EQ(run.report.Line(3), "您出生公历：2013年09月21日12点0分");
  EXPECT_EQ(run.report.Line(4), "农历：癸巳(蛇年)八月十七");
}

TEST(MarriageReport, LifePalaceGroupsAndTheFiveReplacement) {
  MarriageRun run;
  CoupleRows e = Couple();
  // 2013: the man's life gua is 五 (West, matched as 二); 1980 woman 四 (East).
  e.man = Person("甲", "2013", "9", "21", "子 0", "0");
  e.woman = Person("乙", "1980", "5", "5", "午 12", "0");
  run.Go(e);
  EXPECT_TRUE(run.After("男命宫：").find(" 属于西四命") != std::string::npos) << run.After("男命宫：");
  EXPECT_TRUE(run.After("女命宫：").find(" 属于东四命") != std::string::npos) << run.After("女命宫：");
  // 坤 (二) with 巽 (四) is 五鬼.
  EXPECT_EQ(run.After("合婚小结：").rfind("五鬼(下等婚)", 0), 0u) << run.After("合婚小结：");
}

TEST(MarriageReport, SharedShenshaNames) {
  // In the comparison's order, whatever order the charts name them in.
  EXPECT_EQ(SharedShensha({"天乙贵人", "驿马"}, {"驿马", "天乙贵人"}),
            (std::vector<std::string>{"天乙贵人", "驿马"}));
  EXPECT_TRUE(SharedShensha({"华盖"}, {"将星"}).empty());
  // The mourning stars are named one by one, never as the listed triple.
  EXPECT_TRUE(SharedShensha({"披麻", "吊客", "丧门"}, {"披麻", "吊客", "丧门"}).empty());
  MarriageRun run;
  run.Go(Couple());
  EXPECT_EQ(run.After("四柱神煞相同的有："), "太极贵人 华盖 将星 咸池 空亡 ");
}

TEST(MarriageReport, ZodiacRowsAreTheSixColumnsWithoutLabels) {
  MarriageRun run;
  run.Go(Couple());
  const int man = run.IndexOf("男属相：牛");
  ASSERT_GT(man, 0);
  EXPECT_EQ(run.report.Line(man + 1), "");
  EXPECT_EQ(run.report.Line(man + 2).rfind("性格特点：", 0), 0u);
  EXPECT_EQ(run.report.Line(man + 7).rfind("幸运数字：", 0), 0u);
  EXPECT_EQ(run.report.Line(man + 8), "");
  EXPECT_EQ(run.report.Line(man + 9), "");
  EXPECT_EQ(run.report.Line(man + 10), "女属相：兔");
}

TEST(MarriageReport, AMissingZodiacRowGivesSixEmptyLines) {
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("Tgcode.dll", "delete from shengxiao where shuxing = '牛';");
  MarriageRun run;
  run.Go(Couple());
  const int man = run.IndexOf("男属相：牛");
  ASSERT_GT(man, 0);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(run.report.Line(man + i), "") << i;
}

TEST(MarriageReport, AMissingZodiacTableEndsTheRunWithAnError) {
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("Tgcode.dll", "drop table shengxiao;");
  MarriageRun run;
  EXPECT_THROW(run.Go(Couple()), DatabaseError);
  EXPECT_EQ(run.report.lines().back(), "男属相：牛");  // the lines written so far stay
}

TEST(MarriageReport, EachLookupStartsFromAnEmptyResult) {
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("Tgcode.dll", "delete from mg; delete from mgwx;");
  MarriageRun run;
  run.Go(Couple());
  // Neither person shows another's fields, and no section repeats another's text.
  EXPECT_EQ(run.After("男八字五行："), "属于命 属相：牛()");
  EXPECT_EQ(run.After("女八字五行："), "属于命 属相：兔()");
  EXPECT_EQ(run.After("男命宫：").substr(3), " 属于西四命");
  EXPECT_EQ(run.After("八字五行速配结果："), "(不合)");
  // With both numerals empty, the life-gua match names no pair.
  EXPECT_EQ(run.After("合婚小结："), "(下等婚)");
}

TEST(MarriageReport, AMissingMatchTableStopsTheReportWithTheFilesError) {
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("Tgcode.dll", "drop table mghp;");
  MarriageRun run;
  try {
    run.Go(Couple());
    ADD_FAILURE() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("Tgcode.dll"), std::string::npos) << e.what();
  }
  // Both sections were made before the comparison needed the table.
  EXPECT_GE(run.IndexOf("女方基本信息："), 0);
  EXPECT_EQ(run.After("合婚小结："), "<missing>");
}

TEST(MarriageReport, TheManIsCheckedBeforeThePaneChanges) {
  MarriageRun run;
  run.report.Add("previous report");
  CoupleRows e = Couple();
  e.man.name = "   ";
  run.Go(e);
  EXPECT_EQ(run.notifier.messages, std::vector<std::string>{"男方姓名不能为空!"});
  EXPECT_EQ(run.focused, EntryFocus::ManName);
  EXPECT_EQ(run.report.Text(), "previous report\n");

  const std::pair<std::string EntryTexts::*, const char*> fields[] = {
      {&EntryTexts::year, "请选择男方出生年!"},
      {&EntryTexts::month, "请选择男方出生月!"},
      {&EntryTexts::day, "请选择男方出生日!"},
      {&EntryTexts::hour, "请选择男方出生小时!"}};
  for (const auto& [field, message] : fields) {
    MarriageRun r;
    r.report.Add("previous report");
    CoupleRows bad = Couple();
    bad.man.*field = " ";
    r.Go(bad);
    EXPECT_EQ(r.notifier.messages, std::vector<std::string>{message});
    EXPECT_EQ(r.focused, EntryFocus::None);
    EXPECT_EQ(r.report.Text(), "previous report\n");
  }
}

TEST(MarriageReport, TheWomansChecksComeAfterTheMansSection) {
  MarriageRun run;
  CoupleRows e = Couple();
  e.woman.name = "";
  run.Go(e);
  EXPECT_EQ(run.notifier.messages, std::vector<std::string>{"女方姓名不能为空!"});
  EXPECT_EQ(run.focused, EntryFocus::WomanName);
  // The pane ends with the empty line after the man's small-luck grid.
  EXPECT_EQ(run.report.lines().back(), "");
  const std::string lastAges = run.report.Line(run.report.LineCount() - 2);
  EXPECT_EQ(lastAges.substr(lastAges.size() - 5), "92岁");
  EXPECT_EQ(run.IndexOf(std::string(72, '-')), -1);
  EXPECT_GT(run.IndexOf("小运：辛巳   戊寅   戊辰   戊午   戊申   戊戌   戊子   戊寅   戊辰   戊午"), 0);
}

TEST(MarriageReport, DatesThatDoNotConvertStopTheRun) {
  {
    // A solar date that does not exist: a conversion error, pane unchanged.
    MarriageRun run;
    run.report.Add("previous report");
    CoupleRows e = Couple();
    e.man.day = "30";
    e.man.month = "2";
    EXPECT_THROW(run.Go(e), ConvertError);
    EXPECT_EQ(run.report.Text(), "previous report\n");
  }
  {
    // A lunar date that does not exist, and a solar date before the lunar
    // calendar begins: the notice, pane unchanged.
    for (const EntryTexts& bad :
         {Person("甲", "2013", "2", "30", "子 0", "0", 1), Person("甲", "1900", "1", "1", "子 0", "0", 1),
          Person("甲", "1900", "1", "30", "子 0", "0")}) {
      MarriageRun run;
      run.report.Add("previous report");
      CoupleRows e = Couple();
      e.man = bad;
      run.Go(e);
      EXPECT_EQ(run.notifier.messages, std::vector<std::string>{"请检查输入数据是否出错！"});
      EXPECT_EQ(run.report.Text(), "previous report\n");
    }
  }
  {
    // An unreadable minute is found after the man's heading lines.
    MarriageRun run;
    CoupleRows e = Couple();
    e.man.minute = "半";
    EXPECT_THROW(run.Go(e), ConvertError);
    EXPECT_EQ(run.report.LineCount(), 5);
    EXPECT_EQ(run.report.Line(3), "您出生公历：1985年06月15日10点半分");
  }
  {
    // A bad woman's date comes after the man's section.
    MarriageRun run;
    CoupleRows e = Couple();
    e.woman.year = "19x7";
    EXPECT_THROW(run.Go(e), ConvertError);
    EXPECT_GT(run.IndexOf("大运：壬午   辛巳   庚辰   己卯   戊寅   丁丑   丙子   乙亥   甲戌   癸酉"), 0);
  }
}

TEST(MarriageReport, AMissingRuleFileStopsTheRunWithTheFileError) {
  FixtureDir dir;
  dir.CopyBuiltData();
  std::filesystem::remove(dir.File("shensha/rizhu.txt"));
  MarriageRun run;
  try {
    run.Go(Couple());
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + dir.File("shensha/rizhu.txt") + "\". No such file or directory");
  }
  EXPECT_GT(run.report.LineCount(), 20);  // the man's chart block stays
}

}  // namespace
}  // namespace vantrel
