#include "reports/chart_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "tests/support/entry_rows.h"
#include "tests/support/fixture.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

using testing::ChartRow;
using testing::FixtureDir;

struct ChartRun {
  TextPane visible;
  TextPane scratch;
  RecordingNotifier notifier;
  void Go(const ChartRow& e) { RunChartReport(e.Read(), visible, scratch, notifier, 2024); }
  bool Has(const std::string& line) const {
    for (const auto& l : visible.lines()) {
      if (l == line) return true;
    }
    return false;
  }
};

TEST(ChartReport, TheDefaultsGiveTheChartOf1980) {
  ChartRun run;
  ChartRow e;  // 男, 公历, 1980, 1, 1, 子 0, 0
  run.Go(e);
  ASSERT_TRUE(run.notifier.messages.empty());
  const auto& lines = run.visible.lines();
  ASSERT_GT(lines.size(), 30u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "姓名：");  // the name is not required
  EXPECT_EQ(lines[2], "年龄：44岁");
  EXPECT_EQ(lines[3], "您出生公历：1980年01月01日0点0分");
  EXPECT_EQ(lines[4], "农历：己未(羊年)十一月十四");
  EXPECT_EQ(lines[5], "属相：羊");
  EXPECT_EQ(lines[6], "星座：摩羯座");
  EXPECT_EQ(lines[7], kChartSeparator);
  EXPECT_TRUE(run.Has("八字：己未   丙子   癸酉   壬子"));
  EXPECT_TRUE(run.Has("四柱神煞："));
  EXPECT_TRUE(run.Has("袁天罡称骨算命："));
  EXPECT_TRUE(run.Has("性格简评："));
  EXPECT_EQ(lines.back(), kChartClosingLine);
  EXPECT_EQ(lines[lines.size() - 3], kChartSeparator);
}

TEST(ChartReport, TypedDatesKeepTheirTextInTheYearLine) {
  ChartRun run;
  ChartRow e;
  e.person.year = " 1980\t";  // the blanks around a typed year are not printed
  e.person.month = "3";
  e.person.day = "5";
  e.person.hour = "子 23";
  run.Go(e);
  EXPECT_EQ(run.visible.Line(3), "您出生公历：1980年03月05日23点0分");
  bool found = false;
  for (const auto& l : run.visible.lines()) found = found || l.rfind("始于：1980   ", 0) == 0;
  EXPECT_TRUE(found);
}

TEST(ChartReport, ALunarEntryIsCastForItsSolarDate) {
  ChartRun run;
  ChartRow e;
  e.person.calendar = CalendarKind::Lunar;
  e.person.year = "2013";
  e.person.month = "8";
  e.person.day = "17";
  run.Go(e);
  EXPECT_EQ(run.visible.Line(3), "您出生公历：2013年09月21日0点0分");
  EXPECT_EQ(run.visible.Line(4), "农历：癸巳(蛇年)八月十七");
  EXPECT_EQ(run.visible.Line(2), "年龄：11岁");
}

TEST(ChartReport, TheConstellationVariantCastsNoChart) {
  ChartRun run;
  ChartRow e;
  e.kind = ReportKind::Constellation;
  e.sex = Sex::Woman;  // not read
  e.person.month = "5";
  e.person.day = "20";
  run.Go(e);
  ASSERT_TRUE(run.notifier.messages.empty());
  const auto& lines = run.visible.lines();
  EXPECT_EQ(lines[6], "星座：金牛座 ");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], kConstellationSeparator);
  EXPECT_EQ(lines[9], "【情商解析】:");
  EXPECT_FALSE(run.Has("四柱神煞："));
  int headings = 0;
  for (const auto& l : lines) headings += l.rfind("【", 0) == 0;
  EXPECT_EQ(headings, 3);
  EXPECT_EQ(lines.back(), kChartClosingLine);
  for (const auto& l : lines) EXPECT_EQ(l.find("<p>"), std::string::npos);
}

TEST(ChartReport, ChecksShowTheirMessageAndTouchNothing) {
  const std::pair<std::string EntryTexts::*, const char*> fields[] = {{&EntryTexts::year, "请选择出生年!"},
                                                                      {&EntryTexts::month, "请选择出生月!"},
                                                                      {&EntryTexts::day, "请选择出生日!"},
                                                                      {&EntryTexts::hour, "请选择出生小时!"}};
  for (const auto& [field, message] : fields) {
    ChartRun run;
    run.visible.Add("before");
    ChartRow e;
    e.person.*field = "  ";
    run.Go(e);
    EXPECT_EQ(run.notifier.messages, std::vector<std::string>{message});
    EXPECT_EQ(run.visible.Text(), "before\n");
  }
}

TEST(ChartReport, ARunThatStopsLeavesTheVisiblePaneAsItWas) {
  auto expectUnchanged = [](const ChartRow& e, auto&& check) {
    ChartRun run;
    run.visible.Add("before");
    check(run, e);
    EXPECT_EQ(run.visible.Text(), "before\n");
  };
  ChartRow badMinute;
  badMinute.person.minute = "abc";
  expectUnchanged(badMinute, [](ChartRun& r, const ChartRow& e) { EXPECT_THROW(r.Go(e), ConvertError); });
  ChartRow badDate;
  badDate.person.year = "1981";
  badDate.person.month = "2";
  badDate.person.day = "29";
  expectUnchanged(badDate, [](ChartRun& r, const ChartRow& e) { EXPECT_THROW(r.Go(e), ConvertError); });
  ChartRow badHour;
  badHour.person.hour = "子 24";
  expectUnchanged(badHour, [](ChartRun& r, const ChartRow& e) { EXPECT_THROW(r.Go(e), ConvertError); });
  ChartRow badLunar;
  badLunar.person.calendar = CalendarKind::Lunar;
  badLunar.person.year = "2020";
  badLunar.person.month = "1";  // a month of 29 days
  badLunar.person.day = "30";
  expectUnchanged(badLunar, [](ChartRun& r, const ChartRow& e) {
    r.Go(e);
    EXPECT_EQ(r.notifier.messages, std::vector<std::string>{"请检查输入数据是否出错！"});
  });
  ChartRow tooEarly;
  tooEarly.person.year = "1900";
  tooEarly.person.month = "1";
  tooEarly.person.day = "30";
  expectUnchanged(tooEarly, [](ChartRun& r, const ChartRow& e) {
    r.Go(e);
    EXPECT_EQ(r.notifier.messages, std::vector<std::string>{"请检查输入数据是否出错！"});
  });
}

TEST(ChartReport, DataFailuresLeaveTheVisiblePaneAsItWas) {
  FixtureDir dir;
  dir.CopyBuiltData();
  std::filesystem::remove(dir.File("shensha/niangan.txt"));
  ChartRun run;
  run.visible.Add("before");
  EXPECT_THROW(run.Go(ChartRow{}), FileError);
  EXPECT_EQ(run.visible.Text(), "before\n");

  dir.Execute("KelFile.dll", "drop table aiqing;");
  ChartRow stars;
  stars.kind = ReportKind::Constellation;
  EXPECT_THROW(run.Go(stars), SilentCancel);
  EXPECT_EQ(run.visible.Text(), "before\n");
}

}  // namespace
}  // namespace vantrel
