#include "chart/chart_block.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "chart/bone_weight.h"
#include "common/datetime.h"
#include "common/text.h"
#include "data/lookups.h"
#include "data/shensha.h"

namespace vantrel {
namespace {

// Three blanks separate the columns of pillars, ages and years.
constexpr const char* kSep = "   ";
// The width of a line label ("流年：") in blanks.
const std::string kLabelBlanks(6, ' ');
// A label, a pillar and a separator: the width of a grid's column 0.
const std::string kColumnZeroBlanks(13, ' ');
// A hidden stem with its ten god and one blank, for a missing stem.
const std::string kHiddenBlanks(7, ' ');

// One row of the flowing-year or small-luck grid. Column 0 holds the years
// before the start age and exists only in the rows above the start age;
// the nine columns after it follow luck pillars 1 to 9.
std::string GridRow(bool hasColumnZero, const std::string& label, const std::string& columnZero,
                    const std::function<std::string(int)>& cell) {
  std::string row = hasColumnZero ? label + columnZero + kSep : kColumnZeroBlanks;
  for (int k = 0; k < 9; ++k) {
    if (k > 0) row += kSep;
    row += cell(k);
  }
  return row;
}

// The p-th character (1-based) of a hidden-stem text, or the empty text.
std::string HiddenStemAt(const std::string& hidden, int p) { return text::GbkCopy(hidden, 2 * p - 1, 2); }

}  // namespace

std::string YearPillarText(int y) { return Pillar::FromIndex(CycleIndexOfYear(y)).Text(); }

std::string AgeText(int n) {
  std::string age = n <= 9 ? "0" : "";
  age += std::to_string(n);
  return age + "岁";
}

Pillar SmallLuck(const ChartResult& chart, int n) {
  return chart.hourPillar.Next(StepOf(chart.direction) * n);
}

ChartBlock BuildChartBlock(const ChartBlockInput& input) {
  ChartBlock b;
  b.chart = input.chart;
  b.solarYear = input.solarYear;
  b.lunarYear = input.lunar.year;
  const ChartResult& c = input.chart;
  const std::string dayStem = c.dayPillar.StemText();
  const auto god = [&](const std::string& stem) { return data::TenGodOf(dayStem + stem); };

  b.fetalNayin = data::NayinOf(c.fetalOrigin);
  b.yearGod = data::TenGodOf(c.dayPillar.stem, c.yearPillar.stem);
  b.monthGod = data::TenGodOf(c.dayPillar.stem, c.monthPillar.stem);
  b.hourGod = data::TenGodOf(c.dayPillar.stem, c.hourPillar.stem);
  const std::array<const std::string*, 4> hidden = {&c.yearHidden, &c.monthHidden, &c.dayHidden,
                                                    &c.hourHidden};
  for (std::size_t row = 0; row < 3; ++row) {
    for (std::size_t col = 0; col < 4; ++col) {
      HiddenStemCell& cell = b.hidden[row][col];
      cell.stem = HiddenStemAt(*hidden[col], static_cast<int>(row) + 1);
      // The first row names a ten god even for a missing stem; the rows
      // below leave a missing stem's cell blank.
      if (row == 0 || !text::Trim(cell.stem).empty()) cell.god = god(cell.stem);
    }
  }
  const std::array<const Pillar*, 4> pillars = {&c.yearPillar, &c.monthPillar, &c.dayPillar, &c.hourPillar};
  for (std::size_t k = 0; k < 4; ++k) {
    const Pillar& p = *pillars[k];
    b.elements[k] = data::ElementOf(p.stem) + data::ElementOf(p.branch);
    b.nayin[k] = data::NayinOf(p);
  }
  return b;
}

ShenshaBlock ShenshaOf(const ChartResult& chart) {
  const data::ChartPillars pillars = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
  ShenshaBlock block;
  for (const data::PillarPosition at : data::kPillarPositions) {
    const std::vector<std::string> results = data::PillarShenshaResults(at, pillars, chart.direction);
    block.lines[static_cast<std::size_t>(at)] = data::PillarShenshaLine(at, results);
    // Each rule's result names its stars separated by blanks.
    for (const std::string& result : results) {
      std::size_t at_char = 0;
      while (at_char < result.size()) {
        const std::size_t end = std::min(result.find(' ', at_char), result.size());
        if (end > at_char) {
          block.names.push_back(result.substr(at_char, end - at_char));
          block.pillarNames[static_cast<std::size_t>(at)].push_back(block.names.back());
        }
        at_char = end + 1;
      }
    }
  }
  return block;
}

BoneWeightLines BoneWeightFor(const ChartBlockInput& input) {
  // Before the instant of its day's jie a birth still weighs in the
  // previous lunar month.
  const LunarDate& lunar = input.lunar;
  const int month = input.chart.beforeJie ? (lunar.month == 1 ? 12 : lunar.month - 1) : lunar.month;
  return BoneWeightOf(std::to_string(lunar.year), std::to_string(month), std::to_string(lunar.day),
                      input.hourText);
}

void WriteChartBlock(TextPane& pane, const ChartBlock& b) {
  const ChartResult& c = b.chart;
  pane.Add("胎元：" + c.fetalOrigin.Text() + "(" + b.fetalNayin + ")");
  pane.Add("起运：" + std::to_string(c.startAge) + "岁");
  // The day stem is the chart's own self, shown as 日元.
  pane.Add("十神：" + b.yearGod + kSep + b.monthGod + kSep + "日元" + kSep + b.hourGod);
  pane.Add("八字：" + c.yearPillar.Text() + kSep + c.monthPillar.Text() + kSep + c.dayPillar.Text() + kSep +
           c.hourPillar.Text());

  // Hidden stems: the first stem of each branch on the first line, the
  // second and third on the two lines below, each under its column.
  std::vector<std::string> first;
  for (const HiddenStemCell& cell : b.hidden[0]) first.push_back(cell.stem + cell.god);
  pane.Add("遁藏：" + text::Join(first, " "));
  for (std::size_t row = 1; row < 3; ++row) {
    std::string line = kLabelBlanks;
    for (const HiddenStemCell& cell : b.hidden[row]) {
      line += text::Trim(cell.stem).empty() ? kHiddenBlanks : cell.stem + cell.god + " ";
    }
    pane.Add(line);
  }

  pane.Add("五行：" + b.elements[0] + kSep + b.elements[1] + kSep + b.elements[2] + kSep + b.elements[3]);
  pane.Add("纳音：" + b.nayin[0] + " " + b.nayin[1] + " " + b.nayin[2] + " " + b.nayin[3]);
  pane.Add(c.luckNayinLine);
  pane.Add(c.luckTenGodLine);
  pane.Add("大运：" + c.luckPillarsText);

  // The month pillar covers the years before the start age; luck pillar
  // k + 1 starts at age a + 10k.
  const int a = c.startAge;
  if (a == 1) {
    pane.Add("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  } else {
    std::string ages = "      1-" + std::to_string(a - 1) + "岁";
    for (int k = 0; k < 9; ++k) ages += kSep + std::to_string(a + 10 * k) + "岁";
    pane.Add(ages);
  }
  // Counted from the solar year, while the grids below count from the lunar year.
  std::string years = "始于：" + std::to_string(b.solarYear);
  for (int k = 0; k < 9; ++k) years += kSep + std::to_string(b.solarYear + a + 10 * k);
  pane.Add(years);
  pane.Add("");

  const int ly = b.lunarYear;
  for (int i = 0; i < 10; ++i) {
    pane.Add(GridRow(i < a, i == 0 ? "流年：" : kLabelBlanks, YearPillarText(ly + i),
                     [&](int k) { return YearPillarText(ly + a + i + 10 * k); }));
  }
  pane.Add("");

  // The age under a small-luck pillar counts the years after the lunar
  // birth year of the flowing year in the same place above.
  for (int i = 0; i < 10; ++i) {
    pane.Add(GridRow(i < a, i == 0 ? "小运：" : kLabelBlanks, SmallLuck(c, i).Text(),
                     [&](int k) { return SmallLuck(c, a + i + 10 * k).Text(); }));
    pane.Add(GridRow(i < a, kLabelBlanks, AgeText(i), [&](int k) { return AgeText(a + i + 10 * k); }));
  }
  pane.Add("");
}

void WriteShenshaBlock(TextPane& pane, const ShenshaBlock& block, const std::string& header) {
  pane.Add(header);
  for (const std::string& line : block.lines) pane.Add(line);
}

void WriteBoneWeightBlock(TextPane& pane, const BoneWeightLines& lines, const std::string& header) {
  pane.Add(header);
  pane.Add(lines.weight);
  pane.Add(lines.poem);
  pane.Add(lines.meaning);
}

void WritePersonalityBlock(TextPane& pane, const std::string& personality, const std::string& header) {
  pane.Add(header);
  pane.Add("    " + personality);
}

}  // namespace vantrel
