#include "tests/support/chart_tables.h"

#include "calendar/ganzhi.h"

namespace vantrel::testing {
namespace {

// The ten god of `other` seen from the day stem `self`: the relation of
// their elements (wood fire earth metal water, stems two by two) and whether
// both share yin or yang.
std::string TenGod(int self, int other) {
  const int a = self / 2;
  const int b = other / 2;
  const bool same = self % 2 == other % 2;
  if (a == b) return same ? "比肩" : "劫财";
  if ((a + 1) % 5 == b) return same ? "食神" : "伤官";  // the day stem gives birth to it
  if ((a + 2) % 5 == b) return same ? "偏财" : "正财";  // the day stem controls it
  if ((b + 2) % 5 == a) return same ? "七杀" : "正官";  // it controls the day stem
  return same ? "偏印" : "正印";                        // it gives birth to the day stem
}

// The nayin of the pillars 甲子 .. 癸亥, one name for every two pillars.
constexpr const char* kNayin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

}  // namespace

std::string ChartLookupTablesSql() {
  // One transaction: the rows are written at once.
  std::string sql =
      "begin;"
      "create table hzwh (hz text, wh text);"
      "insert into hzwh values ('甲乙寅卯', '木');"
      "insert into hzwh values ('丙丁巳午', '火');"
      "insert into hzwh values ('戊己辰戌丑未', '土');"
      "insert into hzwh values ('庚辛申酉', '金');"
      "insert into hzwh values ('壬癸亥子', '水');"
      "create table Shishen (jiazi text, ShiShen text);";
  for (int self = 0; self < 10; ++self) {
    for (int other = 0; other < 10; ++other) {
      sql += "insert into Shishen values ('" + std::string(StemNames[self]) + std::string(StemNames[other]) +
             "', '" + TenGod(self, other) + "');";
    }
  }
  sql += "create table jiazi (jiazi text, layin text);";
  for (int i = 0; i < 60; ++i) {
    sql += "insert into jiazi values ('" + Pillar::FromIndex(i).Text() + "', '" + kNayin[i / 2] + "');";
  }
  // Table JQ is read for every birth; the tests that need its rows add them.
  sql += "create table JQ (YearA integer, JQ text, SJ datetime);";
  return sql + "commit;";
}

std::string EmptyChartTablesSql() {
  return "create table hzwh (hz text, wh text);"
         "create table Shishen (jiazi text, ShiShen text);"
         "create table jiazi (jiazi text, layin text);"
         "create table JQ (YearA integer, JQ text, SJ datetime);";
}

}  // namespace vantrel::testing
