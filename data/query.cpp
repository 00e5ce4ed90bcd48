#include "data/query.h"

#include <sqlite3.h>
#include <strings.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "common/errors.h"
#include "common/text.h"
#include "data/file_stamp.h"

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

// A bound on the work of one statement, in SQLite's virtual machine steps.
// The lookups of the reports take a few thousand at most; a damaged or
// tampered file (a view that recurses without end, say) would run forever,
// so a statement that exceeds it is ended with the file's error.
constexpr int kStepsPerCheck = 1000;
constexpr long kMaxChecksPerStatement = 100000;  // 100 million steps
thread_local long g_checks = 0;

extern "C" int StopRunawayStatement(void*) { return ++g_checks > kMaxChecksPerStatement ? 1 : 0; }

// Opening a database file and reading its schema costs far more than a
// lookup itself, and a report makes a hundred lookups. So the connections
// of the files in use are kept open, like a driver's connection pool, but a
// connection serves a query only while its file is exactly the one it was
// opened on: every query looks at the file again, so a replaced, changed or
// removed file is noticed at once and nothing stale is ever read. No row is
// kept between queries.
class ConnectionPool {
 public:
  ~ConnectionPool() {
    for (auto& e : entries_) sqlite3_close_v2(e.db);
  }

  // The results already read from a file while it stays the same: the files
  // are opened immutable, so the same statement with the same parameters
  // gives the same rows until the file changes, and then its entry goes.
  struct Result {
    std::vector<std::string> names;
    std::vector<Query::Value> first;
    int count = 0;
  };
  std::unordered_map<std::string, Result>& Results(sqlite3* db) {
    for (auto& e : entries_) {
      if (e.db == db) return e.results;
    }
    static thread_local std::unordered_map<std::string, Result> none;
    none.clear();
    return none;
  }

  // The connection for the file; throws DatabaseError when it cannot be opened.
  sqlite3* Get(const std::string& path) {
    const std::optional<FileStamp> found = StampOf(path);
    const bool exists = found.has_value();
    const FileStamp stamp = found.value_or(FileStamp{});
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->path != path) continue;
      if (exists && it->stamp == stamp) return it->db;
      sqlite3_close_v2(it->db);
      entries_.erase(it);
      break;
    }
    if (!exists) throw DatabaseError("Cannot open database \"" + path + "\": no such file");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(ReadOnlyUri(path).c_str(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
      const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
      sqlite3_close_v2(db);
      throw DatabaseError("Cannot open database \"" + path + "\": " + message);
    }
    sqlite3_progress_handler(db, kStepsPerCheck, StopRunawayStatement, nullptr);
    if (entries_.size() >= kMaxFiles) {
      sqlite3_close_v2(entries_.front().db);
      entries_.erase(entries_.begin());
    }
    entries_.push_back({path, stamp, db, {}});
    return db;
  }

  // Drops the connection of a file after a failure, so the next query
  // starts afresh.
  void Drop(sqlite3* db) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->db == db) {
        sqlite3_close_v2(it->db);
        entries_.erase(it);
        return;
      }
    }
  }

 private:
  static constexpr std::size_t kMaxFiles = 4;
  struct Entry {
    std::string path;
    FileStamp stamp;
    sqlite3* db;
    std::unordered_map<std::string, Result> results;
  };
  std::vector<Entry> entries_;
};

ConnectionPool& Pool() {
  thread_local ConnectionPool pool;
  return pool;
}

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  ~Statement() {
    if (stmt) sqlite3_finalize(stmt);
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
  sqlite3* db = Pool().Get(path_);
  // The statement and its parameters name the result.
  std::string key = sql_;
  for (const Value& p : params_) {
    key += '\0';
    key += static_cast<char>('0' + p.index());
    if (const auto* s = std::get_if<std::string>(&p)) key += *s;
    if (const auto* n = std::get_if<std::int64_t>(&p)) key += std::to_string(*n);
    if (const auto* d = std::get_if<double>(&p)) key += FloatText(*d);
  }
  auto& results = Pool().Results(db);
  if (const auto hit = results.find(key); hit != results.end()) {
    names_ = hit->second.names;
    first_row_ = hit->second.first;
    record_count_ = hit->second.count;
    open_ = true;
    return;
  }
  g_checks = 0;
  Statement c;
  try {
    if (sqlite3_prepare_v2(db, sql_.c_str(), static_cast<int>(sql_.size()), &c.stmt, nullptr) != SQLITE_OK) {
      Fail("Cannot run the statement on \"" + path_ + "\"", db);
    }
  } catch (const DatabaseError&) {
    // A file that is not a database, or a damaged one: the next query opens afresh.
    Pool().Drop(db);
    throw;
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
    if (bound != SQLITE_OK) Fail("Cannot bind a parameter", db);
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
    if (step != SQLITE_ROW) {
      const std::string message =
          step == SQLITE_INTERRUPT ? "the statement did not finish; the file is damaged" : sqlite3_errmsg(db);
      sqlite3_finalize(c.stmt);
      c.stmt = nullptr;
      Pool().Drop(db);
      throw DatabaseError("Cannot read from \"" + path_ + "\": " + message);
    }
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
  // The memory stays bounded: past this many results the memo starts afresh.
  constexpr std::size_t kMaxResults = 20000;
  if (results.size() >= kMaxResults) results.clear();
  results.emplace(std::move(key), ConnectionPool::Result{names, first, count});
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
  throw DatabaseError("Field '" + std::string(name) + "' not found in \"" + path_ + "\"");
}

const Query::Value& Query::Cell(int column) const {
  static const Value kEmpty;
  if (!open_) throw DatabaseError("The query is not open");
  if (column < 0 || column >= static_cast<int>(names_.size())) {
    throw DatabaseError("Field index " + std::to_string(column) + " out of range in \"" + path_ + "\"");
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
  double value = 0;
  if (const auto* n = std::get_if<std::int64_t>(&v)) value = static_cast<double>(*n);
  if (const auto* d = std::get_if<double>(&v)) value = *d;
  if (!IsDateTimeInRange(value)) {
    throw DatabaseError("'" + FloatText(value) + "' in \"" + path_ + "\" is not a valid date and time");
  }
  return value;
}

DateTime Query::DateTimeValue(std::string_view name) const { return DateTimeValue(ColumnIndex(name)); }

}  // namespace vantrel::data
