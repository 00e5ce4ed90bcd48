#include "export/choose_calendar.h"

#include <cstdio>
#include <string>

namespace vantrel {
namespace {

// The activity's UTF-8 bytes in hexadecimal: the UID stays plain ASCII.
std::string HexOf(const std::string& text) {
  std::string hex;
  char byte[3];
  for (const unsigned char c : text) {
    std::snprintf(byte, sizeof byte, "%02x", c);
    hex += byte;
  }
  return hex;
}

std::string DateText(const CivilDate& d) { return FormatDate(EncodeDate(d.year, d.month, d.day)); }

}  // namespace

std::vector<CalendarEvent> ChosenDayEvents(const choose::ChooseResult& result, std::size_t limit) {
  std::vector<CalendarEvent> events;
  const std::string& activity = result.request.activity;
  std::size_t rank = 0;
  for (const choose::DayJudgement& j : result.chosen) {
    if (limit && rank >= limit) break;
    ++rank;
    const CivilDate& d = j.day.date;
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", d.year, d.month, d.day);
    CalendarEvent e;
    e.uid = "chosen-day-" + std::string(date) + "-" + HexOf(activity) + "@vantrel";
    e.allDay = true;
    e.start = EncodeDate(d.year, d.month, d.day);
    e.summary = activity + "吉日（第" + std::to_string(rank) + "名）";
    e.description = DateText(d) + " " + choose::WeekdayText(j.day.weekday) + " 农历" +
                    choose::LunarDayText(j.day.lunar) + " " + j.day.day.Text() + "日\n" +
                    choose::ReasonsLine(j.reasons);
    e.categories = {"择日", activity};
    events.push_back(std::move(e));
  }
  return events;
}

CalendarInfo ChosenDayCalendarInfo(const choose::ChooseResult& result) {
  const std::string range = DateText(result.request.from) + " 至 " + DateText(result.request.to);
  return {"择日：" + result.request.activity, result.request.activity + "的吉日，" + range};
}

}  // namespace vantrel
