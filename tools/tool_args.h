#pragma once
// The words every build tool reads alike: --help (or -h) anywhere prints the
// usage on standard output and ends with success, and a path to write that
// begins with "-" is an option typed wrong, never a file name.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace vantrel::tools {

// True when the arguments ask for help; the usage is then printed.
inline bool WantsHelp(int argc, char** argv, const char* usage) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(usage, stdout);
      return true;
    }
  }
  return false;
}

// False, with a message on standard error, for a path that cannot be meant
// as the file or folder to write: empty, or beginning with "-".
inline bool IsOutputPath(const char* tool, const std::string& path) {
  if (!path.empty() && path[0] != '-') return true;
  std::fprintf(stderr, "%s: '%s' is not an output path (an option? paths beginning with '-' are refused)\n",
               tool, path.c_str());
  return false;
}

// Writes `output` whole or not at all: `write` fills a stream on a file
// beside it, which is renamed over it at the end, so that a failed run never
// leaves a file that looks complete. Returns the tool's exit code: 0, or 1
// with the reason on standard error.
template <typename Write>
int WriteWhole(const char* tool, const std::string& output, Write write) {
  const std::string partial = output + ".partial";
  try {
    {
      std::ofstream out(partial, std::ios::binary | std::ios::trunc);
      if (!out) throw std::runtime_error("cannot write " + partial);
      write(out);
      out.flush();
      if (!out) throw std::runtime_error("cannot write " + partial);
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0)
      throw std::runtime_error("cannot rename " + partial);
  } catch (const std::exception& e) {
    std::remove(partial.c_str());
    std::cerr << tool << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace vantrel::tools
