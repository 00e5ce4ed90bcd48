#pragma once
// The almanac's rule data that reads best as tables, compiled in from the
// reviewable files of resources/almanac/ (UTF-8, one record per line, fields
// separated by one tab, "#" lines and blank lines skipped, the first other
// line naming the columns).
#include <string_view>
#include <vector>

namespace vantrel::almanac::tables {

// resources/almanac/activities.tsv: word, activity, note.
extern const std::string_view kActivities;
// resources/almanac/grades.tsv: spirit, months, grade, book.
extern const std::string_view kGrades;
// resources/almanac/spirits.tsv: spirit, side, by, days, deeds, book.
extern const std::string_view kSpirits;
// resources/almanac/lesser.tsv: word, activity, note.
extern const std::string_view kLesser;

// The records of a table, each with exactly `columns` fields (missing
// trailing fields read as empty). Throws std::logic_error for a record with
// more fields, or a header that does not start with `firstColumn`.
std::vector<std::vector<std::string_view>> Records(std::string_view table, std::string_view firstColumn,
                                                   std::size_t columns);

}  // namespace vantrel::almanac::tables
