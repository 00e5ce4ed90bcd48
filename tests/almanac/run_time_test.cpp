// The engine as the program asks it at run time: over the compiled-in solar
// terms, checked against the astronomy it was built from and against the
// table the build wrote into KelFile.dll.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "almanac/almanac.h"
#include "almanac/book.h"
#include "almanac/rule_tables.h"
#include "almanac/solar_terms.h"
#include "common/datetime.h"
#include "common/errors.h"
#include "tests/support/fixture.h"
#include "tools/lib/solar_terms.h"
#include "tools/resource_format.h"

namespace vantrel::almanac {
namespace {

TEST(CompiledSolarTerms, AreTheInstantsOfTheAstronomyToTheSecond) {
  for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
    for (int term = 0; term < 24; ++term) {
      const DateTime computed = tools::SolarTermInstantCst(year, term);
      ASSERT_EQ(TermInstant(year, term), computed) << year << " term " << term;
      ASSERT_EQ(TermDay(year, term), static_cast<long>(std::floor(computed))) << year << " term " << term;
    }
  }
  EXPECT_THROW(TermInstant(kFirstTermYear - 1, 0), std::out_of_range);
  EXPECT_THROW(TermInstant(kLastTermYear + 1, 0), std::out_of_range);
  EXPECT_THROW(TermDay(2013, 24), std::out_of_range);
  EXPECT_THROW(TermDay(2013, -1), std::out_of_range);
}

// The days a sample must hold: the ends of the range, a leap month, the
// jie days of 2013 with the days before them, 立春 before and after
// midnight, and every 37th day between.
std::vector<DateTime> SampleDays() {
  std::vector<DateTime> days = {EncodeDate(1901, 1, 1),  EncodeDate(2100, 12, 31), EncodeDate(2023, 3, 22),
                                EncodeDate(2023, 4, 19), EncodeDate(2023, 4, 20),  EncodeDate(1903, 2, 5),
                                EncodeDate(2000, 1, 1),  EncodeDate(2000, 1, 6)};
  for (int j = 0; j < 12; ++j) {
    const DateTime jie = std::floor(TermInstant(2013, 2 * j));
    days.push_back(jie - 1);
    days.push_back(jie);
  }
  for (DateTime x = EncodeDate(1901, 1, 1); x <= EncodeDate(2100, 12, 31); x += 37) days.push_back(x);
  return days;
}

TEST(RunTimeAlmanac, AgreesWithTheEngineOverTheAstronomicalTerms) {
  Engine astronomical(tools::SolarTermInstantCst);
  for (const DateTime x : SampleDays()) {
    ASSERT_EQ(RowOf(DecodeDate(x)).Fields(), astronomical.RowOf(x).Fields()) << FormatDate(x);
  }
}

TEST(RunTimeAlmanac, AgreesWithTheTableTheBuildWrote) {
  std::ifstream in(vantrel::testing::BuiltDataDir() + "/../generated/huangdao.tsv");
  ASSERT_TRUE(in);
  std::map<std::string, std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields = tools::SplitResourceLine(line);
    rows.emplace(fields[0], std::move(fields));
  }
  for (const DateTime x : SampleDays()) {
    const auto row = rows.find(FormatDate(x));
    ASSERT_NE(row, rows.end()) << FormatDate(x);
    EXPECT_EQ(RowOf(DecodeDate(x)).Fields(), row->second) << FormatDate(x);
  }
  // 闰二月 of 2023 and the 白露 of 2013, on which the officer repeats.
  EXPECT_EQ(rows.at("2023-03-22")[1].substr(0, std::string("闰二月初一").size()), "闰二月初一");
  EXPECT_EQ(rows.at("2013-09-07")[2], "癸巳年 辛酉月 丙子日");
}

TEST(RunTimeAlmanac, TheDayAsTypedFacts) {
  // 2013-09-21, 八月十七, a Saturday: 庚寅 on 执 in the 辛酉 month, 青龙. The
  // 劫煞 of a middle month on 执 grades the day 中次; 月德 stands by, so good
  // and bad that meet cancel (从宜亦从忌).
  const Day d = DayOf({2013, 9, 21});
  EXPECT_EQ(d.date, (CivilDate{2013, 9, 21}));
  EXPECT_EQ(d.dayNumber, static_cast<long>(EncodeDate(2013, 9, 21)));
  EXPECT_EQ(d.year.Text() + d.month.Text() + d.day.Text(), "癸巳辛酉庚寅");
  EXPECT_EQ(d.lunar, (LunarDate{2013, 8, 17, false}));
  EXPECT_EQ(d.weekday, 7);
  EXPECT_EQ(d.officer, Officer::kZhi);
  EXPECT_EQ(d.roadSpirit, RoadSpirit::kQingLong);
  ASSERT_TRUE(d.verdict.grade.has_value());
  EXPECT_EQ(GradeName(*d.verdict.grade), "中次");
  EXPECT_EQ(d.verdict.settlement, Settlement::kNeither);
  // Of the glossary's words none suits: the line names the small business
  // 解神 still favours (the lawsuit, the bath) and 执 (the catch), and no more.
  EXPECT_EQ(d.verdict.suits, (std::vector<std::string_view>{"陈词讼", "沐浴", "捕捉"}));
  EXPECT_TRUE(d.verdict.restOmitted);
  EXPECT_EQ(d.verdict.forbids, (std::vector<std::string_view>{"祭祀", "移徙", "入宅", "移柩", "斋醮"}));
  // 2026-12-10: 月破 with 灾煞 in a 子 month and no 德: 下下, nothing is done.
  const Day broken = DayOf({2026, 12, 10});
  EXPECT_EQ(broken.officer, Officer::kPo);
  EXPECT_EQ(broken.verdict.grade, Grade::kXia);
  EXPECT_EQ(broken.verdict.settlement, Settlement::kNothing);
}

TEST(RunTimeAlmanac, AnswersForItsRangeOnly) {
  EXPECT_NO_THROW(DayOf(kFirstDay));
  EXPECT_NO_THROW(DayOf(kLastDay));
  EXPECT_THROW(DayOf({1900, 12, 31}), std::out_of_range);
  EXPECT_THROW(DayOf({2101, 1, 1}), std::out_of_range);
  EXPECT_THROW(DayOf({2013, 2, 30}), ConvertError);
}

TEST(RunTimeAlmanac, ThreadsAskingAtOnceGetTheSameDays) {
  std::vector<std::vector<std::string>> first, second;
  const auto year = [](std::vector<std::vector<std::string>>& out) {
    for (DateTime x = EncodeDate(2024, 1, 1); x < EncodeDate(2025, 1, 1); x += 1)
      out.push_back(RowOf(DecodeDate(x)).Fields());
  };
  std::thread a(year, std::ref(first));
  std::thread b(year, std::ref(second));
  a.join();
  b.join();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first.size(), 366u);
}

}  // namespace
}  // namespace vantrel::almanac

namespace vantrel::almanac::tables {
namespace {

TEST(AlmanacRuleTables, RecordsSkipNotesAndRefuseMalformedLines) {
  const auto records =
      Records("# a note\nword\tactivity\tnote\n\n嫁娶\t嫁娶\n出行\t遣使\tthe journey\n", "word", 3);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], (std::vector<std::string_view>{"嫁娶", "嫁娶", ""}));
  EXPECT_EQ(records[1][2], "the journey");
  EXPECT_THROW(Records("word\tactivity\n嫁娶\t嫁娶\tx\ty\n", "word", 3), std::logic_error);
  EXPECT_THROW(Records("spirit\tmonths\n", "word", 3), std::logic_error);
}

TEST(AlmanacRuleTables, TheCompiledTablesAreWhole) {
  // Every glossary word of the page has its activity; every grade rule a grade.
  EXPECT_EQ(Records(kActivities, "word", 3).size(), 32u);
  for (const auto& record : Records(kGrades, "spirit", 4)) {
    EXPECT_FALSE(record[1].empty()) << record[0];
    EXPECT_FALSE(record[3].empty()) << record[0];  // the book's companions
  }
  // Every spirit of the table is among the rules, once, with the book's statement.
  for (const auto& record : Records(kSpirits, "spirit", 6)) {
    int found = 0;
    for (const book::Spirit& spirit : book::Spirits()) found += spirit.name == record[0];
    EXPECT_EQ(found, 1) << record[0];
    EXPECT_FALSE(record[5].empty()) << record[0];
  }
}

}  // namespace
}  // namespace vantrel::almanac::tables
