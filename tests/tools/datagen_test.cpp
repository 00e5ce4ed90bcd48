// vantrel-datagen run as the build runs it, on copies of resources/.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "data/schema.h"
#include "tests/support/database_rows.h"
#include "tests/support/fixture.h"
#include "tools/resource_format.h"

namespace vantrel::tools {
namespace {

using vantrel::testing::AllRows;
using vantrel::testing::BuiltFile;
using vantrel::testing::FixtureDir;
using vantrel::testing::Rows;
namespace fs = std::filesystem;

const std::string kResources = VANTREL_SOURCE_DIR "/resources";

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// Runs the generator in a temporary folder; its messages are kept in Err().
class Generator {
 public:
  // "vantrel-datagen ARGS", giving the exit code.
  int Run(const std::string& args) const {
    const std::string command =
        Quoted(VANTREL_BIN_DIR "/vantrel-datagen") + " " + args + " 2>" + Quoted(err_);
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // "vantrel-datagen MODE --resources RESOURCES --out OUT [EXTRA]".
  int Build(const std::string& mode, const std::string& resources, const std::string& out,
            const std::string& extra = "") const {
    return Run(mode + " --resources " + Quoted(resources) + " --out " + Quoted(out) + " " + extra);
  }
  std::string Err() const { return ReadWholeFile(err_); }
  const FixtureDir& dir() const { return dir_; }

 private:
  FixtureDir dir_;
  std::string err_ = dir_.File("err.txt");
};

// Every row of every table, table by table in the order they were inserted.
Rows Dump(const std::string& file, std::span<const data::schema::Table> tables,
          const std::string& skip = "") {
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

TEST(Datagen, TwoRunsGiveTheRowsOfTheBuiltFiles) {
  Generator g;
  for (const std::string run : {"a", "b"}) {
    ASSERT_EQ(g.Build("tgcode", kResources, g.dir().File(run + ".tg")), 0) << g.Err();
    ASSERT_EQ(g.Build("kelfile", kResources, g.dir().File(run + ".kel")), 0) << g.Err();
  }
  const auto& second = data::schema::kSecondTables;
  EXPECT_EQ(Dump(g.dir().File("b.tg"), second), Dump(g.dir().File("a.tg"), second));
  EXPECT_EQ(Dump(BuiltFile("Tgcode.dll"), second), Dump(g.dir().File("a.tg"), second));
  const auto& main = data::schema::kMainTables;
  EXPECT_EQ(Dump(g.dir().File("b.kel"), main), Dump(g.dir().File("a.kel"), main));
  // The build may add the almanac days; everything else is the same.
  EXPECT_EQ(Dump(BuiltFile("KelFile.dll"), main, "huangdao"), Dump(g.dir().File("a.kel"), main, "huangdao"));
  EXPECT_EQ(AllRows(g.dir().File("a.kel"), "select count(*) from huangdao")[0][0], "0");
  // Nothing but the four outputs and the message file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(g.dir().path()), fs::directory_iterator()), 5);
}

TEST(Datagen, LoadsTheAlmanacDaysWhenGiven) {
  Generator g;
  const std::string header = "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\n";
  g.dir().WriteFile("days.tsv",
                    "# two days\n" + header +
                        "2013-09-21\t癸巳年八月十七\t岁次\t天神\t木\t冲\t彭祖\t吉神\t祭祀\t凶煞\t动土\n"
                        "2013-09-22\t癸巳年八月十八\t岁次\t天神\t木\t冲\t彭祖\t吉神\t出行\t凶煞\t嫁娶\n");
  const std::string out = g.dir().File("KelFile.dll");
  const std::string days = "--huangdao " + Quoted(g.dir().File("days.tsv"));
  ASSERT_EQ(g.Build("kelfile", kResources, out, days), 0) << g.Err();
  const Rows rows = AllRows(out, "select gn, yi, ji from huangdao where gn = '2013-09-22'");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"2013-09-22", "出行", "嫁娶"}));

  // A day not written yyyy-mm-dd would never be found: the run fails and
  // the file built before stays as it was.
  const std::string before = ReadWholeFile(out);
  g.dir().WriteFile("days.tsv", header + "2013-9-23\t\t\t\t\t\t\t\t\t\t\n");
  EXPECT_EQ(g.Build("kelfile", kResources, out, days), 1);
  EXPECT_NE(g.Err().find("'2013-9-23' is not a date"), std::string::npos) << g.Err();
  EXPECT_EQ(ReadWholeFile(out), before);
  EXPECT_FALSE(fs::exists(out + ".part"));
}

TEST(Datagen, AFailedRunLeavesThePreviousFileAndNoPartialOne) {
  Generator g;
  const std::string resources = g.dir().File("resources");
  fs::copy(kResources, resources, fs::copy_options::recursive);
  const std::string tgcode = g.dir().File("Tgcode.dll");
  const std::string kelfile = g.dir().File("KelFile.dll");
  ASSERT_EQ(g.Build("tgcode", resources, tgcode), 0) << g.Err();
  const std::string before = ReadWholeFile(tgcode);

  const struct {
    const char* mode;
    const char* file;
    const char* from;  // a piece of the file, replaced for the run
    const char* to;
    const char* message;
  } spoiled[] = {
      {"tgcode", "tgcode/jiazi.tsv", "乙丑\t海中金\n", "甲子\t海中金\n", "'甲子' appears twice"},
      {"tgcode", "tgcode/jiazi.tsv", "乙丑\t海中金\n", "乙丑\t炉中火\n", "not the nayin of 乙丑"},
      {"tgcode", "tgcode/mgwx.tsv", "\n木\t火\t", "\n木\t木\t", "UNIQUE"},
      {"kelfile", "kelfile/chenggu_hour.tsv", "\n子\t", "\n子时\t", "no record for branch '子'"},
      {"kelfile", "kelfile/chenggu_day.tsv", "\n30\t", "\n31\t", "no record for day '30'"},
      {"kelfile", "kelfile/chenggu_month.tsv", "\n2\t0.7\n", "\n2\t7\n", "'7' is not a bone weight"},
      {"kelfile", "kelfile/chenggu_year.tsv", "\t1.2\n", "\t2.5\n", "'2.5' is not a bone weight"},
      {"kelfile", "kelfile/shouji.tsv", "\n1\t", "\n1\t\t", "fields"},
  };
  for (const auto& s : spoiled) {
    const std::string name = std::string("resources/") + s.file;
    const std::string original = ReadWholeFile(g.dir().File(name));
    const std::size_t at = original.find(s.from);
    ASSERT_NE(at, std::string::npos) << s.file;
    g.dir().WriteFile(name, original.substr(0, at) + s.to + original.substr(at + std::string(s.from).size()));
    const std::string& out = std::string(s.mode) == "tgcode" ? tgcode : kelfile;
    EXPECT_EQ(g.Build(s.mode, resources, out), 1) << s.file;
    EXPECT_NE(g.Err().find(s.message), std::string::npos) << s.file << ": " << g.Err();
    EXPECT_FALSE(fs::exists(out + ".part")) << s.file;
    g.dir().WriteFile(name, original);
  }
  EXPECT_EQ(ReadWholeFile(tgcode), before);
  EXPECT_FALSE(fs::exists(kelfile));
  EXPECT_EQ(g.Build("kelfile", resources, kelfile), 0) << g.Err();  // every file restored
}

TEST(Datagen, CallsWhoseWordsAreOffAreUsageErrors) {
  Generator g;
  const std::string out = g.dir().File("t.dll");
  EXPECT_EQ(g.Run(""), 2);
  EXPECT_EQ(g.Run("other --resources x --out y"), 2);
  EXPECT_EQ(g.Run("tgcode --out " + Quoted(out)), 2);
  EXPECT_EQ(g.Run("tgcode --resources " + Quoted(kResources) + " --out"), 2);
  EXPECT_EQ(g.Build("tgcode", kResources, out, "--huangdao x"), 2);  // only kelfile takes it
  EXPECT_NE(g.Err().find("Usage:"), std::string::npos);
  EXPECT_EQ(g.Build("tgcode", g.dir().File("none"), out), 1);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_FALSE(fs::exists(out + ".part"));
}

}  // namespace
}  // namespace vantrel::tools
