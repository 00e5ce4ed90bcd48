// solartime: the true solar time of a clock time of birth.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/places.h"
#include "calendar/solar_time.h"
#include "cli/cli.h"
#include "cli/solar_option.h"
#include "common/datetime.h"
#include "common/text.h"
#include "reports/person_entry.h"

namespace vantrel::cli {
namespace {

// "HH:MM" with the hour 0..23 and the minute 0..59.
DateTime ParseClock(const std::string& text) {
  const std::size_t colon = text.find(':');
  const std::optional<int> hour =
      colon == std::string::npos ? std::nullopt : TryStrToInt(text.substr(0, colon));
  const std::optional<int> minute =
      colon == std::string::npos ? std::nullopt : TryStrToInt(text.substr(colon + 1));
  const std::optional<DateTime> time = hour && minute ? TryEncodeTime(*hour, *minute, 0, 0) : std::nullopt;
  if (!time) throw UsageError("the clock time is HH:MM (00:00 .. 23:59), not " + text);
  return *time;
}

int SolarTimeCommand(Context& ctx, const std::vector<std::string>& given) {
  std::vector<std::string> args = given;
  const SolarOption option = TakeSolarOption(ctx, args, "");
  const Options o = ParseOptions(ctx, args, {});
  if (o.positional.size() != 2) throw UsageError("expected DATE HH:MM");
  if (!option.given) throw UsageError("the birthplace is given by --place NAME or --longitude DEG");
  const SolarPlace& place = option.place;
  const DateTime date = StrToDate(o.positional[0]);
  // The range every other command takes, with the same notice.
  if (date < EncodeDate(1900, 1, 31) || date >= EncodeDate(2101, 1, 1)) throw NoticeError(kCheckInputNotice);
  const DateTime clock = date + ParseClock(o.positional[1]);
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
                     "  the nearest known ones. DATE lies in 1900-01-31..2100-12-31 as for the other\n"
                     "  commands (the program's notice otherwise, exit 2). Before a zone kept standard\n"
                     "  time its clocks kept the local mean time of its city (Asia/Shanghai until\n"
                     "  1901: Shanghai's, 121.43°E): the clock line then says so and names that\n"
                     "  meridian, from which the longitude correction is counted.",
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
