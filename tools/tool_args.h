#pragma once
// The words every build tool reads alike: --help (or -h) anywhere prints the
// usage on standard output and ends with success, and a path to write that
// begins with "-" is an option typed wrong, never a file name.
#include <cstdio>
#include <cstring>
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

}  // namespace vantrel::tools
