#pragma once
// The lookup tables of the second file that a chart reads, as a script for
// FixtureDir::WriteDatabase: hzwh (five elements), Shishen (the ten gods of
// every pair of stems, 100 rows), jiazi (the nayin of the 60 pillars) and an
// empty JQ (the jie instants).
#include <string>

namespace vantrel::testing {

std::string ChartLookupTablesSql();
// The same tables without a row: every lookup finds nothing.
std::string EmptyChartTablesSql();

}  // namespace vantrel::testing
