#include "chart/hour_table.h"

#include <cstdio>

#include "chart/chart_block.h"
#include "common/text.h"
#include "data/lookups.h"
#include "data/shensha.h"

namespace vantrel {
namespace {

// "23-01点", "01-03点", .. "21-23点".
std::string SpanOf(int branch) {
  char span[16];
  std::snprintf(span, sizeof span, "%02d-%02d", (branch * 2 + 23) % 24, branch * 2 + 1);
  return std::string(span) + "点";
}

}  // namespace

std::optional<HourTable> HourTableOf(Birth birth) {
  HourTable table;
  birth.minute = 0;
  for (int b = 0; b < 12; ++b) {
    // The first clock hour of each double hour, the 子 hour at 00:00.
    birth.hour = b == 0 ? 0 : 2 * b - 1;
    const std::optional<ChartResult> chart = CastChart(birth);
    if (!chart) return std::nullopt;
    if (b == 0) {
      table.yearPillar = chart->yearPillar;
      table.monthPillar = chart->monthPillar;
      table.dayPillar = chart->dayPillar;
    }
    const data::ChartPillars pillars = {chart->yearPillar, chart->monthPillar, chart->dayPillar,
                                        chart->hourPillar};
    HourRow row{chart->hourPillar.branch,
                SpanOf(b),
                chart->hourPillar,
                chart->yearPillar,
                chart->monthPillar,
                data::TenGodOf(chart->dayPillar.stem, chart->hourPillar.stem),
                {}};
    for (const std::string& result :
         data::PillarShenshaResults(data::PillarPosition::Hour, pillars, chart->direction)) {
      for (const std::string& name : text::SplitLines(text::ReplaceAll(result, " ", "\n"))) {
        if (!name.empty()) row.shensha.push_back(name);
      }
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::vector<std::string> HourTableLines(const HourTable& t) {
  std::vector<std::string> lines;
  lines.push_back("时辰不详：年柱 " + t.yearPillar.Text() + "   月柱 " + t.monthPillar.Text() + "   日柱 " +
                  t.dayPillar.Text() + "，时柱有以下十二种可能：");
  lines.push_back("时辰   时间      时柱   十神   时柱神煞");
  for (const HourRow& r : t.rows) {
    std::string line = std::string(r.branch.Name()) + "时   " + r.span + "   " + r.pillar.Text() + "   " +
                       r.tenGod + "   " + text::Join(r.shensha, " ");
    // A jie that day: the hours after its instant have another month.
    if (r.yearPillar.Text() != t.yearPillar.Text() || r.monthPillar.Text() != t.monthPillar.Text()) {
      line += "（此时辰年柱 " + r.yearPillar.Text() + "，月柱 " + r.monthPillar.Text() + "）";
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace vantrel
