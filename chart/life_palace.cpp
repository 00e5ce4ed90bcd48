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

// 寅 (index 2) is the first palace, 子 and 丑 the last two.
int BranchOrdinal(Branch branch) { return branch.Next(-2) + 1; }

std::optional<Branch> BranchOfOrdinal(int ordinal) {
  if (ordinal < 1 || ordinal > 12) return std::nullopt;
  return Branch(ordinal + 1);
}

Branch LifePalace(Branch month, Branch hour) {
  // Counting from 寅: the palace lies 14 - s places on for small sums, 26 - s
  // for the others, so it is always one of the twelve.
  const int s = BranchOrdinal(month) + BranchOrdinal(hour);
  return *BranchOfOrdinal(s < 14 ? 14 - s : 26 - s);
}

bool IsEastLife(const std::string& numeral) {
  return numeral == "一" || numeral == "三" || numeral == "四" || numeral == "九";
}

std::string MatchingNumeral(const std::string& numeral, Sex sex) {
  if (numeral != "五") return numeral;
  return sex == Sex::Woman ? "八" : "二";
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

std::optional<std::string> LifeGuaLookup(int year, Sex sex) {
  try {
    data::Query q(data::Database::Second);
    q.SetSql("select * from mg where Year = ? limit 1");
    q.AddParam(static_cast<std::int64_t>(year));
    q.Open();
    return q.Text("mg") + q.Text(sex == Sex::Woman ? "nv" : "nan") + q.Text("wuhang") + q.Text("sxwuhang");
  } catch (const DatabaseError&) {
    return std::nullopt;
  }
}

std::optional<std::string> LifeGuaMatch(const std::string& man, const std::string& woman) {
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
    return name + "(" + grade + ")" + analysis.Text(0);
  } catch (const DatabaseError&) {
    return std::nullopt;
  }
}

std::optional<std::string> ElementMatch(const std::string& man, const std::string& woman) {
  try {
    data::Query q;
    OpenCouple(q, "select * from mgwx where nan = ? and nv = ?", man, woman);
    return "(" + ElementGrade(q.Text("fs")) + ")" + q.Text("note");
  } catch (const DatabaseError&) {
    return std::nullopt;
  }
}

}  // namespace vantrel
