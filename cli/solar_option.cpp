#include "cli/solar_option.h"

#include "calendar/places.h"

namespace vantrel::cli {

const char* const kSolarOptionUsage =
    "  --place NAME       cast the true solar time of the birthplace NAME (vantrel-cli places lists them)\n"
    "  --longitude DEG    cast the true solar time of the birthplace at DEG decimal degrees east (west\n"
    "                     negative, or written 73.5W, 东经120, 西经73.5)\n"
    "  --zone ZONE        the IANA time zone of the clock (default Asia/Shanghai, Beijing time); only\n"
    "                     the names the zone database lists\n"
    "  --fold first|second  a clock time that happened twice (summer time ending): which one\n";

SolarOption TakeSolarOption(const Context& ctx, std::vector<std::string>& args, const std::string& prefix) {
  std::map<std::string, std::string> taken =
      TakeOptions(ctx, args, {prefix + "place", prefix + "longitude", prefix + "zone", prefix + "fold"});
  const std::string place = taken[prefix + "place"], longitude = taken[prefix + "longitude"],
                    zone = taken[prefix + "zone"], fold = taken[prefix + "fold"];
  SolarOption option;
  if (!fold.empty() && fold != "first" && fold != "second")
    throw UsageError("--fold is first or second, not " + fold);
  option.fold = fold == "second" ? Fold::Second : Fold::First;
  if (!place.empty()) {
    if (!longitude.empty() || !zone.empty()) {
      throw UsageError("--" + prefix + "place names its own longitude and zone");
    }
    try {
      option.place = ParseBirthplace(place);
    } catch (const ConvertError& e) {
      throw UsageError(e.what());
    }
    option.given = true;
    return option;
  }
  if (longitude.empty()) {
    if (!zone.empty() || !fold.empty()) {
      throw UsageError("--" + prefix + "zone and --" + prefix + "fold go with --" + prefix + "place or --" +
                       prefix + "longitude");
    }
    return option;
  }
  if (!ParseLongitude(longitude)) {
    throw UsageError("the longitude is a number of degrees -180..180, east positive, not " + longitude);
  }
  option.given = true;
  option.place = ParseBirthplace(longitude);
  if (!zone.empty()) {
    // Only a zone the database lists: a file of its folder ("zone.tab",
    // "localtime") would be read as UTC or nonsense.
    if (!IsKnownZone(zone)) throw ConvertError("'" + zone + "' is not a time zone this system knows");
    option.place.zone = zone;
  }
  return option;
}

SolarCorrection CorrectClock(DateTime clock, const SolarOption& option) {
  const SolarTimeCorrection c = CorrectToSolarTime(clock, option.place, option.fold);
  return {c.solar, SolarTimeReportLine(c)};
}

void CorrectEntry(PersonEntry& entry, const SolarOption& option) {
  if (!option.given) return;
  std::optional<PersonFacts> facts;
  try {
    facts = DerivePersonFacts(entry, 2000);
  } catch (const ConvertError&) {
    return;  // the report raises the same error itself
  }
  if (!facts || !facts->hour.ok() || !facts->minute.ok()) return;
  const std::optional<DateTime> time = TryEncodeTime(facts->hour.Get(), facts->minute.Get(), 0, 0);
  if (!time) return;
  const SolarCorrection c = CorrectClock(facts->solarDate + *time, option);
  const DateTime solar = ToWholeMinute(c.solar);
  const ClockTime t = DecodeTime(solar);
  entry.calendar = CalendarKind::Solar;
  entry.date = DecodeDate(solar);
  entry.hourText = std::to_string(t.hour);
  entry.hour = t.hour;
  entry.minuteText = std::to_string(t.minute);
  entry.minute = t.minute;
  entry.correctionLine = c.line;
}

}  // namespace vantrel::cli
