#pragma once
// --longitude (with --zone and --fold) on the chart commands: the clock time
// of birth is turned into true solar time before the chart is cast, and the
// report says so in one line after its birth line. Without the options
// nothing changes.
#include <optional>
#include <string>
#include <vector>

#include "calendar/solar_time.h"
#include "cli/cli.h"
#include "reports/person_entry.h"

namespace vantrel::cli {

struct SolarOption {
  bool given = false;
  bool named = false;  // the place was given by its name (--place)
  SolarPlace place;
  Fold fold = Fold::First;
};

// Takes --<prefix>longitude, --<prefix>zone and --<prefix>fold out of the
// arguments ("man-", "woman-" or "").
SolarOption TakeSolarOption(const Context& ctx, std::vector<std::string>& args, const std::string& prefix);

// Corrects a clock time; returns the corrected moment and the report's line
// "真太阳时：按<place>校正<±h小时m分>（<clock's name><clock>）".
// The clock is named by ClockName.
struct SolarCorrection {
  DateTime solar = 0;
  std::string line;
};
SolarCorrection CorrectClock(DateTime clock, const SolarOption& option);

// What the clock that was read kept: "北京时间" for Asia/Shanghai, the
// place's own ("纽约时间") for a place given by name, else the zone's
// ("America/New_York时间"); where the zone still kept the local mean time
// of its city (Asia/Shanghai before 1901) "<zone>地方平时".
std::string ClockName(const SolarOption& option, const SolarTime& t);

// Corrects an entry row in place (a lunar entry becomes the solar date);
// the report's line, or nothing when the option is absent or the entry does
// not name a moment (the report then says what is wrong with it).
std::optional<std::string> CorrectEntry(PersonEntry& entry, const SolarOption& option);

// Puts each line after the report's birth line of its person, in order.
void InsertAfterBirthLines(std::vector<std::string>& lines,
                           const std::vector<std::optional<std::string>>& extra);

// The usage lines of the options.
extern const char* const kSolarOptionUsage;

}  // namespace vantrel::cli
