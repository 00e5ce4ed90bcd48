// vantrel-almanac-gen OUTPUT: the almanac row of every day from 1901-01-01
// to 2100-12-31, as the program's own engine computes it, written as a
// resource table.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "almanac/almanac.h"
#include "tools/almanac/table.h"
#include "tools/tool_args.h"

int main(int argc, char** argv) {
  using namespace vantrel;
  constexpr const char* kUsage = "Usage: vantrel-almanac-gen OUTPUT.tsv\n";
  if (tools::WantsHelp(argc, argv, kUsage)) return 0;
  if (argc != 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string output = argv[1];
  if (!tools::IsOutputPath("vantrel-almanac-gen", output)) return 2;
  return tools::WriteWhole("vantrel-almanac-gen", output, [](std::ostream& out) {
    tools::WriteAlmanacTable(almanac::kFirstDay, almanac::kLastDay, out);
  });
}
