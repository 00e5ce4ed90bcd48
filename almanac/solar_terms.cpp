#include "almanac/solar_terms.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel::almanac {

namespace generated {
// Written by vantrel-solar-terms-gen when the program is built: for every
// year kFirstTermYear..kLastTermYear the 24 instants in seconds since
// 1899-12-30 00:00 China Standard Time, 小寒 first.
extern const std::int64_t kTermSeconds[(kLastTermYear - kFirstTermYear + 1) * 24];
}  // namespace generated

namespace {

std::int64_t TermSeconds(int year, int term) {
  if (year < kFirstTermYear || year > kLastTermYear)
    throw std::out_of_range("solar terms are known for " + std::to_string(kFirstTermYear) + ".." +
                            std::to_string(kLastTermYear) + ", not " + std::to_string(year));
  if (term < 0 || term > 23) throw std::out_of_range("solar term index must be 0..23");
  return generated::kTermSeconds[(year - kFirstTermYear) * 24 + term];
}

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

DateTime TermInstant(int year, int term) {
  return static_cast<double>(TermSeconds(year, term)) / static_cast<double>(kSecondsPerDay);
}

long TermDay(int year, int term) {
  const std::int64_t s = TermSeconds(year, term);
  // Floor division: the date part, also before day 0.
  return static_cast<long>(s >= 0 ? s / kSecondsPerDay : -((-s + kSecondsPerDay - 1) / kSecondsPerDay));
}

}  // namespace vantrel::almanac
