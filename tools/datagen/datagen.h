#pragma once
// vantrel-datagen: builds the program's two database files from the tables
// in resources/ and from tables computed here.
#include <initializer_list>
#include <string>
#include <vector>

#include "data/schema.h"
#include "tools/datagen/database_writer.h"
#include "tools/resource_format.h"

namespace vantrel::tools {

// Tgcode.dll: elements, ten gods, nayin, life gua, jie instants, zodiac texts.
void BuildTgcode(const std::string& resources, const std::string& out);

// KelFile.dll: bone weights and verses, mobile-number, constellation and
// encyclopedia texts, and the almanac days of `huangdao` (a resource table;
// an empty text leaves table huangdao without rows).
void BuildKelFile(const std::string& resources, const std::string& out, const std::string& huangdao);

// resources + "/" + name, read as a resource table.
ResourceTable ReadResource(const std::string& resources, const std::string& name);

// The value column of a resource table keyed by `key`, in the order of
// `keys`: every key must stand in exactly one record, and no other key.
std::vector<std::string> ValuesByKey(const ResourceTable& table, const std::string& key,
                                     const std::string& value, const std::vector<std::string>& keys);

// A table whose rows are written in resources/ as they are stored.
struct ResourceFile {
  const data::schema::Table& table;
  const char* name;  // under resources/
};
// Creates each table and fills it from its resource table.
void WriteResourceTables(DatabaseWriter& w, const std::string& resources,
                         std::initializer_list<ResourceFile> files);

// The sixty pillars 甲子 .. 癸亥 in cycle order.
std::vector<std::string> PillarTexts();

}  // namespace vantrel::tools
