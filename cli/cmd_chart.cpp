// bazi, shensha and block: the Four Pillars chart on the command line.
#include <optional>
#include <string>
#include <vector>

#include "calendar/lunar.h"
#include "chart/chart.h"
#include "chart/chart_block.h"
#include "chart/hour_table.h"
#include "cli/chart_options.h"
#include "cli/cli.h"
#include "cli/solar_option.h"
#include "common/datetime.h"
#include "common/errors.h"
#include "common/pane.h"
#include "common/text.h"
#include "export/json_values.h"
#include "reports/person_entry.h"

namespace vantrel::cli {
namespace {

// DATE HOUR MINUTE SEX. The date is read as three numbers, as the window's
// pickers deliver them; whether that date exists is the chart's own check.
Birth ParseBirth(const std::vector<std::string>& in, ZiRule zi) {
  Birth b;
  const std::string& date = in[0];
  const std::optional<CivilDate> fields = DateFieldsOf(date);
  if (!fields) throw ConvertError("'" + date + "' is not a valid date");
  b.date = *fields;
  b.hour = StrictHour(in[1]);
  b.minute = StrToInt(in[2]);
  b.sex = SexOfText(in[3]);
  b.zi = zi;
  return b;
}

// What a command is given: the birth's four words and the options.
struct BirthInput {
  const Context& ctx;
  std::vector<std::string> words;
  ZiRule zi;
};

// The chart, or the notice the window would show (exit 2); its boundary
// notices go to standard error.
ChartResult Cast(const Context& ctx, const Birth& b) {
  std::optional<ChartResult> chart = CastChart(b);
  if (!chart) throw NoticeError(kCheckInputNotice);
  PrintWarnings(ctx, chart->warnings);
  return *chart;
}

bool IsUnknownHour(const std::string& word) { return word == "unknown" || word == kUnknownHourItem; }

// The twelve possible hour pillars of a birth whose hour is not known.
std::vector<std::string> UnknownHour(const BirthInput& in) {
  std::vector<std::string> words = in.words;
  words[1] = "0";
  const std::optional<HourTable> table = HourTableOf(ParseBirth(words, in.zi));
  if (!table) throw NoticeError(kCheckInputNotice);
  return HourTableLines(*table);
}

std::vector<std::string> Bazi(const BirthInput& in) {
  if (IsUnknownHour(in.words[1])) return UnknownHour(in);
  const ChartResult c = Cast(in.ctx, ParseBirth(in.words, in.zi));
  std::vector<std::string> luck;
  for (const Pillar& p : c.luckPillars) luck.push_back(p.Text());
  const std::vector<std::string> fields = {
      c.yearPillar.Text(),        c.monthPillar.Text(),
      c.dayPillar.Text(),         c.hourPillar.Text(),
      c.beforeJie ? "1" : "0",    c.direction == LuckDirection::Backward ? "1" : "0",
      std::to_string(c.startAge), c.fetalOrigin.Text(),
      text::Join(luck, " "),      text::Join({c.yearHidden, c.monthHidden, c.dayHidden, c.hourHidden}, "|"),
  };
  return {text::Join(fields, "\t")};
}

std::vector<std::string> Shensha(const BirthInput& in) {
  const ShenshaBlock block = ShenshaOf(Cast(in.ctx, ParseBirth(in.words, in.zi)));
  return {block.lines.begin(), block.lines.end()};
}

ChartBlockInput BlockInputOf(const Context& ctx, const Birth& b) {
  ChartBlockInput input;
  input.chart = Cast(ctx, b);
  input.solarYear = b.date.year;
  input.lunar = SolarToLunar(EncodeDate(b.date.year, b.date.month, b.date.day));
  input.hourText = std::to_string(b.hour);
  return input;
}

std::vector<std::string> BlockLines(const ChartBlock& block) {
  TextPane pane;
  WriteChartBlock(pane, block);
  return pane.lines();
}

std::vector<std::string> Block(const BirthInput& in) {
  return BlockLines(BuildChartBlock(BlockInputOf(in.ctx, ParseBirth(in.words, in.zi))));
}

// The birth's DATE HOUR MINUTE turned into true solar time, and the
// correction; an hour not known stays so.
std::vector<std::string> AtTrueSolarTime(std::vector<std::string> in, const SolarOption& option,
                                         std::optional<SolarTimeCorrection>* correction = nullptr) {
  if (IsUnknownHour(in[1])) return in;
  const Birth b = ParseBirth(in, ZiRule::SameDay);
  const std::optional<DateTime> day = TryEncodeDate(b.date.year, b.date.month, b.date.day);
  const std::optional<DateTime> time = TryEncodeTime(b.hour, b.minute, 0, 0);
  if (!day || !time) return in;  // the chart says what is wrong with it
  const SolarTimeCorrection c = CorrectToSolarTime(*day + *time, option.place, option.fold);
  if (correction != nullptr) *correction = c;
  const DateTime solar = ToWholeMinute(c.solar);
  const CivilDate d = DecodeDate(solar);
  const ClockTime t = DecodeTime(solar);
  in[0] = std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
  in[1] = std::to_string(t.hour);
  in[2] = std::to_string(t.minute);
  return in;
}

// What every chart command's object begins with: the birth the chart was
// cast for and, with --longitude or --place, the correction that made it.
// Each ends with "warnings", the chart's boundary notices (empty when none),
// which standard error tells as well.
json::Json BirthJson(const Birth& b, const std::optional<SolarTimeCorrection>& correction) {
  return {{"birth",
           {{"date", FormatDate(EncodeDate(b.date.year, b.date.month, b.date.day))},
            {"hour", b.hour},
            {"minute", b.minute},
            {"sex", json::SexWord(b.sex)}}},
          {"solar_time", correction ? json::SolarTimeCorrectionJson(*correction) : json::Json(nullptr)}};
}

// The chart is cast first: a birth it refuses gives the notice, as in text.
json::Json BaziJson(const Context& ctx, const Birth& b,
                    const std::optional<SolarTimeCorrection>& correction) {
  const ChartResult chart = Cast(ctx, b);
  json::Json j = BirthJson(b, correction);
  j.update(json::ChartResultJson(chart));
  j["warnings"] = chart.warnings;
  return j;
}

json::Json ShenshaJson(const Context& ctx, const Birth& b,
                       const std::optional<SolarTimeCorrection>& correction) {
  const ChartResult chart = Cast(ctx, b);
  json::Json j = BirthJson(b, correction);
  j.update(json::ShenshaBlockJson(ShenshaOf(chart)));
  j["warnings"] = chart.warnings;
  return j;
}

json::Json BlockJson(const Context& ctx, const Birth& b,
                     const std::optional<SolarTimeCorrection>& correction) {
  const ChartBlock block = BuildChartBlock(BlockInputOf(ctx, b));
  json::Json j = BirthJson(b, correction);
  j["chart"] = json::ChartResultJson(block.chart);
  j["block"] = json::ChartBlockJson(block);
  std::string text;
  for (const std::string& line : BlockLines(block)) text += line + "\n";
  j["text"] = text;
  j["warnings"] = block.chart.warnings;
  return j;
}

using BirthJsonFn = json::Json (*)(const Context&, const Birth&, const std::optional<SolarTimeCorrection>&);

// A command over one birth: DATE HOUR MINUTE SEX, or "-" for one birth per
// line of standard input.
Command BirthCommand(const std::string& name, const std::string& summary, const std::string& prints,
                     std::vector<std::string> (*fn)(const BirthInput&), BirthJsonFn toJson) {
  return {name, summary,
          "Usage: vantrel-cli " + name +
              " [--zi RULE] [--longitude DEG [--zone ZONE] [--fold first|second]] DATE HOUR MINUTE SEX|-\n"
              "  DATE is the Gregorian birth date (year-month-day), HOUR 0..23, MINUTE 0..59,\n"
              "  SEX 男 for a man (any other text is a woman). With \"-\" each line of standard\n"
              "  input holds the four fields separated by blanks. A date that does not exist,\n"
              "  or lies outside 1900-01-31..2100-12-31, gives the program's notice (exit 2).\n" +
              std::string(kZiOptionUsage) + kSolarOptionUsage + prints,
          [fn, toJson](Context& ctx, const std::vector<std::string>& given) {
            std::vector<std::string> args = given;
            const ZiRule zi = TakeZiOption(ctx, args);
            const SolarOption option = TakeSolarOption(ctx, args, "");
            const auto asJson = [&](const std::vector<std::string>& in) {
              std::optional<SolarTimeCorrection> correction;
              const std::vector<std::string> words =
                  option.given ? AtTrueSolarTime(in, option, &correction) : in;
              return toJson(ctx, ParseBirth(words, zi), correction);
            };
            return ForEachInput(
                ctx, args, 4,
                [&](const std::vector<std::string>& in) {
                  return fn({ctx, option.given ? AtTrueSolarTime(in, option) : in, zi});
                },
                asJson);
          },
          true};
}

VANTREL_CLI_COMMAND(
    BirthCommand("bazi", "the Four Pillars chart of a birth",
                 "  Prints one tab-separated line: the year, month, day and hour pillars,\n"
                 "  beforeJie (0/1), backward (0/1), the start age, the fetal origin, the ten luck\n"
                 "  pillars separated by blanks and the four hidden-stem texts separated by \"|\".\n"
                 "  With HOUR unknown it lists the twelve possible hour pillars instead: a heading\n"
                 "  with the year, month and day pillars, then one line per double hour with its\n"
                 "  clock hours, hour pillar, ten god and the shensha of the hour pillar.",
                 Bazi, BaziJson));

VANTREL_CLI_COMMAND(
    BirthCommand("shensha", "the shensha lines of a birth's four pillars",
                 "  Prints the four lines 年柱 月柱 日柱 时柱 of the chart's shensha (with \"-\"\n"
                 "  the four lines of one input are joined by tabs).",
                 Shensha, ShenshaJson));

VANTREL_CLI_COMMAND(
    BirthCommand("block", "the chart text block of a birth",
                 "  Prints the chart's main text block as the reports show it, from the fetal\n"
                 "  origin down to the small-luck grid (with \"-\" the lines of one input are\n"
                 "  joined by tabs).",
                 Block, BlockJson));

}  // namespace
}  // namespace vantrel::cli
