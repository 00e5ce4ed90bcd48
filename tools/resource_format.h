#pragma once
// Reader of the resource tables in resources/: UTF-8 text, one record per
// line, fields separated by one tab; lines starting with "#" and blank lines
// are skipped; the first other line names the columns. Inside a field "\n"
// stands for a line break, "\t" for a tab and "\\" for a backslash.
//
// Header-only, so that every generator can use it without the core.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::tools {

struct ResourceTable {
  std::string file;
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  int Column(const std::string& name) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i] == name) return static_cast<int>(i);
    }
    throw std::runtime_error(file + ": no column " + name);
  }
};

inline std::string UnescapeResourceField(const std::string& raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) {
      const char c = raw[i + 1];
      if (c == 'n') {
        out.push_back('\n');
        ++i;
        continue;
      }
      if (c == 't') {
        out.push_back('\t');
        ++i;
        continue;
      }
      if (c == '\\') {
        out.push_back('\\');
        ++i;
        continue;
      }
    }
    out.push_back(raw[i]);
  }
  return out;
}

// The reverse of UnescapeResourceField, for generators that write tables:
// a backslash, a tab and a line break are written as "\\", "\t" and "\n".
inline std::string EscapeResourceField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

inline std::vector<std::string> SplitResourceLine(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

// Parses a table; throws std::runtime_error naming the file and line of any
// record whose field count differs from the header's.
inline ResourceTable ParseResourceTable(const std::string& content, const std::string& file) {
  ResourceTable table;
  table.file = file;
  std::istringstream in(content);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields = SplitResourceLine(line);
    if (table.columns.empty()) {
      table.columns = fields;
      continue;
    }
    if (fields.size() != table.columns.size()) {
      throw std::runtime_error(file + ":" + std::to_string(number) + ": expected " +
                               std::to_string(table.columns.size()) + " fields, found " +
                               std::to_string(fields.size()));
    }
    for (auto& f : fields) f = UnescapeResourceField(f);
    table.rows.push_back(std::move(fields));
  }
  if (table.columns.empty()) throw std::runtime_error(file + ": no header line");
  return table;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A C++ string literal holding exactly the bytes of the text, for the
// generators that compile resource texts into the program.
inline std::string CppStringLiteral(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

inline ResourceTable ReadResourceTable(const std::string& path) {
  return ParseResourceTable(ReadWholeFile(path), path);
}

}  // namespace vantrel::tools
