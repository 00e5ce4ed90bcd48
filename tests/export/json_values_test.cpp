// The typed values as JSON: the instants and the typed facts the command
// line's objects are made of.
#include "export/json_values.h"

#include <gtest/gtest.h>

#include "calendar/lunar.h"
#include "common/datetime.h"

namespace vantrel::json {
namespace {

// Before 1899-12-30 a day number is negative and its time of day the
// magnitude of its fraction.
DateTime At(int y, int mo, int d, int h, int mi, int s) {
  const DateTime day = EncodeDate(y, mo, d);
  const DateTime time = EncodeTime(h, mi, s, 0);
  return day < 0 ? day - time : day + time;
}

TEST(JsonValues, InstantsCarryTheirOffsetAndCrossMidnight) {
  // 立春 2013 in Beijing time, and the same instant in UTC the day before.
  EXPECT_EQ(InstantText(At(2013, 2, 4, 0, 13, 24), kBeijingOffsetSeconds), "2013-02-04T00:13:24+08:00");
  EXPECT_EQ(UtcInstantText(At(2013, 2, 4, 0, 13, 24), kBeijingOffsetSeconds), "2013-02-03T16:13:24Z");
  EXPECT_EQ(FormatDateTime(ToUtc(At(2013, 1, 1, 7, 59, 59), kBeijingOffsetSeconds)), "2012-12-31 23:59:59");
  // West of Greenwich, half-hour zones, and the last second of a year.
  EXPECT_EQ(InstantText(At(2000, 6, 15, 12, 0, 0), -4 * 3600), "2000-06-15T12:00:00-04:00");
  EXPECT_EQ(UtcInstantText(At(2000, 12, 31, 22, 30, 0), -5 * 3600 - 1800), "2001-01-01T04:00:00Z");
  EXPECT_EQ(InstantText(At(1990, 1, 1, 0, 0, 0), 5 * 3600 + 45 * 60), "1990-01-01T00:00:00+05:45");
  EXPECT_EQ(InstantText(At(1900, 1, 1, 0, 0, 0), 8 * 3600 + 5 * 60 + 43), "1900-01-01T00:00:00+08:05:43");
  // The seconds are those the text output prints, however the day number rounds.
  const DateTime term = SolarTermInstant(2013, 2);
  EXPECT_EQ(InstantText(term, kBeijingOffsetSeconds).substr(0, 19), [&] {
    std::string text = FormatDateTime(term);
    text[10] = 'T';
    return text;
  }());
  EXPECT_EQ(LocalDateTimeText(At(2000, 6, 15, 9, 50, 31)), "2000-06-15T09:50:31");
  // Before 1899-12-30 the day numbers are negative.
  EXPECT_EQ(UtcInstantText(At(1899, 12, 28, 6, 0, 0), kBeijingOffsetSeconds), "1899-12-27T22:00:00Z");
  EXPECT_EQ(FormatDateTime(ToUtc(At(1899, 12, 28, 12, 0, 0), 3 * 3600)), "1899-12-28 09:00:00");
  EXPECT_EQ(FormatDateTime(ToUtc(At(1899, 12, 30, 2, 0, 0), kBeijingOffsetSeconds)), "1899-12-29 18:00:00");
}

TEST(JsonValues, DatesAndLunarDates) {
  EXPECT_EQ(DateJson(EncodeDate(2020, 5, 23)), "2020-05-23");
  EXPECT_TRUE(DateJson(kNoDate).is_null());
  EXPECT_TRUE(LunarDateJson(LunarDate{}).is_null());
  const Json leap = LunarDateJson(SolarToLunar(EncodeDate(2020, 5, 23)));
  EXPECT_EQ(leap["month"], 4);
  EXPECT_EQ(leap["leap"], true);
  EXPECT_EQ(leap["year_pillar"], (Json{{"stem", "庚"}, {"branch", "子"}}));
  EXPECT_EQ(leap["animal"], "鼠");
  EXPECT_EQ(leap["text"], "庚子(鼠年)闰四月初一");
}

TEST(JsonValues, SolarTermsAlternateJieAndQi) {
  const Json terms = SolarTermsJson(2013);
  ASSERT_EQ(terms.size(), 24u);
  EXPECT_EQ(terms[0]["name"], "小寒");
  EXPECT_EQ(terms[0]["kind"], "jie");
  EXPECT_EQ(terms[23]["name"], "冬至");
  EXPECT_EQ(terms[23]["kind"], "qi");
  EXPECT_EQ(terms[2]["instant"], "2013-02-03T22:42:35+08:00");
  EXPECT_EQ(terms[2]["utc"], "2013-02-03T14:42:35Z");
}

TEST(JsonValues, ChartFactsAreTyped) {
  ChartResult c;
  c.yearPillar = Pillar::FromIndex(0);
  c.direction = LuckDirection::Backward;
  c.yearHidden = "癸辛己";
  c.monthHidden = "乙";
  const Json j = ChartResultJson(c);
  EXPECT_EQ(j["pillars"]["year"], (Json{{"stem", "甲"}, {"branch", "子"}}));
  EXPECT_EQ(j["luck_direction"], "backward");
  EXPECT_EQ(j["hidden_stems"]["year"], (Json{"癸", "辛", "己"}));
  EXPECT_EQ(j["hidden_stems"]["month"], (Json{"乙"}));
  EXPECT_TRUE(j["hidden_stems"]["day"].empty());
  EXPECT_EQ(j["luck_pillars"].size(), 10u);
}

}  // namespace
}  // namespace vantrel::json
