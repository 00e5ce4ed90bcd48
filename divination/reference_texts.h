#pragma once
// The reference texts of the number and net-name divinations, compiled in
// from resources/texts/ (number_types.tsv, number_table.tsv,
// letter_phrases.tsv) by tools/texts; edit the resource files, not the
// generated code.
#include <string_view>

#include "divination/numbers.h"

namespace vantrel {

inline constexpr int kNumberTypeCount = 9;
inline constexpr int kLetterCount = 26;

// The personality type texts; type 1 is at index 0.
extern const std::string_view kNumberTypeTexts[kNumberTypeCount];

// The 81-number table by remainder 0..80.
extern const NumberRow kNumberTable[kNumberTableRows];

// The net-name phrases of the letters a..z.
extern const std::string_view kLetterPhrases[kLetterCount];

}  // namespace vantrel
