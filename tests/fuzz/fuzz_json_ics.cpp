// Arbitrary entry fields through the reports' JSON, and arbitrary texts
// through the calendar writer: the JSON is always valid UTF-8 JSON that reads
// back to the same object, and every calendar file reads back with libical
// with the events it was given.
#include <libical/ical.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/ics.h"
#include "export/json_values.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"
#include "tests/fuzz/fuzz_fields.h"

namespace {

void RoundTrip(const vantrel::json::Json& j) {
  // Texts that are not UTF-8 are replaced, never passed on as they are.
  const std::string text = j.dump(-1, ' ', false, vantrel::json::Json::error_handler_t::replace);
  if (vantrel::json::Json::parse(text).dump(-1, ' ', false, vantrel::json::Json::error_handler_t::replace) !=
      text) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::vector<std::string> f = vantrel::fuzz::Fields(data, size, 14);

  try {
    const MarriageEntry couple{ReadMarriagePerson(fuzz::SolarRowAt(f, 0)),
                               ReadMarriagePerson(fuzz::SolarRowAt(f, 6))};
    RoundTrip(json::MarriageReportJson(BuildMarriageReport(couple, 2024)));
    ChartEntry single;
    single.person = ReadChartPerson(fuzz::SolarRowAt(f, 0));
    RoundTrip(json::ChartReportJson(BuildChartReport(single, 2024)));
  } catch (const Error&) {
  } catch (const SilentCancel&) {
  }

  // Two events with the texts of the last fields.
  std::vector<CalendarEvent> events(2);
  events[0].uid = "fuzz-1@vantrel";
  events[0].start = 40000.5;
  events[0].summary = f[12];
  events[0].description = f[13];
  events[1].uid = "fuzz-2@vantrel";
  events[1].allDay = true;
  events[1].start = 40001;
  events[1].summary = f[13];
  events[1].categories = {f[12]};
  std::string text;
  try {
    text = CalendarText({"fuzz", f[12]}, events, 40000.0);
  } catch (const Error&) {
    return 0;  // a text the writer refuses (not UTF-8) is refused, not written
  }
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  if (!calendar) std::abort();
  int count = 0;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    ++count;
  }
  icalcomponent_free(calendar);
  if (count != 2) std::abort();
  return 0;
}
