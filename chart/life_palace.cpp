#include "chart/life_palace.h"

#include "calendar/ganzhi.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"

namespace vantrel {
namespace {

// Runs a statement on the second file keyed by the man's and the woman's value.
void OpenCouple(data::Query& q, const char* sql, const std::string& man, const std::string& woman) {
  q.SetDatabase(data::Database::Second);
  q.SetSql(sql);
  q.AddParam(man);
  q.AddParam(woman);
  q.Open();
}

}  // namespace

int BranchOrdinal(const std::string& branch) {
  const int index = StemBranchIndex(branch, true);
  if (index < 0) return 0;
  // 寅 (index 2) is the first palace, 子 and 丑 the last two.
  return Mod(index - 2, 12) + 1;
}

void BranchOfOrdinal(int ordinal, std::string& result) {
  if (ordinal < 1 || ordinal > 12) return;
  result = std::string(BranchNames[static_cast<std::size_t>(Mod(ordinal + 1, 12))]);
}

std::string LifePalace(const std::string& monthBranch, const std::string& hourBranch) {
  // Counting from 寅: the palace lies 14 - s places on for small sums, 26 - s
  // for the others, so the result is always one of the twelve.
  const int s = BranchOrdinal(monthBranch) + BranchOrdinal(hourBranch);
  std::string palace;
  BranchOfOrdinal(s < 14 ? 14 - s : 26 - s, palace);
  return palace;
}

bool IsEastLife(const std::string& numeral) {
  return numeral == "一" || numeral == "三" || numeral == "四" || numeral == "九";
}

std::string MatchingNumeral(const std::string& numeral, bool woman) {
  if (numeral != "五") return numeral;
  return woman ? "八" : "二";
}

std::string MarriageGrade(const std::string& dj) {
  const std::string code = text::Trim(dj);
  if (code == "1") return "上等婚";
  if (code == "2") return "中等婚";
  return "下等婚";
}

std::string ElementGrade(const std::string& fs) {
  const std::string score = text::Trim(fs);
  if (score == "5") return "非常合";
  if (score == "3") return "中等合";
  return "不合";
}

void LifeGuaLookup(int year, bool woman, std::string& result) {
  try {
    data::Query q(data::Database::Second);
    q.SetSql("select * from mg where Year = ? limit 1");
    q.AddParam(static_cast<std::int64_t>(year));
    q.Open();
    result = q.Text("mg") + q.Text(woman ? "nv" : "nan") + q.Text("wuhang") + q.Text("sxwuhang");
  } catch (const DatabaseError&) {
    // The caller's text stays as it was.
  }
}

void LifeGuaMatch(const std::string& man, const std::string& woman, std::string& result) {
  try {
    data::Query pair;
    OpenCouple(pair, "select * from mghp where nan = ? and nv = ?", man, woman);
    const std::string grade = MarriageGrade(pair.Text("dj"));
    const std::string name = pair.Text("mc");
    pair.Close();

    data::Query analysis(data::Database::Second);
    analysis.SetSql("select \"Values\" from mgfx where mc = ?");
    analysis.AddParam(name);
    analysis.Open();
    result = name + "(" + grade + ")" + analysis.Text(0);
  } catch (const DatabaseError&) {
    // The caller's text stays as it was.
  }
}

void ElementMatch(const std::string& man, const std::string& woman, std::string& result) {
  try {
    data::Query q;
    OpenCouple(q, "select * from mgwx where nan = ? and nv = ?", man, woman);
    std::string match = "(";
    match += ElementGrade(q.Text("fs"));
    result = match + ")" + q.Text("note");
  } catch (const DatabaseError&) {
    // The caller's text stays as it was.
  }
}

}  // namespace vantrel
