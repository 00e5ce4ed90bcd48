// A damaged install: each database file absent, empty, truncated or not a
// database, a table or column missing, each rule file absent, empty,
// unreadable or garbage. Each gives the outcome the program promises for it,
// and nothing is ever written to the data files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/errors.h"
#include "reports/chart_report.h"
#include "reports/marriage_report.h"
#include "tests/support/entry_rows.h"
#include "tests/support/fixture.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::FixtureDir;

enum class Damage { Absent, Empty, Truncated, Garbage };
const Damage kDamages[] = {Damage::Absent, Damage::Empty, Damage::Truncated, Damage::Garbage};

void Spoil(const FixtureDir& dir, const std::string& name, Damage damage) {
  const std::string file = dir.File(name);
  switch (damage) {
    case Damage::Absent:
      fs::remove(file);
      break;
    case Damage::Empty:
      fs::resize_file(file, 0);
      break;
    case Damage::Truncated:
      fs::resize_file(file, fs::file_size(file) / 3);
      break;
    case Damage::Garbage:
      dir.WriteFile(name, std::string(8192, '\x5a'));
      break;
  }
}

struct ChartOutcome {
  bool completed = false;
  bool cancelled = false;
  std::string error;
  TextPane visible;
};

ChartOutcome RunChart(const std::string& caption) {
  ChartOutcome o;
  o.visible.Add("before");
  ChartEntry entry;
  entry.kind = std::string(caption) == "八字分析" ? ReportKind::Chart : ReportKind::Constellation;
  TextPane scratch;
  RecordingNotifier notifier;
  try {
    RunChartReport(entry, o.visible, scratch, notifier, 2024);
    o.completed = notifier.messages.empty();
  } catch (const SilentCancel&) {
    o.cancelled = true;
  } catch (const Error& e) {
    o.error = e.what();
  }
  return o;
}

struct MarriageOutcome {
  bool completed = false;
  bool cancelled = false;
  std::string error;
  TextPane report;
};

MarriageOutcome RunMarriage() {
  MarriageOutcome o;
  MarriagePanes panes(o.report);
  RecordingNotifier notifier;
  testing::CoupleRows rows;
  rows.man.name = "张三";
  rows.woman.name = "李四";
  rows.woman.year = "1982";
  try {
    RunMarriageReport(rows.Read(), panes, notifier, {}, 2024);
    o.completed = notifier.messages.empty();
  } catch (const SilentCancel&) {
    o.cancelled = true;
  } catch (const Error& e) {
    o.error = e.what();
  }
  return o;
}

bool HasLine(const Pane& pane, const std::string& line) {
  for (int i = 0; i < pane.LineCount(); ++i) {
    if (pane.Line(i) == line) return true;
  }
  return false;
}

bool NamesTheSecondFile(const std::string& error) { return error.find("Tgcode.dll") != std::string::npos; }

TEST(Faults, ADamagedSecondFileIsAnErrorNamingTheFile) {
  for (Damage damage : kDamages) {
    FixtureDir dir;
    dir.CopyBuiltData();
    Spoil(dir, "Tgcode.dll", damage);
    // A chart with blank ten gods, elements and nayin would pass for a real
    // one: the report stops with the file's error and the shown one stays.
    const ChartOutcome chart = RunChart("八字分析");
    if (damage != Damage::Truncated) {
      EXPECT_TRUE(NamesTheSecondFile(chart.error)) << static_cast<int>(damage) << ": " << chart.error;
    } else {
      EXPECT_TRUE(chart.completed || NamesTheSecondFile(chart.error)) << chart.error;
    }
    if (!chart.completed) {
      EXPECT_EQ(chart.visible.Text(), "before\n");
    }
    // The constellation texts live in the main file.
    EXPECT_TRUE(RunChart("星座分析").completed);
    // The man's life gua is read before his section is made.
    const MarriageOutcome m = RunMarriage();
    if (damage != Damage::Truncated) {
      EXPECT_TRUE(NamesTheSecondFile(m.error)) << m.error;
      EXPECT_EQ(m.report.LineCount(), 0);
    } else {
      EXPECT_TRUE(m.completed || NamesTheSecondFile(m.error)) << m.error;
    }
  }
}

TEST(Faults, ADamagedMainFileCancelsTheReportsQuietly) {
  for (Damage damage : kDamages) {
    FixtureDir dir;
    dir.CopyBuiltData();
    Spoil(dir, "KelFile.dll", damage);
    for (const char* caption : {"八字分析", "星座分析"}) {
      const ChartOutcome o = RunChart(caption);
      EXPECT_TRUE(o.error.empty()) << o.error;
      if (!o.completed) {
        EXPECT_TRUE(o.cancelled);
        EXPECT_EQ(o.visible.Text(), "before\n");
      }
      if (damage != Damage::Truncated) {
        EXPECT_TRUE(o.cancelled) << caption;
      }
    }
    const MarriageOutcome m = RunMarriage();
    if (damage != Damage::Truncated) {
      EXPECT_TRUE(m.cancelled);
      // The man's chart block stays; the bone weight stopped the run.
      EXPECT_TRUE(HasLine(m.report, "八字：己未   丙子   癸酉   壬子"));
      EXPECT_FALSE(HasLine(m.report, "女方基本信息："));
    }
  }
}

TEST(Faults, AMissingTableOrColumn) {
  for (const char* damage : {"alter table jiazi rename column layin to other;", "drop table Shishen;",
                             "drop table hzwh;", "drop table JQ;"}) {
    FixtureDir dir;
    dir.CopyBuiltData();
    dir.Execute("Tgcode.dll", damage);
    const ChartOutcome o = RunChart("八字分析");
    EXPECT_TRUE(NamesTheSecondFile(o.error)) << damage << ": " << o.error;
    EXPECT_EQ(o.visible.Text(), "before\n");
  }
  for (const char* damage : {"drop table mghp;", "drop table mgfx;", "drop table mgwx;", "drop table mg;"}) {
    FixtureDir dir;
    dir.CopyBuiltData();
    dir.Execute("Tgcode.dll", damage);
    EXPECT_TRUE(RunChart("八字分析").completed) << damage;
    EXPECT_TRUE(NamesTheSecondFile(RunMarriage().error)) << damage;
  }
  FixtureDir dir;
  dir.CopyBuiltData();
  dir.Execute("KelFile.dll", "drop table chenggu3;");
  ChartOutcome o = RunChart("八字分析");
  EXPECT_TRUE(o.cancelled);
  EXPECT_EQ(o.visible.Text(), "before\n");
  dir.Execute("KelFile.dll", "drop table mingren;");
  o = RunChart("星座分析");
  EXPECT_TRUE(o.cancelled);
}

TEST(Faults, RuleFilesAbsentEmptyUnreadableOrGarbage) {
  for (const char* file :
       {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt", "rizhu.txt", "rizhus.txt"}) {
    FixtureDir dir;
    dir.CopyBuiltData();
    const std::string path = dir.File(std::string("shensha/") + file);
    fs::remove(path);
    ChartOutcome o = RunChart("八字分析");
    EXPECT_EQ(o.error, "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_EQ(o.visible.Text(), "before\n");

    fs::create_directory(path);  // a file that cannot be read
    o = RunChart("八字分析");
    EXPECT_EQ(o.error.rfind("Cannot open file \"" + path + "\".", 0), 0u) << o.error;
    fs::remove(path);

    dir.WriteFile(std::string("shensha/") + file, "");
    EXPECT_TRUE(RunChart("八字分析").completed) << file;
    std::string garbage;
    for (int i = 0; i < 4000; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    dir.WriteFile(std::string("shensha/") + file, garbage);
    EXPECT_TRUE(RunChart("八字分析").completed) << file;
    EXPECT_TRUE(RunMarriage().completed) << file;
  }
}

TEST(Faults, AReadOnlyProgramFolderChangesNothing) {
  FixtureDir dir;
  dir.CopyBuiltData();
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
  EXPECT_TRUE(RunChart("八字分析").completed);
  EXPECT_TRUE(RunMarriage().completed);
  fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::replace);
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 3);  // the two database files and the shensha folder, nothing beside them
}

}  // namespace
}  // namespace vantrel
