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
  // Written beside the output and renamed at the end, so that a failed run
  // never leaves a table that looks complete.
  const std::string partial = output + ".partial";
  try {
    {
      std::ofstream out(partial, std::ios::binary | std::ios::trunc);
      if (!out) throw std::runtime_error("cannot write " + partial);
      tools::WriteAlmanacTable(almanac::kFirstDay, almanac::kLastDay, out);
      out.flush();
      if (!out) throw std::runtime_error("cannot write " + partial);
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0)
      throw std::runtime_error("cannot rename " + partial);
  } catch (const std::exception& e) {
    std::remove(partial.c_str());
    std::cerr << "vantrel-almanac-gen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
