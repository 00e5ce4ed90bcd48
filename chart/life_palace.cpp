#include "chart/life_palace.h"

#include <array>

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

namespace {
constexpr std::array<std::string_view, 9> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
}  // namespace

std::optional<LifeGua> LifeGuaOfNumeral(std::string_view numeral) {
  for (std::size_t k = 0; k < kNumerals.size(); ++k) {
    if (kNumerals[k] == numeral) return static_cast<LifeGua>(k + 1);
  }
  return std::nullopt;
}

std::string_view LifeGuaNumeral(LifeGua gua) { return kNumerals[static_cast<std::size_t>(gua) - 1]; }

bool IsEastLife(std::optional<LifeGua> gua) {
  return gua == LifeGua::One || gua == LifeGua::Three || gua == LifeGua::Four || gua == LifeGua::Nine;
}

std::optional<LifeGua> MatchingGua(std::optional<LifeGua> gua, Sex sex) {
  if (gua != LifeGua::Five) return gua;
  return sex == Sex::Woman ? LifeGua::Eight : LifeGua::Two;
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

LifeGuaFacts LifeGuaOf(int year, Sex sex) {
  const data::LifeGuaRow row =
      data::LifeGuaRowOf(year, sex == Sex::Woman ? data::LifeGuaColumn::Woman : data::LifeGuaColumn::Man);
  return {LifeGuaOfNumeral(row.numeral), row.yearElement, row.animalElement};
}

std::string LifeGuaMatch(std::optional<LifeGua> man, std::optional<LifeGua> woman) {
  // The pair table is keyed by the numerals; a year without a row has none.
  const auto key = [](std::optional<LifeGua> g) {
    return g ? std::string(LifeGuaNumeral(*g)) : std::string();
  };
  const data::LifeGuaPair pair = data::LifeGuaPairOf(key(man), key(woman));
  return pair.name + "(" + MarriageGrade(pair.gradeCode) + ")" + data::LifeGuaAnalysis(pair.name);
}

std::string ElementMatch(const std::string& man, const std::string& woman) {
  const data::ElementPair pair = data::ElementPairOf(man, woman);
  return "(" + ElementGrade(pair.score) + ")" + pair.note;
}

}  // namespace vantrel
