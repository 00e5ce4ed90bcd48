#include "reports/chart_report.h"

#include <optional>

#include "chart/chart.h"
#include "chart/chart_block.h"
#include "common/text.h"
#include "data/lookups.h"

namespace vantrel {

const char* const kChartSeparator = "<-----------------------批八字内容分隔线----------------------------->";
const char* const kConstellationSeparator =
    "<-----------------------星座分析内容分隔线--------------------------->";
const char* const kChartClosingLine =
    "<-----------------------以上内容只作参考----------------------------->";

namespace {

// Writes the chart part; false when the chart engine refused the birth.
bool WriteChart(const ChartEntry& entry, const PersonFacts& f, Pane& pane, Notifier& notifier) {
  pane.Add(kChartSeparator);
  const std::optional<ChartResult> chart = CastChart(BirthOf(f, entry.sex), notifier);
  if (!chart) return false;
  const ChartBlockInput input = BlockInputFor(*chart, f);
  WriteChartBlock(pane, input);
  WriteShenshaBlock(pane, *chart, "四柱神煞：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  WriteBoneWeightBlock(pane, input, "袁天罡称骨算命：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  WritePersonalityBlock(pane, *chart, "性格简评：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  pane.Add(kChartClosingLine);
  return true;
}

void WriteConstellation(const PersonFacts& f, Pane& pane) {
  pane.Add("");
  pane.Add(kConstellationSeparator);
  const struct {
    data::ConstellationTopic topic;
    const char* heading;
    const char* indent;
  } sections[] = {{data::ConstellationTopic::EmotionalIntelligence, "【情商解析】:", ""},
                  {data::ConstellationTopic::LoveAndStrength, "【星座实力】:", "    "},
                  {data::ConstellationTopic::FamousPeople, "【星座名人】:", "    "}};
  for (const auto& section : sections) {
    pane.Add(section.heading);
    pane.Add(std::string(section.indent) + data::TopicText(f.constellation, section.topic));
    pane.Add("");
    pane.Add(kConstellationSeparator);
    pane.Add("");
  }
  pane.Add(kChartClosingLine);
}

}  // namespace

void RunChartReport(const ChartEntry& entry, Pane& visible, Pane& scratch, Notifier& notifier,
                    int currentYear) {
  if (currentYear == 0) currentYear = CurrentYear();
  const std::string name = text::Trim(entry.person.name) + text::Trim(entry.hiddenName);
  if (entry.person.blank) {
    static constexpr const char* kAsk[] = {"请选择出生年!", "请选择出生月!", "请选择出生日!",
                                           "请选择出生小时!"};
    notifier.ShowNotice(kAsk[static_cast<int>(*entry.person.blank)]);
    return;
  }
  const std::optional<PersonFacts> facts = DerivePersonFacts(entry.person, currentYear, notifier);
  if (!facts) return;

  scratch.Clear();
  scratch.Add("");
  scratch.Add("姓名：" + name);
  scratch.Add("年龄：" + std::to_string(facts->age) + "岁");
  scratch.Add(BirthLine(*facts));
  scratch.Add("农历：" + facts->lunarText);
  scratch.Add("属相：" + facts->animal);
  scratch.Add("星座：" + facts->constellation);

  if (entry.kind == ReportKind::Chart) {
    if (!WriteChart(entry, *facts, scratch, notifier)) return;
  } else {
    WriteConstellation(*facts, scratch);
  }
  visible.SetText(scratch.Text());
}

}  // namespace vantrel
