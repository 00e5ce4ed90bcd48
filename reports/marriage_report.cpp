#include "reports/marriage_report.h"

#include <array>
#include <optional>

#include "chart/chart.h"
#include "chart/chart_block.h"
#include "chart/life_palace.h"
#include "common/text.h"

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

// One person's part of the run: the facts of the entry and the fields read
// from the life-gua table.
struct Party {
  std::string name;
  PersonFacts facts;
  std::string lifeGua;        // the numeral 一..九, or empty
  std::string yearElement;    // of the year's nayin
  std::string animalElement;  // of the year's animal
  std::string monthBranch, hourBranch;
};

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

// The checks of one entry row, in order; false after the first message.
bool CheckEntry(const PersonEntry& e, const Side& side, Notifier& notifier,
                const std::function<void(EntryFocus)>& focus) {
  if (text::Trim(e.name).empty()) {
    notifier.ShowNotice(side.nameMissing);
    if (focus) focus(side.focus);
    return false;
  }
  if (e.blank) {
    notifier.ShowNotice(side.blankMissing[static_cast<std::size_t>(*e.blank)]);
    return false;
  }
  return true;
}

// Converts the dates and reads the life-gua fields; no result after a notice.
std::optional<Party> DeriveParty(const PersonEntry& e, const Side& side, int currentYear,
                                 Notifier& notifier) {
  std::optional<PersonFacts> facts = DerivePersonFacts(e, currentYear, notifier);
  if (!facts) return std::nullopt;
  Party p;
  p.name = text::Trim(e.name);
  p.facts = *facts;
  // A failing lookup leaves that person's fields empty.
  const std::vector<std::string> chars =
      text::Characters(LifeGuaLookup(p.facts.lunar.year, side.sex).value_or(""));
  auto at = [&](std::size_t position) {
    return position <= chars.size() ? chars[position - 1] : std::string();
  };
  p.lifeGua = at(3);
  p.yearElement = at(4);
  p.animalElement = at(5);
  return p;
}

void WriteNameLines(Pane& pane, const Party& p) {
  pane.Add("姓名：" + p.name + " 年龄：" + std::to_string(p.facts.age) + "岁" + "  属相：" + p.facts.animal +
           "  星座：" + p.facts.constellation);
  pane.Add(BirthLine(p.facts));
  pane.Add("农历：" + p.facts.lunarText);
}

// Casts a person's chart and writes it: the main block into the report, the
// shensha, bone-weight and personality blocks into that person's scratch
// panes, each cleared first. `afterShensha` runs between the shensha and the
// bone-weight blocks. No result when the chart engine refused the birth.
std::optional<ChartResult> WritePersonChart(Pane& report, const Party& p, const Side& side,
                                            Notifier& notifier, Pane& shensha, Pane& boneWeight,
                                            Pane& personality, const std::function<void()>& afterShensha) {
  std::optional<ChartResult> chart = CastChart(BirthOf(p.facts, side.sex), notifier);
  if (!chart) return chart;
  const ChartBlockInput input = BlockInputFor(*chart, p.facts);
  const std::string title = side.title;
  WriteChartBlock(report, input);
  shensha.Clear();
  WriteShenshaBlock(shensha, *chart, title + "四柱神煞：");
  if (afterShensha) afterShensha();
  boneWeight.Clear();
  WriteBoneWeightBlock(boneWeight, input, title + "袁天罡称骨算命：");
  personality.Clear();
  WritePersonalityBlock(personality, *chart, title + "性格简评：");
  return chart;
}

void WriteComparisonOfPanes(Pane& report, const char* heading, const Pane& man, const Pane& woman) {
  report.Add(heading);
  report.Add("");
  report.Add(man.Text());
  report.Add(woman.Text());
}

void WriteZodiacRows(Pane& report, data::Query& query, const char* label, const std::string& animal) {
  report.Add(std::string(label) + animal);
  query.Close();
  query.SetSql("select * from shengxiao where shuxing = ?");
  query.AddParam(animal);
  query.Open();
  report.Add("");
  for (const char* column : {"Tedian", "shouhushen", "yanshe", "fangwei", "hua", "shuzi"}) {
    report.Add(query.Text(column));
  }
  query.Close();
  report.Add("");
  report.Add("");
}

std::string PalaceText(const ChartResult& chart) {
  return std::string(LifePalace(chart.monthPillar.branch, chart.hourPillar.branch).Name());
}

std::string GroupText(const std::string& numeral) {
  return IsEastLife(numeral) ? " 属于东四命" : " 属于西四命";
}

}  // namespace

std::string SharedShenshaNames(const std::string& man, const std::string& woman) {
  std::string shared;
  for (const auto& entry : kSharedShenshaNames) {
    const std::string name = text::Trim(entry);
    if (man.find(name) != std::string::npos && woman.find(name) != std::string::npos) shared += name + " ";
  }
  return shared;
}

void RunMarriageReport(const MarriageEntry& entry, MarriagePanes& panes, Notifier& notifier,
                       data::Query& zodiacQuery, const std::function<void(EntryFocus)>& focus,
                       int currentYear) {
  if (currentYear == 0) currentYear = CurrentYear();
  Pane& report = panes.report;

  // The man: checks, dates, then the pane is cleared and his section written.
  if (!CheckEntry(entry.man, kMan, notifier, focus)) return;
  const std::optional<Party> man = DeriveParty(entry.man, kMan, currentYear, notifier);
  if (!man) return;
  report.Clear();
  report.Add("男方基本信息：");
  report.Add("");
  WriteNameLines(report, *man);
  const std::optional<ChartResult> manChart = WritePersonChart(report, *man, kMan, notifier, panes.shenshaMan,
                                                               panes.boneWeightMan, panes.personalityMan, {});
  if (!manChart) return;

  // The woman: her row is read only now; her section follows his.
  if (!CheckEntry(entry.woman, kWoman, notifier, focus)) return;
  const std::optional<Party> woman = DeriveParty(entry.woman, kWoman, currentYear, notifier);
  if (!woman) return;
  report.Add("------------------------------------------------------------------------");
  report.Add("");
  report.Add("女方基本信息：");
  report.Add("");
  WriteNameLines(report, *woman);
  // Only her section has the separator between its shensha and bone-weight blocks.
  const std::optional<ChartResult> womanChart =
      WritePersonChart(report, *woman, kWoman, notifier, panes.shenshaWoman, panes.boneWeightWoman,
                       panes.personalityWoman, [&report] {
                         report.Add(kMarriageSeparator);
                         report.Add("");
                       });
  if (!womanChart) return;
  panes.sum.Clear();

  // Life palace and the life-gua grade.
  report.Add("命宫速配：");
  report.Add("");
  report.Add("男命宫：" + PalaceText(*manChart) + GroupText(man->lifeGua));
  report.Add("");
  report.Add("女命宫：" + PalaceText(*womanChart) + GroupText(woman->lifeGua));
  report.Add("");
  // A failing match lookup shows nothing after its label.
  report.Add("合婚小结：" + LifeGuaMatch(MatchingNumeral(man->lifeGua, Sex::Man),
                                         MatchingNumeral(woman->lifeGua, Sex::Woman))
                                .value_or(""));
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  // Year elements.
  report.Add("五行速配：");
  report.Add("");
  report.Add("男八字五行：属于" + man->yearElement + "命 属相：" + man->facts.animal + "(" +
             man->animalElement + ")");
  report.Add("女八字五行：属于" + woman->yearElement + "命 属相：" + woman->facts.animal + "(" +
             woman->animalElement + ")");
  report.Add("");
  report.Add("八字五行速配结果：" + ElementMatch(man->yearElement, woman->yearElement).value_or(""));
  report.Add("");
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  // Zodiac animals.
  report.Add("属相速配：");
  report.Add("");
  WriteZodiacRows(report, zodiacQuery, "男属相：", man->facts.animal);
  WriteZodiacRows(report, zodiacQuery, "女属相：", woman->facts.animal);
  report.Add("");
  report.Add("另外：小五婚歌诀也可参考");
  report.Add("老鼠兔子不成婚，虎猴一见两地分。");
  report.Add("金鸡不到马群跑，江猪不敢跳龙门。");
  report.Add("戌狗不到巳上去，牛羊相逢泪淋淋。");
  report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");

  WriteComparisonOfPanes(report, "简易性格对比：", panes.personalityMan, panes.personalityWoman);
  report.Add(kMarriageSeparator);
  report.Add("");
  WriteComparisonOfPanes(report, "骨重对比：", panes.boneWeightMan, panes.boneWeightWoman);
  report.Add(kMarriageSeparator);
  report.Add("");

  WriteComparisonOfPanes(report, "四柱神煞对比：", panes.shenshaMan, panes.shenshaWoman);
  report.Add("四柱神煞相同的有：" + SharedShenshaNames(panes.shenshaMan.Text(), panes.shenshaWoman.Text()));
  report.Add("说明：此处提供参考，相同越多说明两人命运接近，更符合婚配。");
  report.Add("");
  report.Add(kMarriageSeparator);
  for (int i = 0; i < 4; ++i) report.Add("");
  report.Add(kMarriageSeparator);
  report.Add("");
  report.Add("特别声明：以上分析只做参考，即使分析不佳世上也有欢喜冤家或旷世奇缘的情感。");

  ScrollToTop(report);
}

}  // namespace vantrel
