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
// A text that is not well-formed UTF-8 (half a character) raises
// ConvertError.
std::vector<std::string> PlaceNamesStartingWith(std::string_view prefix);

// Up to `count` known names most like an unknown one.
std::vector<std::string> NearPlaceNames(std::string_view name, std::size_t count = 5);

// A longitude typed as decimal degrees, 0..180 on either side: a bare
// number (east positive, west negative: "120", "-73.5"), or with its side
// before or after it ("东经120", "西经73.5度", "120E", "73.5W"). Nothing
// else: no exponent, hexadecimal, infinity or side with a sign. West comes
// back negative; -0 is 0.
std::optional<double> ParseLongitude(std::string_view text);

// A birthplace from what the user typed: a known place name, or a
// longitude as ParseLongitude reads it (Beijing time), named in its usual
// form ("东经120度", "西经73.5度") whatever way it was typed. Anything else
// raises ConvertError naming the nearest known places.
SolarPlace ParseBirthplace(std::string_view text);

// Whether the zone database lists the name as a time zone or a link to one
// ("Asia/Shanghai", "US/Eastern", "UTC"); file names of the database
// ("zone.tab", "tzdata.zi"), "localtime", "Factory" and the like are not.
bool IsKnownZone(std::string_view name);

}  // namespace vantrel
