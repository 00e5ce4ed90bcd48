// almanac: the almanac page of one day on the command line.
#include <exception>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/report_output.h"
#include "common/datetime.h"
#include "reports/almanac.h"

namespace vantrel::cli {
namespace {

int Almanac(Context& ctx, std::vector<std::string> args) {
  const ReportOutput output = TakeReportOutput(ctx, args);
  if (args.size() != 3) throw UsageError("expected YEAR MONTH DAY");
  const AlmanacDay day = AlmanacDayOf(ctx.Input(args[0]), ctx.Input(args[1]), ctx.Input(args[2]));
  if (day.notice) ThrowingNotifier().ShowNotice(*day.notice);
  // A day the table lacks writes nothing, and no file.
  if (!day.row) return 0;
  if (day.row->fault) std::rethrow_exception(day.row->fault);
  DeliverReport(ctx, output, AlmanacLines(day), "黄历",
                FormatDate(EncodeDate(day.date->year, day.date->month, day.date->day)));
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
