// almanac: the almanac page of one day on the command line.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "common/pane.h"
#include "data/query.h"
#include "reports/almanac.h"

namespace vantrel::cli {
namespace {

int Almanac(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 3) throw UsageError("expected YEAR MONTH DAY");
  data::Query query(data::Database::Main);
  TextPane pane;
  ThrowingNotifier notifier;
  ShowAlmanac(ctx.Input(args[0]), ctx.Input(args[1]), ctx.Input(args[2]), query, pane, notifier);
  for (const auto& line : pane.lines()) ctx.Out(line);
  return 0;
}

VANTREL_CLI_COMMAND({"almanac", "the almanac page of a day",
                     "Usage: vantrel-cli almanac YEAR MONTH DAY\n"
                     "  The three texts as typed into the page's pickers (2013 09 21, or 2013 9 21).\n"
                     "  Prints the day's almanac lines; a day the almanac table lacks prints nothing.\n"
                     "  An empty picker or a date that does not exist gives the page's notice (exit 2).",
                     Almanac});

}  // namespace
}  // namespace vantrel::cli
