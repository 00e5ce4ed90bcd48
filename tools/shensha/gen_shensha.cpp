// Writes the shensha rule files beside the program:
//
//   vantrel_gen_shensha SOURCE_DIR OUTPUT_DIR NAME...
//
// reads SOURCE_DIR/NAME (UTF-8) and writes OUTPUT_DIR/NAME (GBK, CR LF)
// for every NAME.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/shensha/rule_source.h"
#include "tools/tool_args.h"

int main(int argc, char** argv) {
  constexpr const char* kUsage = "usage: vantrel_gen_shensha SOURCE_DIR OUTPUT_DIR NAME...\n";
  if (vantrel::tools::WantsHelp(argc, argv, kUsage)) return 0;
  if (argc < 4) {
    std::cerr << kUsage;
    return 2;
  }
  if (!vantrel::tools::IsOutputPath("vantrel_gen_shensha", argv[2])) return 2;
  try {
    const std::filesystem::path sources = argv[1];
    const std::filesystem::path output = argv[2];
    std::filesystem::create_directories(output);
    for (int i = 3; i < argc; ++i) {
      const std::filesystem::path source = sources / argv[i];
      std::ifstream in(source, std::ios::binary);
      if (!in) throw std::runtime_error("cannot read " + source.string());
      std::ostringstream content;
      content << in.rdbuf();
      const std::string bytes = vantrel::tools::RuleFileFromSource(content.str(), source.string());
      const std::filesystem::path target = output / argv[i];
      std::ofstream out(target, std::ios::binary | std::ios::trunc);
      out << bytes;
      if (!out) throw std::runtime_error("cannot write " + target.string());
    }
  } catch (const std::exception& e) {
    std::cerr << "vantrel_gen_shensha: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
