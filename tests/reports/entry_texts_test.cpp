#include "reports/entry_texts.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vantrel {
namespace {

// The message of the error a kept value raises, or "" when it has a value.
template <typename T>
std::string ErrorOf(const Parsed<T>& p) {
  try {
    p.Get();
  } catch (const ConvertError& e) {
    return e.what();
  }
  return "";
}

EntryTexts Texts(CalendarKind calendar, const char* year, const char* month, const char* day) {
  EntryTexts t;
  t.calendar = calendar;
  t.year = year;
  t.month = month;
  t.day = day;
  return t;
}

TEST(Parsed, AReadingErrorIsKeptUntilTheValueIsNeeded) {
  const TypedNumber bad = TypedNumber::Of([] { return StrToInt("x7"); });
  EXPECT_FALSE(bad.ok());
  EXPECT_EQ(ErrorOf(bad), "'x7' is not a valid integer value");
  EXPECT_EQ(ErrorOf(bad), "'x7' is not a valid integer value");  // raised again on every use
  const TypedNumber good = TypedNumber::Of([] { return StrToInt(" 7"); });
  EXPECT_TRUE(good.ok());
  EXPECT_EQ(good.Get(), 7);
  // Only conversion errors are kept; any other failure is no reading error.
  EXPECT_THROW(TypedNumber::Of([]() -> int { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(EntryTexts, DatesAreReadInTheirCalendar) {
  // A solar date is the three trimmed texts read as one date.
  PersonEntry e = ReadMarriagePerson(Texts(CalendarKind::Solar, " 1985 ", "6\t", " 18"));
  EXPECT_EQ(e.date.Get(), (CivilDate{1985, 6, 18}));
  EXPECT_FALSE(e.blank);
  e = ReadMarriagePerson(Texts(CalendarKind::Solar, " abc", "6", "15"));
  EXPECT_EQ(ErrorOf(e.date), "'abc-6-15' is not a valid date");
  e = ReadMarriagePerson(Texts(CalendarKind::Solar, "1985", "6", "31"));
  EXPECT_EQ(ErrorOf(e.date), "'1985-6-31' is not a valid date");

  // A lunar date is three numbers read untrimmed, the first unreadable one
  // names the error; whether the date exists is the report's question.
  e = ReadMarriagePerson(Texts(CalendarKind::Lunar, "2013", "2", "30"));
  EXPECT_EQ(e.date.Get(), (CivilDate{2013, 2, 30}));
  e = ReadMarriagePerson(Texts(CalendarKind::Lunar, "2013", " 八", "x"));
  EXPECT_EQ(ErrorOf(e.date), "' 八' is not a valid integer value");
  e = ReadMarriagePerson(Texts(CalendarKind::Lunar, "y", "x", "x"));
  EXPECT_EQ(ErrorOf(e.date), "'y' is not a valid integer value");
}

TEST(EntryTexts, TheFirstBlankFieldIsTheOneAskedFor) {
  EntryTexts t = Texts(CalendarKind::Lunar, "1985", "\t", " ");
  t.hour = "";
  EXPECT_EQ(ReadMarriagePerson(t).blank, BirthField::Month);
  t.month = "6";
  EXPECT_EQ(ReadMarriagePerson(t).blank, BirthField::Day);
  t.day = "1";
  EXPECT_EQ(ReadChartPerson(t).blank, BirthField::Hour);
  t.hour = "子 0";
  t.minute = "";  // an unreadable minute, not a question
  const PersonEntry e = ReadMarriagePerson(t);
  EXPECT_FALSE(e.blank);
  EXPECT_EQ(ErrorOf(e.minute), "'' is not a valid integer value");
}

TEST(EntryTexts, TheClockHourIsCutFromTheItemAndTheMinuteKeptAsTyped) {
  EntryTexts t;
  t.hour = "   子 12";
  t.minute = " 30 ";
  // The chart report trims the item before cutting; the marriage report does not.
  PersonEntry e = ReadChartPerson(t);
  EXPECT_EQ(e.hourText, "12");
  EXPECT_EQ(e.hour.Get(), 12);
  EXPECT_EQ(e.minuteText, " 30 ");
  EXPECT_EQ(e.minute.Get(), 30);
  e = ReadMarriagePerson(t);
  EXPECT_EQ(e.hourText, "子");
  EXPECT_EQ(ErrorOf(e.hour), "'子' is not a valid integer value");

  // The hour's range is the chart's question, not the reading's.
  t.hour = "子 24";
  EXPECT_EQ(ReadMarriagePerson(t).hour.Get(), 24);
  t.hour = "24";  // no item: nothing stands at its fourth byte
  e = ReadMarriagePerson(t);
  EXPECT_EQ(e.hourText, "");
  EXPECT_EQ(ErrorOf(e.hour), "'' is not a valid integer value");
}

}  // namespace
}  // namespace vantrel
