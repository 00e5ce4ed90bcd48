#pragma once
// The almanac page: one day's row of the almanac table, and the glossary of
// almanac terms shown beside it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac.h"
#include "common/datetime.h"
#include "data/almanac_table.h"

namespace vantrel {

// The 34 lines of the glossary pane, as shown (trailing blanks included).
const std::vector<std::string>& AlmanacGlossary();

// What the almanac page's button finds for the three picker texts.
struct AlmanacDay {
  // The notice that stopped it at the pickers: an empty year, month or day
  // ("请选择年!" ...), then a date that does not exist. Nothing else is set.
  std::optional<std::string> notice;
  // The date as typed, each part trimmed: "2013-9-21". The first line shows it.
  std::string dateText;
  // The day the date text names.
  std::optional<CivilDate> date;
  // The day's row of table huangdao; none when the table has no row for it
  // (the page then stays as it was, without a word).
  std::optional<data::HuangdaoRow> row;
};

// Checks the three picker texts in order and reads the day's row. A
// database error while reading (a missing file or table) propagates; a
// missing column comes back in the row (HuangdaoRow::fault).
AlmanacDay AlmanacDayOf(std::string_view yearText, std::string_view monthText, std::string_view dayText);

// The lines the page shows for a day with a row: the ten labelled lines, an
// empty line after each but the last. Of a row cut short by a missing column,
// the lines before it (with the empty line that came before the missing
// one). No lines for a notice or a day without a row.
std::vector<std::string> AlmanacLines(const AlmanacDay& day);

// The page of a day worked out by the almanac engine itself, without the
// table: what the range and batch forms print, the date text written
// "2027-01-01". Throws std::out_of_range outside the engine's days.
AlmanacDay AlmanacDayOfEngine(CivilDate date);
// The same for a day the engine has worked out.
AlmanacDay AlmanacDayOfEngine(const almanac::Day& day);

// Why the day suits and forbids each word of its page: one line a word,
// the 宜 line's words first ("忌 嫁娶：月厌（卷十一：嫁娶忌月厌）；…").
std::vector<std::string> AlmanacReasonLines(CivilDate date);

}  // namespace vantrel
