#pragma once
// Turns the UTF-8 source of a shensha rule file (resources/shensha/*.txt)
// into the file the program reads: the comment block at the top (lines
// starting with "#") is dropped, every other line is kept in place, and the
// whole is written as GBK with CR LF line ends.
//
// The rule lines are checked on the way, so that a slip in a source fails
// the build instead of silently matching nothing: the name field is a name
// of one to four characters padded with blanks to five characters, a line
// holds at most 21 items, and no value is longer than ten GBK bytes (five
// characters), which is all the reader looks at.
#include <stdexcept>
#include <string>
#include <vector>

#include "common/text.h"

namespace vantrel::tools {

inline std::string RuleFileFromSource(const std::string& source, const std::string& file) {
  std::vector<std::string> lines = text::SplitLines(source);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();  // the break after the last line
  std::size_t first = 0;
  while (first < lines.size() && !lines[first].empty() && lines[first][0] == '#') ++first;

  std::string out;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const auto fail = [&](const std::string& why) {
      throw std::runtime_error(file + ":" + std::to_string(i + 1) + ": " + why);
    };
    if (!line.empty()) {
      const std::string field = text::FirstChars(line, 5);
      const std::string name = text::Trim(field);
      if (text::CharCount(field) != 5 || name.empty() || text::CharCount(name) > 4 ||
          field != name + std::string(5 - text::CharCount(name), ' ')) {
        fail("the name field must be a name of one to four characters padded with blanks to five");
      }
      if (name.find(' ') != std::string::npos) fail("a name holds no blank");
      const std::vector<std::string> items = [&] {
        std::vector<std::string> parts;
        const std::string body = text::Trim(line.substr(field.size()));
        std::size_t start = 0;
        while (true) {
          const std::size_t comma = body.find(',', start);
          parts.push_back(body.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
          if (comma == std::string::npos) break;
          start = comma + 1;
        }
        return parts;
      }();
      if (items.size() > 21) fail("a line holds at most 21 items");
      for (const auto& item : items) {
        const std::size_t colon = item.find(':');
        const std::string value = text::Trim(colon == std::string::npos ? item : item.substr(colon + 1));
        if (text::GbkWidth(value) > 10) fail("the value of '" + item + "' is longer than five characters");
      }
    }
    const std::string gbk = text::ToGbk(line);
    if (text::FromGbk(gbk) != line) fail("the line holds a character that GBK cannot store");
    out += gbk;
    out += "\r\n";
  }
  return out;
}

}  // namespace vantrel::tools
