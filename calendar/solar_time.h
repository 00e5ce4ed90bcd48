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
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/datetime.h"
#include "common/errors.h"

namespace vantrel {

// Where a birth happened: the longitude in degrees (east positive) and the
// IANA time zone whose clocks were read there.
struct SolarPlace {
  std::string name;  // as shown: "乌鲁木齐", or the longitude as typed
  double longitude = 120;
  std::string zone = "Asia/Shanghai";
  bool named = false;  // found by its name, not given as a bare longitude
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
  long utcOffset = 0;          // the clock's offset from UTC then, in seconds (summer time included)
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

// A clock time of birth corrected to true solar time at a place: the parts
// of the correction in whole seconds as they are shown, the true solar time,
// and the birth as it is entered from it (cut to the whole minute) with its
// hour item.
//
// The parts add up to the total and the clock time plus the total is the
// true solar time, to the second: the exact total is rounded once, and the
// parts are each their exact value rounded down or up so that they add up
// to it (see WholeSecondParts).
struct SolarTimeCorrection {
  SolarPlace place;
  Fold fold = Fold::First;
  DateTime clock = 0;  // the clock time as given (Beijing time in China)
  bool summerTime = false;
  bool ambiguous = false;     // the clock time happened twice; `fold` chose
  long utcOffsetSeconds = 0;  // the clock's offset from UTC at that moment (summer time included)
  long summerSeconds = 0;
  long longitudeSeconds = 0;
  long equationSeconds = 0;
  long totalSeconds = 0;
  DateTime solar = 0;          // clock + totalSeconds
  DateTime birth = 0;          // the true solar time cut to its whole minute
  bool localMeanTime = false;  // the zone still kept its city's local mean time
  double meridianDegrees = 0;  // the meridian of the standard time (east positive)
  int hour = 0;                // the clock hour of `birth`, 0..23
};

// The correction of a clock time at a place; raises as TrueSolarTime does.
SolarTimeCorrection CorrectToSolarTime(DateTime clock, const SolarPlace& place, Fold fold = Fold::First);

// Whole seconds for exact parts: their sum rounded to the nearest second
// (half away from zero) is shared out so that each part is its exact value
// rounded down or up, those with the largest fractions (the earlier one on a
// tie) rounded up. A part that is already whole stays as it is.
std::array<long, 3> WholeSecondParts(const std::array<double, 3>& parts);

// The texts of a correction's values, as the 真太阳时 dialog shows them.
struct SolarTimeTexts {
  std::string clock;      // "2000-06-15 12:00"
  std::string summer;     // "+0分0秒"
  std::string longitude;  // "-129分31秒"
  std::string equation;   // "+0分2秒"
  std::string total;      // "-129分29秒（-2小时9分）"
  std::string solar;      // "2000-06-15 09:50:31"
  std::string hourItem;   // "巳 9（2000-06-15）"
};
SolarTimeTexts RenderSolarTime(const SolarTimeCorrection& c);

// The lines the command line prints for a correction: the place, the clock
// time, each part, the total and the true solar time.
std::vector<std::string> SolarTimeLines(const SolarTimeCorrection& c);

// What the clock that was read kept: "北京时间" for Asia/Shanghai, the
// place's own ("纽约时间") for a place found by its name, else the zone's
// ("America/New_York时间"); where the zone still kept the local mean time of
// its city (Asia/Shanghai before 1901) "<zone>地方平时".
std::string ClockName(const SolarTimeCorrection& c);

// The report's line for a corrected birth:
// "真太阳时：按<place>校正<±h小时m分>（北京时间<clock>）".
std::string SolarTimeReportLine(const SolarTimeCorrection& c);

// "+1小时12分", "-2小时4分", "+0小时0分": a correction in whole minutes, rounded.
std::string CorrectionText(double seconds);
// "-129分31秒", "+0分0秒": a correction in minutes and whole seconds, rounded.
std::string MinutesSecondsText(double seconds);

}  // namespace vantrel
