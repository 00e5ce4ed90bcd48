#pragma once
// Reader of the block files in resources/texts/: texts the program shows
// line by line, where every blank at the start or end of a line counts.
//
//   # a comment               lines starting with "#" and blank lines are skipped
//   [page 1]                  opens the block named "page 1"
//   |子时：主有喜事。  |       one shown line: everything between the first and
//                             the last bar, blanks included; "||" is an empty line
//   [end]                     closes the file; nothing but comments may follow
//
// A file without "[end]" is taken for a truncated one and refused, as are a
// shown line outside a block, a block without lines, a name used twice, text
// that is not UTF-8 or that holds a tab or another control character, and any
// other line. Header-only, so that every generator can use it without the core.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::tools {

struct TextBlock {
  std::string name;
  std::vector<std::string> lines;
};

// Throws std::runtime_error naming the file and line unless the text is
// well-formed UTF-8 without control characters (tabs and line breaks included).
inline void CheckShownText(std::string_view text, const std::string& where) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7f) throw std::runtime_error(where + ": control character in the text");
    std::size_t length = 1;
    char32_t code = c;
    char32_t least = 0;
    if (c >= 0xf0 && c <= 0xf4) {
      length = 4;
      code = c & 0x07;
      least = 0x10000;
    } else if (c >= 0xe0) {
      length = c <= 0xef ? 3 : 0;
      code = c & 0x0f;
      least = 0x800;
    } else if (c >= 0xc2) {
      length = 2;
      code = c & 0x1f;
      least = 0x80;
    } else if (c >= 0x80) {
      length = 0;
    }
    if (length == 0 || i + length > text.size()) throw std::runtime_error(where + ": the text is not UTF-8");
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xc0) != 0x80) throw std::runtime_error(where + ": the text is not UTF-8");
      code = (code << 6) | (next & 0x3f);
    }
    if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
      throw std::runtime_error(where + ": the text is not UTF-8");
    }
    i += length;
  }
}

// The blocks of a block file in file order.
inline std::vector<TextBlock> ParseTextBlocks(const std::string& content, const std::string& file) {
  std::vector<TextBlock> blocks;
  bool ended = false;
  std::size_t start = 0;
  int number = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string where = file + ":" + std::to_string(number);
    if (ended) throw std::runtime_error(where + ": text after [end]");
    if (line.size() >= 2 && line.front() == '|' && line.back() == '|') {
      if (blocks.empty()) throw std::runtime_error(where + ": a shown line outside a block");
      std::string shown = line.substr(1, line.size() - 2);
      CheckShownText(shown, where);
      blocks.back().lines.push_back(std::move(shown));
      continue;
    }
    if (line.size() < 3 || line.front() != '[' || line.back() != ']') {
      throw std::runtime_error(where + ": neither a block name in brackets nor a line between bars");
    }
    if (!blocks.empty() && blocks.back().lines.empty()) {
      throw std::runtime_error(where + ": block [" + blocks.back().name + "] has no lines");
    }
    const std::string name = line.substr(1, line.size() - 2);
    CheckShownText(name, where);
    if (name == "end") {
      ended = true;
      continue;
    }
    for (const TextBlock& b : blocks) {
      if (b.name == name) throw std::runtime_error(where + ": block [" + name + "] appears twice");
    }
    blocks.push_back({name, {}});
  }
  if (!ended) throw std::runtime_error(file + ": no [end] line, the file is incomplete");
  if (blocks.empty()) throw std::runtime_error(file + ": no blocks");
  return blocks;
}

}  // namespace vantrel::tools
