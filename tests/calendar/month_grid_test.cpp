#include "calendar/month_grid.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace vantrel {
namespace {

void ExpectCell(const MonthGrid& g, int index, int day, const std::string& text, CellSource source) {
  const MonthCell& c = g.Cell(index);
  EXPECT_EQ(c.day, day) << "cell " << index;
  EXPECT_EQ(c.text, text) << "cell " << index;
  EXPECT_EQ(c.source, source) << "cell " << index;
  EXPECT_EQ(c.colour, CellColour(source)) << "cell " << index;
}

TEST(MonthGrid, AMonthFromSaturdayWithThirtyOneDaysFillsCellsSevenToThirtySeven) {
  const MonthGrid g = BuildMonthGrid(2014, 3, 1);  // 1 March 2014 is a Saturday
  EXPECT_EQ(g.firstCell, 7);
  EXPECT_EQ(g.daysInMonth, 31);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_FALSE(g.Cell(i).used()) << i;
    EXPECT_EQ(g.Cell(i).text, "") << i;
  }
  EXPECT_EQ(g.Cell(7).day, 1);
  EXPECT_EQ(g.Cell(7).column, 6);
  EXPECT_EQ(g.Cell(7).row, 0);
  EXPECT_EQ(g.Cell(36).day, 30);
  EXPECT_EQ(g.Cell(36).row, 5);
  EXPECT_EQ(g.Cell(36).column, 0);  // Sunday
  EXPECT_EQ(g.Cell(37).day, 31);
  EXPECT_EQ(g.Cell(37).column, 1);
  for (int day = 1; day <= 31; ++day) EXPECT_EQ(g.CellOfDay(day).day, day);
}

TEST(MonthGrid, February2013) {
  const MonthGrid g = BuildMonthGrid(2013, 2, 9);
  EXPECT_EQ(g.firstCell, 6);  // a Friday
  EXPECT_EQ(g.Cell(6).day, 1);
  EXPECT_EQ(g.Cell(33).day, 28);
  EXPECT_FALSE(g.Cell(34).used());
  ExpectCell(g, 6, 1, "廿一", CellSource::LunarDay);
  ExpectCell(g, 9, 4, "立春", CellSource::SolarTerm);
  ExpectCell(g, 14, 9, "除夕", CellSource::LunarFestival);
  ExpectCell(g, 15, 10, "春节", CellSource::LunarFestival);
  ExpectCell(g, 16, 11, "初二", CellSource::LunarDay);
  ExpectCell(g, 19, 14, "情人节", CellSource::SolarFestival);
  ExpectCell(g, 23, 18, "雨水", CellSource::SolarTerm);
  ExpectCell(g, 29, 24, "元宵节", CellSource::LunarFestival);
  EXPECT_EQ(g.Cell(9).colour, 0x5353FFu);
  EXPECT_EQ(g.Cell(15).colour, 0xFF8000u);
  EXPECT_EQ(g.Cell(16).colour, 0x004000u);
  EXPECT_EQ(g.selectedCell, 14);
  EXPECT_EQ(g.zodiac, "辰龙");
  EXPECT_EQ(g.constellation, "水瓶座");
}

TEST(MonthGrid, EachLaterSourceOverridesTheEarlier) {
  // The first day of a lunar month shows the month in red, a leap month as "闰四".
  const MonthGrid march2013 = BuildMonthGrid(2013, 3, 1);
  ExpectCell(march2013, march2013.firstCell + 11, 12, "二月", CellSource::LunarMonth);
  EXPECT_EQ(march2013.CellOfDay(12).colour, 0xFF0000u);
  EXPECT_EQ(BuildMonthGrid(2020, 5, 1).CellOfDay(23).text, "闰四");
  // A solar term hides the lunar month: 冬至 on the first of 冬月, 22 December 2014.
  EXPECT_EQ(BuildMonthGrid(2014, 12, 1).CellOfDay(22).text, "冬至");
  // A solar term hides a Gregorian festival: 立冬 on 8 November 1901 (记者日).
  EXPECT_EQ(BuildMonthGrid(1901, 11, 1).CellOfDay(8).source, CellSource::SolarTerm);
  EXPECT_EQ(BuildMonthGrid(1901, 11, 1).CellOfDay(8).text, "立冬");
  // A lunar festival hides a Gregorian festival: 中秋 on 1 October 2001 (国庆节).
  const MonthGrid oct2001 = BuildMonthGrid(2001, 10, 1);
  EXPECT_EQ(oct2001.CellOfDay(1).text, "中秋节");
  EXPECT_EQ(oct2001.CellOfDay(1).source, CellSource::LunarFestival);
  // A lunar festival hides a solar term: 春节 on 立春, 4 February 1905.
  EXPECT_EQ(BuildMonthGrid(1905, 2, 1).CellOfDay(4).text, "春节");
  EXPECT_EQ(BuildMonthGrid(1905, 2, 1).CellOfDay(4).colour, 0xFF8000u);
}

TEST(MonthGrid, ClampsTheDayToTheMonth) {
  EXPECT_EQ(ClampedDate(2013, 2, 31), EncodeDate(2013, 2, 28));
  EXPECT_EQ(ClampedDate(2012, 2, 31), EncodeDate(2012, 2, 29));
  EXPECT_EQ(ClampedDate(2013, 1, 31), EncodeDate(2013, 1, 31));
  EXPECT_EQ(ClampedDate(2013, 4, 15), EncodeDate(2013, 4, 15));
  EXPECT_THROW(ClampedDate(2013, 13, 1), ConvertError);
  EXPECT_THROW(ClampedDate(2013, 2, 0), ConvertError);

  // 31 January, then the month spinner to February: the 28th is selected.
  const MonthGrid g = BuildMonthGrid(2013, 2, 31);
  EXPECT_EQ(g.selectedDay, 28);
  EXPECT_EQ(g.selectedCell, 33);
  EXPECT_EQ(g.constellation, "双鱼座");
  EXPECT_EQ(g.zodiac, "巳蛇");
}

TEST(MonthGrid, TheSelectedDayGivesTheMarkerTheZodiacAndTheConstellation) {
  const MonthGrid first = BuildMonthGrid(2013, 2, 1);
  EXPECT_EQ(first.selectedCell, 6);
  EXPECT_EQ(first.zodiac, "辰龙");  // 1 February 2013 still lies in 腊月
  EXPECT_EQ(first.constellation, "水瓶座");
  const MonthGrid later = BuildMonthGrid(2013, 2, 19);
  EXPECT_EQ(later.selectedCell, 24);
  EXPECT_EQ(later.zodiac, "巳蛇");
  EXPECT_EQ(later.constellation, "双鱼座");
  // The cell texts do not depend on the selection.
  for (int i = 1; i <= kMonthGridCells; ++i) EXPECT_EQ(first.Cell(i).text, later.Cell(i).text) << i;
  EXPECT_EQ(BuildMonthGrid(2013, 8, 23).constellation, "处女座");
}

TEST(MonthGrid, OutsideTheTablesOnlyDayNumbersAndGregorianFestivals) {
  const MonthGrid g = BuildMonthGrid(2051, 1, 1);
  EXPECT_EQ(g.zodiac, "");
  EXPECT_EQ(g.constellation, "摩羯座");
  EXPECT_EQ(g.CellOfDay(1).text, "元旦节");
  for (int day = 2; day <= 31; ++day) {
    EXPECT_EQ(g.CellOfDay(day).day, day);
    EXPECT_EQ(g.CellOfDay(day).text, "") << day;
  }
}

TEST(MonthGridGeometry, CellsStepByColumnAndRow) {
  EXPECT_EQ(DayLabelRect(1), kDayLabelTemplate);
  EXPECT_EQ(TextLabelRect(1), kTextLabelTemplate);
  EXPECT_EQ(DayLabelRect(1), (PixelRect{14, 56, 36, 16}));
  EXPECT_EQ(TextLabelRect(1), (PixelRect{13, 73, 36, 12}));
  EXPECT_EQ(DayLabelRect(7), (PixelRect{14 + 6 * 42, 56, 36, 16}));
  EXPECT_EQ(DayLabelRect(8), (PixelRect{14, 56 + 32, 36, 16}));
  EXPECT_EQ(TextLabelRect(37), (PixelRect{13 + 42, 73 + 5 * 32, 36, 12}));
  // The marker sits one pixel left of the day number and one below its top,
  // which is also the lunar text's left and 16 pixels above its top.
  for (int i = 1; i <= kMonthGridCells; ++i) {
    const PixelRect m = MarkerRect(i);
    EXPECT_EQ(m.left, DayLabelRect(i).left - 1) << i;
    EXPECT_EQ(m.top, DayLabelRect(i).top + 1) << i;
    EXPECT_EQ(m.left, TextLabelRect(i).left) << i;
    EXPECT_EQ(m.top, TextLabelRect(i).top - 16) << i;
    EXPECT_EQ(m.width, 38);
    EXPECT_EQ(m.height, 30);
  }
}

}  // namespace
}  // namespace vantrel
