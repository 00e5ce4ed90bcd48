#pragma once
// The chart text block both reports print for a person: the main block
// (fetal origin down to the small-luck grid) and the shensha, bone-weight
// and personality sub-blocks, each under a header line the caller chooses.
// Columns line up by fixed blank runs and the two-byte width of a Chinese
// character.
#include <string>

#include "calendar/lunar.h"
#include "chart/chart.h"
#include "common/pane.h"

namespace vantrel {

struct ChartBlockInput {
  ChartResult chart;
  // The year of the solar birth date.
  int solarYear = 0;
  // The lunar date of the solar birth date.
  LunarDate lunar;
  // The clock hour as the entry gave it, "0" .. "23": the bone weight's key.
  std::string hourText;
};

// The two characters of the pillar of lunar year y.
std::string YearPillarText(int y);
// The age in two digits or more, then "岁": 00岁, 09岁, 17岁.
std::string AgeText(int n);
// The small-luck pillar n years after birth: the hour pillar moved n places
// in the chart's luck direction.
Pillar SmallLuck(const ChartResult& chart, int n);

void WriteChartBlock(Pane& pane, const ChartBlockInput& input);
// The header, then the lines 年柱 月柱 日柱 时柱 of the chart's shensha.
void WriteShenshaBlock(Pane& pane, const ChartResult& chart, const std::string& header);
// The header, then the weight, poem and meaning lines of the bone weight.
// A birth before the instant of its day's jie is weighed with the previous
// lunar month (the first month with the twelfth).
void WriteBoneWeightBlock(Pane& pane, const ChartBlockInput& input, const std::string& header);
// The header, then four blanks and the personality text.
void WritePersonalityBlock(Pane& pane, const ChartResult& chart, const std::string& header);

}  // namespace vantrel
