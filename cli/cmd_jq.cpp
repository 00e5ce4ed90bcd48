// jq: the jie instants stored in table JQ of Tgcode.dll.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/lunar.h"
#include "cli/cli.h"
#include "common/datetime.h"
#include "common/errors.h"
#include "data/query.h"
#include "export/json_values.h"

namespace vantrel::cli {
namespace {

int Jq(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) throw UsageError("expected one year");
  const std::optional<int> parsed = TryStrToInt(args[0]);
  if (!parsed) throw UsageError("'" + args[0] + "' is not a year");
  const int year = *parsed;
  // The twelve jie are the terms of even number, 小寒 to 大雪.
  // The instant as printed, the name and the instant itself.
  std::vector<std::tuple<std::string, std::string, DateTime>> rows;
  data::Query q(data::Database::Second);
  for (std::size_t n = 0; n < SolarTermNames.size(); n += 2) {
    q.SetSql("select SJ from JQ where YearA = ? and JQ = ?");
    q.AddParam(std::int64_t{year});
    q.AddParam(SolarTermNames[n]);
    q.Open();
    // No instant stored (NULL or an empty text) counts as no row, as does
    // one that is no date-time, rather than reading as day 0 (1899-12-30).
    if (q.IsEmpty() || q.Text("SJ").empty()) continue;
    try {
      const DateTime instant = q.DateTimeValue("SJ");
      rows.emplace_back(FormatDateTime(instant), std::string(SolarTermNames[n]), instant);
    } catch (const DatabaseError&) {
      // A stored instant that is no date-time counts as no row.
    }
  }
  std::sort(rows.begin(), rows.end());  // by instant: calendar order
  if (ctx.json) {
    json::Json jie = json::Json::array();
    for (const auto& [text, name, instant] : rows) {
      jie.push_back({{"name", name}, {"instant", json::InstantText(instant, json::kBeijingOffsetSeconds)}});
    }
    ctx.OutJson({{"year", year}, {"jie", std::move(jie)}});
    return 0;
  }
  for (const auto& [text, name, instant] : rows) ctx.Out(name + "\t" + text);
  return 0;
}

VANTREL_CLI_COMMAND({"jq", "the stored jie instants of a year",
                     "Usage: vantrel-cli jq YEAR\n"
                     "  Prints the jie terms of YEAR stored in Tgcode.dll, in calendar order (小寒\n"
                     "  first), one per line: the name and the instant (China Standard Time) as\n"
                     "  yyyy-mm-dd hh:mm:ss, tab-separated. A year without rows prints nothing.",
                     Jq, true});

}  // namespace
}  // namespace vantrel::cli
