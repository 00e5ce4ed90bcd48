// almanac: the almanac page of one day on the command line.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/report_output.h"
#include "common/datetime.h"
#include "common/pane.h"
#include "common/text.h"
#include "data/query.h"
#include "reports/almanac.h"

namespace vantrel::cli {
namespace {

int Almanac(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  if (args.size() != 3) throw UsageError("expected YEAR MONTH DAY");
  data::Query query(data::Database::Main);
  TextPane pane;
  ThrowingNotifier notifier;
  const std::string year = ctx.Input(args[0]), month = ctx.Input(args[1]), day = ctx.Input(args[2]);
  ShowAlmanac(year, month, day, query, pane, notifier);
  // A day the table lacks writes nothing, and no file.
  if (pane.lines().empty()) return 0;
  DeliverReport(ctx, output, pane.lines(), "黄历",
                FormatDate(StrToDate(text::Trim(year) + "-" + text::Trim(month) + "-" + text::Trim(day))));
  return 0;
}

VANTREL_CLI_COMMAND({"almanac", "the almanac page of a day",
                     "Usage: vantrel-cli almanac YEAR MONTH DAY\n"
                     "  The three texts as typed into the page's pickers (2013 09 21, or 2013 9 21).\n"
                     "  Prints the day's almanac lines; a day the almanac table lacks prints nothing.\n"
                     "  An empty picker or a date that does not exist gives the page's notice (exit 2).\n" +
                         std::string(kReportOutputUsage),
                     [](Context& ctx, const std::vector<std::string>& args) { return Almanac(ctx, args); }});

}  // namespace
}  // namespace vantrel::cli
