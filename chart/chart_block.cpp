#include "chart/chart_block.h"

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

std::string YearPillarText(int y) { return text::GbkCopy(CycleYearText(CycleIndexOfYear(y)), 1, 4); }

std::string AgeText(int n) {
  std::string age = n <= 9 ? "0" : "";
  age += std::to_string(n);
  return age + "岁";
}

Pillar SmallLuck(const ChartResult& chart, int n) {
  return chart.hourPillar.Next(StepOf(chart.direction) * n);
}

void WriteChartBlock(Pane& pane, const ChartBlockInput& input) {
  const ChartResult& c = input.chart;
  const std::string dayStem = c.dayPillar.StemText();
  const auto god = [&](const std::string& stem) { return data::TenGodOf(dayStem + stem); };
  const auto elements = [](const Pillar& p) {
    return data::CharacterElement(p.StemText()) + data::CharacterElement(p.BranchText());
  };

  pane.Add("胎元：" + c.fetalOrigin.Text() + "(" + data::NayinOf(c.fetalOrigin.Text()) + ")");
  pane.Add("起运：" + std::to_string(c.startAge) + "岁");
  // The day stem is the chart's own self, shown as 日元.
  pane.Add("十神：" + god(c.yearPillar.StemText()) + kSep + god(c.monthPillar.StemText()) + kSep + "日元" +
           kSep + god(c.hourPillar.StemText()));
  pane.Add("八字：" + c.yearPillar.Text() + kSep + c.monthPillar.Text() + kSep + c.dayPillar.Text() + kSep +
           c.hourPillar.Text());

  // Hidden stems: the first stem of each branch on the first line, the
  // second and third on the two lines below, each under its column.
  const std::vector<std::string> hidden = {c.yearHidden, c.monthHidden, c.dayHidden, c.hourHidden};
  std::vector<std::string> first;
  for (const auto& h : hidden) {
    const std::string stem = HiddenStemAt(h, 1);
    first.push_back(stem + god(stem));
  }
  pane.Add("遁藏：" + text::Join(first, " "));
  for (int p = 2; p <= 3; ++p) {
    std::string line = kLabelBlanks;
    for (const auto& h : hidden) {
      const std::string stem = HiddenStemAt(h, p);
      line += text::Trim(stem).empty() ? kHiddenBlanks : stem + god(stem) + " ";
    }
    pane.Add(line);
  }

  pane.Add("五行：" + elements(c.yearPillar) + kSep + elements(c.monthPillar) + kSep + elements(c.dayPillar) +
           kSep + elements(c.hourPillar));
  pane.Add("纳音：" + data::NayinOf(c.yearPillar.Text()) + " " + data::NayinOf(c.monthPillar.Text()) + " " +
           data::NayinOf(c.dayPillar.Text()) + " " + data::NayinOf(c.hourPillar.Text()));
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
  std::string years = "始于：" + std::to_string(input.solarYear);
  for (int k = 0; k < 9; ++k) years += kSep + std::to_string(input.solarYear + a + 10 * k);
  pane.Add(years);
  pane.Add("");

  const int ly = input.lunar.year;
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

void WriteShenshaBlock(Pane& pane, const ChartResult& chart, const std::string& header) {
  const data::ChartPillars pillars = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
  pane.Add(header);
  for (const data::PillarPosition at : data::kPillarPositions) {
    pane.Add(data::PillarShenshaLine(at, pillars, chart.direction));
  }
}

void WriteBoneWeightBlock(Pane& pane, const ChartBlockInput& input, const std::string& header) {
  // Before the instant of its day's jie a birth still weighs in the
  // previous lunar month.
  const LunarDate& lunar = input.lunar;
  const int month = input.chart.beforeJie ? (lunar.month == 1 ? 12 : lunar.month - 1) : lunar.month;
  pane.Add(header);
  const BoneWeightLines lines = BoneWeightOf(std::to_string(lunar.year), std::to_string(month),
                                             std::to_string(lunar.day), input.hourText);
  pane.Add(lines.weight);
  pane.Add(lines.poem);
  pane.Add(lines.meaning);
}

void WritePersonalityBlock(Pane& pane, const ChartResult& chart, const std::string& header) {
  pane.Add(header);
  pane.Add("    " + chart.personalityText);
}

}  // namespace vantrel
