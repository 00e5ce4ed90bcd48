#include "reports/person_entry.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "reports/entry_texts.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

// The facts of a solar entry with these hour and minute texts.
PersonFacts Facts(const std::string& hour, const std::string& minute) {
  EntryTexts e;
  e.year = " 1985 ";
  e.month = "6";
  e.day = "18";
  e.hour = hour;
  e.minute = minute;
  RecordingNotifier notifier;
  const std::optional<PersonFacts> f = DerivePersonFacts(ReadMarriagePerson(e), 2024, notifier);
  EXPECT_TRUE(notifier.messages.empty());
  return f.value_or(PersonFacts{});
}

TEST(PersonEntry, TheBirthIsReadFromTheTypedTexts) {
  const PersonFacts f = Facts("辰 8", " 30");
  EXPECT_EQ(f.age, 39);
  EXPECT_EQ(f.hourText, "8");
  EXPECT_EQ(f.minuteText, " 30");  // printed as typed
  const Birth b = BirthOf(f, Sex::Woman);
  EXPECT_EQ(b.date, (CivilDate{1985, 6, 18}));
  EXPECT_EQ(b.hour, 8);
  EXPECT_EQ(b.minute, 30);
  EXPECT_EQ(b.sex, Sex::Woman);
}

TEST(PersonEntry, TheMinuteIsReadBeforeTheHour) {
  try {
    BirthOf(Facts("时辰", "半"), Sex::Man);
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("'半'"), std::string::npos) << e.what();
  }
  EXPECT_THROW(BirthOf(Facts("时辰", "5"), Sex::Man), ConvertError);
}

TEST(PersonEntry, OnlyTheText男IsAMan) {
  EXPECT_EQ(SexOfText("男"), Sex::Man);
  EXPECT_EQ(SexOfText("女"), Sex::Woman);
  EXPECT_EQ(SexOfText(""), Sex::Woman);
  EXPECT_EQ(SexOfText(" 男"), Sex::Woman);  // the callers trim what they read
}

}  // namespace
}  // namespace vantrel
