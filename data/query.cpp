#include "data/query.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "common/errors.h"
#include "common/text.h"

namespace vantrel::data {
namespace {

// A file URI that opens the file read-only and immutable: SQLite then takes
// no locks and writes no journal, so nothing ever appears beside the file.
std::string ReadOnlyUri(const std::string& path) {
  std::string uri = "file:";
  for (unsigned char c : path) {
    if (c == '%' || c == '?' || c == '#' || c < 0x20) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", c);
      uri += buf;
    } else {
      uri += static_cast<char>(c);
    }
  }
  return uri + "?mode=ro&immutable=1";
}

struct Connection {
  sqlite3* db = nullptr;
  sqlite3_stmt* stmt = nullptr;
  ~Connection() {
    if (stmt) sqlite3_finalize(stmt);
    if (db) sqlite3_close(db);
  }
};

[[noreturn]] void Fail(const std::string& what, sqlite3* db) {
  std::string message = what;
  if (db) message += ": " + std::string(sqlite3_errmsg(db));
  throw DatabaseError(message);
}

std::string FloatText(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

}  // namespace

Query::~Query() { Close(); }

void Query::SetDatabase(Database db) { path_ = DatabasePath(db); }

void Query::SetPath(std::string path) { path_ = std::move(path); }

void Query::SetSql(std::string sql) {
  sql_ = std::move(sql);
  params_.clear();
}

void Query::AddParam(std::string_view text) { params_.emplace_back(std::string(text)); }

void Query::AddParam(std::int64_t number) { params_.emplace_back(number); }

void Query::AddDateParam(DateTime date) { params_.emplace_back(FormatDate(date)); }

void Query::Open() {
  Close();
  if (path_.empty()) throw DatabaseError("No database file given");
  Connection c;
  const int rc = sqlite3_open_v2(ReadOnlyUri(path_).c_str(), &c.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  if (rc != SQLITE_OK) {
    Fail("Cannot open database \"" + path_ + "\"", c.db);
  }
  if (sqlite3_prepare_v2(c.db, sql_.c_str(), static_cast<int>(sql_.size()), &c.stmt, nullptr) != SQLITE_OK) {
    Fail("Cannot run the statement on \"" + path_ + "\"", c.db);
  }
  if (!c.stmt) throw DatabaseError("Empty statement");
  if (sqlite3_bind_parameter_count(c.stmt) != static_cast<int>(params_.size())) {
    throw DatabaseError("The statement expects " + std::to_string(sqlite3_bind_parameter_count(c.stmt)) +
                        " parameters");
  }
  for (std::size_t i = 0; i < params_.size(); ++i) {
    const int at = static_cast<int>(i) + 1;
    int bound = SQLITE_OK;
    if (const auto* s = std::get_if<std::string>(&params_[i])) {
      bound = sqlite3_bind_text(c.stmt, at, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else if (const auto* n = std::get_if<std::int64_t>(&params_[i])) {
      bound = sqlite3_bind_int64(c.stmt, at, *n);
    } else if (const auto* d = std::get_if<double>(&params_[i])) {
      bound = sqlite3_bind_double(c.stmt, at, *d);
    } else {
      bound = sqlite3_bind_null(c.stmt, at);
    }
    if (bound != SQLITE_OK) Fail("Cannot bind a parameter", c.db);
  }
  const int columns = sqlite3_column_count(c.stmt);
  std::vector<std::string> names;
  for (int k = 0; k < columns; ++k) {
    const char* name = sqlite3_column_name(c.stmt, k);
    names.emplace_back(name ? name : "");
  }
  std::vector<Value> first;
  int count = 0;
  while (true) {
    const int step = sqlite3_step(c.stmt);
    if (step == SQLITE_DONE) break;
    if (step != SQLITE_ROW) Fail("Cannot read from \"" + path_ + "\"", c.db);
    if (count == 0) {
      for (int k = 0; k < columns; ++k) {
        switch (sqlite3_column_type(c.stmt, k)) {
          case SQLITE_INTEGER:
            first.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(c.stmt, k)));
            break;
          case SQLITE_FLOAT:
            first.emplace_back(sqlite3_column_double(c.stmt, k));
            break;
          case SQLITE_NULL:
            first.emplace_back(std::monostate{});
            break;
          default: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(c.stmt, k));
            const int n = sqlite3_column_bytes(c.stmt, k);
            first.emplace_back(std::string(p ? p : "", static_cast<std::size_t>(n)));
          }
        }
      }
    }
    ++count;
  }
  names_ = std::move(names);
  first_row_ = std::move(first);
  record_count_ = count;
  open_ = true;
}

void Query::Close() {
  open_ = false;
  record_count_ = 0;
  names_.clear();
  first_row_.clear();
}

int Query::ColumnIndex(std::string_view name) const {
  for (std::size_t k = 0; k < names_.size(); ++k) {
    if (names_[k].size() == name.size() && strncasecmp(names_[k].c_str(), name.data(), name.size()) == 0) {
      return static_cast<int>(k);
    }
  }
  throw DatabaseError("Field '" + std::string(name) + "' not found");
}

const Query::Value& Query::Cell(int column) const {
  static const Value kEmpty;
  if (!open_) throw DatabaseError("The query is not open");
  if (column < 0 || column >= static_cast<int>(names_.size())) {
    throw DatabaseError("Field index " + std::to_string(column) + " out of range");
  }
  if (first_row_.empty()) return kEmpty;
  return first_row_[static_cast<std::size_t>(column)];
}

std::string Query::Text(int column) const {
  const Value& v = Cell(column);
  if (const auto* s = std::get_if<std::string>(&v)) return text::Trim(*s);
  if (const auto* n = std::get_if<std::int64_t>(&v)) return std::to_string(*n);
  if (const auto* d = std::get_if<double>(&v)) return FloatText(*d);
  return {};
}

std::string Query::Text(std::string_view name) const { return Text(ColumnIndex(name)); }

double Query::Number(int column) const {
  const Value& v = Cell(column);
  if (const auto* n = std::get_if<std::int64_t>(&v)) return static_cast<double>(*n);
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* s = std::get_if<std::string>(&v)) {
    const std::string t = text::Trim(*s);
    if (t.empty()) return 0;
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0' || !std::isfinite(value)) {
      throw DatabaseError("'" + t + "' is not a valid number");
    }
    return value;
  }
  return 0;
}

double Query::Number(std::string_view name) const { return Number(ColumnIndex(name)); }

DateTime Query::DateTimeValue(int column) const {
  const Value& v = Cell(column);
  if (const auto* s = std::get_if<std::string>(&v)) {
    const std::string t = text::Trim(*s);
    if (t.empty()) return 0;
    try {
      return StrToDateTime(t);
    } catch (const ConvertError& e) {
      throw DatabaseError(e.what());
    }
  }
  if (const auto* n = std::get_if<std::int64_t>(&v)) return static_cast<double>(*n);
  if (const auto* d = std::get_if<double>(&v)) return *d;
  return 0;
}

DateTime Query::DateTimeValue(std::string_view name) const { return DateTimeValue(ColumnIndex(name)); }

}  // namespace vantrel::data
