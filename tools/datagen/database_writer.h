#pragma once
// Writes one database file of the program. The rows go into a temporary
// file beside the target, in one transaction; only Finish() creates the
// indexes and renames the file into place, so a run that fails half-way
// leaves the previous file (or none) and no partial one.
#include <map>
#include <string>
#include <vector>

#include "data/schema.h"
#include "tools/resource_format.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vantrel::tools {

class DatabaseWriter {
 public:
  explicit DatabaseWriter(std::string target);
  ~DatabaseWriter();  // without Finish(): the temporary file is removed
  DatabaseWriter(const DatabaseWriter&) = delete;
  DatabaseWriter& operator=(const DatabaseWriter&) = delete;

  void Create(const data::schema::Table& table);
  // One row in the table's column order. Every value is bound as text; the
  // declared type of its column decides how it is stored (weights become
  // REAL, years INTEGER).
  void Insert(const data::schema::Table& table, const std::vector<std::string>& row);
  // Inserts every row of a resource table whose columns are exactly those of
  // the table, in any order.
  void Load(const data::schema::Table& table, const ResourceTable& resource);
  // Creates the indexes, commits and moves the file to the target name.
  void Finish();

 private:
  std::vector<std::string> Columns(const data::schema::Table& table);
  void Exec(const std::string& sql);
  void CloseConnection();

  std::string target_;
  std::string temp_;
  sqlite3* db_ = nullptr;
  std::vector<const data::schema::Table*> created_;
  std::map<std::string, sqlite3_stmt*> inserts_;
  bool finished_ = false;
};

}  // namespace vantrel::tools
