// vantrel-gen-texts: compiles a reference text of resources/texts/ into the
// program (the kinds and their files are listed in texts_generator.h).
//
//   vantrel-gen-texts KIND OUTPUT.cpp INPUT...
//
// A malformed or incomplete input stops the build with the file and the
// fault; the output is replaced only by a complete new file.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/resource_format.h"
#include "tools/texts/texts_generator.h"
#include "tools/tool_args.h"

int main(int argc, char** argv) {
  constexpr const char* kUsage = "usage: vantrel-gen-texts KIND OUTPUT.cpp INPUT...\n";
  if (vantrel::tools::WantsHelp(argc, argv, kUsage)) return 0;
  if (argc < 4) {
    std::cerr << kUsage;
    return 2;
  }
  if (!vantrel::tools::IsOutputPath("vantrel-gen-texts", argv[2])) return 2;
  try {
    std::vector<vantrel::tools::texts::Source> sources;
    for (int i = 3; i < argc; ++i) sources.push_back({argv[i], vantrel::tools::ReadWholeFile(argv[i])});
    const std::string generated = vantrel::tools::texts::GenerateTexts(argv[1], sources);
    const std::string output = argv[2];
    const std::string temporary = output + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary);
      out << generated;
      if (!out.flush()) throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0)
      throw std::runtime_error("cannot write " + output);
  } catch (const std::exception& e) {
    std::cerr << "vantrel-gen-texts: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
