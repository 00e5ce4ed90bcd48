// A birth whose hour is not known: the twelve possible hour pillars.
#include "chart/hour_table.h"

#include <gtest/gtest.h>

#include "chart/chart_block.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace vantrel {
namespace {

Birth BirthOn(int y, int m, int d) {
  Birth b;
  b.date = {y, m, d};
  b.hour = 17;  // not read
  return b;
}

TEST(HourTable, TwelveRowsFromZiToHaiWithTheirStemsAndTenGods) {
  const std::optional<HourTable> t = HourTableOf(BirthOn(1990, 6, 7));
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->yearPillar.Text() + t->monthPillar.Text() + t->dayPillar.Text(), "庚午壬午癸卯");
  ASSERT_EQ(t->rows.size(), 12u);
  // A 癸 day starts its hours at 壬子.
  const char* const pillars[] = {"壬子", "癸丑", "甲寅", "乙卯", "丙辰", "丁巳",
                                 "戊午", "己未", "庚申", "辛酉", "壬戌", "癸亥"};
  const char* const gods[] = {"劫财", "比肩", "伤官", "食神", "正财", "偏财",
                              "正官", "七杀", "正印", "偏印", "劫财", "比肩"};
  for (int b = 0; b < 12; ++b) {
    const HourRow& r = t->rows[static_cast<std::size_t>(b)];
    EXPECT_EQ(r.branch.Index(), b);
    EXPECT_EQ(r.pillar.Text(), pillars[b]) << b;
    EXPECT_EQ(r.tenGod, gods[b]) << b;
  }
  EXPECT_EQ(t->rows[0].span, "23-01点");
  EXPECT_EQ(t->rows[1].span, "01-03点");
  EXPECT_EQ(t->rows[11].span, "21-23点");
  // The shensha of each row are those of the chart cast at that hour.
  Birth at8 = BirthOn(1990, 6, 7);
  at8.hour = 8;
  const std::string hourLine = ShenshaOf(*CastChart(at8)).lines[3];
  ASSERT_FALSE(t->rows[4].shensha.empty());
  for (const std::string& name : t->rows[4].shensha)
    EXPECT_NE(hourLine.find(name), std::string::npos) << name;
  const std::vector<std::string> lines = HourTableLines(*t);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "时辰不详：年柱 庚午   月柱 壬午   日柱 癸卯，时柱有以下十二种可能：");
  EXPECT_EQ(lines[6].substr(0, lines[6].find("正财") + 6), "辰时   07-09点   丙辰   正财");
  EXPECT_NE(lines[6].find("国印贵人"), std::string::npos);
}

TEST(HourTable, OnTheDayOfLichunTheLaterHoursHaveTheNewMonth) {
  const std::optional<HourTable> t = HourTableOf(BirthOn(2024, 2, 4));
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->monthPillar.Text(), "乙丑");
  EXPECT_EQ(t->rows[8].monthPillar.Text(), "乙丑");  // 申 from 15:00, before 16:27
  EXPECT_EQ(t->rows[9].monthPillar.Text(), "丙寅");
  EXPECT_EQ(t->rows[9].yearPillar.Text(), "甲辰");
  const std::vector<std::string> lines = HourTableLines(*t);
  EXPECT_EQ(lines[10].find("（"), std::string::npos);
  EXPECT_NE(lines[11].find("（此时辰年柱 甲辰，月柱 丙寅）"), std::string::npos);
}

TEST(HourTable, ADateTheChartRefusesHasNoTable) {
  EXPECT_FALSE(HourTableOf(BirthOn(1900, 1, 1)).has_value());
}

TEST(UnknownHourReports, TheChartReportListsTheHoursAndTheMarriageReportAsks) {
  EntryTexts texts;
  texts.year = "1990";
  texts.month = "6";
  texts.day = "7";
  texts.hour = kUnknownHourItem;
  ChartEntry entry;
  entry.person = ReadChartPerson(texts);
  EXPECT_TRUE(entry.person.hourUnknown);
  const ChartReport report = BuildChartReport(entry, 2024);
  ASSERT_TRUE(report.Complete());
  ASSERT_TRUE(report.hourTable.has_value());
  const std::string text = RenderChartReport(report);
  EXPECT_NE(text.find("\n您出生公历：1990年06月07日时辰不详\n"), std::string::npos);
  EXPECT_NE(text.find("\n亥时   21-23点   癸亥   比肩"), std::string::npos);
  EXPECT_EQ(text.find("八字："), std::string::npos);
  // The constellation report does not need the hour.
  entry.kind = ReportKind::Constellation;
  EXPECT_TRUE(BuildChartReport(entry, 2024).Complete());

  EntryTexts woman = texts;
  texts.name = "甲";
  woman.name = "乙";
  woman.hour = "子 0";
  const MarriageReport m = BuildMarriageReport({ReadMarriagePerson(texts), ReadMarriagePerson(woman)}, 2024);
  EXPECT_EQ(m.notice, "请选择男方出生小时!");
  EXPECT_FALSE(m.Started());
}

}  // namespace
}  // namespace vantrel
