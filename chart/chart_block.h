#pragma once
// The chart text block both reports print for a person: the main block
// (fetal origin down to the small-luck grid) and the shensha, bone-weight
// and personality sub-blocks, each under a header line the caller chooses.
// Each block is a value built from the chart and the reference data; its
// lines are written by the renderers below. Columns line up by fixed blank
// runs and the two-byte width of a Chinese character.
#include <array>
#include <string>
#include <vector>

#include "calendar/lunar.h"
#include "chart/bone_weight.h"
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

// One hidden stem under a branch with its ten god; both empty where the
// branch hides fewer than three stems.
struct HiddenStemCell {
  std::string stem;
  std::string god;
};

// The main block of a chart: every fact it prints, looked up once.
struct ChartBlock {
  ChartResult chart;
  int solarYear = 0;
  int lunarYear = 0;
  std::string fetalNayin;
  // The ten gods of the year, month and hour stems seen from the day stem
  // (the day stem itself is the chart's self, 日元).
  std::string yearGod, monthGod, hourGod;
  // The hidden stems of the year, month, day and hour branches, three rows.
  std::array<std::array<HiddenStemCell, 4>, 3> hidden{};
  // The elements of each pillar's stem and branch, and each pillar's nayin.
  std::array<std::string, 4> elements{};
  std::array<std::string, 4> nayin{};
};

// The shensha of a chart's four pillars: each pillar's line and the names
// found on it.
struct ShenshaBlock {
  std::array<std::string, 4> lines{};
  // Every name, year pillar first, and the names of each pillar on their own.
  std::vector<std::string> names;
  std::array<std::vector<std::string>, 4> pillarNames{};
};

// The two characters of the pillar of lunar year y.
std::string YearPillarText(int y);
// The age in two digits or more, then "岁": 00岁, 09岁, 17岁.
std::string AgeText(int n);
// The small-luck pillar n years after birth: the hour pillar moved n places
// in the chart's luck direction.
Pillar SmallLuck(const ChartResult& chart, int n);

ChartBlock BuildChartBlock(const ChartBlockInput& input);
ShenshaBlock ShenshaOf(const ChartResult& chart);
// The bone weight of a birth. A birth before the instant of its day's jie
// is weighed with the previous lunar month (the first month with the twelfth).
BoneWeightLines BoneWeightFor(const ChartBlockInput& input);

void WriteChartBlock(TextPane& pane, const ChartBlock& block);
// The header, then the lines 年柱 月柱 日柱 时柱.
void WriteShenshaBlock(TextPane& pane, const ShenshaBlock& block, const std::string& header);
// The header, then the weight, poem and meaning lines.
void WriteBoneWeightBlock(TextPane& pane, const BoneWeightLines& lines, const std::string& header);
// The header, then four blanks and the personality text.
void WritePersonalityBlock(TextPane& pane, const std::string& personality, const std::string& header);

}  // namespace vantrel
