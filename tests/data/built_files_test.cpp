// The two built database files against the schema, and the promise that
// reading them never changes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "calendar/ganzhi.h"
#include "data/lookups.h"
#include "data/schema.h"
#include "data/store.h"
#include "tests/support/database_rows.h"
#include "tests/support/fixture.h"
#include "tools/resource_format.h"

namespace vantrel::data {
namespace {

using vantrel::testing::AllRows;
using vantrel::testing::BuiltDataDir;
using vantrel::testing::BuiltFile;
using vantrel::testing::FixtureDir;
using vantrel::testing::Rows;

const char* const kObjects = "select type, name, tbl_name, sql from sqlite_master order by type, name";

// The tables and indexes that the schema's statements make in an empty file.
Rows SchemaObjects(Database db) {
  FixtureDir dir;
  std::string script;
  for (const schema::Table& t : schema::TablesOf(db)) {
    script += std::string(t.create) + ";";
    if (t.index) script += std::string(t.index) + ";";
  }
  dir.WriteDatabase("schema.db", script);
  return AllRows(dir.File("schema.db"), kObjects);
}

TEST(BuiltFiles, HoldExactlyTheTablesAndIndexesOfTheSchema) {
  for (const Database db : {Database::Main, Database::Second}) {
    const Rows built = AllRows(BuiltFile(DatabaseFileName(db)), kObjects);
    EXPECT_EQ(built, SchemaObjects(db)) << DatabaseFileName(db);
    EXPECT_EQ(built.size(), 2 * schema::TablesOf(db).size() - (db == Database::Second ? 1 : 0));
  }
}

TEST(BuiltFiles, KeyLookupsUseTheirIndex) {
  const struct {
    Database db;
    const char* sql;
  } lookups[] = {
      {Database::Main, "select weight from chenggu1 where year = '1980'"},
      {Database::Main, "select MM, content, content2 from chenggu where weight = '43'"},
      {Database::Main, "select title, jx, content from shouji where num = '23'"},
      {Database::Main, "select content from ndeq where title = '金牛座 '"},
      {Database::Main, "select Tite, content from Noter where Cid = 'hh06'"},
      {Database::Main, "select * from huangdao where gn = '2013-09-21'"},
      {Database::Second, "select ShiShen from Shishen where jiazi = '甲丙' limit 1"},
      {Database::Second, "select * from mg where Year = 1980 limit 1"},
      {Database::Second, "select * from mghp where nan = '一' and nv = '九'"},
      {Database::Second,
       "select SJ from JQ where YearA = 2013 and JQ in ('立春', '惊蛰') and substr(SJ, 1, 10) = '2013-02-04' "
       "limit 1"},
  };
  for (const auto& l : lookups) {
    std::string plan;
    for (const auto& row :
         AllRows(BuiltFile(DatabaseFileName(l.db)), std::string("explain query plan ") + l.sql)) {
      plan += row.back() + "\n";
    }
    EXPECT_NE(plan.find("USING INDEX"), std::string::npos) << l.sql << "\n" << plan;
  }
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    names.push_back(entry.path().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(BuiltFiles, LookupsLeaveTheFilesAndTheirFolderAsTheyWere) {
  const std::string main = tools::ReadWholeFile(BuiltFile("KelFile.dll"));
  const std::string second = tools::ReadWholeFile(BuiltFile("Tgcode.dll"));
  const std::vector<std::string> before = Listing(BuiltDataDir());
  ASSERT_FALSE(main.empty());
  ASSERT_FALSE(second.empty());
  for (int i = 0; i < 60; ++i) {
    const Pillar p = Pillar::FromIndex(i);
    EXPECT_FALSE(NayinOf(p.Text()).empty());
    EXPECT_FALSE(TenGodOf(p.StemText() + std::string(StemNames[(i * 7) % 10])).empty());
    EXPECT_FALSE(CharacterElement(p.BranchText()).empty());
  }
  EXPECT_FALSE(TopicText("金牛座 ", ConstellationTopic::LoveAndStrength).empty());
  EXPECT_EQ(tools::ReadWholeFile(BuiltFile("KelFile.dll")), main);
  EXPECT_EQ(tools::ReadWholeFile(BuiltFile("Tgcode.dll")), second);
  EXPECT_EQ(Listing(BuiltDataDir()), before);
}

}  // namespace
}  // namespace vantrel::data
