#pragma once
// The nine personality type texts of the 81-number table, compiled in from
// resources/texts/number_types.tsv by tools/numbertypes. Type 1 is at index 0.
#include <string_view>

namespace vantrel {

inline constexpr int kNumberTypeCount = 9;

extern const std::string_view kNumberTypeTexts[kNumberTypeCount];

}  // namespace vantrel
