#include "chart/constellation.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

std::string Sign(int y, int m, int d) { return ConstellationOf(EncodeDate(y, m, d)); }

TEST(Constellation, BothSidesOfEveryBoundary) {
  struct {
    int m, d;
    const char* last;   // the sign of this day
    const char* first;  // the sign of the next day
  } const boundaries[] = {
      {1, 19, "摩羯座", "水瓶座"},  {2, 18, "水瓶座", "双鱼座"},  {3, 20, "双鱼座", "白羊座"},
      {4, 20, "白羊座", "金牛座 "}, {5, 20, "金牛座 ", "双子座"}, {6, 21, "双子座", "巨蟹座"},
      {7, 22, "巨蟹座", "狮子座"},  {8, 22, "狮子座", "处女座"},  {9, 22, "处女座", "天秤座"},
      {10, 22, "天秤座", "天蝎座"}, {11, 21, "天蝎座", "射手座"}, {12, 21, "射手座", "摩羯座"},
  };
  for (int year : {1985, 2000, 2024}) {
    for (const auto& b : boundaries) {
      SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(b.m) + "-" + std::to_string(b.d));
      const DateTime day = EncodeDate(year, b.m, b.d);
      EXPECT_EQ(ConstellationOf(day), b.last);
      EXPECT_EQ(ConstellationOf(day + 1), b.first);
    }
  }
}

TEST(Constellation, TheTurnOfTheYearAndTheLeapDay) {
  EXPECT_EQ(Sign(2000, 1, 1), "摩羯座");
  EXPECT_EQ(Sign(1999, 12, 31), "摩羯座");
  EXPECT_EQ(Sign(2000, 2, 29), "双鱼座");
  EXPECT_EQ(Sign(2000, 3, 1), "双鱼座");
  // Only 金牛座 carries a blank.
  EXPECT_EQ(Sign(2000, 5, 1), "金牛座 ");
  EXPECT_EQ(Sign(2000, 7, 1), "巨蟹座");
}

TEST(Constellation, EveryDayFallsInOneSignAndTheTimeOfDayIsIgnored) {
  const DateTime first = EncodeDate(2024, 1, 1);
  for (int n = 0; n < 366; ++n) {
    const std::string sign = ConstellationOf(first + n);
    EXPECT_FALSE(sign.empty()) << n;
    EXPECT_EQ(ConstellationOf(first + n + 0.75), sign) << n;
  }
}

}  // namespace
}  // namespace vantrel
