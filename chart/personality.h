#pragma once
// Birthday personality sketches: a text for the day of the month followed by
// a text for the exact calendar date.
#include <array>
#include <string>
#include <string_view>

namespace vantrel {

// 2001 slots: slot d (1..31) holds the text for day d of any month, slot
// 100 * month + day the text for that calendar date (January 31 has none).
// Every other slot is empty. The table is generated at build time from
// resources/texts/personality_*.tsv.
extern const std::array<std::string_view, 2001> PersonalityTexts;

// The day-of-month text followed directly by the calendar-date text; an
// empty slot contributes nothing. A month outside 1..12 or a day outside
// 1..31 gives the empty text.
std::string BirthdayPersonality(int month, int day);

}  // namespace vantrel
