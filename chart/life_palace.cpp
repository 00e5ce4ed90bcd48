#include "chart/life_palace.h"

#include "calendar/ganzhi.h"
#include "common/text.h"
#include "data/lookups.h"

namespace vantrel {

// 寅 (index 2) is the first palace, 子 and 丑 the last two.
int BranchOrdinal(Branch branch) { return branch.Next(-2).Index() + 1; }

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

std::string LifeGuaLookup(int year, Sex sex) {
  return data::LifeGuaRowText(year,
                              sex == Sex::Woman ? data::LifeGuaColumn::Woman : data::LifeGuaColumn::Man);
}

std::string LifeGuaMatch(const std::string& man, const std::string& woman) {
  const data::LifeGuaPair pair = data::LifeGuaPairOf(man, woman);
  return pair.name + "(" + MarriageGrade(pair.gradeCode) + ")" + data::LifeGuaAnalysis(pair.name);
}

std::string ElementMatch(const std::string& man, const std::string& woman) {
  const data::ElementPair pair = data::ElementPairOf(man, woman);
  return "(" + ElementGrade(pair.score) + ")" + pair.note;
}

}  // namespace vantrel
