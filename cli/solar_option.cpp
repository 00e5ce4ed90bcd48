#include "cli/solar_option.h"

#include "calendar/places.h"
#include "common/notice.h"

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
    option.named = true;
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

std::string ClockName(const SolarOption& option, const SolarTime& t) {
  if (t.localMeanTime) return option.place.zone + "地方平时";
  if (option.place.zone == "Asia/Shanghai") return "北京时间";
  if (option.named) return option.place.name + "时间";
  return option.place.zone + "时间";
}

SolarCorrection CorrectClock(DateTime clock, const SolarOption& option) {
  const SolarTime t = TrueSolarTime(clock, option.place, option.fold);
  return {t.solar, "真太阳时：按" + option.place.name + "校正" + CorrectionText(t.totalSeconds) + "（" +
                       ClockName(option, t) + FormatDateTime(clock).substr(0, 16) + "）"};
}

std::optional<std::string> CorrectEntry(PersonEntry& entry, const SolarOption& option) {
  if (!option.given) return std::nullopt;
  RecordingNotifier quiet;
  std::optional<PersonFacts> facts;
  try {
    facts = DerivePersonFacts(entry, 2000, quiet);
  } catch (const ConvertError&) {
    return std::nullopt;  // the report raises the same error itself
  }
  DateTime time;
  if (!facts || !facts->hour.ok() || !facts->minute.ok() ||
      !TryEncodeTime(facts->hour.Get(), facts->minute.Get(), 0, 0, time)) {
    return std::nullopt;
  }
  const SolarCorrection c = CorrectClock(facts->solarDate + time, option);
  const DateTime solar = ToWholeMinute(c.solar);
  const ClockTime t = DecodeTime(solar);
  entry.calendar = CalendarKind::Solar;
  entry.date = DecodeDate(solar);
  entry.hourText = std::to_string(t.hour);
  entry.hour = t.hour;
  entry.minuteText = std::to_string(t.minute);
  entry.minute = t.minute;
  return c.line;
}

void InsertAfterBirthLines(std::vector<std::string>& lines,
                           const std::vector<std::optional<std::string>>& extra) {
  std::size_t person = 0;
  for (std::size_t i = 0; i < lines.size() && person < extra.size(); ++i) {
    if (lines[i].rfind("您出生公历：", 0) != 0) continue;
    if (extra[person]) lines.insert(lines.begin() + static_cast<long>(i) + 1, *extra[person]);
    ++person;
  }
}

}  // namespace vantrel::cli
