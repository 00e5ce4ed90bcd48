#pragma once
// A birth as the chart engine takes it: the Gregorian date, the clock time
// and the sex, each already read from what was typed.
#include <string_view>

#include "common/datetime.h"

namespace vantrel {

enum class Sex { Man, Woman };

// "男" names a man; every other text a woman, as the sex lists have always
// been read.
constexpr Sex SexOfText(std::string_view text) { return text == "男" ? Sex::Man : Sex::Woman; }

struct Birth {
  CivilDate date;  // not checked: the chart engine refuses a date that does not exist
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  Sex sex = Sex::Man;
};

}  // namespace vantrel
