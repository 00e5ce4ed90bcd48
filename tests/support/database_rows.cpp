#include "tests/support/database_rows.h"

#include <sqlite3.h>

#include <stdexcept>

#include "tests/support/fixture.h"

namespace vantrel::testing {

Rows AllRows(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  const std::string uri = "file:" + file + "?mode=ro&immutable=1";
  if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    throw std::runtime_error("cannot open " + file);
  }
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    const std::string reason = sqlite3_errmsg(db);
    sqlite3_close(db);
    throw std::runtime_error(file + ": " + sql + ": " + reason);
  }
  Rows rows;
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int k = 0; k < sqlite3_column_count(stmt); ++k) {
      const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, k));
      row.emplace_back(p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt, k)))
                         : std::string());
    }
    rows.push_back(std::move(row));
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  if (rc != SQLITE_DONE) throw std::runtime_error(file + ": " + sql + ": cannot read");
  return rows;
}

std::vector<std::string> FirstColumn(const std::string& file, const std::string& sql) {
  std::vector<std::string> values;
  for (auto& row : AllRows(file, sql)) values.push_back(row.empty() ? std::string() : row[0]);
  return values;
}

std::string BuiltFile(const std::string& name) { return BuiltDataDir() + "/" + name; }

}  // namespace vantrel::testing
