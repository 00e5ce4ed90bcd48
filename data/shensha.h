#pragma once
// The shensha rule files and their evaluators.
//
// The folder "shensha" beside the program holds seven GBK rule files, one
// rule per line (CR LF). A line starts with a name field of five characters
// (the star's name, padded with blanks); the rest of the line is a list of
// items "key:value" separated by ",". The key and the value are runs of stem
// and branch characters, or of whole pillars. Each evaluator takes one or
// two characters or pillars of a chart, reads its file afresh and returns
// the names of every item that matches, in file order, separated by blanks.
//
//   niangan.txt  year stem in the key, a branch in the value
//   nianzhi.txt  year branch in the key, a branch in the value (lines 0..13;
//                line 2 only for forward charts, line 3 only for backward)
//   yuezhi.txt   month branch in the key, a stem or a branch in the value
//   rigan.txt    day stem in the key, a branch in the value
//   rizhi.txt    day branch in the key, a branch in the value (lines 0..6)
//   rizhu.txt    lines 0..4: a pillar in the key, the day pillar in the
//                value or an empty value; later lines: the pillar's branch in
//                the key, the day pillar in the value
//   rizhus.txt   the day pillar in the key (or an empty key), the hour
//                pillar in the value
//
// 披麻, 吊客 and 丧门 are counted from the year branch (and the day branch)
// in code, when that text is a branch.
#include <array>
#include <string>
#include <vector>

#include "calendar/ganzhi.h"

namespace vantrel::data {

// The lines of <program folder>/shensha/<name>, converted from GBK. An empty
// line after the last line break is not a line. A file that is missing or
// cannot be read throws FileError with its path and the system's reason.
std::vector<std::string> LoadShenshaFile(const std::string& name);

// One rule item, as the reader splits it.
struct ShenshaItem {
  std::string key;
  std::string value;
};
// The items of one rule line: the name is the first five characters,
// trimmed; the body is the line without (every occurrence of) those five
// characters, trimmed, split at ","; blanks after a comma are dropped and at
// most 21 items are read. A key runs up to the item's first ":", the value
// is at most the ten GBK bytes after it, trimmed; an item without ":" has an
// empty key and its first ten bytes as value. Blank items are left out.
struct ShenshaRule {
  std::string name;
  std::vector<ShenshaItem> items;
};
ShenshaRule ParseShenshaLine(const std::string& line);

// a: year stem, b: a branch.
std::string ShenshaNiangan(const std::string& a, const std::string& b);
// a: year branch, b: a branch; the chart's luck direction picks between
// nianzhi lines 2 and 3.
std::string ShenshaNianzhi(const std::string& a, const std::string& b, LuckDirection direction);
// a: month branch, b: a stem, c: a branch.
std::string ShenshaYuezhi(const std::string& a, const std::string& b, const std::string& c);
// a: day stem, b: a branch.
std::string ShenshaRigan(const std::string& a, const std::string& b);
// a: day branch, b: a branch.
std::string ShenshaRizhi(const std::string& a, const std::string& b);
// a: a pillar, b: the day pillar.
std::string ShenshaRizhu(const std::string& a, const std::string& b);
// a: the day pillar, b: the hour pillar.
std::string ShenshaRizhus(const std::string& a, const std::string& b);

// The four pillars of a chart, in the order year, month, day, hour.
using ChartPillars = std::array<Pillar, 4>;
enum class PillarPosition { Year, Month, Day, Hour };
inline constexpr std::array<PillarPosition, 4> kPillarPositions = {
    PillarPosition::Year, PillarPosition::Month, PillarPosition::Day, PillarPosition::Hour};

// The report line of the pillar at `at`: "年柱：", "月柱：",
// "日柱：" or "时柱：" followed by the seven evaluator results for that
// pillar (six for the hour pillar, which has no day-and-hour result), joined
// by single blanks, the join trimmed.
std::string PillarShenshaLine(PillarPosition at, const ChartPillars& pillars, LuckDirection direction);

// The evaluator results of that line, in its order (empty results included).
std::vector<std::string> PillarShenshaResults(PillarPosition at, const ChartPillars& pillars,
                                              LuckDirection direction);
// The line of those results.
std::string PillarShenshaLine(PillarPosition at, const std::vector<std::string>& results);

}  // namespace vantrel::data
