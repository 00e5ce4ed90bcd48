#pragma once
// The almanac table huangdao as a resource table: a header line and one row
// per day, as the run-time engine computes them.
#include <ostream>
#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "common/datetime.h"
#include "tools/resource_format.h"

namespace vantrel::tools {

// Writes the header line and one row for every day from `first` to `last`
// (both within almanac::kFirstDay .. almanac::kLastDay).
inline void WriteAlmanacTable(CivilDate first, CivilDate last, std::ostream& out) {
  for (std::size_t i = 0; i < almanac::AlmanacColumns.size(); ++i)
    out << (i ? "\t" : "") << almanac::AlmanacColumns[i];
  out << '\n';
  const DateTime end = EncodeDate(last.year, last.month, last.day);
  for (DateTime x = EncodeDate(first.year, first.month, first.day); x <= end; x += 1) {
    const std::vector<std::string> fields = almanac::RowOf(DecodeDate(x)).Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "\t" : "") << EscapeResourceField(fields[i]);
    out << '\n';
  }
}

}  // namespace vantrel::tools
