#include "reports/chart_report.h"

#include "common/pane.h"
#include "common/text.h"
#include "data/lookups.h"

namespace vantrel {

const char* const kChartSeparator = "<-----------------------批八字内容分隔线----------------------------->";
const char* const kConstellationSeparator =
    "<-----------------------星座分析内容分隔线--------------------------->";
const char* const kChartClosingLine =
    "<-----------------------以上内容只作参考----------------------------->";

namespace {

constexpr data::ConstellationTopic kTopics[] = {data::ConstellationTopic::EmotionalIntelligence,
                                                data::ConstellationTopic::LoveAndStrength,
                                                data::ConstellationTopic::FamousPeople};

void WriteChart(TextPane& pane, const PersonChart& c) {
  pane.Add(kChartSeparator);
  WriteChartBlock(pane, *c.block);
  WriteShenshaBlock(pane, *c.shensha, "四柱神煞：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  WriteBoneWeightBlock(pane, *c.boneWeight, "袁天罡称骨算命：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  WritePersonalityBlock(pane, *c.personality, "性格简评：");
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");
  pane.Add(kChartClosingLine);
}

void WriteConstellation(TextPane& pane, const std::array<std::string, 3>& topics) {
  pane.Add("");
  pane.Add(kConstellationSeparator);
  const struct {
    const char* heading;
    const char* indent;
  } sections[] = {{"【情商解析】:", ""}, {"【星座实力】:", "    "}, {"【星座名人】:", "    "}};
  for (std::size_t k = 0; k < 3; ++k) {
    pane.Add(sections[k].heading);
    pane.Add(std::string(sections[k].indent) + topics[k]);
    pane.Add("");
    pane.Add(kConstellationSeparator);
    pane.Add("");
  }
  pane.Add(kChartClosingLine);
}

}  // namespace

std::string ChartReport::KindWord() const { return kind == ReportKind::Chart ? "八字" : "星座"; }

ChartReport BuildChartReport(const ChartEntry& entry, int currentYear) {
  if (currentYear == 0) currentYear = CurrentYear();
  ChartReport r;
  r.kind = entry.kind;
  r.name = text::Trim(entry.person.name) + text::Trim(entry.hiddenName);
  if (entry.person.blank) {
    static constexpr const char* kAsk[] = {"请选择出生年!", "请选择出生月!", "请选择出生日!",
                                           "请选择出生小时!"};
    r.notice = kAsk[static_cast<int>(*entry.person.blank)];
    return r;
  }
  try {
    r.facts = DerivePersonFacts(entry.person, currentYear);
    if (!r.facts) {
      r.notice = kCheckInputNotice;
      return r;
    }
    if (entry.kind == ReportKind::Chart && r.facts->hourUnknown) {
      Birth birth;
      birth.date = DecodeDate(r.facts->solarDate);
      birth.sex = entry.sex;
      birth.zi = r.facts->zi;
      r.hourTable = HourTableOf(birth);
      if (!r.hourTable) r.notice = kCheckInputNotice;
    } else if (entry.kind == ReportKind::Chart) {
      r.chart = ChartOfPerson(*r.facts, entry.sex, r.fault);
      if (!r.chart) r.notice = kCheckInputNotice;
      if (r.chart) r.warnings = r.chart->chart.warnings;
    } else {
      std::array<std::string, 3> topics;
      for (std::size_t k = 0; k < 3; ++k) topics[k] = data::TopicText(r.facts->constellation, kTopics[k]);
      r.topics = std::move(topics);
    }
  } catch (...) {
    r.fault = std::current_exception();
  }
  return r;
}

std::string RenderChartReport(const ChartReport& r) {
  if (!r.Complete()) return {};
  const PersonFacts& f = *r.facts;
  TextPane pane;
  pane.Add("");
  pane.Add("姓名：" + r.name);
  pane.Add("年龄：" + std::to_string(f.age) + "岁");
  WriteBirthLines(pane, f);
  pane.Add("农历：" + f.lunarText);
  pane.Add("属相：" + f.animal);
  pane.Add("星座：" + f.constellation);
  if (r.chart) {
    WriteChart(pane, *r.chart);
  } else if (r.hourTable) {
    pane.Add(kChartSeparator);
    for (const std::string& line : HourTableLines(*r.hourTable)) pane.Add(line);
    pane.Add("");
    pane.Add(kChartSeparator);
    pane.Add("");
    pane.Add(kChartClosingLine);
  } else {
    WriteConstellation(pane, *r.topics);
  }
  return pane.Text();
}

}  // namespace vantrel
