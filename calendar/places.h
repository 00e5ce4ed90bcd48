#pragma once
// The birthplaces the true-solar-time correction knows by name: every
// prefecture-level division of the mainland (by its seat), Hong Kong, Macao,
// the cities of Taiwan and the main cities of the Chinese abroad, each with
// its longitude and the time zone its clocks keep.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/solar_time.h"

namespace vantrel {

struct PlaceRecord {
  std::string name;      // "乌鲁木齐"
  std::string province;  // "新疆"
  double longitude = 0;
  double latitude = 0;
  std::string zone;  // "Asia/Shanghai"
};

const std::vector<PlaceRecord>& Places();

// The place of that name ("乌鲁木齐", also "乌鲁木齐市"), if it is known.
std::optional<PlaceRecord> FindPlace(std::string_view name);

// The names that begin with the text, in table order (all names for "").
std::vector<std::string> PlaceNamesStartingWith(std::string_view prefix);

// Up to `count` known names most like an unknown one.
std::vector<std::string> NearPlaceNames(std::string_view name, std::size_t count = 5);

// A longitude typed as a bare number of degrees, -180..180 (east positive);
// none for any other text.
std::optional<double> ParseLongitude(std::string_view text);

// A birthplace from what the user typed: a known place name, or a bare
// longitude in degrees (east positive; Beijing time). Anything else raises
// ConvertError naming the nearest known places.
SolarPlace ParseBirthplace(std::string_view text);

}  // namespace vantrel
