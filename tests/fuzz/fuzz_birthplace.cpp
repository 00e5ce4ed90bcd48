// What a user types as a birthplace, over arbitrary text: a known place, a
// longitude or ConvertError, nothing else. A longitude is shown in a form
// that reads back as the same degrees, and the place lists refuse broken
// text rather than misreading it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "calendar/places.h"
#include "common/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> degrees = vantrel::ParseLongitude(text);
  if (degrees &&
      (!std::isfinite(*degrees) || std::fabs(*degrees) > 180 || std::signbit(*degrees) != (*degrees < 0)))
    std::abort();
  try {
    const vantrel::SolarPlace place = vantrel::ParseBirthplace(text);
    if (!vantrel::FindPlace(text)) {
      // Not a place: the longitude, named so that it reads back the same.
      const std::optional<double> again = vantrel::ParseLongitude(place.name);
      if (!degrees || !again || *again != *degrees || place.longitude != *degrees) std::abort();
    }
    if (!vantrel::IsKnownZone(place.zone)) std::abort();
  } catch (const vantrel::ConvertError&) {
    if (degrees) std::abort();
  }
  try {
    for (const std::string& name : vantrel::PlaceNamesStartingWith(text)) {
      if (!vantrel::FindPlace(name)) std::abort();
    }
  } catch (const vantrel::ConvertError&) {
  }
  vantrel::IsKnownZone(text);
  return 0;
}
