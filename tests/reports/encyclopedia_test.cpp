#include "reports/encyclopedia.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/errors.h"
#include "common/paths.h"
#include "data/query.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

using vantrel::testing::FixtureDir;

constexpr const char* kNoter =
    "create table Noter (Cid text, Tite text, content text);"
    "insert into Noter values ('hh06', '六冲', '\n  子午相冲\r\n丑未相冲\n\n寅申相冲  \n');"
    "insert into Noter values ('hh07', '六害', '子未相害');";

// A pane that remembers how often its first line was taken out and put back,
// which is what brings a window's pane back to the top.
class WatchedPane : public TextPane {
 public:
  void InsertLine(int index, std::string_view text) override {
    if (index == 0) ++inserted_at_top;
    TextPane::InsertLine(index, text);
  }
  int inserted_at_top = 0;
};

TEST(ShowTopic, ShowsTheTrimmedContentLineByLineFromTheTop) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kNoter);
  WatchedPane pane;
  pane.Add("    婚姻和睦是家庭幸福的基础");
  ShowTopic("  hh06 ", pane);
  EXPECT_EQ(pane.Text(), "子午相冲\n丑未相冲\n\n寅申相冲\n");
  ShowTopic("hh07", pane);
  EXPECT_EQ(pane.Text(), "子未相害\n");
}

TEST(ShowTopic, AnEmptyCodeDoesNothingAndAMissingRowLeavesThePaneEmpty) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kNoter);
  TextPane pane;
  pane.Add("introduction");
  ShowTopic(" \t", pane);
  EXPECT_EQ(pane.Text(), "introduction\n");
  ShowTopic("hh99", pane);
  EXPECT_EQ(pane.LineCount(), 0);
  // The code is a value, never part of the statement.
  ShowTopic("hh06' or '1'='1", pane);
  EXPECT_EQ(pane.LineCount(), 0);
}

TEST(ShowTopic, AnUnreadableDatabaseCancelsSilentlyWithThePaneCleared) {
  FixtureDir dir;
  TextPane pane;
  pane.Add("introduction");
  EXPECT_THROW(ShowTopic("hh01", pane), SilentCancel);  // no file at all
  EXPECT_EQ(pane.LineCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("KelFile.dll")));

  dir.WriteDatabase("KelFile.dll", "create table other (x text);");
  pane.Add("introduction");
  EXPECT_THROW(ShowTopic("hh01", pane), SilentCancel);  // no table Noter
  EXPECT_EQ(pane.LineCount(), 0);
}

// The shipped file holds the ten topics of the page.
TEST(ShowTopic, EveryTopicOfThePageHasAText) {
  const std::string built = vantrel::testing::BuiltDataDir();
  if (!std::filesystem::exists(built + "/KelFile.dll")) GTEST_SKIP() << "KelFile.dll is not built";
  SetProgramDirForTesting(built);
  for (int n = 1; n <= 10; ++n) {
    const std::string code = (n < 10 ? "hh0" : "hh") + std::to_string(n);
    TextPane pane;
    ShowTopic(code, pane);
    EXPECT_GT(pane.LineCount(), 0) << code;
  }
  SetProgramDirForTesting("");
}

}  // namespace
}  // namespace vantrel
