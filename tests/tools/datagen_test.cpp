// vantrel-datagen run as the build runs it, on copies of resources/.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/schema.h"
#include "tests/support/database_rows.h"
#include "tests/support/fixture.h"

namespace vantrel::tools {
namespace {

using vantrel::testing::AllRows;
using vantrel::testing::BuiltFile;
using vantrel::testing::FixtureDir;
using vantrel::testing::Rows;
namespace fs = std::filesystem;

const std::string kResources = VANTREL_SOURCE_DIR "/resources";

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// Runs the generator and gives its exit code; its messages go to `err`.
int Datagen(const std::string& args, const std::string& err) {
  const std::string command = Quoted(VANTREL_BIN_DIR "/vantrel-datagen") + " " + args + " 2>" + Quoted(err);
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Read(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Every row of every table, table by table in the order they were inserted.
Rows Dump(const std::string& file, std::span<const data::schema::Table> tables, const std::string& skip = "") {
  Rows all;
  for (const auto& t : tables) {
    if (t.name == skip) continue;
    all.push_back({t.name});
    for (auto& row : AllRows(file, std::string("select * from \"") + t.name + "\" order by rowid")) {
      all.push_back(std::move(row));
    }
  }
  return all;
}

// A copy of resources/ that a test may spoil.
std::string CopyResources(const FixtureDir& dir) {
  const std::string copy = dir.File("resources");
  fs::copy(kResources, copy, fs::copy_options::recursive);
  return copy;
}

TEST(Datagen, TwoRunsGiveTheRowsOfTheBuiltFiles) {
  FixtureDir dir;
  const std::string err = dir.File("err.txt");
  for (const char* run : {"a", "b"}) {
    ASSERT_EQ(Datagen("tgcode --resources " + Quoted(kResources) + " --out " + Quoted(dir.File(std::string(run) + ".tg")), err), 0)
        << Read(err);
    ASSERT_EQ(Datagen("kelfile --resources " + Quoted(kResources) + " --out " + Quoted(dir.File(std::string(run) + ".kel")), err), 0)
        << Read(err);
  }
  const Rows second = Dump(dir.File("a.tg"), data::schema::kSecondTables);
  EXPECT_EQ(Dump(dir.File("b.tg"), data::schema::kSecondTables), second);
  EXPECT_EQ(Dump(BuiltFile("Tgcode.dll"), data::schema::kSecondTables), second);
  const Rows main = Dump(dir.File("a.kel"), data::schema::kMainTables);
  EXPECT_EQ(Dump(dir.File("b.kel"), data::schema::kMainTables), main);
  // The build may add the almanac days; everything else is the same.
  EXPECT_EQ(Dump(BuiltFile("KelFile.dll"), data::schema::kMainTables, "huangdao"),
            Dump(dir.File("a.kel"), data::schema::kMainTables, "huangdao"));
  EXPECT_EQ(AllRows(dir.File("a.kel"), "select count(*) from huangdao")[0][0], "0");
  // Nothing but the two outputs and the message file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
}

TEST(Datagen, LoadsTheAlmanacDaysWhenGiven) {
  FixtureDir dir;
  const std::string err = dir.File("err.txt");
  const std::string header = "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\n";
  dir.WriteFile("days.tsv", "# two days\n" + header +
                                "2013-09-21\t癸巳年八月十七\t岁次\t天神\t木\t冲\t彭祖\t吉神\t祭祀\t凶煞\t动土\n"
                                "2013-09-22\t癸巳年八月十八\t岁次\t天神\t木\t冲\t彭祖\t吉神\t出行\t凶煞\t嫁娶\n");
  const std::string out = dir.File("KelFile.dll");
  ASSERT_EQ(Datagen("kelfile --resources " + Quoted(kResources) + " --out " + Quoted(out) + " --huangdao " +
                        Quoted(dir.File("days.tsv")),
                    err),
            0)
      << Read(err);
  const Rows rows = AllRows(out, "select gn, yi, ji from huangdao where gn = '2013-09-22'");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"2013-09-22", "出行", "嫁娶"}));

  // A day not written yyyy-mm-dd would never be found: the run fails and
  // the file built before stays as it was.
  const std::string before = Read(out);
  dir.WriteFile("days.tsv", header + "2013-9-23\t\t\t\t\t\t\t\t\t\t\n");
  EXPECT_EQ(Datagen("kelfile --resources " + Quoted(kResources) + " --out " + Quoted(out) + " --huangdao " +
                        Quoted(dir.File("days.tsv")),
                    err),
            1);
  EXPECT_NE(Read(err).find("2013-9-23"), std::string::npos) << Read(err);
  EXPECT_EQ(Read(out), before);
  EXPECT_FALSE(fs::exists(out + ".part"));
}

TEST(Datagen, AFailedRunLeavesThePreviousFileAndNoPartialOne) {
  FixtureDir dir;
  const std::string err = dir.File("err.txt");
  const std::string resources = CopyResources(dir);
  const std::string out = dir.File("Tgcode.dll");
  ASSERT_EQ(Datagen("tgcode --resources " + Quoted(resources) + " --out " + Quoted(out), err), 0) << Read(err);
  const std::string before = Read(out);

  struct Spoiled {
    const char* file;
    const char* mode;
    const char* extra;  // appended to the file
    const char* message;
  };
  const Spoiled cases[] = {
      {"tgcode/jiazi.tsv", "tgcode", "甲子\t海中金\n", "appears twice"},
      {"tgcode/mgwx.tsv", "tgcode", "木\t木\t3\t又一行\n", "UNIQUE"},  // a key twice
      {"kelfile/chenggu_hour.tsv", "kelfile", "子时\t1.6\n", "not expected"},
      {"kelfile/chenggu_day.tsv", "kelfile", "31\t1.0\n", "not expected"},
      {"kelfile/shouji.tsv", "kelfile", "80\t标题\n", "fields"},
  };
  for (const Spoiled& c : cases) {
    const std::string file = resources + "/" + c.file;
    const std::string original = Read(file);
    dir.WriteFile("resources/" + std::string(c.file), original + c.extra);
    const std::string target = std::string(c.mode) == "tgcode" ? out : dir.File("KelFile.dll");
    EXPECT_EQ(Datagen(std::string(c.mode) + " --resources " + Quoted(resources) + " --out " + Quoted(target), err), 1)
        << c.file;
    EXPECT_NE(Read(err).find(c.message), std::string::npos) << c.file << ": " << Read(err);
    EXPECT_FALSE(fs::exists(target + ".part")) << c.file;
    dir.WriteFile("resources/" + std::string(c.file), original);
  }
  EXPECT_EQ(Read(out), before);
  EXPECT_FALSE(fs::exists(dir.File("KelFile.dll")));

  // A weight that is not 两 and one decimal.
  const std::string month = Read(resources + "/kelfile/chenggu_month.tsv");
  ASSERT_NE(month.find("\n2\t0.7\n"), std::string::npos);
  dir.WriteFile("resources/kelfile/chenggu_month.tsv", month.substr(0, month.find("\n2\t0.7\n")) + "\n2\t7\n" +
                                                            month.substr(month.find("\n2\t0.7\n") + 7));
  EXPECT_EQ(Datagen("kelfile --resources " + Quoted(resources) + " --out " + Quoted(dir.File("KelFile.dll")), err), 1);
  EXPECT_NE(Read(err).find("'7' is not a bone weight"), std::string::npos) << Read(err);
}

TEST(Datagen, CallsWhoseWordsAreOffAreUsageErrors) {
  FixtureDir dir;
  const std::string err = dir.File("err.txt");
  EXPECT_EQ(Datagen("", err), 2);
  EXPECT_EQ(Datagen("other --resources x --out y", err), 2);
  EXPECT_EQ(Datagen("tgcode --out " + Quoted(dir.File("t.dll")), err), 2);
  EXPECT_EQ(Datagen("tgcode --resources " + Quoted(kResources) + " --out", err), 2);
  EXPECT_EQ(Datagen("tgcode --huangdao x --resources " + Quoted(kResources) + " --out " + Quoted(dir.File("t.dll")), err),
            2);
  EXPECT_NE(Read(err).find("Usage:"), std::string::npos);
  EXPECT_EQ(Datagen("tgcode --resources " + Quoted(dir.File("none")) + " --out " + Quoted(dir.File("t.dll")), err), 1);
  EXPECT_FALSE(fs::exists(dir.File("t.dll")));
  EXPECT_FALSE(fs::exists(dir.File("t.dll.part")));
}

}  // namespace
}  // namespace vantrel::tools
