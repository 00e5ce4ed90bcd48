// The main database file as the build makes it: every key a statement can
// send has its row, and the texts keep to their lengths.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "calendar/ganzhi.h"
#include "common/text.h"
#include "data/lookups.h"
#include "data/query.h"
#include "tests/support/database_rows.h"

namespace vantrel::data {
namespace {

using vantrel::testing::AllRows;
using vantrel::testing::BuiltFile;
using vantrel::testing::FirstColumn;

const std::string kKelFile = BuiltFile("KelFile.dll");

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> keys;
  for (int n = first; n <= last; ++n) keys.push_back(std::to_string(n));
  return keys;
}

// The key column of each weight table.
const std::map<std::string, std::string> kWeightKey = {
    {"chenggu1", "year"}, {"chenggu2", "month2"}, {"chenggu3", "day2"}, {"chenggu4", "time"}};

// The weight of one key of a weight table, by the statement the bone-weight rule sends.
double Weight(const std::string& table, const std::string& key) {
  Query q(Database::Main);
  q.SetSql("select weight from " + table + " where " + kWeightKey.at(table) + " = ?");
  q.AddParam(key);
  q.Open();
  EXPECT_EQ(q.RecordCount(), 1) << table << " " << key;
  return q.Number(0);
}

// The code of a total weight: its shortest decimal text of at most 15
// significant digits, the first and the third character, or the one digit
// and "0".
std::string WeightCode(double total) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", total);
  const std::string t = buf;
  if (t.size() == 1) return t + "0";
  return {t[0], t.size() > 2 ? t[2] : '?'};
}

// All texts of one column differ, and each has a length within the bounds
// (in characters, paragraph tags not counted).
void ExpectTexts(const std::string& table, const std::string& column, std::size_t min, std::size_t max) {
  const std::vector<std::string> texts = FirstColumn(kKelFile, "select " + column + " from " + table);
  ASSERT_FALSE(texts.empty()) << table;
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size()) << table << "." << column;
  for (const std::string& t : texts) {
    const std::size_t length = text::CharCount(text::Trim(StripParagraphTags(t)));
    EXPECT_GE(length, min) << table << ": " << t;
    EXPECT_LE(length, max) << table << ": " << t;
  }
}

TEST(BuiltKelFile, WeightTablesHoldEveryKeyExactlyAsItIsSent) {
  const std::pair<std::string, std::vector<std::string>> all[] = {{"chenggu1", Numbers(1864, 2100)},
                                                                  {"chenggu2", Numbers(1, 12)},
                                                                  {"chenggu3", Numbers(1, 30)},
                                                                  {"chenggu4", Numbers(0, 23)}};
  for (const auto& [table, keys] : all) {
    EXPECT_EQ(FirstColumn(kKelFile, "select " + kWeightKey.at(table) + " from " + table + " order by rowid"),
              keys)
        << table;
    // Weights are numbers of 两 with one decimal for 钱.
    for (const auto& row : AllRows(kKelFile, "select typeof(weight), weight from " + table)) {
      EXPECT_EQ(row[0], "real") << table;
      EXPECT_TRUE(row[1].size() == 3 && row[1][1] == '.') << table << " " << row[1];
    }
  }
}

TEST(BuiltKelFile, WeightsFollowTheTraditionalFigures) {
  const struct {
    const char* table;
    const char* key;
    double weight;
  } known[] = {
      // Years by their pillar: 1864 and 1984 甲子, 1980 庚申, 2000 庚辰, 1978 戊午, 2013 癸巳.
      {"chenggu1", "1864", 1.2},
      {"chenggu1", "1984", 1.2},
      {"chenggu1", "1980", 0.8},
      {"chenggu1", "2000", 1.2},
      {"chenggu1", "1978", 1.9},
      {"chenggu1", "2013", 0.7},
      {"chenggu2", "3", 1.8},
      {"chenggu2", "12", 0.5},
      {"chenggu3", "1", 0.5},
      {"chenggu3", "18", 1.8},
      {"chenggu3", "30", 0.6},
      // Hours by their double hour: 23 and 0 子, 1 丑, 10 巳, 12 午.
      {"chenggu4", "23", 1.6},
      {"chenggu4", "0", 1.6},
      {"chenggu4", "1", 0.6},
      {"chenggu4", "10", 1.6},
      {"chenggu4", "12", 1.0},
  };
  for (const auto& k : known) EXPECT_DOUBLE_EQ(Weight(k.table, k.key), k.weight) << k.table << " " << k.key;
  // A year weighs as its pillar, so the weights repeat every sixty years;
  // the two clock hours of a double hour weigh the same.
  for (int year = 1864; year + 60 <= 2100; ++year) {
    EXPECT_EQ(Weight("chenggu1", std::to_string(year)), Weight("chenggu1", std::to_string(year + 60)))
        << year;
  }
  for (int hour = 1; hour < 23; hour += 2) {
    EXPECT_EQ(Weight("chenggu4", std::to_string(hour)), Weight("chenggu4", std::to_string(hour + 1))) << hour;
  }
  // Keys the statements never send have no row.
  const std::pair<std::string, std::string> unsent[] = {
      {"chenggu1", "1863"}, {"chenggu2", "01"}, {"chenggu3", "31"}, {"chenggu4", "24"}};
  for (const auto& [table, key] : unsent) {
    const std::string sql =
        "select weight from " + table + " where " + kWeightKey.at(table) + " = '" + key + "'";
    EXPECT_TRUE(AllRows(kKelFile, sql).empty()) << sql;
  }
}

TEST(BuiltKelFile, EveryReachableWeightCodeHasItsVerse) {
  std::set<double> sums = {0};
  for (const char* table : {"chenggu1", "chenggu2", "chenggu3", "chenggu4"}) {
    std::set<double> next;
    for (const std::string& w : FirstColumn(kKelFile, std::string("select distinct weight from ") + table)) {
      for (double s : sums) next.insert(s + std::stod(w));
    }
    sums = next;
  }
  std::set<std::string> codes;
  for (double s : sums) codes.insert(WeightCode(s));
  EXPECT_TRUE(codes.count("21"));  // the lightest, 0.5 + 0.5 + 0.5 + 0.6
  EXPECT_TRUE(codes.count("71"));  // the heaviest, 1.9 + 1.8 + 1.8 + 1.6
  for (const std::string& code : codes) {
    ASSERT_EQ(code.size(), 2u) << code;
    Query q(Database::Main);
    q.SetSql("select MM, content, content2 from chenggu where weight = ?");
    q.AddParam(code);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << code;
    for (int column = 0; column < 3; ++column) EXPECT_FALSE(q.Text(column).empty()) << code;
  }
  // 1.2 + 0.9 + 1.6 + 0.6 is not exactly 4.3 in floating point, yet its code is 43.
  EXPECT_EQ(WeightCode(Weight("chenggu1", "1984") + Weight("chenggu2", "4") + Weight("chenggu3", "5") +
                       Weight("chenggu4", "1")),
            "43");
  for (const char* column : {"MM", "content", "content2"}) ExpectTexts("chenggu", column, 4, 200);
}

TEST(BuiltKelFile, MobileNumberRowsForEveryRemainder) {
  EXPECT_EQ(FirstColumn(kKelFile, "select num from shouji order by rowid"), Numbers(1, 79));
  const std::set<std::string> words = {"吉", "凶", "吉带凶", "凶带吉"};
  for (const std::string& jx : FirstColumn(kKelFile, "select jx from shouji"))
    EXPECT_TRUE(words.count(jx)) << jx;
  ExpectTexts("shouji", "content", 60, 160);
  ExpectTexts("shouji", "title", 4, 40);
}

TEST(BuiltKelFile, ConstellationTextsForEverySign) {
  const std::set<std::string> signs = {"摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座 ", "双子座",
                                       "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座",  "射手座"};
  const char* const tables[] = {"ndeq", "aiqing", "mingren"};
  for (int topic = 0; topic < 3; ++topic) {
    const std::vector<std::string> titles =
        FirstColumn(kKelFile, std::string("select title from ") + tables[topic]);
    EXPECT_EQ(std::set<std::string>(titles.begin(), titles.end()), signs) << tables[topic];
    EXPECT_EQ(titles.size(), 12u);
    for (const std::string& sign : signs) {
      const std::string shown = TopicText(sign, static_cast<ConstellationTopic>(topic));
      EXPECT_GE(text::CharCount(shown), 150u) << tables[topic] << " " << sign;
      EXPECT_LE(text::CharCount(shown), 600u) << tables[topic] << " " << sign;
      EXPECT_EQ(shown.find_first_of("<>"), std::string::npos) << tables[topic] << " " << sign;
    }
    ExpectTexts(tables[topic], "content", 150, 600);
    EXPECT_EQ(TopicText("金牛座", static_cast<ConstellationTopic>(topic)), "");  // the key keeps its blank
  }
}

TEST(BuiltKelFile, EncyclopediaTopicsHh01ToHh10) {
  std::vector<std::string> codes;
  for (int n = 1; n <= 10; ++n) codes.push_back(n < 10 ? "hh0" + std::to_string(n) : "hh10");
  EXPECT_EQ(FirstColumn(kKelFile, "select Cid from Noter order by rowid"), codes);
  ExpectTexts("Noter", "content", 400, 1500);
}

TEST(BuiltKelFile, AlmanacDaysAreKeyedByTheirDate) {
  // The days come from the almanac generator; whatever is there is keyed yyyy-mm-dd.
  for (const std::string& gn : FirstColumn(kKelFile, "select gn from huangdao")) {
    ASSERT_EQ(gn.size(), 10u) << gn;
    EXPECT_TRUE(gn[4] == '-' && gn[7] == '-') << gn;
  }
}

}  // namespace
}  // namespace vantrel::data
