#pragma once
// The Western constellation (sun sign) of a birth date.
#include <string>

#include "common/datetime.h"

namespace vantrel {

// One of the twelve sign names; "金牛座 " carries a trailing blank, as the
// reports print it and as the constellation texts are titled. A time of day
// is ignored; 29 February is 双鱼座.
std::string ConstellationOf(DateTime date);

}  // namespace vantrel
