#include "tests/support/report_runs.h"

#include <exception>

namespace vantrel {
namespace {

// Appends the lines of a text pane to any pane.
template <typename Write>
void WriteInto(Pane& pane, Write write) {
  TextPane lines;
  write(lines);
  for (const std::string& line : lines.lines()) pane.Add(line);
}

void Fill(TextPane& pane, const std::function<void(TextPane&)>& write) {
  pane.Clear();
  write(pane);
}

}  // namespace

void RunMarriageReport(const MarriageEntry& entry, MarriagePanes& panes, Notifier& notifier,
                       const std::function<void(EntryFocus)>& focus, int currentYear) {
  const MarriageReport r = BuildMarriageReport(entry, currentYear);
  if (r.Started()) panes.report.SetText(RenderMarriageReport(r));
  const struct {
    const std::optional<MarriageParty>& party;
    const char* title;
    TextPane &shensha, &boneWeight, &personality;
  } sides[] = {{r.man, "男方", panes.shenshaMan, panes.boneWeightMan, panes.personalityMan},
               {r.woman, "女方", panes.shenshaWoman, panes.boneWeightWoman, panes.personalityWoman}};
  for (const auto& side : sides) {
    if (!side.party || !side.party->chart) continue;
    const PersonChart& c = *side.party->chart;
    const std::string title = side.title;
    if (c.shensha)
      Fill(side.shensha, [&](TextPane& p) { WriteShenshaBlock(p, *c.shensha, title + "四柱神煞："); });
    if (c.boneWeight) {
      Fill(side.boneWeight,
           [&](TextPane& p) { WriteBoneWeightBlock(p, *c.boneWeight, title + "袁天罡称骨算命："); });
    }
    if (c.personality) {
      Fill(side.personality,
           [&](TextPane& p) { WritePersonalityBlock(p, *c.personality, title + "性格简评："); });
    }
  }
  if (r.notice) {
    notifier.ShowNotice(*r.notice);
    if (focus && r.focus != EntryFocus::None) focus(r.focus);
  }
  if (r.fault) std::rethrow_exception(r.fault);
}

void RunChartReport(const ChartEntry& entry, Pane& visible, Pane& scratch, Notifier& notifier,
                    int currentYear) {
  const ChartReport r = BuildChartReport(entry, currentYear);
  if (r.Complete()) {
    const std::string text = RenderChartReport(r);
    scratch.SetText(text);
    visible.SetText(text);
  }
  if (r.notice) notifier.ShowNotice(*r.notice);
  if (r.fault) std::rethrow_exception(r.fault);
}

std::optional<ChartResult> CastChart(const Birth& birth, Notifier& notifier) {
  std::optional<ChartResult> chart = CastChart(birth);
  if (!chart) notifier.ShowNotice(kCheckInputNotice);
  return chart;
}

std::optional<PersonFacts> DerivePersonFacts(const PersonEntry& entry, int currentYear, Notifier& notifier) {
  std::optional<PersonFacts> facts = DerivePersonFacts(entry, currentYear);
  if (!facts) notifier.ShowNotice(kCheckInputNotice);
  return facts;
}

void WriteChartBlock(Pane& pane, const ChartBlockInput& input) {
  WriteInto(pane, [&](TextPane& p) { WriteChartBlock(p, BuildChartBlock(input)); });
}

void WriteShenshaBlock(Pane& pane, const ChartResult& chart, const std::string& header) {
  WriteInto(pane, [&](TextPane& p) { WriteShenshaBlock(p, ShenshaOf(chart), header); });
}

void WriteBoneWeightBlock(Pane& pane, const ChartBlockInput& input, const std::string& header) {
  WriteInto(pane, [&](TextPane& p) { WriteBoneWeightBlock(p, BoneWeightFor(input), header); });
}

void WritePersonalityBlock(Pane& pane, const ChartResult& chart, const std::string& header) {
  WriteInto(pane, [&](TextPane& p) { WritePersonalityBlock(p, chart.personalityText, header); });
}

}  // namespace vantrel
