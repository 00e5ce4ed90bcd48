#pragma once
// A small read-only query over one database file: set a statement and its
// parameters, open it, read the first row's columns, close it.
//
// Opening is where every failure shows: a missing file, a file that is not a
// database, a missing table or column, a statement the engine rejects all
// raise DatabaseError from Open(). A result with no row is not an error: its
// columns read as the empty text, and numbers as 0.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/datetime.h"
#include "data/store.h"

struct sqlite3;

namespace vantrel::data {

class Query {
 public:
  using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

  Query() = default;
  explicit Query(Database db) { SetDatabase(db); }
  ~Query();
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  // The file the query reads; the path is resolved when the query opens.
  void SetDatabase(Database db);
  void SetPath(std::string path);

  // The statement, with "?" for each parameter. Clears the parameters.
  void SetSql(std::string sql);
  // Parameters in order, bound to the statement's "?" when it opens.
  void AddParam(std::string_view text);
  void AddParam(std::int64_t number);
  void AddDateParam(DateTime date);  // bound as "yyyy-mm-dd"

  // Runs the statement and keeps its first row; throws DatabaseError.
  void Open();
  void Close();
  bool IsOpen() const { return open_; }

  // The number of rows of the result.
  int RecordCount() const { return record_count_; }
  bool IsEmpty() const { return record_count_ == 0; }

  // Columns of the first row, by position in the select list or by name
  // (names compare without regard to case). Texts are trimmed of blanks and
  // control characters. A name the result does not have raises
  // DatabaseError; so does a position outside the select list, a number
  // or date-time column whose text cannot be read, and a date-time outside
  // 0001-01-01 .. 9999-12-31. Numbers come back as stored (a stored infinity
  // too): the caller checks them against what its table can hold.
  std::string Text(int column) const;
  std::string Text(std::string_view name) const;
  double Number(int column) const;
  double Number(std::string_view name) const;
  DateTime DateTimeValue(int column) const;
  DateTime DateTimeValue(std::string_view name) const;

 private:
  int ColumnIndex(std::string_view name) const;
  const Value& Cell(int column) const;

  std::string path_;
  std::string sql_;
  std::vector<Value> params_;
  bool open_ = false;
  int record_count_ = 0;
  std::vector<std::string> names_;
  std::vector<Value> first_row_;
};

}  // namespace vantrel::data
