#include "tools/datagen/database_writer.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace vantrel::tools {

DatabaseWriter::DatabaseWriter(std::string target) : target_(std::move(target)), temp_(target_ + ".part") {
  std::error_code ec;
  std::filesystem::remove(temp_, ec);  // left by a run that was killed
  try {
    if (sqlite3_open_v2(temp_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
      throw std::runtime_error("cannot create " + temp_ + ": " +
                               (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }
    // The file is private until it is renamed, so it needs no journal.
    Exec("pragma journal_mode = off");
    Exec("pragma synchronous = off");
    Exec("begin");
  } catch (...) {
    CloseConnection();
    std::filesystem::remove(temp_, ec);
    throw;
  }
}

DatabaseWriter::~DatabaseWriter() {
  CloseConnection();
  if (!finished_) {
    std::error_code ec;
    std::filesystem::remove(temp_, ec);
  }
}

void DatabaseWriter::CloseConnection() {
  for (auto& [name, stmt] : inserts_) sqlite3_finalize(stmt);
  inserts_.clear();
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
}

void DatabaseWriter::Exec(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string reason = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(target_ + ": \"" + sql + "\" failed: " + reason);
  }
}

void DatabaseWriter::Create(const data::schema::Table& table) {
  Exec(table.create);
  created_.push_back(&table);
}

std::vector<std::string> DatabaseWriter::Columns(const data::schema::Table& table) {
  sqlite3_stmt* stmt = nullptr;
  const std::string sql = std::string("select name from pragma_table_info('") + table.name + "')";
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    throw std::runtime_error(target_ + ": " + sqlite3_errmsg(db_));
  }
  std::vector<std::string> columns;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  }
  sqlite3_finalize(stmt);
  if (columns.empty()) throw std::runtime_error(target_ + ": table " + table.name + " was not created");
  return columns;
}

void DatabaseWriter::Insert(const data::schema::Table& table, const std::vector<std::string>& row) {
  sqlite3_stmt*& stmt = inserts_[table.name];
  if (!stmt) {
    std::string sql = std::string("insert into \"") + table.name + "\" values (";
    for (std::size_t i = 0; i < Columns(table).size(); ++i) sql += i == 0 ? "?" : ", ?";
    sql += ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(target_ + ": " + sqlite3_errmsg(db_));
    }
  }
  if (static_cast<int>(row.size()) != sqlite3_bind_parameter_count(stmt)) {
    throw std::runtime_error(std::string("a row of ") + table.name + " has " + std::to_string(row.size()) +
                             " values");
  }
  for (std::size_t i = 0; i < row.size(); ++i) {
    sqlite3_bind_text(stmt, static_cast<int>(i) + 1, row[i].data(), static_cast<int>(row[i].size()),
                      SQLITE_TRANSIENT);
  }
  const int rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) throw std::runtime_error(target_ + ": cannot insert into " + table.name);
}

void DatabaseWriter::Load(const data::schema::Table& table, const ResourceTable& resource) {
  const std::vector<std::string> columns = Columns(table);
  if (resource.columns.size() != columns.size()) {
    throw std::runtime_error(resource.file + ": expected the " + std::to_string(columns.size()) +
                             " columns of " + table.name);
  }
  std::vector<int> from;
  for (const std::string& c : columns) from.push_back(resource.Column(c));
  std::vector<std::string> row(columns.size());
  for (const auto& record : resource.rows) {
    for (std::size_t i = 0; i < columns.size(); ++i) row[i] = record[static_cast<std::size_t>(from[i])];
    Insert(table, row);
  }
}

void DatabaseWriter::Finish() {
  // Indexes built after the rows go in are built once; a unique index also
  // rejects a key that appears twice.
  for (const data::schema::Table* table : created_) {
    if (table->index) Exec(table->index);
  }
  Exec("commit");
  CloseConnection();
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) throw std::runtime_error("cannot rename " + temp_ + " to " + target_ + ": " + ec.message());
  finished_ = true;
}

}  // namespace vantrel::tools
