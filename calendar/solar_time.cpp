#include "calendar/solar_time.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/ganzhi.h"

namespace vantrel {
namespace {

constexpr double kDegree = M_PI / 180;
constexpr double kUnixEpochDay = 25569;  // 1970-01-01 as a day number

double Normalized(double degrees) {
  degrees = std::fmod(degrees, 360);
  return degrees < 0 ? degrees + 360 : degrees;
}

// The folder of the zone files: TZDIR where it is set, else the system's.
std::string ZoneFile(const std::string& zone) {
  const char* dir = std::getenv("TZDIR");
  return std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + zone;
}

// Reads the zone's offset from UTC at an instant, switching TZ for the call.
// The program has one thread, and TZ is put back before returning.
class ZoneReader {
 public:
  explicit ZoneReader(const std::string& zone) {
    struct stat st {};
    if (zone.empty() || zone.find("..") != std::string::npos || zone.front() == '/' ||
        ::stat(ZoneFile(zone).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      throw ConvertError("'" + zone + "' is not a time zone this system knows");
    }
    const char* old = std::getenv("TZ");
    had_ = old != nullptr;
    if (had_) saved_ = old;
    ::setenv("TZ", zone.c_str(), 1);
    ::tzset();
  }
  ~ZoneReader() {
    if (had_) {
      ::setenv("TZ", saved_.c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  ZoneReader(const ZoneReader&) = delete;
  ZoneReader& operator=(const ZoneReader&) = delete;

  // Offset in seconds and whether summer time is kept.
  std::pair<long, bool> At(std::time_t t) const {
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return {tm.tm_gmtoff, tm.tm_isdst > 0};
  }

  // The zone's standard offset around an instant the database counts as
  // standard time where the months near it kept a smaller offset marked as
  // summer time (Dublin: Irish Standard Time in summer, GMT marked as summer
  // time in winter): that smaller one is the standard time people keep.
  long StandardOffsetBeside(std::time_t t, long offset) const {
    constexpr std::time_t kMonth = 30 * 86400;
    long standard = offset;
    for (int k = 1; k <= 12; ++k) {
      for (const std::time_t probe : {t - k * kMonth, t + k * kMonth}) {
        if (const auto [other, summer] = At(probe); summer && other < standard) standard = other;
      }
    }
    return standard;
  }

  // Whether the zone kept the local mean time of its city then, as the
  // database counts every zone before its first standard time.
  bool MeanTimeAt(std::time_t t) const {
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return tm.tm_zone != nullptr && std::string_view(tm.tm_zone) == "LMT";
  }

  // The zone's standard offset around an instant kept in summer time: that
  // of the nearest month, before or after, without summer time. Summer time
  // was one hour almost everywhere, but two in Britain's double summer time
  // of the 1940s; one hour is assumed only where no such month is near.
  long StandardOffsetNear(std::time_t t, long summerOffset) const {
    constexpr std::time_t kMonth = 30 * 86400;
    for (int k = 1; k <= 24; ++k) {
      for (const std::time_t probe : {t - k * kMonth, t + k * kMonth}) {
        if (const auto [offset, summer] = At(probe); !summer) return offset;
      }
    }
    return summerOffset - 3600;
  }

 private:
  bool had_ = false;
  std::string saved_;
};

}  // namespace

double EquationOfTimeSeconds(double julianDayUt) {
  // Meeus, Astronomical Algorithms, chapters 25 and 28. Delta T is left out:
  // a minute of it moves the result by less than a fifth of a second.
  const double t = (julianDayUt - 2451545.0) / 36525;
  const double tau = t / 10;
  const double l0 =
      Normalized(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau + tau * tau * tau / 49931 -
                 std::pow(tau, 4) / 15300 - std::pow(tau, 5) / 2000000);
  const double mean_longitude = Normalized(280.46646 + 36000.76983 * t + 0.0003032 * t * t);
  const double m = Normalized(357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDegree;
  const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                        (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  const double omega = (125.04 - 1934.136 * t) * kDegree;
  const double lambda = (mean_longitude + centre - 0.00569 - 0.00478 * std::sin(omega)) * kDegree;
  const double epsilon0 =
      23.0 + 26.0 / 60 + (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600;
  const double epsilon = (epsilon0 + 0.00256 * std::cos(omega)) * kDegree;
  const double alpha =
      Normalized(std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda)) / kDegree);
  const double moon = (218.3165 + 481267.8813 * t) * kDegree;
  const double nutation = (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * mean_longitude * kDegree) -
                           0.23 * std::sin(2 * moon) + 0.21 * std::sin(2 * omega)) /
                          3600;
  double e = l0 - 0.0057183 - alpha + nutation * std::cos(epsilon);
  e = std::fmod(e + 540, 360) - 180;  // into -180 .. 180 degrees
  return e * 240;                     // one degree is four minutes of time
}

DateTime ToWholeMinute(DateTime moment) { return std::floor(moment * 1440 + 1e-7) / 1440; }

SolarTime TrueSolarTime(DateTime clock, const SolarPlace& place, Fold fold) {
  if (!std::isfinite(place.longitude) || place.longitude < -180 || place.longitude > 180) {
    throw ConvertError("the longitude is -180..180 degrees, east positive");
  }
  const ZoneReader zone(place.zone);
  // The clock reading as if it were UTC, in whole seconds.
  const auto wall = static_cast<std::time_t>(std::llround((clock - kUnixEpochDay) * 86400));
  // The instants whose local reading is that: one in the usual case, two in
  // the hour the clocks were put back, none in the hour they jumped over.
  std::vector<std::time_t> instants;
  for (const std::time_t probe : {wall - 86400, wall + 86400}) {
    const std::time_t candidate = wall - zone.At(probe).first;
    if (wall - zone.At(candidate).first == candidate && (instants.empty() || instants.front() != candidate)) {
      instants.push_back(candidate);
    }
  }
  if (instants.empty()) {
    throw ClockGapError("the clock time " + FormatDateTime(clock) + " did not happen in " + place.zone +
                        ": the clocks were put forward over it");
  }
  std::sort(instants.begin(), instants.end());
  SolarTime result;
  result.clock = clock;
  result.ambiguous = instants.size() > 1;
  const std::time_t instant = fold == Fold::Second ? instants.back() : instants.front();
  const auto [offset, summer] = zone.At(instant);
  // Where the database counts the winter clock as the summer one (Dublin's
  // GMT, Windhoek's winter time), the smaller offset is taken as standard
  // time all year, so the summer part is never positive and the longitude
  // part counts from the meridian of the clock people call standard.
  const long standard = summer ? std::min(offset, zone.StandardOffsetNear(instant, offset))
                               : zone.StandardOffsetBeside(instant, offset);
  result.summerTime = standard != offset;
  result.localMeanTime = zone.MeanTimeAt(instant);
  result.meridianDegrees = static_cast<double>(standard) / 240;
  result.utcOffset = offset;
  result.summerSeconds = static_cast<double>(standard - offset);
  result.longitudeSeconds = place.longitude * 240 - static_cast<double>(standard);
  result.equationSeconds = EquationOfTimeSeconds(static_cast<double>(instant) / 86400 + 2440587.5);
  result.totalSeconds = result.summerSeconds + result.longitudeSeconds + result.equationSeconds;
  result.solar = clock + result.totalSeconds / 86400;
  return result;
}

std::string CorrectionText(double seconds) {
  const long minutes = std::lround(seconds / 60);
  const long magnitude = std::labs(minutes);
  return std::string(minutes < 0 ? "-" : "+") + std::to_string(magnitude / 60) + "小时" +
         std::to_string(magnitude % 60) + "分";
}

std::string MinutesSecondsText(double seconds) {
  const long s = std::lround(seconds);
  const long magnitude = std::labs(s);
  return std::string(s < 0 ? "-" : "+") + std::to_string(magnitude / 60) + "分" +
         std::to_string(magnitude % 60) + "秒";
}

std::array<long, 3> WholeSecondParts(const std::array<double, 3>& parts) {
  std::array<long, 3> whole{};
  std::array<double, 3> fraction{};
  double sum = 0;
  long floors = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    sum += parts[i];
    whole[i] = static_cast<long>(std::floor(parts[i]));
    fraction[i] = parts[i] - static_cast<double>(whole[i]);
    floors += whole[i];
  }
  // 0..3 seconds to give out, one each to the largest fractions.
  long left = std::lround(sum) - floors;
  std::array<std::size_t, 3> order{0, 1, 2};
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return fraction[a] > fraction[b]; });
  for (std::size_t i : order) {
    if (left <= 0 || fraction[i] <= 0) break;
    ++whole[i];
    --left;
  }
  return whole;
}

SolarTimeCorrection CorrectToSolarTime(DateTime clock, const SolarPlace& place, Fold fold) {
  const SolarTime t = TrueSolarTime(clock, place, fold);
  SolarTimeCorrection c;
  c.place = place;
  c.fold = fold;
  c.clock = clock;
  c.summerTime = t.summerTime;
  c.ambiguous = t.ambiguous;
  c.utcOffsetSeconds = t.utcOffset;
  // Rounded here and nowhere else: everything shown is made from these.
  const std::array<long, 3> parts =
      WholeSecondParts({t.summerSeconds, t.longitudeSeconds, t.equationSeconds});
  c.summerSeconds = parts[0];
  c.longitudeSeconds = parts[1];
  c.equationSeconds = parts[2];
  c.totalSeconds = parts[0] + parts[1] + parts[2];
  c.solar = clock + static_cast<double>(c.totalSeconds) / 86400;
  c.birth = ToWholeMinute(c.solar);
  c.hour = DecodeTime(c.birth).hour;
  c.localMeanTime = t.localMeanTime;
  c.meridianDegrees = t.meridianDegrees;
  return c;
}

SolarTimeTexts RenderSolarTime(const SolarTimeCorrection& c) {
  SolarTimeTexts t;
  t.clock = FormatDateTime(c.clock).substr(0, 16);
  t.summer = MinutesSecondsText(c.summerSeconds);
  t.longitude = MinutesSecondsText(c.longitudeSeconds);
  t.equation = MinutesSecondsText(c.equationSeconds);
  t.total = MinutesSecondsText(c.totalSeconds) + "（" + CorrectionText(c.totalSeconds) + "）";
  t.solar = FormatDateTime(c.solar);
  t.hourItem = std::string(HourBranch(c.hour).Name()) + " " + std::to_string(c.hour) + "（" +
               FormatDate(c.birth) + "）";
  return t;
}

namespace {
// "，子午线东经121.43度": the meridian a local mean time is counted from.
std::string MeridianText(double degrees) {
  char text[64];
  std::snprintf(text, sizeof text, "，子午线%s%.2f度", degrees < 0 ? "西经" : "东经", std::fabs(degrees));
  return text;
}
}  // namespace

std::vector<std::string> SolarTimeLines(const SolarTimeCorrection& c) {
  const SolarTimeTexts t = RenderSolarTime(c);
  const std::string which = c.fold == Fold::Second ? "第二次" : "第一次";
  return {
      "出生地：" + c.place.name + "（" + c.place.zone + "）",
      "时钟时间：" + t.clock +
          (c.localMeanTime ? "（" + ClockName(c) + MeridianText(c.meridianDegrees) + "）" : ""),
      "夏令时：" + t.summer + (c.ambiguous ? "（此时刻出现两次，按" + which + "计）" : ""),
      "经度时差：" + t.longitude,
      "均时差：" + t.equation,
      "合计：" + t.total,
      "真太阳时：" + t.solar,
  };
}

std::string ClockName(const SolarTimeCorrection& c) {
  if (c.localMeanTime) return c.place.zone + "地方平时";
  if (c.place.zone == "Asia/Shanghai") return "北京时间";
  if (c.place.named) return c.place.name + "时间";
  return c.place.zone + "时间";
}

std::string SolarTimeReportLine(const SolarTimeCorrection& c) {
  return "真太阳时：按" + c.place.name + "校正" + CorrectionText(c.totalSeconds) + "（" + ClockName(c) +
         FormatDateTime(c.clock).substr(0, 16) + "）";
}

}  // namespace vantrel
