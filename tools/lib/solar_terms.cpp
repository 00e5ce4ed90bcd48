#include "tools/lib/solar_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>

// A solar term begins when the Sun's apparent geocentric longitude, measured
// along the ecliptic from the true equinox of date, reaches a multiple of 15°.
// The Sun's position comes from ERFA (the open-licence SOFA routines of the
// IAU):
//   - eraEpv00: the Earth's heliocentric and barycentric position and
//     velocity (a fit to the VSOP2000 series and the JPL DE405 ephemeris);
//   - light time: the Sun is seen where it was one light time earlier;
//   - eraAb: annual aberration from the Earth's barycentric velocity;
//   - eraEcm06: ICRS to the mean ecliptic and equinox of date (IAU 2006
//     precession with the frame bias);
//   - eraNut00b: nutation in longitude (the IAU 2000B model), which moves the
//     true equinox along the ecliptic. It stays within 1 mas of the full
//     IAU 2000A series, a twentieth of a second of the Sun's motion, and costs
//     a twentieth of its time.
// Terrestrial Time, the ephemeris' time scale, runs ahead of Universal Time
// by ΔT, taken from the Espenak–Meeus polynomials (NASA, "Polynomial
// Expressions for Delta T", 2006). China Standard Time is UT + 8 hours;
// UTC and UT1 differ by less than a second and are not told apart here.

namespace vantrel::tools {
namespace {

constexpr double kJdOfDayZero = 2415018.5;     // Julian date of 1899-12-30 00:00
constexpr double kCstOffsetDays = 8.0 / 24.0;  // China Standard Time is UT + 8 h
constexpr double kTropicalYear = 365.24219;    // days, the mean tropical year

// Days since J2000.0 (2000-01-01 12:00) for a day number.
double DaysFromJ2000(DateTime value) { return value + kJdOfDayZero - ERFA_DJ00; }

// The calendar year with its fraction for a count of days since J2000.0.
double DecimalYear(double days_from_j2000) { return 2000.0 + days_from_j2000 / 365.2425; }

struct SunLongitude {
  double radians;  // 0..2π
  double rate;     // radians per day
};

// The Sun's apparent longitude at `tt` days since J2000.0 in Terrestrial Time
// (TDB differs from TT by under 2 ms and is taken equal), with its rate of
// change from the geometric motion (good enough for the next Newton step).
SunLongitude ApparentLongitudeTt(double tt) {
  double helio[2][3];  // the Earth: position (au) and velocity (au/day)
  double bary[2][3];
  eraEpv00(ERFA_DJ00, tt, helio, bary);

  // The geometric Sun seen from the Earth is minus the Earth's heliocentric
  // position. The light left the Sun `lag` days ago; the Sun then stood back
  // along its own barycentric velocity (the Earth's barycentric velocity
  // minus its heliocentric one).
  const double lag = std::sqrt(eraPdp(helio[0], helio[0])) * ERFA_AULT / ERFA_DAYSEC;
  double sun[3];
  double sun_motion[3];  // au/day, as seen from the Earth
  for (int i = 0; i < 3; ++i) {
    sun[i] = -helio[0][i] - lag * (bary[1][i] - helio[1][i]);
    sun_motion[i] = -helio[1][i];
  }
  double sun_distance = 0.0;
  double direction[3];
  eraPn(sun, &sun_distance, direction);

  // Aberration: the Earth's barycentric velocity in units of the speed of light.
  double velocity[3];
  for (int i = 0; i < 3; ++i) velocity[i] = bary[1][i] * ERFA_AULT / ERFA_DAYSEC;
  double apparent[3];
  eraAb(direction, velocity, sun_distance, std::sqrt(1.0 - eraPdp(velocity, velocity)), apparent);

  double to_ecliptic[3][3];
  eraEcm06(ERFA_DJ00, tt, to_ecliptic);
  double ecliptic[3];
  eraRxp(to_ecliptic, apparent, ecliptic);
  double dpsi = 0.0;
  double deps = 0.0;
  eraNut00b(ERFA_DJ00, tt, &dpsi, &deps);

  // d(atan2(y, x))/dt = (x·y' − y·x') / (x² + y²) in the ecliptic frame.
  double p[3];
  double v[3];
  eraRxp(to_ecliptic, direction, p);
  eraRxp(to_ecliptic, sun_motion, v);
  const double rate = (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]) / sun_distance;
  return {eraAnp(std::atan2(ecliptic[1], ecliptic[0]) + dpsi), rate};
}

}  // namespace

// Espenak and Meeus give one polynomial per stretch of years, fitted to the
// observed values up to 2005 and extrapolated beyond; before 1900 and after
// 2150 the nearest piece simply goes on.
double DeltaTSeconds(double y) {
  if (y < 1920.0) {
    const double t = y - 1900.0;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941.0) {
    const double t = y - 1920.0;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961.0) {
    const double t = y - 1950.0;
    return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
  }
  if (y < 1986.0) {
    const double t = y - 1975.0;
    return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
  }
  if (y < 2005.0) {
    const double t = y - 2000.0;
    return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
  }
  if (y < 2050.0) {
    const double t = y - 2000.0;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double SunApparentLongitude(DateTime instant_cst) {
  const double ut = DaysFromJ2000(instant_cst) - kCstOffsetDays;
  const double tt = ut + DeltaTSeconds(DecimalYear(ut)) / ERFA_DAYSEC;
  return ApparentLongitudeTt(tt).radians * ERFA_DR2D;
}

DateTime SolarTermInstantCst(int year, int term) {
  if (term < 0 || term > 23) throw std::out_of_range("solar term index must be 0..23");
  const double target = eraAnp((285.0 + 15.0 * term) * ERFA_DD2R);

  // 小寒 comes about January 5, the terms follow every 1/24 of a year; Newton
  // steps take the guess to the instant.
  double tt = DaysFromJ2000(EncodeDate(year, 1, 5)) + term * kTropicalYear / 24.0;
  for (int i = 0; i < 10; ++i) {
    const SunLongitude sun = ApparentLongitudeTt(tt);
    const double step = std::remainder(target - sun.radians, ERFA_D2PI) / sun.rate;
    tt += step;
    if (std::fabs(step) < 1e-8) break;  // about a millisecond
  }

  const double ut = tt - DeltaTSeconds(DecimalYear(tt)) / ERFA_DAYSEC;
  const DateTime cst = ut + ERFA_DJ00 - kJdOfDayZero + kCstOffsetDays;
  return std::round(cst * ERFA_DAYSEC) / ERFA_DAYSEC;
}

}  // namespace vantrel::tools
