// The reports as values: what a report made, the notice or fault that
// stopped it, and the facts a caller reads from it instead of its text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "common/text.h"
#include "reports/chart_report.h"
#include "reports/marriage_report.h"
#include "tests/support/entry_rows.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using testing::ChartRow;
using testing::CoupleRows;
using testing::FixtureDir;
using testing::Person;

CoupleRows Couple() { return testing::ReviewedCouple(); }

bool HasLine(const std::string& text, const std::string& line) {
  for (const std::string& l : text::SplitLines(text)) {
    if (l == line) return true;
  }
  return false;
}

TEST(MarriageValue, ACompleteReportCarriesTheFactsItPrints) {
  const MarriageReport r = BuildMarriageReport(Couple().Read(), 2024);
  ASSERT_TRUE(r.Complete());
  EXPECT_FALSE(r.notice);
  EXPECT_EQ(r.CoupleName(), "张三 / 李四");
  ASSERT_TRUE(r.man && r.man->chart && r.woman && r.woman->chart);
  const ChartResult& man = r.man->chart->chart;
  EXPECT_EQ(man.yearPillar, (Pillar{Stem(1), Branch(1)}));  // 乙丑
  EXPECT_EQ(r.man->facts.animal, "牛");
  EXPECT_EQ(r.woman->facts.animal, "兔");
  // The shared shensha come from both charts' names, in the comparison's order.
  EXPECT_EQ(r.comparison->sharedShensha,
            (std::vector<std::string>{"太极贵人", "华盖", "将星", "咸池", "空亡"}));
  ASSERT_EQ(r.comparison->zodiac.size(), 2u);
  EXPECT_EQ(r.comparison->zodiac[1].animal, "兔");
  // The renderer prints those same facts.
  const std::string text = RenderMarriageReport(r);
  EXPECT_TRUE(HasLine(text, "四柱神煞相同的有：太极贵人 华盖 将星 咸池 空亡 "));
  EXPECT_TRUE(HasLine(text, "男命宫：" + std::string(r.comparison->manPalace.Name()) +
                                (r.comparison->manEast ? " 属于东四命" : " 属于西四命")));
}

TEST(MarriageValue, ANoticeAboutTheWomanComesWithTheMansSection) {
  CoupleRows rows = Couple();
  rows.woman.name = "  ";
  const MarriageReport r = BuildMarriageReport(rows.Read(), 2024);
  EXPECT_EQ(r.notice, "女方姓名不能为空!");
  EXPECT_EQ(r.focus, EntryFocus::WomanName);
  EXPECT_TRUE(r.Started());
  EXPECT_FALSE(r.Complete());
  ASSERT_TRUE(r.man && r.man->chart);
  EXPECT_TRUE(r.man->chart->Complete());
  EXPECT_FALSE(r.woman);
  // What was made is what the pane shows: his whole section, nothing of hers.
  const std::string text = RenderMarriageReport(r);
  EXPECT_EQ(text.rfind("男方基本信息：\n", 0), 0u);
  EXPECT_TRUE(HasLine(text, "姓名：张三 年龄：39岁  属相：牛  星座：双子座"));
  EXPECT_FALSE(HasLine(text, "女方基本信息："));
  EXPECT_EQ(text::SplitLines(text).size(), 53u);  // 52 lines and the final break
}

TEST(MarriageValue, ANoticeBeforeAnythingWasMadeLeavesNothingToShow) {
  CoupleRows rows = Couple();
  rows.man.year = " ";
  const MarriageReport r = BuildMarriageReport(rows.Read(), 2024);
  EXPECT_EQ(r.notice, "请选择男方出生年!");
  EXPECT_EQ(r.focus, EntryFocus::None);
  EXPECT_FALSE(r.Started());
  EXPECT_EQ(RenderMarriageReport(r), "");
}

TEST(MarriageValue, AFaultKeepsWhatWasMadeBeforeIt) {
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("KelFile.dll", "drop table chenggu;");
  const MarriageReport r = BuildMarriageReport(Couple().Read(), 2024);
  ASSERT_TRUE(r.fault);
  EXPECT_FALSE(r.notice);
  // The man's chart block and shensha were made; his bone weight stopped it.
  ASSERT_TRUE(r.man && r.man->chart);
  EXPECT_TRUE(r.man->chart->block && r.man->chart->shensha);
  EXPECT_FALSE(r.man->chart->boneWeight);
  EXPECT_FALSE(r.woman);
  const std::string text = RenderMarriageReport(r);
  EXPECT_TRUE(HasLine(text, "八字：乙丑   壬午   乙酉   辛巳"));
  EXPECT_THROW(std::rethrow_exception(r.fault), SilentCancel);
}

TEST(MarriageValue, TheCorrectionLineFollowsEachBirthLine) {
  MarriageEntry entry = Couple().Read();
  entry.woman.correctionLine = "真太阳时：按乌鲁木齐校正-2小时10分（北京时间1987-03-08 23:05）";
  const std::vector<std::string> lines =
      text::SplitLines(RenderMarriageReport(BuildMarriageReport(entry, 2024)));
  int births = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].rfind("您出生公历：", 0) != 0) continue;
    ++births;
    const bool hers = births == 2;
    EXPECT_EQ(lines[i + 1] == *entry.woman.correctionLine, hers) << lines[i + 1];
  }
  EXPECT_EQ(births, 2);
}

TEST(ChartValue, TheChartAndTheConstellationReport) {
  ChartRow row;
  row.person.name = " 王芳 ";
  row.sex = Sex::Woman;
  ChartReport r = BuildChartReport(row.Read(), 2024);
  ASSERT_TRUE(r.Complete());
  EXPECT_EQ(r.name, "王芳");
  EXPECT_EQ(r.KindWord(), "八字");
  ASSERT_TRUE(r.chart);
  EXPECT_EQ(r.chart->chart.dayPillar.Text(), "癸酉");
  EXPECT_TRUE(HasLine(RenderChartReport(r), "姓名：王芳"));

  row.kind = ReportKind::Constellation;
  r = BuildChartReport(row.Read(), 2024);
  ASSERT_TRUE(r.Complete());
  EXPECT_EQ(r.KindWord(), "星座");
  EXPECT_FALSE(r.chart);
  ASSERT_TRUE(r.topics);
  EXPECT_FALSE((*r.topics)[0].empty());
}

TEST(ChartValue, AStoppedReportHasNothingToShow) {
  ChartRow row;
  row.person.hour = " ";
  ChartReport r = BuildChartReport(row.Read(), 2024);
  EXPECT_EQ(r.notice, "请选择出生小时!");
  EXPECT_EQ(RenderChartReport(r), "");

  row = ChartRow();
  row.person.calendar = CalendarKind::Lunar;
  row.person.year = "2020";
  row.person.month = "1";
  row.person.day = "30";  // 2020 has no 正月三十
  r = BuildChartReport(row.Read(), 2024);
  EXPECT_EQ(r.notice, "请检查输入数据是否出错！");
  EXPECT_FALSE(r.Complete());

  row = ChartRow();
  row.person.minute = "x";
  r = BuildChartReport(row.Read(), 2024);
  EXPECT_FALSE(r.notice);
  ASSERT_TRUE(r.fault);
  EXPECT_THROW(std::rethrow_exception(r.fault), ConvertError);
  EXPECT_EQ(RenderChartReport(r), "");
}

}  // namespace
}  // namespace vantrel
