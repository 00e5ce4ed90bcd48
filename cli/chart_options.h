#pragma once
// Options of the commands that cast a chart: --zi (the 子 hour rule of a
// birth from 23:00 to 24:00). The command line never reads the window's
// settings: without the option every command keeps the traditional rule.
#include <string>
#include <vector>

#include "chart/birth.h"
#include "cli/cli.h"

namespace vantrel::cli {

// Takes --zi same-day|next-day|late out of the arguments (same-day when absent).
ZiRule TakeZiOption(const Context& ctx, std::vector<std::string>& args);

// The usage line of --zi.
extern const char* const kZiOptionUsage;

// Prints each warning of a chart on standard error, after `prefix` ("男方：")
// and, while a line of standard input is answered, after its number.
void PrintWarnings(const Context& ctx, const std::vector<std::string>& warnings,
                   const std::string& prefix = "");

}  // namespace vantrel::cli
