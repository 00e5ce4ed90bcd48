// Calendar files read back with libical's own parser.
#include "export/ics.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "calendar/lunar.h"
#include "common/report_file.h"
#include "export/terms_calendar.h"

namespace vantrel {
namespace {

struct Free {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, Free>;

Component Parse(const std::string& text) {
  Component c(icalparser_parse_string(text.c_str()));
  EXPECT_NE(c, nullptr);
  return c;
}

std::vector<icalcomponent*> Events(icalcomponent* calendar) {
  std::vector<icalcomponent*> events;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    events.push_back(e);
  }
  return events;
}

// 2013-02-03 14:42:35 UTC as a day number.
DateTime Utc(int y, int mo, int d, int h, int mi, int s) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0);
}

TEST(Ics, SolarTermsReadBackAtTheirInstants) {
  const std::string text = CalendarText(SolarTermCalendarInfo(2013, 2014), SolarTermEvents(2013, 2014));
  EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  Component calendar = Parse(text);
  ASSERT_NE(calendar, nullptr);
  const std::vector<icalcomponent*> events = Events(calendar.get());
  ASSERT_EQ(events.size(), 48u);
  std::set<std::string> uids;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const int year = 2013 + static_cast<int>(i / 24);
    const int n = static_cast<int>(i % 24);
    icalcomponent* e = events[i];
    uids.insert(icalcomponent_get_uid(e));
    EXPECT_EQ(std::string(icalcomponent_get_summary(e)), SolarTermNames[static_cast<std::size_t>(n)]);
    // The start is the term's Beijing-time instant less eight hours, in UTC.
    const icaltimetype start = icalcomponent_get_dtstart(e);
    ASSERT_TRUE(icaltime_is_utc(start));
    const DateTime beijing = SolarTermInstant(year, n);
    const DateTime utc = Utc(start.year, start.month, start.day, start.hour, start.minute, start.second);
    EXPECT_EQ(FormatDateTime(utc + 8.0 / 24), FormatDateTime(beijing)) << year << " " << n;
    // The description gives the local time as the text output prints it.
    const std::string description = icalcomponent_get_description(e);
    EXPECT_NE(description.find("北京时间 " + FormatDateTime(beijing)), std::string::npos) << description;
    EXPECT_NE(description.find(n % 2 == 0 ? "（节）" : "（气）"), std::string::npos);
  }
  EXPECT_EQ(uids.size(), 48u);
  // 立春 2013 at 22:42:35 Beijing time: 14:42:35 UTC.
  const icaltimetype lichun = icalcomponent_get_dtstart(events[2]);
  EXPECT_EQ(std::string(icaltime_as_ical_string(lichun)), "20130203T144235Z");
}

TEST(Ics, UidsStayTheSameWhateverTheRange) {
  const std::vector<CalendarEvent> one = SolarTermEvents(2013, 2013);
  const std::vector<CalendarEvent> three = SolarTermEvents(2012, 2014);
  for (std::size_t n = 0; n < 24; ++n) {
    EXPECT_EQ(one[n].uid, three[24 + n].uid);
    EXPECT_EQ(one[n].start, three[24 + n].start);
  }
  EXPECT_EQ(one[2].uid, "solar-term-2013-02@vantrel");
  // The same events made at the same moment give the same file.
  const DateTime stamp = Utc(2024, 1, 1, 0, 0, 0);
  EXPECT_EQ(CalendarText({"x", ""}, one, stamp), CalendarText({"x", ""}, one, stamp));
}

TEST(Ics, AllDayEventsAndTextsThatNeedEscaping) {
  CalendarEvent day;
  day.uid = "almanac-2013-09-21@vantrel";
  day.allDay = true;
  day.start = EncodeDate(2013, 12, 31) + 0.5;  // the time of day is ignored
  day.summary = "八月十七, 宜: 嫁娶; 忌: 动土";
  day.description = "第一行\n第二行\\反斜线";
  day.categories = {"黄历"};
  Component calendar = Parse(CalendarText({"黄历", "说明"}, {day}));
  ASSERT_NE(calendar, nullptr);
  const std::vector<icalcomponent*> events = Events(calendar.get());
  ASSERT_EQ(events.size(), 1u);
  const icaltimetype start = icalcomponent_get_dtstart(events[0]);
  const icaltimetype end = icalcomponent_get_dtend(events[0]);
  EXPECT_TRUE(start.is_date);
  EXPECT_EQ(std::string(icaltime_as_ical_string(start)), "20131231");
  EXPECT_EQ(std::string(icaltime_as_ical_string(end)), "20140101");
  EXPECT_EQ(std::string(icalcomponent_get_summary(events[0])), day.summary);
  EXPECT_EQ(std::string(icalcomponent_get_description(events[0])), day.description);
  icalproperty* category = icalcomponent_get_first_property(events[0], ICAL_CATEGORIES_PROPERTY);
  ASSERT_NE(category, nullptr);
  EXPECT_EQ(std::string(icalproperty_get_categories(category)), "黄历");
}

TEST(Ics, FileWrittenWholeOrNotAtAll) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vantrel-ics-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "terms.ics").string();
  WriteCalendarFile(path, SolarTermCalendarInfo(2000, 2000), SolarTermEvents(2000, 2000));
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  Component calendar = Parse(bytes.str());
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(Events(calendar.get()).size(), 24u);
  EXPECT_THROW(WriteCalendarFile((dir / "no-such-folder" / "x.ics").string(), {"x", ""}, {}), FileWriteError);
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vantrel
