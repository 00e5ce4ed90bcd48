// vantrel-datagen tgcode --resources DIR --out FILE
// vantrel-datagen kelfile --resources DIR --out FILE [--huangdao TSV]
//
// Builds one of the program's database files. Exit code 0 on success, 2 for
// a call whose words are off, 1 when the file cannot be built (the previous
// file, if any, then stays as it was).
#include <exception>
#include <iostream>
#include <map>
#include <string>

#include "tools/datagen/datagen.h"
#include "tools/tool_args.h"

namespace {

constexpr const char* kUsage =
    "Usage: vantrel-datagen tgcode --resources DIR --out FILE\n"
    "       vantrel-datagen kelfile --resources DIR --out FILE [--huangdao TSV]\n";

int Usage(const std::string& message) {
  std::cerr << "vantrel-datagen: " << message << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (vantrel::tools::WantsHelp(argc, argv, kUsage)) return 0;
  if (argc < 2) return Usage("expected a mode");
  const std::string mode = argv[1];
  if (mode != "tgcode" && mode != "kelfile") return Usage("unknown mode " + mode);
  std::map<std::string, std::string> options;
  for (int i = 2; i < argc; i += 2) {
    const std::string name = argv[i];
    const bool known =
        name == "--resources" || name == "--out" || (mode == "kelfile" && name == "--huangdao");
    if (!known) return Usage("unknown option " + name);
    if (i + 1 >= argc) return Usage("no value for " + name);
    options[name] = argv[i + 1];
  }
  if (!options.count("--resources") || !options.count("--out"))
    return Usage("--resources and --out are required");
  if (!vantrel::tools::IsOutputPath("vantrel-datagen", options["--out"])) return 2;
  try {
    if (mode == "tgcode") {
      vantrel::tools::BuildTgcode(options["--resources"], options["--out"]);
    } else {
      vantrel::tools::BuildKelFile(options["--resources"], options["--out"], options["--huangdao"]);
    }
  } catch (const std::exception& e) {
    std::cerr << "vantrel-datagen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
