// Arbitrary bytes as a shensha rule file: the reader and every evaluator
// either match or not, never crash. The first byte picks the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/ganzhi.h"
#include "common/errors.h"
#include "common/paths.h"
#include "data/shensha.h"

namespace {

const char* const kFiles[] = {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt",
                              "rizhi.txt",   "rizhu.txt",   "rizhus.txt"};

const std::string& Folder() {
  static const std::string dir = [] {
    char templ[] = "/tmp/vantrel-fuzz-shensha-XXXXXX";
    if (!mkdtemp(templ)) std::abort();
    const std::string d = templ;
    std::filesystem::create_directories(d + "/shensha");
    vantrel::SetProgramDirForTesting(d);
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = Folder();
  if (size == 0) return 0;
  const std::string file = kFiles[data[0] % 7];
  {
    std::ofstream out(dir + "/shensha/" + file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  using namespace vantrel;
  using namespace vantrel::data;
  for (int b = 0; b < 12; b += 5) {
    const std::string branch(BranchNames[b]);
    const std::string stem(StemNames[b % 10]);
    try {
      if (file == "niangan.txt") ShenshaNiangan(stem, branch);
      if (file == "nianzhi.txt")
        ShenshaNianzhi(branch, "戌", b % 2 ? LuckDirection::Backward : LuckDirection::Forward);
      if (file == "yuezhi.txt") ShenshaYuezhi(branch, stem, "卯");
      if (file == "rigan.txt") ShenshaRigan(stem, branch);
      if (file == "rizhi.txt") ShenshaRizhi(branch, "寅");
      if (file == "rizhu.txt") ShenshaRizhu(stem + branch, "庚辰");
      if (file == "rizhus.txt") ShenshaRizhus("甲子", stem + branch);
    } catch (const vantrel::FileError&) {
      std::abort();  // the file is there: reading it must not fail
    }
  }
  ParseShenshaLine(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
