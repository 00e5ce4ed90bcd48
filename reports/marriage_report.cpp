#include "reports/marriage_report.h"

#include "chart/life_palace.h"
#include "common/pane.h"
#include "common/text.h"
#include "data/lookups.h"

namespace vantrel {

const char* const kMarriageSeparator =
    "<-----------------------八字合婚内容分隔线----------------------------->";

const std::vector<std::string> kSharedShenshaNames = {"魁罡贵人",
                                                      "三奇贵人",
                                                      "天德贵人",
                                                      "月德贵人",
                                                      "天乙贵人",
                                                      "太极贵人",
                                                      "文昌贵人",
                                                      "国印贵人",
                                                      "驿马",
                                                      "华盖",
                                                      "学堂",
                                                      "词馆",
                                                      "金舆",
                                                      "金神",
                                                      "将星",
                                                      "天医",
                                                      "禄神",
                                                      "羊刃",
                                                      "红鸾",
                                                      "天喜",
                                                      "元辰",
                                                      "灾煞",
                                                      "孤辰",
                                                      "寡宿",
                                                      "天罗地网",
                                                      "亡神",
                                                      "劫煞",
                                                      "咸池",
                                                      "披麻、吊客、丧门",
                                                      "勾绞煞",
                                                      "十恶大败",
                                                      "阴阳差错",
                                                      "空亡",
                                                      "四废",
                                                      "天赦",
                                                      "拱禄",
                                                      "孤鸾煞"};

namespace {

struct Side {
  Sex sex;
  const char* title;  // "男方" / "女方"
  const char* nameMissing;
  // The questions for a blank year, month, day and hour.
  std::array<const char*, 4> blankMissing;
  EntryFocus focus;
};

constexpr Side kMan{Sex::Man,
                    "男方",
                    "男方姓名不能为空!",
                    {"请选择男方出生年!", "请选择男方出生月!", "请选择男方出生日!", "请选择男方出生小时!"},
                    EntryFocus::ManName};
constexpr Side kWoman{Sex::Woman,
                      "女方",
                      "女方姓名不能为空!",
                      {"请选择女方出生年!", "请选择女方出生月!", "请选择女方出生日!", "请选择女方出生小时!"},
                      EntryFocus::WomanName};

// The checks of one entry row, in order: the notice of the first that
// fails, with the edit to focus.
bool CheckEntry(const PersonEntry& e, const Side& side, MarriageReport& r) {
  if (text::Trim(e.name).empty()) {
    r.notice = side.nameMissing;
    r.focus = side.focus;
    return false;
  }
  if (e.blank) {
    r.notice = side.blankMissing[static_cast<std::size_t>(*e.blank)];
    return false;
  }
  // The matching needs both hours: an hour not known is asked for as a blank one.
  if (e.hourUnknown) {
    r.notice = side.blankMissing[static_cast<std::size_t>(BirthField::Hour)];
    return false;
  }
  return true;
}

// Converts the dates and reads the life-gua fields; no result after a notice.
std::optional<MarriageParty> DeriveParty(const PersonEntry& e, const Side& side, int currentYear,
                                         MarriageReport& r) {
  std::optional<PersonFacts> facts = DerivePersonFacts(e, currentYear);
  if (!facts) {
    r.notice = kCheckInputNotice;
    return std::nullopt;
  }
  MarriageParty p;
  p.name = text::Trim(e.name);
  p.facts = std::move(*facts);
  // A year without a row leaves that person's fields empty.
  const LifeGuaFacts gua = LifeGuaOf(p.facts.lunar.year, side.sex);
  p.lifeGua = gua.gua;
  p.yearElement = gua.yearElement;
  p.animalElement = gua.animalElement;
  return p;
}

// The person's row checked and read, then the chart cast; false when the
// report stops there.
bool MakeParty(const PersonEntry& e, const Side& side, int currentYear, MarriageReport& r,
               std::optional<MarriageParty>& party) {
  if (!CheckEntry(e, side, r)) return false;
  party = DeriveParty(e, side, currentYear, r);
  if (!party) return false;
  party->chart = ChartOfPerson(party->facts, side.sex, r.fault);
  if (!party->chart) {
    r.notice = kCheckInputNotice;
    return false;
  }
  for (const std::string& w : party->chart->chart.warnings) r.warnings.push_back(side.title + ("：" + w));
  return !r.fault;
}

MarriageComparison Compare(const MarriageParty& man, const MarriageParty& woman, std::exception_ptr& fault) {
  MarriageComparison c;
  c.manPalace = LifePalace(man.chart->chart.monthPillar.branch, man.chart->chart.hourPillar.branch);
  c.womanPalace = LifePalace(woman.chart->chart.monthPillar.branch, woman.chart->chart.hourPillar.branch);
  c.manEast = IsEastLife(man.lifeGua);
  c.womanEast = IsEastLife(woman.lifeGua);
  c.lifeGuaMatch = LifeGuaMatch(MatchingGua(man.lifeGua, Sex::Man), MatchingGua(woman.lifeGua, Sex::Woman));
  c.elementMatch = ElementMatch(man.yearElement, woman.yearElement);
  c.sharedShensha = SharedShensha(man.chart->shensha->names, woman.chart->shensha->names);
  try {
    for (const MarriageParty* p : {&man, &woman}) {
      c.zodiac.push_back({p->facts.animal, data::ZodiacTexts(p->facts.animal)});
    }
  } catch (...) {
    fault = std::current_exception();
  }
  return c;
}

void WriteNameLines(TextPane& pane, const MarriageParty& p) {
  pane.Add("姓名：" + p.name + " 年龄：" + std::to_string(p.facts.age) + "岁" + "  属相：" + p.facts.animal +
           "  星座：" + p.facts.constellation);
  WriteBirthLines(pane, p.facts);
  pane.Add("农历：" + p.facts.lunarText);
}

// The part of a person's section the report pane shows: the name lines and
// the main chart block (the woman's followed by a separator once her
// shensha are known). False when the section stops short.
bool WriteSection(TextPane& report, const MarriageParty& p, bool separatorAfterShensha) {
  WriteNameLines(report, p);
  if (!p.chart || !p.chart->block) return false;
  WriteChartBlock(report, *p.chart->block);
  if (!p.chart->shensha) return false;
  if (separatorAfterShensha) {
    report.Add(kMarriageSeparator);
    report.Add("");
  }
  return p.chart->Complete();
}

// A person's sub-block as its own text, which the comparison copies in.
template <typename Write>
std::string BlockText(Write write) {
  TextPane pane;
  write(pane);
  return pane.Text();
}

void WriteComparisonOfBlocks(TextPane& report, const char* heading, const std::string& man,
                             const std::string& woman) {
  report.Add(heading);
  report.Add("");
  report.Add(man);
  report.Add(woman);
}

// The zodiac rows; false when a row is missing (the report stopped reading them).
bool WriteZodiac(TextPane& report, const MarriageComparison& c, const MarriageParty& man,
                 const MarriageParty& woman) {
  const char* const labels[] = {"男属相：", "女属相："};
  const MarriageParty* parties[] = {&man, &woman};
  for (std::size_t k = 0; k < 2; ++k) {
    report.Add(std::string(labels[k]) + parties[k]->facts.animal);
    if (k >= c.zodiac.size()) return false;
    report.Add("");
    for (const std::string& text : c.zodiac[k].texts) report.Add(text);
    report.Add("");
    report.Add("");
  }
  return true;
}

void WriteComparison(TextPane& report, const MarriageComparison& c, const MarriageParty& man,
                     const MarriageParty& woman) {
  const auto group = [](bool east) { return east ? " 属于东四命" : " 属于西四命"; };
  // Life palace and the life-gua grade.
  report.Add("命宫速配：");
  report.Add("");
  report.Add("男命宫：" + std::string(c.manPalace.Name()) + group(c.manEast));
  report.Add("");
  report.Add("女命宫：" + std::string(c.womanPalace.Name()) + group(c.womanEast));
  report.Add("");
  report.Add("合婚小结：" + c.lifeGuaMatch);
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  // Year elements.
  report.Add("五行速配：");
  report.Add("");
  report.Add("男八字五行：属于" + man.yearElement + "命 属相：" + man.facts.animal + "(" + man.animalElement +
             ")");
  report.Add("女八字五行：属于" + woman.yearElement + "命 属相：" + woman.facts.animal + "(" +
             woman.animalElement + ")");
  report.Add("");
  report.Add("八字五行速配结果：" + c.elementMatch);
  report.Add("");
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  // Zodiac animals.
  report.Add("属相速配：");
  report.Add("");
  if (!WriteZodiac(report, c, man, woman)) return;
  report.Add("");
  report.Add("另外：小五婚歌诀也可参考");
  report.Add("老鼠兔子不成婚，虎猴一见两地分。");
  report.Add("金鸡不到马群跑，江猪不敢跳龙门。");
  report.Add("戌狗不到巳上去，牛羊相逢泪淋淋。");
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  const PersonChart& m = *man.chart;
  const PersonChart& w = *woman.chart;
  WriteComparisonOfBlocks(
      report, "简易性格对比：",
      BlockText([&](TextPane& p) { WritePersonalityBlock(p, *m.personality, "男方性格简评："); }),
      BlockText([&](TextPane& p) { WritePersonalityBlock(p, *w.personality, "女方性格简评："); }));
  report.Add(kMarriageSeparator);
  report.Add("");
  WriteComparisonOfBlocks(
      report, "骨重对比：",
      BlockText([&](TextPane& p) { WriteBoneWeightBlock(p, *m.boneWeight, "男方袁天罡称骨算命："); }),
      BlockText([&](TextPane& p) { WriteBoneWeightBlock(p, *w.boneWeight, "女方袁天罡称骨算命："); }));
  report.Add(kMarriageSeparator);
  report.Add("");

  WriteComparisonOfBlocks(
      report, "四柱神煞对比：",
      BlockText([&](TextPane& p) { WriteShenshaBlock(p, *m.shensha, "男方四柱神煞："); }),
      BlockText([&](TextPane& p) { WriteShenshaBlock(p, *w.shensha, "女方四柱神煞："); }));
  std::string shared;
  for (const std::string& name : c.sharedShensha) shared += name + " ";
  report.Add("四柱神煞相同的有：" + shared);
  report.Add("说明：此处提供参考，相同越多说明两人命运接近，更符合婚配。");
  report.Add("");
  report.Add(kMarriageSeparator);
  for (int i = 0; i < 4; ++i) report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");
  report.Add("特别声明：以上分析只做参考，即使分析不佳世上也有欢喜冤家或旷世奇缘的情感。");
}

}  // namespace

std::vector<std::string> SharedShensha(const std::vector<std::string>& man,
                                       const std::vector<std::string>& woman) {
  const auto has = [](const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names) {
      if (n == name) return true;
    }
    return false;
  };
  std::vector<std::string> shared;
  for (const std::string& name : kSharedShenshaNames) {
    if (has(man, name) && has(woman, name)) shared.push_back(name);
  }
  return shared;
}

bool MarriageReport::Complete() const {
  return comparison && comparison->zodiac.size() == 2 && !notice && !fault;
}

std::string MarriageReport::CoupleName() const { return manName + " / " + womanName; }

MarriageReport BuildMarriageReport(const MarriageEntry& entry, int currentYear) {
  if (currentYear == 0) currentYear = CurrentYear();
  MarriageReport r;
  r.manName = text::Trim(entry.man.name);
  r.womanName = text::Trim(entry.woman.name);
  try {
    // The man: checks, dates and chart; the woman's row is read only after his section.
    if (!MakeParty(entry.man, kMan, currentYear, r, r.man)) return r;
    if (!MakeParty(entry.woman, kWoman, currentYear, r, r.woman)) return r;
    r.comparison = Compare(*r.man, *r.woman, r.fault);
  } catch (...) {
    r.fault = std::current_exception();
  }
  return r;
}

std::string RenderMarriageReport(const MarriageReport& r) {
  if (!r.Started()) return {};
  TextPane report;
  report.Add("男方基本信息：");
  report.Add("");
  if (!WriteSection(report, *r.man, false) || !r.woman) return report.Text();
  report.Add("------------------------------------------------------------------------");
  report.Add("");
  report.Add("女方基本信息：");
  report.Add("");
  if (!WriteSection(report, *r.woman, true) || !r.comparison) return report.Text();
  WriteComparison(report, *r.comparison, *r.man, *r.woman);
  return report.Text();
}

}  // namespace vantrel
