// Database files whose values were tampered with: every run builds small
// copies of KelFile.dll and Tgcode.dll (all tables, the almanac and the jie
// instants cut down to the days the runs read), changes stored values as
// the input says, and runs the lookups, both person reports, the almanac
// and the mobile-number verdict over them. Any value, of any storage type,
// must end in a result, a notice or one of the program's own errors, never
// in undefined behaviour.
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "common/errors.h"
#include "common/notice.h"
#include "common/pane.h"
#include "common/paths.h"
#include "data/lookups.h"
#include "data/query.h"
#include "data/schema.h"
#include "divination/numbers.h"
#include "reports/almanac.h"
#include "reports/chart_report.h"
#include "reports/entry_texts.h"
#include "reports/marriage_report.h"

namespace {

using vantrel::data::schema::Table;

struct Column {
  std::string table;
  std::string name;
};

struct File {
  std::string name;             // "KelFile.dll"
  std::string bytes;            // the small base copy
  std::vector<Column> columns;  // every column of every table
};

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "setup failed: %s: %s\n", sql.c_str(), error ? error : "");
    std::abort();
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Rows kept of the two large tables: the days and years the runs below read.
std::string RowFilter(const std::string& table) {
  if (table == "huangdao") return " where gn in ('2013-09-21', '2024-02-10', '1985-03-15')";
  if (table == "JQ") return " where YearA in (1984, 1985, 1986, 1987, 2012, 2013)";
  return "";
}

template <std::size_t N>
File BuildBase(const std::string& dir, const std::string& name, const std::array<Table, N>& tables) {
  const std::string real = vantrel::ProgramFile(name);
  const std::string path = dir + "/base-" + name;
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) std::abort();
  Exec(db, "attach database 'file:" + real + "?mode=ro' as real");
  File file{name, {}, {}};
  for (const Table& t : tables) {
    Exec(db, t.create);
    if (t.index) Exec(db, t.index);
    Exec(db, std::string("insert into main.") + t.name + " select * from real." + t.name + RowFilter(t.name));
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, (std::string("pragma main.table_info(") + t.name + ")").c_str(), -1, &stmt,
                       nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      file.columns.push_back({t.name, reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))});
    }
    sqlite3_finalize(stmt);
  }
  Exec(db, "detach database real");
  Exec(db, "vacuum");
  sqlite3_close(db);
  file.bytes = ReadFile(path);
  return file;
}

struct Setup {
  std::string dir;
  std::vector<File> files;
};

const Setup& TheSetup() {
  static const Setup setup = [] {
    Setup s;
    char tmpl[] = "/tmp/vantrel-fuzz-data-XXXXXX";
    if (!mkdtemp(tmpl)) std::abort();
    s.dir = tmpl;
    s.files.push_back(BuildBase(s.dir, "KelFile.dll", vantrel::data::schema::kMainTables));
    s.files.push_back(BuildBase(s.dir, "Tgcode.dll", vantrel::data::schema::kSecondTables));
    if (symlink(vantrel::ProgramFile("shensha").c_str(), (s.dir + "/shensha").c_str()) != 0) std::abort();
    vantrel::SetProgramDirForTesting(s.dir);
    return s;
  }();
  return setup;
}

// Reads the input as a list of changes, each: the file and column (two
// bytes), all rows or one row by its position (one byte), the kind of value
// (one byte) and up to eight bytes of value.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Bytes(std::size_t n) {
    std::string s;
    while (n-- > 0 && at_ < size_) s.push_back(static_cast<char>(data_[at_++]));
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void BindValue(sqlite3_stmt* stmt, std::uint8_t kind, Input& in) {
  std::string raw = in.Bytes(8);
  raw.resize(8, '\0');
  switch (kind % 6) {
    case 0: {
      std::int64_t n;
      std::memcpy(&n, raw.data(), sizeof n);
      sqlite3_bind_int64(stmt, 1, n);
      break;
    }
    case 1: {
      double d;  // any bit pattern: infinities, huge and tiny values
      std::memcpy(&d, raw.data(), sizeof d);
      sqlite3_bind_double(stmt, 1, d);
      break;
    }
    case 2: {
      static const double kEdges[] = {1e300, -1e300, 2958466.0, -693594.0, 1e19, -1e19, 10.0, -0.1};
      sqlite3_bind_double(stmt, 1, kEdges[static_cast<unsigned char>(raw[0]) % 8]);
      break;
    }
    case 3:
      sqlite3_bind_text(stmt, 1, raw.data(),
                        static_cast<int>(raw.find('\0') == std::string::npos ? 8 : raw.find('\0')),
                        SQLITE_TRANSIENT);
      break;
    case 4:
      sqlite3_bind_blob(stmt, 1, raw.data(), 8, SQLITE_TRANSIENT);
      break;
    default:
      sqlite3_bind_null(stmt, 1);
  }
}

void WriteTampered(const Setup& setup, Input& in) {
  for (const File& f : setup.files) {
    const std::string temp = setup.dir + "/new-" + f.name;
    std::ofstream(temp, std::ios::binary | std::ios::trunc) << f.bytes;
    sqlite3* db = nullptr;
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK) std::abort();
    for (int changes = 0; changes < 8 && !in.Done(); ++changes) {
      const std::uint8_t which = in.Byte();
      if ((which & 1) != (&f == &setup.files[0] ? 0 : 1)) continue;  // the change is for the other file
      const Column& c = f.columns[(which >> 1) % f.columns.size()];
      const std::uint8_t rows = in.Byte();
      std::string sql = "update \"" + c.table + "\" set \"" + c.name + "\" = ?";
      if (rows & 0x80) {
        sql += " where rowid = (select rowid from \"" + c.table + "\" limit 1 offset " +
               std::to_string(rows & 0x7f) + ")";
      }
      const std::uint8_t kind = in.Byte();
      sqlite3_stmt* stmt = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) std::abort();
      BindValue(stmt, kind, in);
      sqlite3_step(stmt);  // a unique key made double fails, which is fine
      sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    if (std::rename(temp.c_str(), (setup.dir + "/" + f.name).c_str()) != 0) std::abort();
  }
}

vantrel::EntryTexts Person(const char* year, const char* month, const char* day, const char* hour) {
  vantrel::EntryTexts e;
  e.name = "甲";
  e.year = year;
  e.month = month;
  e.day = day;
  e.hour = hour;
  return e;
}

template <typename Run>
void Guarded(Run run) {
  try {
    run();
  } catch (const vantrel::Error&) {
  } catch (const vantrel::SilentCancel&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const Setup& setup = TheSetup();
  Input in(data, size);
  WriteTampered(setup, in);

  RecordingNotifier notifier;
  Guarded([&] {
    MarriageEntry couple{ReadMarriagePerson(Person("1985", "3", "15", "辰 8")),
                         ReadMarriagePerson(Person("1987", "2", "4", "子 0"))};
    const MarriageReport report = BuildMarriageReport(couple, 2024);
    (void)RenderMarriageReport(report);
    if (report.fault) std::rethrow_exception(report.fault);
  });
  for (const ReportKind kind : {ReportKind::Chart, ReportKind::Constellation}) {
    Guarded([&] {
      ChartEntry single;
      single.person = ReadChartPerson(Person("2013", "2", "4", "子 0"));
      single.kind = kind;
      const ChartReport report = BuildChartReport(single, 2024);
      (void)RenderChartReport(report);
      if (report.fault) std::rethrow_exception(report.fault);
    });
  }
  Guarded([&] {
    const AlmanacDay day = AlmanacDayOf("2013", "9", "21");
    (void)AlmanacLines(day);
    if (day.row && day.row->fault) std::rethrow_exception(day.row->fault);
  });
  Guarded([&] {
    data::Query q(data::Database::Second);
    q.SetSql("select SJ from JQ where YearA = ?");
    q.AddParam(std::int64_t{2013});
    q.Open();
    (void)FormatDateTime(q.DateTimeValue("SJ"));
  });
  Guarded([&] { (void)MeasureNumber(NumberDialog::Mobile, "13800138000"); });
  Guarded([&] { (void)data::TopicText("金牛座 ", data::ConstellationTopic::LoveAndStrength); });
  return 0;
}
