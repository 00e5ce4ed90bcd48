#include "almanac/rule_tables.h"

#include <stdexcept>
#include <string>

namespace vantrel::almanac::tables {

std::vector<std::vector<std::string_view>> Records(std::string_view table, std::string_view firstColumn,
                                                   std::size_t columns) {
  std::vector<std::vector<std::string_view>> records;
  bool header = true;
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find('\n', start);
    if (end == std::string_view::npos) end = table.size();
    const std::string_view line = table.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;;) {
      const std::size_t tab = line.find('\t', at);
      fields.push_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
      if (tab == std::string_view::npos) break;
      at = tab + 1;
    }
    if (fields.size() > columns)
      throw std::logic_error("almanac tables: too many fields in \"" + std::string(line) + "\"");
    if (header) {
      if (fields.front() != firstColumn)
        throw std::logic_error("almanac tables: a table that does not start with " +
                               std::string(firstColumn));
      header = false;
      continue;
    }
    fields.resize(columns);
    records.push_back(std::move(fields));
  }
  return records;
}

}  // namespace vantrel::almanac::tables
