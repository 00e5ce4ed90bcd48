#include "common/paths.h"

#include <unistd.h>

#include <climits>

namespace vantrel {
namespace {

std::string& Override() {
  static std::string dir;
  return dir;
}

std::string ExecutableDir() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<std::size_t>(n));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

std::string ProgramDir() {
  if (!Override().empty()) return Override();
  static const std::string dir = ExecutableDir();
  return dir;
}

void SetProgramDirForTesting(const std::string& dir) { Override() = dir; }

std::string ProgramFile(const std::string& name) {
  const std::string dir = ProgramDir();
  return dir == "/" ? "/" + name : dir + "/" + name;
}

}  // namespace vantrel
