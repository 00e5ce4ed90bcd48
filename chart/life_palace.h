#pragma once
// Life palace (命宫), life-gua numerals with their East/West groups, and the
// two match grades of a couple: the life-gua pair and the year elements.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/ganzhi.h"
#include "chart/birth.h"

namespace vantrel {

// The life palace numbers the branches from 寅 = 1 to 丑 = 12.
int BranchOrdinal(Branch branch);
// The branch of an ordinal 1..12, counted the same way; none for any other ordinal.
std::optional<Branch> BranchOfOrdinal(int ordinal);
// The life palace of a month branch and an hour branch.
Branch LifePalace(Branch month, Branch hour);

// The nine life-gua numbers, written 一 .. 九.
enum class LifeGua { One = 1, Two, Three, Four, Five, Six, Seven, Eight, Nine };
// The number of a numeral; none for any other text (a year without a row).
std::optional<LifeGua> LifeGuaOfNumeral(std::string_view numeral);
// "一" .. "九".
std::string_view LifeGuaNumeral(LifeGua gua);
// The East four lives are 一 三 四 九; every other number, and a year
// without a row, belongs to the West four lives.
bool IsEastLife(std::optional<LifeGua> gua);
// The number under which a person is matched: a man's 五 counts as 二, a
// woman's 五 as 八. The group is decided on the number before this.
std::optional<LifeGua> MatchingGua(std::optional<LifeGua> gua, Sex sex);

// Grade of a life-gua pair by its code `dj`: "1" 上等婚, "2" 中等婚, anything
// else 下等婚. Grade of a year-element pair by its score `fs`: "5" 非常合,
// "3" 中等合, anything else 不合. Both compare the trimmed code.
std::string MarriageGrade(const std::string& dj);
std::string ElementGrade(const std::string& fs);

// The following three read the second file (Tgcode.dll). A database error
// propagates (DatabaseError naming the file).

// A person's life gua and the elements of the year and its animal, read
// from the year's row in table mg; all empty without a row.
struct LifeGuaFacts {
  std::optional<LifeGua> gua;
  std::string yearElement;
  std::string animalElement;
};
LifeGuaFacts LifeGuaOf(int year, Sex sex);
// Pair name + "(" + grade + ")" + analysis text of two matching numbers.
std::string LifeGuaMatch(std::optional<LifeGua> man, std::optional<LifeGua> woman);
// "(" + grade + ")" + note of the man's and the woman's year elements.
std::string ElementMatch(const std::string& man, const std::string& woman);

}  // namespace vantrel
