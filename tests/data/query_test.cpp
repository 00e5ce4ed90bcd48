#include "data/query.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "data/lookups.h"
#include "tests/support/fixture.h"

namespace vantrel::data {
namespace {

using vantrel::testing::FixtureDir;

constexpr const char* kSecond =
    "create table hzwh (hz text, wh text);"
    "insert into hzwh values ('甲乙寅卯', ' 木 ');"
    "insert into hzwh values ('寅', '火');"
    "create table Shishen (jiazi text, ShiShen text);"
    "insert into Shishen values ('甲丙', '食神');"
    "create table jiazi (jiazi text, layin text);"
    "insert into jiazi values ('甲子', '海中金');";

TEST(Query, ReadsTheFirstRowByPositionAndName) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll",
                    "create table t (a text, weight real, SJ datetime, n integer);"
                    "insert into t values ('  x\r\n', 1.2, '2000-02-04 20:40:00', 7);"
                    "insert into t values ('y', 2.5, null, 8);");
  Query q(Database::Main);
  q.SetSql("select * from t");
  q.Open();
  EXPECT_EQ(q.RecordCount(), 2);
  EXPECT_EQ(q.Text(0), "x");
  EXPECT_EQ(q.Text("A"), "x");  // names compare without regard to case
  EXPECT_DOUBLE_EQ(q.Number("weight"), 1.2);
  EXPECT_EQ(q.Text("weight"), "1.2");
  EXPECT_EQ(FormatDateTime(q.DateTimeValue("SJ")), "2000-02-04 20:40:00");
  EXPECT_EQ(q.Number(3), 7);
  EXPECT_THROW(q.Text("missing"), DatabaseError);
  EXPECT_THROW(q.Text(9), DatabaseError);
}

TEST(Query, AnEmptyResultReadsAsEmptyTextAndZero) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", "create table t (a text, w real);");
  Query q(Database::Main);
  q.SetSql("select a, w from t where a = ?");
  q.AddParam("none");
  q.Open();
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_EQ(q.Text(0), "");
  EXPECT_EQ(q.Number("w"), 0);
}

TEST(Query, BoundValuesAreNeverPartOfTheStatement) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll",
                    "create table t (title text, content text);"
                    "insert into t values ('it''s', 'one quote');"
                    "insert into t values ('other', 'secret');");
  Query q(Database::Main);
  q.SetSql("select content from t where title = ?");
  q.AddParam("it's");
  q.Open();
  EXPECT_EQ(q.Text(0), "one quote");
  q.SetSql("select content from t where title = ?");
  q.AddParam("x' or '1'='1");
  q.Open();
  EXPECT_TRUE(q.IsEmpty());
}

TEST(Query, EveryFailureShowsWhenItOpens) {
  FixtureDir dir;
  Query q(Database::Main);
  q.SetSql("select 1");
  EXPECT_THROW(q.Open(), DatabaseError);                           // the file is absent
  EXPECT_FALSE(std::filesystem::exists(dir.File("KelFile.dll")));  // and is not created
  dir.WriteFile("KelFile.dll", "this is not a database file at all, just some text......");
  q.SetSql("select * from t");
  EXPECT_THROW(q.Open(), DatabaseError);
  dir.WriteFile("KelFile.dll", "");
  EXPECT_THROW(q.Open(), DatabaseError);  // an empty file has no tables
  dir.WriteDatabase("KelFile.dll", "create table t (a text);");
  q.SetSql("select b from t");
  EXPECT_THROW(q.Open(), DatabaseError);
  q.SetSql("select a from t where a = ?");
  EXPECT_THROW(q.Open(), DatabaseError);  // a parameter is missing
}

// A tampered file whose table is a view that never ends: the query stops
// with the file's error instead of running forever.
TEST(Query, AStatementThatNeverEndsIsStoppedWithTheFilesError) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll",
                    "create view huangdao as with recursive r(n) as (select 1 union all select n + 1 from r) "
                    "select n as a from r;"
                    "create table t (a text); insert into t values ('x');");
  Query q(Database::Main);
  q.SetSql("select a from huangdao where a = 0");
  try {
    q.Open();
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot read from \"" + dir.File("KelFile.dll") +
                                         "\": the statement did not finish; the file is damaged");
  }
  // The bound is per statement: the next query on the file reads as usual.
  q.SetSql("select a from t");
  q.Open();
  EXPECT_EQ(q.RecordCount(), 1);
}

TEST(Query, LeavesNothingBesideTheFileAndNeverWritesIt) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", kSecond);
  const auto before = std::filesystem::file_size(dir.File("Tgcode.dll"));
  const auto stamp = std::filesystem::last_write_time(dir.File("Tgcode.dll"));
  Query q(Database::Second);
  q.SetSql("insert into jiazi values ('乙丑', '海中金')");
  EXPECT_THROW(q.Open(), DatabaseError);  // read-only
  q.SetSql("select * from jiazi");
  q.Open();
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
  EXPECT_EQ(std::filesystem::file_size(dir.File("Tgcode.dll")), before);
  EXPECT_EQ(std::filesystem::last_write_time(dir.File("Tgcode.dll")), stamp);
}

TEST(Lookups, SecondFileLookupsMatchAndRaiseErrors) {
  FixtureDir dir;
  dir.WriteDatabase("Tgcode.dll", kSecond);
  EXPECT_EQ(CharacterElement("寅"), "木");  // the first row that contains it
  EXPECT_EQ(CharacterElement(" 卯 "), "木");
  EXPECT_EQ(CharacterElement("庚"), "");
  EXPECT_EQ(TenGodOf("甲丙"), "食神");
  EXPECT_EQ(TenGodOf("甲甲"), "");
  EXPECT_EQ(NayinOf("甲子"), "海中金");
  EXPECT_EQ(NayinOf("乙丑"), "");  // no row is not an error: the result is empty

  // A chart with blank ten gods and nayin would pass for a real one.
  std::filesystem::remove(dir.File("Tgcode.dll"));
  EXPECT_THROW(NayinOf("甲子"), DatabaseError);
  EXPECT_THROW(TenGodOf("甲丙"), DatabaseError);
  EXPECT_THROW(CharacterElement("甲"), DatabaseError);
}

TEST(Query, DateTimesOutOfRangeAreRefusedWhereTheyAreRead) {
  FixtureDir dir;
  dir.WriteDatabase(
      "KelFile.dll",
      "create table t (SJ datetime);"
      "insert into t values (1e300), (-1e300), (9e999), (2958466), (-693594), (41538.5), (-693593);");
  Query q(Database::Main);
  for (const char* bad : {"1e300", "-1e300", "9e999", "2958466", "-693594"}) {
    q.SetSql(std::string("select SJ from t where SJ = ") + bad);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << bad;
    try {
      q.DateTimeValue(0);
      ADD_FAILURE() << bad << " was read as a date-time";
    } catch (const DatabaseError& e) {
      EXPECT_NE(std::string(e.what()).find("KelFile.dll"), std::string::npos) << e.what();
    }
  }
  q.SetSql("select SJ from t where SJ = 41538.5");
  q.Open();
  EXPECT_EQ(FormatDateTime(q.DateTimeValue(0)), "2013-09-21 12:00:00");
  q.SetSql("select SJ from t where SJ = -693593");
  q.Open();
  EXPECT_EQ(FormatDate(q.DateTimeValue(0)), "0001-01-01");
}

TEST(Query, AMissingColumnNamesTheFile) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", "create table t (a text);");
  Query q(Database::Main);
  q.SetSql("select a from t");
  q.Open();
  try {
    q.Text("b");
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_EQ(std::string(e.what()), "Field 'b' not found in \"" + dir.path() + "/KelFile.dll\"");
  }
}

TEST(Lookups, TopicTextStripsTagsAndCancelsSilentlyOnErrors) {
  FixtureDir dir;
  dir.WriteDatabase("KelFile.dll",
                    "create table ndeq (title text, content text);"
                    "create table aiqing (title text, content text);"
                    "insert into ndeq values ('金牛座 ', '<p>甲</p><p>乙</p>');"
                    "insert into ndeq values ('白羊座', '<P>丙</P>');"
                    "insert into aiqing values ('it''s', ' 一 ');");
  EXPECT_EQ(TopicText("金牛座 ", ConstellationTopic::EmotionalIntelligence), "甲乙");
  EXPECT_EQ(TopicText("金牛座", ConstellationTopic::EmotionalIntelligence),
            "");  // the trailing blank is part of the title
  EXPECT_EQ(TopicText("白羊座", ConstellationTopic::EmotionalIntelligence), "<P>丙</P>");
  EXPECT_EQ(TopicText("it's", ConstellationTopic::LoveAndStrength), "一");
  try {
    TopicText("白羊座", ConstellationTopic::FamousPeople);  // no mingren table
    FAIL() << "no cancellation";
  } catch (const SilentCancel& e) {
    // Quiet in the window; the command line says which file and why.
    EXPECT_NE(e.reason().find("KelFile.dll"), std::string::npos) << e.reason();
    EXPECT_NE(e.reason().find("no such table: mingren"), std::string::npos) << e.reason();
  }
  EXPECT_EQ(StripParagraphTags("<p>a\nb</p>"), "a\nb");
}

}  // namespace
}  // namespace vantrel::data

namespace vantrel::data {
namespace {

std::string FirstTitle() {
  Query q(Database::Main);
  q.SetSql("select title from t limit 1");
  q.Open();
  return q.Text(0);
}

// Connections are kept open between queries, but every query sees the file
// as it is now: replaced, changed in place, spoiled or removed.
TEST(Query, EveryQuerySeesTheFileAsItIsNow) {
  testing::FixtureDir dir;
  dir.WriteDatabase("KelFile.dll", "create table t (title text); insert into t values ('first');");
  EXPECT_EQ(FirstTitle(), "first");
  dir.WriteDatabase("KelFile.dll", "create table t (title text); insert into t values ('second');");
  EXPECT_EQ(FirstTitle(), "second");
  dir.Execute("KelFile.dll", "update t set title = 'third';");
  EXPECT_EQ(FirstTitle(), "third");
  dir.WriteFile("KelFile.dll", std::string(4096, 'x'));
  EXPECT_THROW(FirstTitle(), DatabaseError);
  std::filesystem::remove(dir.File("KelFile.dll"));
  EXPECT_THROW(FirstTitle(), DatabaseError);
  dir.WriteDatabase("KelFile.dll", "create table t (title text); insert into t values ('back');");
  EXPECT_EQ(FirstTitle(), "back");
}

}  // namespace
}  // namespace vantrel::data
