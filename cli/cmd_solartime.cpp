// solartime: the true solar time of a clock time of birth.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/places.h"
#include "calendar/solar_time.h"
#include "cli/cli.h"
#include "cli/solar_option.h"
#include "common/datetime.h"
#include "common/text.h"

namespace vantrel::cli {
namespace {

// "HH:MM" with the hour 0..23 and the minute 0..59.
DateTime ParseClock(const std::string& text) {
  const std::size_t colon = text.find(':');
  int hour = -1, minute = -1;
  DateTime time;
  if (colon == std::string::npos || !TryStrToInt(text.substr(0, colon), hour) ||
      !TryStrToInt(text.substr(colon + 1), minute) || !TryEncodeTime(hour, minute, 0, 0, time)) {
    throw UsageError("the clock time is HH:MM (00:00 .. 23:59), not " + text);
  }
  return time;
}

int SolarTimeCommand(Context& ctx, const std::vector<std::string>& given) {
  std::vector<std::string> args = given;
  const SolarOption option = TakeSolarOption(ctx, args, "");
  const Options o = ParseOptions(ctx, args, {});
  if (o.positional.size() != 2) throw UsageError("expected DATE HH:MM");
  if (!option.given) throw UsageError("the birthplace is given by --place NAME or --longitude DEG");
  const SolarPlace& place = option.place;
  const DateTime day = StrToDate(o.positional[0]);
  // Before 1899-12-30 a day number counts its time of day backwards, and the
  // sums below would land on the wrong day; births that old are not charted.
  if (day < EncodeDate(1900, 1, 1)) {
    throw UsageError("the date is 1900-01-01 or later, not " + o.positional[0]);
  }
  const DateTime clock = day + ParseClock(o.positional[1]);
  const SolarTimeCorrection correction = CorrectToSolarTime(clock, place, option.fold);
  if (ctx.json) {
    json::Json j = json::SolarTimeCorrectionJson(correction);
    std::string text;
    for (const std::string& line : SolarTimeLines(correction)) text += line + "\n";
    j["text"] = text;
    ctx.OutJson(j);
    return 0;
  }
  for (const std::string& line : SolarTimeLines(correction)) ctx.Out(line);
  return 0;
}

VANTREL_CLI_COMMAND({"solartime", "the true solar time of a clock time of birth",
                     "Usage: vantrel-cli solartime DATE HH:MM --place NAME|--longitude DEG [--zone ZONE] "
                     "[--fold first|second]\n"
                     "  Turns a clock time into local true solar time and prints its parts: the\n"
                     "  summer-time correction, the longitude correction ((DEG - zone meridian) x 4\n"
                     "  minutes; the meridian of Beijing time is 120°E), the equation of time and\n"
                     "  the total, then the true solar time. ZONE is the IANA time zone whose clocks\n"
                     "  were read (default Asia/Shanghai, Beijing time, with China's summer time of\n"
                     "  1986-1991 from the system's time zone database). A clock time the clocks\n"
                     "  skipped is refused; one that happened twice is taken as the --fold reading\n"
                     "  (default first, still summer time). --place takes a known birthplace (its\n"
                     "  longitude and zone; see the places command); an unknown name is refused with\n"
                     "  the nearest known ones.",
                     SolarTimeCommand, true});

int PlacesCommand(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() > 1) throw UsageError("expected at most one PREFIX");
  for (const std::string& name : PlaceNamesStartingWith(args.empty() ? "" : ctx.Input(args[0]))) {
    if (ctx.json) {
      ctx.OutJson(json::PlaceJson(FindPlace(name).value()));
    } else {
      ctx.Out(name);
    }
  }
  return 0;
}

VANTREL_CLI_COMMAND({"places", "the birthplaces known by name",
                     "Usage: vantrel-cli places [PREFIX]\n"
                     "  Prints the names of the known birthplaces that begin with PREFIX (all without\n"
                     "  it), one per line: every prefecture-level division of the mainland by its\n"
                     "  seat, Hong Kong, Macao, the cities of Taiwan and the main cities abroad.",
                     PlacesCommand, true});

}  // namespace
}  // namespace vantrel::cli
