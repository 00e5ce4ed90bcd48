#pragma once
// The almanac page: one day's row of the almanac table, and the glossary of
// almanac terms shown beside it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/datetime.h"
#include "common/notice.h"
#include "common/pane.h"
#include "data/query.h"

namespace vantrel {

// The 34 lines of the glossary pane, as shown (trailing blanks included).
const std::vector<std::string>& AlmanacGlossary();

// The action of the almanac page's button: reads the day's row from table
// huangdao through the window's query on the main file and writes its ten
// lines into the pane.
//
// The three picker texts are trimmed and checked in order (an empty year,
// month or day, then a date that does not exist), each failure showing its
// notice and leaving the pane untouched. A day without a row is silent and
// leaves the pane as it was. A database error while opening propagates and
// leaves the pane untouched; a column missing from the row propagates while
// the lines are written, so the pane keeps the lines before it. Returns the
// day whose lines were written, nothing when the pane was left alone.
std::optional<DateTime> ShowAlmanac(std::string_view yearText, std::string_view monthText,
                                    std::string_view dayText, data::Query& query, Pane& pane,
                                    Notifier& notifier);

}  // namespace vantrel
