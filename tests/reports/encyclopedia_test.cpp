#include "reports/encyclopedia.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/pane.h"
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

using Kind = EncyclopediaTopic::Kind;

TEST(ReadTopic, TheTrimmedContentLineByLine) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kNoter);
  EncyclopediaTopic topic = ReadTopic("  hh06 ");
  EXPECT_EQ(topic.kind, Kind::Text);
  EXPECT_TRUE(topic.hasRow);
  EXPECT_EQ(topic.lines, (std::vector<std::string>{"子午相冲", "丑未相冲", "", "寅申相冲"}));
  // What the page's pane shows of it.
  TextPane pane;
  pane.Add(TopicPaneText(topic));
  EXPECT_EQ(pane.Text(), "子午相冲\n丑未相冲\n\n寅申相冲\n");
  EXPECT_EQ(ReadTopic("hh07").lines, std::vector<std::string>{"子未相害"});
}

TEST(ReadTopic, AnEmptyCodeIsNothingToDoAndAMissingRowHasNoLines) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", kNoter);
  EXPECT_EQ(ReadTopic(" \t").kind, Kind::Nothing);
  EXPECT_EQ(ReadTopic("").kind, Kind::Nothing);
  const EncyclopediaTopic missing = ReadTopic("hh99");
  EXPECT_EQ(missing.kind, Kind::Text);
  EXPECT_FALSE(missing.hasRow);
  EXPECT_TRUE(missing.lines.empty());
  // The code is a value, never part of the statement.
  EXPECT_EQ(ReadTopic("hh06' or '1'='1"), missing);
}

TEST(ReadTopic, AnUnreadableDatabaseCancels) {
  FixtureDir dir;
  EncyclopediaTopic topic = ReadTopic("hh01");  // no file at all
  EXPECT_EQ(topic.kind, Kind::Cancelled);
  EXPECT_NE(topic.reason, "");
  EXPECT_TRUE(topic.lines.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("KelFile.dll")));

  dir.WriteDatabase("KelFile.dll", "create table other (x text);");
  EXPECT_EQ(ReadTopic("hh01").kind, Kind::Cancelled);  // no table Noter
}

// The shipped file holds the ten topics of the page.
TEST(ReadTopic, EveryTopicOfThePageHasAText) {
  const std::string built = vantrel::testing::BuiltDataDir();
  if (!std::filesystem::exists(built + "/KelFile.dll")) GTEST_SKIP() << "KelFile.dll is not built";
  SetProgramDirForTesting(built);
  for (int n = 1; n <= 10; ++n) {
    const std::string code = (n < 10 ? "hh0" : "hh") + std::to_string(n);
    const EncyclopediaTopic topic = ReadTopic(code);
    EXPECT_TRUE(topic.hasRow) << code;
    EXPECT_FALSE(topic.lines.empty()) << code;
  }
  SetProgramDirForTesting("");
}

}  // namespace
}  // namespace vantrel
