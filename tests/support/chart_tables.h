#pragma once
// The lookup tables of the second file that a chart reads, as a script for
// FixtureDir::WriteDatabase: hzwh (five elements), Shishen (the ten gods of
// every pair of stems, 100 rows) and jiazi (the nayin of the 60 pillars).
#include <string>

namespace vantrel::testing {

std::string ChartLookupTablesSql();

}  // namespace vantrel::testing
