#pragma once
// The columns of the boy/girl chart: each month's cells stand where the "月"
// of its heading does, counted in GBK bytes as the report panes show them.
// The report lays its rows out by them and the build checks the heading
// with them, so the two cannot measure differently.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace vantrel {

inline std::vector<std::size_t> BoyGirlMonthColumns(std::string_view heading) {
  std::vector<std::size_t> columns;
  std::size_t width = 0;
  for (const std::string& ch : text::Characters(heading)) {
    if (ch == "月") columns.push_back(width);
    width += text::GbkWidth(ch);
  }
  return columns;
}

}  // namespace vantrel
