#pragma once
// Life palace (命宫), life-gua numerals with their East/West groups, and the
// two match grades of a couple: the life-gua pair and the year elements.
#include <optional>
#include <string>

#include "calendar/ganzhi.h"
#include "chart/birth.h"

namespace vantrel {

// The life palace numbers the branches from 寅 = 1 to 丑 = 12.
int BranchOrdinal(Branch branch);
// The branch of an ordinal 1..12, counted the same way; none for any other ordinal.
std::optional<Branch> BranchOfOrdinal(int ordinal);
// The life palace of a month branch and an hour branch.
Branch LifePalace(Branch month, Branch hour);

// The East four lives are the numerals 一 三 四 九; every other numeral, and
// the empty text of a year without a row, belongs to the West four lives.
bool IsEastLife(const std::string& numeral);
// The numeral under which a person is matched: a man's 五 counts as 二, a
// woman's 五 as 八. The group is decided on the numeral before this.
std::string MatchingNumeral(const std::string& numeral, Sex sex);

// Grade of a life-gua pair by its code `dj`: "1" 上等婚, "2" 中等婚, anything
// else 下等婚. Grade of a year-element pair by its score `fs`: "5" 非常合,
// "3" 中等合, anything else 不合. Both compare the trimmed code.
std::string MarriageGrade(const std::string& dj);
std::string ElementGrade(const std::string& fs);

// The following three read the second file (Tgcode.dll). A database error
// propagates (DatabaseError naming the file).

// The row of a lunar year in table mg: its mg text, the man's (or the
// woman's) numeral, the year element and the zodiac element, joined with
// nothing between them. A year without a row gives the empty text.
std::string LifeGuaLookup(int year, Sex sex);
// Pair name + "(" + grade + ")" + analysis text of two matching numerals.
std::string LifeGuaMatch(const std::string& man, const std::string& woman);
// "(" + grade + ")" + note of the man's and the woman's year elements.
std::string ElementMatch(const std::string& man, const std::string& woman);

}  // namespace vantrel
