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
  SolarPlace place;
  Fold fold = Fold::First;
};

// Takes --<prefix>longitude, --<prefix>zone and --<prefix>fold out of the
// arguments ("man-", "woman-" or "").
SolarOption TakeSolarOption(const Context& ctx, std::vector<std::string>& args, const std::string& prefix);

// Corrects a clock time; returns the corrected moment and the report's line
// "真太阳时：按<place>校正<±h小时m分>（<clock's name><clock>）".
// The clock is named by ClockName (calendar/solar_time.h).
struct SolarCorrection {
  DateTime solar = 0;
  std::string line;
};
SolarCorrection CorrectClock(DateTime clock, const SolarOption& option);

// Corrects an entry row in place (a lunar entry becomes the solar date) and
// gives it the report's correction line; nothing changes when the option is
// absent or the entry does not name a moment (the report then says what is
// wrong with it).
void CorrectEntry(PersonEntry& entry, const SolarOption& option);

// The usage lines of the options.
extern const char* const kSolarOptionUsage;

}  // namespace vantrel::cli
