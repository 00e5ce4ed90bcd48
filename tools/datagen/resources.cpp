#include <map>
#include <stdexcept>

#include "calendar/ganzhi.h"
#include "tools/datagen/datagen.h"

namespace vantrel::tools {

ResourceTable ReadResource(const std::string& resources, const std::string& name) {
  return ReadResourceTable(resources + "/" + name);
}

std::vector<std::string> ValuesByKey(const ResourceTable& table, const std::string& key,
                                     const std::string& value, const std::vector<std::string>& keys) {
  const int k = table.Column(key);
  const int v = table.Column(value);
  std::map<std::string, std::string> found;
  for (const auto& row : table.rows) {
    if (!found.emplace(row[k], row[v]).second) {
      throw std::runtime_error(table.file + ": " + key + " '" + row[k] + "' appears twice");
    }
  }
  std::vector<std::string> values;
  for (const std::string& wanted : keys) {
    const auto it = found.find(wanted);
    if (it == found.end())
      throw std::runtime_error(table.file + ": no record for " + key + " '" + wanted + "'");
    values.push_back(it->second);
    found.erase(it);
  }
  if (!found.empty()) {
    throw std::runtime_error(table.file + ": " + key + " '" + found.begin()->first + "' is not expected");
  }
  return values;
}

void WriteResourceTables(DatabaseWriter& w, const std::string& resources,
                         std::initializer_list<ResourceFile> files) {
  for (const ResourceFile& f : files) {
    w.Create(f.table);
    w.Load(f.table, ReadResource(resources, f.name));
  }
}

std::vector<std::string> PillarTexts() {
  std::vector<std::string> pillars;
  for (int i = 0; i < 60; ++i) pillars.push_back(Pillar::FromIndex(i).Text());
  return pillars;
}

}  // namespace vantrel::tools
