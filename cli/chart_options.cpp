#include "cli/chart_options.h"

namespace vantrel::cli {

const char* const kZiOptionUsage =
    "  --zi RULE          a birth from 23:00 to 24:00: same-day (the default: the day and its own\n"
    "                     子 hour), next-day (子时换日: the next day and its 子 hour) or late\n"
    "                     (晚子时: the same day, the next day's 子 hour)\n";

ZiRule TakeZiOption(const Context& ctx, std::vector<std::string>& args) {
  const std::map<std::string, std::string> taken = TakeOptions(ctx, args, {"zi"});
  const auto it = taken.find("zi");
  if (it == taken.end() || it->second == "same-day") return ZiRule::SameDay;
  if (it->second == "next-day") return ZiRule::NextDay;
  if (it->second == "late") return ZiRule::Late;
  throw UsageError("--zi is same-day, next-day or late, not " + it->second);
}

void PrintWarnings(const Context& ctx, const std::vector<std::string>& warnings, const std::string& prefix) {
  for (const std::string& w : warnings) ctx.Warn(prefix + w);
}

}  // namespace vantrel::cli
