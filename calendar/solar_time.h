#pragma once
// Local true solar time: the hour the Sun shows at a birthplace, which is
// what the hour (and sometimes the day) pillar is read from. A clock time of
// birth is turned into it in three steps, each reported on its own:
//
// - summer time: a clock that was put forward (China 1986-1991, or a place's
//   own zone) is put back to standard time;
// - longitude: standard time belongs to the zone's meridian (120°E for
//   Beijing time); every degree east of it is four minutes later;
// - the equation of time: the true Sun runs up to 16 minutes ahead of or 14
//   behind the mean Sun over the year.
//
// Summer time and the zone's standard offset come from the system's time
// zone database (tzdata), never from a table of our own.
#include <stdexcept>
#include <string>

#include "common/datetime.h"
#include "common/errors.h"

namespace vantrel {

// Where a birth happened: the longitude in degrees (east positive) and the
// IANA time zone whose clocks were read there.
struct SolarPlace {
  std::string name;  // as shown: "乌鲁木齐", or the longitude as typed
  double longitude = 120;
  std::string zone = "Asia/Shanghai";
};

// Which of two clock readings is meant when the clocks were put back and an
// hour happened twice: the first (still summer time) or the second.
enum class Fold { First, Second };

// A clock time that never happened there: the clocks jumped over it.
class ClockGapError : public ConvertError {
 public:
  using ConvertError::ConvertError;
};

struct SolarTime {
  DateTime clock = 0;           // the clock time as given
  double summerSeconds = 0;     // 0, or -3600 while summer time was kept
  double longitudeSeconds = 0;  // (longitude - zone meridian) x 240 s
  double equationSeconds = 0;   // the equation of time that day
  double totalSeconds = 0;
  DateTime solar = 0;  // the clock time plus the total
  bool summerTime = false;
  bool ambiguous = false;      // the clock time happened twice
  bool localMeanTime = false;  // the zone still kept its city's local mean time (its "LMT")
  double meridianDegrees = 0;  // the meridian of the standard time counted from (east positive)
};

// A moment cut down to its whole minute, as a birth is entered (the tiny
// allowance keeps 10:59:59.99999 from a rounding error at 11:00 itself).
DateTime ToWholeMinute(DateTime moment);

// The equation of time (true minus mean solar time) in seconds at a moment
// given as a Julian day in Universal Time. It follows Meeus' series for the
// Sun's mean longitude and apparent right ascension; its error is a few
// seconds from 1900 to 2100.
double EquationOfTimeSeconds(double julianDayUt);

// The true solar time of a clock time at a place. Raises ClockGapError for a
// clock time the clocks skipped, and ConvertError for a time zone the
// system does not know.
SolarTime TrueSolarTime(DateTime clock, const SolarPlace& place, Fold fold = Fold::First);

// "+1小时12分", "-2小时4分", "+0小时0分": a correction in whole minutes, rounded.
std::string CorrectionText(double seconds);
// "-129分31秒", "+0分0秒": a correction in minutes and whole seconds, rounded.
std::string MinutesSecondsText(double seconds);

}  // namespace vantrel
