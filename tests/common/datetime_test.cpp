#include "common/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/errors.h"

namespace vantrel {
namespace {

TEST(DayNumbers, MatchTheirAnchors) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 31), 32);
  EXPECT_EQ(EncodeDate(2101, 1, 1), 73416);
  EXPECT_EQ(EncodeDate(1, 1, 1), kNoDate);
  EXPECT_EQ(FormatDate(kNoDate), "0001-01-01");
  EXPECT_EQ(FormatDate(EncodeDate(9999, 12, 31)), "9999-12-31");
}

TEST(DayNumbers, ValuesOutOfRangeDecodeAsNoDateAtAll) {
  for (const DateTime bad :
       {1e300, -1e300, 1e19, -1e19, kLastDay + 1, kNoDate - 1e-9, std::nan(""),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(IsDateTimeInRange(bad)) << bad;
    EXPECT_EQ(FormatDateTime(bad), "0000-00-00 00:00:00") << bad;
    EXPECT_EQ(DayOfWeek(bad), 0) << bad;
    EXPECT_EQ(DayOfYear(bad), 0) << bad;
  }
  EXPECT_TRUE(IsDateTimeInRange(kNoDate));
  EXPECT_EQ(FormatDateTime(kLastDay + 0.99999), "9999-12-31 23:59:59");
}

TEST(DayNumbers, DecodeEveryDayOfFourCenturies) {
  DateTime x = EncodeDate(1800, 1, 1);
  for (int year = 1800; year < 2200; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day, x += 1) {
        const CivilDate d = DecodeDate(x);
        ASSERT_EQ(d, (CivilDate{year, month, day})) << x;
      }
    }
  }
}

TEST(DayNumbers, WeekdayAndDayOfYear) {
  EXPECT_EQ(DayOfWeek(EncodeDate(2013, 9, 21)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2013, 2, 1)), 6);   // a Friday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);
  EXPECT_EQ(DayOfYear(EncodeDate(2012, 12, 31)), 366);
  EXPECT_EQ(DayOfYear(EncodeDate(2013, 3, 1)), 60);
}

TEST(Time, EncodesAndDecodes) {
  const DateTime t = EncodeDate(2013, 2, 4) + EncodeTime(0, 13, 0, 0);
  EXPECT_EQ(FormatDateTime(t), "2013-02-04 00:13:00");
  const ClockTime c = DecodeTime(EncodeTime(23, 59, 59, 999));
  EXPECT_EQ(c.hour, 23);
  EXPECT_EQ(c.second, 59);
  EXPECT_EQ(c.millisecond, 999);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), ConvertError);
  EXPECT_THROW(EncodeTime(-1, 0, 0, 0), ConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), ConvertError);
  EXPECT_EQ(DateOf(t), EncodeDate(2013, 2, 4));
  EXPECT_EQ(StrToDateTime("2000-02-04 20:40:30"), EncodeDate(2000, 2, 4) + EncodeTime(20, 40, 30, 0));
}

TEST(DateText, ParsesOneOrTwoDigitMonthsAndDays) {
  EXPECT_EQ(StrToDate("2013-2-28"), EncodeDate(2013, 2, 28));
  EXPECT_EQ(StrToDate("2013-02-28"), EncodeDate(2013, 2, 28));
  EXPECT_EQ(StrToDate(" 1980-1-5 "), EncodeDate(1980, 1, 5));
  EXPECT_EQ(StrToDate("2012-2-29"), EncodeDate(2012, 2, 29));
}

TEST(DateText, RejectsDatesThatDoNotExist) {
  for (const char* bad :
       {"2013-2-30", "2013-2-29", "1900-2-29", "2013-13-1", "2013-0-1", "2013-1-0", "0-1-1", "10000-1-1",
        "2013-1", "2013/1/1", "", "abc", "2013-1-1-1", "2013--1", "2013-001-01", "2013-1-1x", "-2013-1-1"}) {
    EXPECT_FALSE(TryStrToDate(bad).has_value()) << bad;
  }
  try {
    StrToDate("2013-2-30");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'2013-2-30' is not a valid date");
  }
}

TEST(IntegerText, ConvertsOrQuotesTheText) {
  EXPECT_EQ(StrToInt("1980"), 1980);
  EXPECT_EQ(StrToInt(" 23 "), 23);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt64("999999999999999999"), 999999999999999999LL);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  for (const char* bad : {"", " ", "abc", "1a", "1 2", "2147483648", "-", "+", "1.5", "１"}) {
    EXPECT_FALSE(TryStrToInt(bad).has_value()) << bad;
  }
  EXPECT_FALSE(TryStrToInt64("12345678901234567890").has_value());
  EXPECT_EQ(TryStrToInt(" -42 "), -42);
  // A date text's three numbers, read whether or not they name a date.
  EXPECT_EQ(DateFieldsOf("2013-2-30"), (CivilDate{2013, 2, 30}));
  EXPECT_EQ(DateFieldsOf("2013-1"), std::nullopt);
  EXPECT_EQ(DateFieldsOf("2013-x-1"), std::nullopt);
  try {
    StrToInt("abc");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

}  // namespace
}  // namespace vantrel
