// The second database file as the build makes it: every key the program can
// send has its row, with the traditional values.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "common/datetime.h"
#include "common/text.h"
#include "data/lookups.h"
#include "data/query.h"
#include "tests/support/database_rows.h"
#include "tools/lib/solar_terms.h"

namespace vantrel::data {
namespace {

using vantrel::testing::AllRows;
using vantrel::testing::BuiltFile;
using vantrel::testing::FirstColumn;
using vantrel::testing::Rows;

const std::string kTgcode = BuiltFile("Tgcode.dll");

std::vector<std::string> Chars(std::string_view s) { return text::Characters(s); }

TEST(BuiltTgcode, EveryStemAndBranchHasItsElementInOneRowOnly) {
  const std::map<std::string, std::string> groups = {
      {"甲乙寅卯", "木"}, {"丙丁巳午", "火"}, {"戊己辰戌丑未", "土"}, {"庚辛申酉", "金"}, {"壬癸亥子", "水"}};
  int checked = 0;
  for (const auto& [characters, element] : groups) {
    for (const std::string& c : Chars(characters)) {
      EXPECT_EQ(CharacterElement(c), element) << c;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 22);
  // The lookup takes the first row that contains the character: a character
  // standing in two rows would hide the second.
  std::multiset<std::string> seen;
  for (const std::string& hz : FirstColumn(kTgcode, "select hz from hzwh")) {
    for (const std::string& c : Chars(hz)) seen.insert(c);
  }
  for (const std::string& c : seen) EXPECT_EQ(seen.count(c), 1u) << c;
}

TEST(BuiltTgcode, TheSixtyPillarsHaveTheirNayin) {
  const std::vector<std::string> names = Chars(
      "海中金炉中火大林木路旁土剑锋金山头火涧下水城头土白蜡金杨柳木泉中水屋上土霹雳火松柏木长流水"
      "沙中金山下火平地木壁上土金箔金覆灯火天河水大驿土钗钏金桑柘木大溪水沙中土天上火石榴木大海水");
  ASSERT_EQ(names.size(), 90u);
  for (int i = 0; i < 60; ++i) {
    const int pair = i / 2;
    const std::string expected = names[3 * pair] + names[3 * pair + 1] + names[3 * pair + 2];
    EXPECT_EQ(NayinOf(Pillar::FromIndex(i).Text()), expected) << Pillar::FromIndex(i).Text();
  }
  EXPECT_EQ(NayinOf("甲丑"), "");  // not a pillar
  EXPECT_EQ(FirstColumn(kTgcode, "select count(*) from jiazi")[0], "60");
}

TEST(BuiltTgcode, TenGodsOfAllHundredStemPairs) {
  // Rows: the day stem 甲..癸; columns: the other stem 甲..癸.
  // 比 比肩, 劫 劫财, 食 食神, 伤 伤官, 才 偏财, 财 正财, 杀 七杀, 官 正官, 枭 偏印, 印 正印.
  const char* const kTable[10] = {"比劫食伤才财杀官枭印", "劫比伤食财才官杀印枭", "枭印比劫食伤才财杀官",
                                  "印枭劫比伤食财才官杀", "杀官枭印比劫食伤才财", "官杀印枭劫比伤食财才",
                                  "才财杀官枭印比劫食伤", "财才官杀印枭劫比伤食", "食伤才财杀官枭印比劫",
                                  "伤食财才官杀印枭劫比"};
  const std::map<std::string, std::string> kNames = {
      {"比", "比肩"}, {"劫", "劫财"}, {"食", "食神"}, {"伤", "伤官"}, {"才", "偏财"},
      {"财", "正财"}, {"杀", "七杀"}, {"官", "正官"}, {"枭", "偏印"}, {"印", "正印"}};
  for (int day = 0; day < 10; ++day) {
    const std::vector<std::string> row = Chars(kTable[day]);
    for (int other = 0; other < 10; ++other) {
      const std::string key = std::string(StemNames[day]) + std::string(StemNames[other]);
      EXPECT_EQ(TenGodOf(key), kNames.at(row[other])) << key;
    }
  }
  EXPECT_EQ(FirstColumn(kTgcode, "select count(*) from Shishen")[0], "100");
}

// The digit sum of a number, reduced until one digit is left.
int Reduce(int n) {
  while (n > 9) n = n / 10 + n % 10;
  return n;
}

// The usual rule of thumb of the 1900s and the 2000s, on the year's last two digits.
std::pair<int, int> RuleOfThumb(int year) {
  const int r = Reduce(year % 100 / 10 + year % 10);
  if (year < 2000) return {Reduce(10 - r), Reduce(r + 5)};
  return {9 - r == 0 ? 9 : 9 - r, Reduce(r + 6)};
}

// The element of a pair of pillars by the numbers of the Great Expansion
// (甲己 9, 乙庚 8, 丙辛 7, 丁壬 6, 戊癸 5; 子午 9, 丑未 8, 寅申 7, 卯酉 6, 辰戌 5,
// 巳亥 4): 49 less the four numbers, its last digit 1/6 水, 2/7 火, 3/8 木, 4/9
// 金, 5/0 土, and the nayin is the element that one feeds.
std::string NayinElementByNumbers(int cycleIndex) {
  const int first = cycleIndex - cycleIndex % 2;
  int sum = 0;
  for (int i = first; i < first + 2; ++i) {
    const Pillar p = Pillar::FromIndex(i);
    sum += (9 - p.stem.Index() % 5) + (9 - p.branch.Index() % 6);
  }
  // By the last digit mod 5: 土 feeds 金, 水 木, 火 土, 木 火, 金 水.
  static const char* const kFed[] = {"金", "木", "土", "火", "水"};
  return kFed[(49 - sum) % 10 % 5];
}

TEST(BuiltTgcode, NayinNumbersAgreeWithTheStoredNayin) {
  // A self-check of the rule above on the stored table: 海中金 甲子 ... 大海水 壬戌.
  for (int i = 0; i < 60; ++i) {
    EXPECT_EQ(Chars(NayinOf(Pillar::FromIndex(i).Text())).back(), NayinElementByNumbers(i)) << i;
  }
}

TEST(BuiltTgcode, EveryLunarYearHasItsLifeGuaRow) {
  const std::string kNumerals = "一二三四五六七八九";
  const std::vector<std::string> numerals = Chars(kNumerals);
  const std::vector<std::string> manGua = Chars("坎坤震巽坤乾兑艮离");  // a man's 五 counts as 坤
  const std::map<std::string, std::string> animalElement = {
      {"子", "水"}, {"亥", "水"}, {"寅", "木"}, {"卯", "木"}, {"巳", "火"}, {"午", "火"},
      {"申", "金"}, {"酉", "金"}, {"辰", "土"}, {"戌", "土"}, {"丑", "土"}, {"未", "土"}};
  for (int year = 1900; year <= 2100; ++year) {
    Query q(Database::Second);
    q.SetSql("select * from mg where Year = ?");
    q.AddParam(std::int64_t{year});
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << year;
    // The report reads the concatenation by character position.
    EXPECT_EQ(text::CharCount(q.Text("mg")), 2u) << year;
    for (const char* column : {"nan", "nv", "wuhang", "sxwuhang"}) {
      EXPECT_EQ(text::CharCount(q.Text(column)), 1u) << year << " " << column;
    }
    const int man = static_cast<int>(kNumerals.find(q.Text("nan")) / 3) + 1;
    const int woman = static_cast<int>(kNumerals.find(q.Text("nv")) / 3) + 1;
    if (year < 2100) {
      EXPECT_EQ(std::make_pair(man, woman), RuleOfThumb(year)) << year;
    }
    EXPECT_EQ(q.Text("mg"), manGua[man - 1] + "卦") << year;
    EXPECT_EQ(q.Text("wuhang"), NayinElementByNumbers(Mod(CycleIndexOfYear(year), 60))) << year;
    EXPECT_EQ(q.Text("sxwuhang"), animalElement.at(std::string(BranchNames[Mod(year - 4, 12)]))) << year;
  }
  // Known values, and 2100 carrying the nine-year cycle on from 2099 (九, 六).
  const std::map<int, std::pair<std::string, std::string>> known = {
      {1900, {"一", "五"}}, {1980, {"二", "四"}}, {1985, {"六", "九"}},
      {1990, {"一", "五"}}, {1999, {"一", "五"}}, {2000, {"九", "六"}},
      {2013, {"五", "一"}}, {2099, {"九", "六"}}, {2100, {"八", "七"}}};
  for (const auto& [year, pair] : known) {
    const Rows rows = AllRows(kTgcode, "select nan, nv, mg from mg where Year = " + std::to_string(year));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], pair.first) << year;
    EXPECT_EQ(rows[0][1], pair.second) << year;
  }
  EXPECT_EQ(AllRows(kTgcode, "select mg from mg where Year = 1980")[0][0], "坤卦");
  EXPECT_EQ(AllRows(kTgcode, "select count(*) from mg where Year < 1900 or Year > 2100")[0][0], "0");
}

// The eight trigrams in the order the rhyme counts them, each line starting
// after the trigram itself and going round.
const std::vector<std::string> kRhymeOrder = Chars("乾坎艮震巽离坤兑");
// 大游年: each trigram's relations to the seven others.
const char* const kRhyme[8] = {"乾六天五祸绝延生", "坎五天生延绝祸六", "艮六绝祸生延天五",
                               "震延生祸绝五天六", "巽天五六祸生绝延", "离六五绝延祸生天",
                               "坤天延绝生祸五六", "兑生祸延绝六五天"};

std::string RhymeRelation(const std::string& a, const std::string& b) {
  static const std::map<std::string, std::string> kWords = {{"生", "生气"}, {"天", "天医"}, {"延", "延年"},
                                                            {"六", "六煞"}, {"祸", "祸害"}, {"五", "五鬼"},
                                                            {"绝", "绝命"}};
  if (a == b) return "伏位";
  for (int i = 0; i < 8; ++i) {
    const std::vector<std::string> line = Chars(kRhyme[i]);
    if (line[0] != a) continue;
    for (int step = 1; step < 8; ++step) {
      if (kRhymeOrder[(i + step) % 8] == b) return kWords.at(line[step]);
    }
  }
  return "?";
}

TEST(BuiltTgcode, EveryLifeGuaPairHasItsTraditionalRelationAndGrade) {
  const std::map<std::string, std::string> trigramOf = {{"一", "坎"}, {"二", "坤"}, {"三", "震"},
                                                        {"四", "巽"}, {"六", "乾"}, {"七", "兑"},
                                                        {"八", "艮"}, {"九", "离"}};
  const std::map<std::string, std::string> grade = {{"生气", "1"}, {"延年", "1"}, {"天医", "1"},
                                                    {"伏位", "2"}, {"六煞", "2"}, {"祸害", "3"},
                                                    {"五鬼", "3"}, {"绝命", "3"}};
  int pairs = 0;
  for (const auto& [man, manTrigram] : trigramOf) {
    for (const auto& [woman, womanTrigram] : trigramOf) {
      Query q(Database::Second);
      q.SetSql("select * from mghp where nan = ? and nv = ?");
      q.AddParam(man);
      q.AddParam(woman);
      q.Open();
      ASSERT_EQ(q.RecordCount(), 1) << man << woman;
      const std::string relation = q.Text("mc");
      EXPECT_EQ(relation, RhymeRelation(manTrigram, womanTrigram)) << man << woman;
      // The rhyme is symmetric: the relation does not depend on who is the man.
      EXPECT_EQ(relation, RhymeRelation(womanTrigram, manTrigram)) << man << woman;
      EXPECT_EQ(q.Text("dj"), grade.at(relation)) << man << woman;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 64);
  EXPECT_EQ(FirstColumn(kTgcode, "select count(*) from mghp")[0], "64");
  // The examples of the tradition: 坎离 延年, 坎巽 生气, 坎震 天医, 坎坤 绝命.
  EXPECT_EQ(RhymeRelation("坎", "离"), "延年");
  EXPECT_EQ(RhymeRelation("坎", "巽"), "生气");
  EXPECT_EQ(RhymeRelation("坎", "震"), "天医");
  EXPECT_EQ(RhymeRelation("坎", "坤"), "绝命");
}

TEST(BuiltTgcode, EveryPairNameHasItsAnalysis) {
  // "Values" is a keyword and has to be quoted.
  for (const std::string& name : FirstColumn(kTgcode, "select distinct mc from mghp")) {
    Query q(Database::Second);
    q.SetSql("select \"Values\" from mgfx where mc = ?");
    q.AddParam(name);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << name;
    const std::size_t length = text::CharCount(q.Text(0));
    EXPECT_GE(length, 80u) << name;
    EXPECT_LE(length, 200u) << name;
  }
  const std::vector<std::string> texts = FirstColumn(kTgcode, "select \"Values\" from mgfx");
  EXPECT_EQ(texts.size(), 8u);
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size());
}

TEST(BuiltTgcode, EveryYearElementPairHasItsScore) {
  // 5 when one element feeds the other, 3 for the same element, 1 when one checks the other.
  const std::vector<std::string> elements = Chars("木火土金水");
  for (int m = 0; m < 5; ++m) {
    for (int w = 0; w < 5; ++w) {
      Query q(Database::Second);
      q.SetSql("select * from mgwx where nan = ? and nv = ?");
      q.AddParam(elements[m]);
      q.AddParam(elements[w]);
      q.Open();
      ASSERT_EQ(q.RecordCount(), 1) << elements[m] << elements[w];
      const int distance = Mod(w - m, 5);
      const std::string score = distance == 0 ? "3" : distance == 1 || distance == 4 ? "5" : "1";
      EXPECT_EQ(q.Text("fs"), score) << elements[m] << elements[w];
      EXPECT_FALSE(q.Text("note").empty());
    }
  }
}

TEST(BuiltTgcode, EveryAnimalHasItsZodiacRow) {
  for (const std::string_view animal : AnimalNames) {
    Query q(Database::Second);
    q.SetSql("select * from shengxiao where shuxing = ?");
    q.AddParam(animal);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << animal;
    for (const char* column : {"Tedian", "shouhushen", "yanshe", "fangwei", "hua", "shuzi"}) {
      EXPECT_FALSE(q.Text(column).empty()) << animal << " " << column;
    }
  }
}

TEST(BuiltTgcode, TwelveJieInstantsOfEveryYear) {
  const Rows rows = AllRows(kTgcode, "select YearA, JQ, SJ from JQ order by rowid");
  ASSERT_EQ(rows.size(), 201u * 12u);
  std::size_t i = 0;
  for (int year = 1900; year <= 2100; ++year) {
    for (int term = 0; term < 24; term += 2, ++i) {
      EXPECT_EQ(rows[i], (std::vector<std::string>{std::to_string(year), std::string(SolarTermNames[term]),
                                                   FormatDateTime(tools::SolarTermInstantCst(year, term))}))
          << year << " " << term;
    }
  }
  // Published instants (China Standard Time), to the minute.
  const struct {
    int year;
    const char* term;
    const char* instant;
  } published[] = {{2000, "立春", "2000-02-04 20:40:00"},
                   {2013, "立春", "2013-02-04 00:13:00"},
                   {2021, "立春", "2021-02-03 22:59:00"},
                   {2000, "小寒", "2000-01-06 09:01:00"}};
  for (const auto& p : published) {
    Query q(Database::Second);
    q.SetSql("select SJ from JQ where YearA = ? and JQ = ?");
    q.AddParam(std::int64_t{p.year});
    q.AddParam(p.term);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << p.year << p.term;
    EXPECT_NEAR(q.DateTimeValue("SJ"), StrToDateTime(p.instant), 1.0 / 1440)
        << p.year << p.term << " " << q.Text(0);
  }
}

TEST(BuiltTgcode, TheJieOfADateIsFoundByItsDay) {
  // The chart asks for the jie recorded on the birth date, by the date part of SJ.
  Query q(Database::Second);
  const auto jieOn = [&q](int year, const char* date) {
    q.SetSql(
        "select SJ from JQ where YearA = ? and JQ in "
        "('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露',"
        "'立冬','大雪','小寒') and substr(SJ, 1, 10) = ? limit 1");
    q.AddParam(std::int64_t{year});
    q.AddParam(date);
    q.Open();
    return q.IsEmpty() ? std::string() : q.Text(0);
  };
  EXPECT_EQ(jieOn(2013, "2013-02-04").substr(0, 16), "2013-02-04 00:13");
  EXPECT_EQ(jieOn(2013, "2013-02-05"), "");
  EXPECT_EQ(jieOn(2012, "2013-02-04"), "");
  EXPECT_EQ(jieOn(1999, "1999-12-07").substr(0, 10), "1999-12-07");
}

}  // namespace
}  // namespace vantrel::data
