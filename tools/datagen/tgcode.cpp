// Tgcode.dll, the second file.
#include <array>
#include <stdexcept>
#include <string_view>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "common/datetime.h"
#include "common/text.h"
#include "tools/datagen/database_writer.h"
#include "tools/datagen/datagen.h"
#include "tools/lib/solar_terms.h"

namespace vantrel::tools {
namespace {

namespace schema = data::schema;

// ---- Five elements ----

// 木 feeds 火, 火 feeds 土, 土 feeds 金, 金 feeds 水, 水 feeds 木; each one
// checks the second after it (木 checks 土, 土 checks 水, ...).
Element Fed(Element e) { return static_cast<Element>((static_cast<int>(e) + 1) % 5); }
Element Checked(Element e) { return static_cast<Element>((static_cast<int>(e) + 2) % 5); }

// One row per element, holding every stem and branch of that element, so
// that a character stands in exactly one row.
void WriteHzwh(DatabaseWriter& w) {
  w.Create(schema::kHzwh);
  for (const Element e : {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water}) {
    std::string characters;
    for (int s = 0; s < 10; ++s) {
      if (Stem(s).GetElement() == e) characters += Stem(s).Name();
    }
    for (int b = 0; b < 12; ++b) {
      if (Branch(b).GetElement() == e) characters += Branch(b).Name();
    }
    w.Insert(schema::kHzwh, {characters, std::string(ElementName(e))});
  }
}

// ---- Ten gods ----

// The other stem seen from the day stem: the same element is 比肩 or 劫财,
// the element the day feeds 食神 or 伤官, the one it checks 偏财 or 正财, the
// one that checks it 七杀 or 正官, the one that feeds it 偏印 or 正印; the
// first of each pair when both stems are yang or both yin.
std::string TenGod(Stem day, Stem other) {
  static constexpr const char* kNames[5][2] = {
      {"比肩", "劫财"}, {"食神", "伤官"}, {"偏财", "正财"}, {"七杀", "正官"}, {"偏印", "正印"}};
  const Element d = day.GetElement();
  const Element o = other.GetElement();
  const int kind = o == d ? 0 : o == Fed(d) ? 1 : o == Checked(d) ? 2 : d == Checked(o) ? 3 : 4;
  return kNames[kind][day.IsYin() == other.IsYin() ? 0 : 1];
}

void WriteShishen(DatabaseWriter& w) {
  w.Create(schema::kShishen);
  for (int day = 0; day < 10; ++day) {
    for (int other = 0; other < 10; ++other) {
      w.Insert(schema::kShishen,
               {std::string(StemNames[day]) + std::string(StemNames[other]), TenGod(Stem(day), Stem(other))});
    }
  }
}

// ---- Nayin ----

// The nayin of the sixty pillars, three characters each, in cycle order;
// the two pillars of each pair share their nayin.
std::vector<std::string> WriteJiazi(DatabaseWriter& w, const std::string& resources) {
  const ResourceTable table = ReadResource(resources, "tgcode/jiazi.tsv");
  const std::vector<std::string> pillars = PillarTexts();
  const std::vector<std::string> nayin = ValuesByKey(table, "jiazi", "layin", pillars);
  w.Create(schema::kJiazi);
  for (std::size_t i = 0; i < pillars.size(); ++i) {
    const auto chars = text::Characters(nayin[i]);
    if (chars.size() != 3 || nayin[i] != nayin[i - i % 2]) {
      throw std::runtime_error(table.file + ": '" + nayin[i] + "' is not the nayin of " + pillars[i]);
    }
    w.Insert(schema::kJiazi, {pillars[i], nayin[i]});
  }
  return nayin;
}

// ---- Life gua (Eight Mansions) ----

constexpr std::array<std::string_view, 10> kNumerals = {"",   "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};

// The trigram of each life-gua number: 坎一 坤二 震三 巽四 乾六 兑七 艮八 离九.
// 五 has no trigram of its own: a man's 五 counts as 坤, a woman's as 艮.
constexpr std::array<std::string_view, 10> kTrigrams = {"", "坎", "坤", "震", "巽",
                                                        "", "乾", "兑", "艮", "离"};

// The three lines of each trigram, bottom line in bit 0, top line in bit 2,
// a set bit for a yang line: 乾 ☰ 7, 兑 ☱ 3, 离 ☲ 5, 震 ☳ 1, 巽 ☴ 6, 坎 ☵ 2,
// 艮 ☶ 4, 坤 ☷ 0.
constexpr std::array<int, 10> kTrigramLines = {0, 2, 0, 1, 6, 0, 7, 3, 4, 5};

// The life-gua numbers of a lunar year. The numbers run through a nine-year
// cycle, a man's downwards and a woman's upwards. The usual rule of thumb
// takes r, the digit sum of the year's last two digits reduced to one digit:
// in the 1900s a man has 10 − r and a woman r + 5, from 2000 a man 9 − r and
// a woman r + 6 (each reduced to one digit the same way, 0 read as 9). Both
// are this cycle written per century; counted on the whole year it carries
// on across 2100 too, where the two-digit rule would restart at 2000's value.
int ManNumber(int year) {
  const int n = Mod(11 - Mod(year, 9), 9);
  return n == 0 ? 9 : n;
}
int WomanNumber(int year) {
  const int n = Mod(Mod(year, 9) + 4, 9);
  return n == 0 ? 9 : n;
}

void WriteMg(DatabaseWriter& w, const std::vector<std::string>& nayin) {
  w.Create(schema::kMg);
  for (int year = 1900; year <= 2100; ++year) {
    const int man = ManNumber(year);
    const std::string gua = std::string(kTrigrams[man == 5 ? 2 : man]) + "卦";
    // The year's element is the last character of its pillar's nayin; the
    // animal's element is that of the year's branch.
    const std::string yearElement = text::Characters(nayin[Mod(CycleIndexOfYear(year), 60)]).back();
    const std::string animalElement(ElementName(Branch(CycleIndexOfYear(year)).GetElement()));
    w.Insert(schema::kMg, {std::to_string(year), gua, std::string(kNumerals[man]),
                           std::string(kNumerals[WomanNumber(year)]), yearElement, animalElement});
  }
}

// The relation of two trigrams follows from the lines in which they differ
// (大游年): changing the top line gives 生气, then the middle 五鬼, then the
// bottom 延年, the middle 六煞, the top 祸害, the middle 天医, the bottom 绝命
// and the middle again 伏位, the trigram itself. Indexed by the changed
// lines as in kTrigramLines.
constexpr std::array<std::string_view, 8> kRelations = {"伏位", "祸害", "绝命", "天医",
                                                        "生气", "六煞", "五鬼", "延年"};

// Grade codes: 生气 延年 天医 the best matches ("1", 上等婚); 伏位, the
// couple of one trigram, and 六煞 a middling one ("2", 中等婚); 祸害 五鬼 绝命
// the poor ones ("3", 下等婚).
std::string GradeOf(std::string_view relation) {
  if (relation == "生气" || relation == "延年" || relation == "天医") return "1";
  if (relation == "伏位" || relation == "六煞") return "2";
  return "3";
}

void WriteMghp(DatabaseWriter& w) {
  w.Create(schema::kMghp);
  for (int man = 1; man <= 9; ++man) {
    for (int woman = 1; woman <= 9; ++woman) {
      if (man == 5 || woman == 5) continue;  // replaced before the lookup
      const std::string_view relation = kRelations[kTrigramLines[man] ^ kTrigramLines[woman]];
      w.Insert(schema::kMghp, {std::string(kNumerals[man]), std::string(kNumerals[woman]), GradeOf(relation),
                               std::string(relation)});
    }
  }
}

// ---- Jie instants ----

// The twelve jie that open the months are the terms of even number, 小寒,
// 立春, ..., 大雪; each falls in the Gregorian year it is counted in.
void WriteJq(DatabaseWriter& w) {
  w.Create(schema::kJq);
  for (int year = 1900; year <= 2100; ++year) {
    for (int term = 0; term < 24; term += 2) {
      const DateTime instant = SolarTermInstantCst(year, term);
      if (DecodeDate(instant).year != year) {
        throw std::runtime_error(std::string(SolarTermNames[term]) + " of " + std::to_string(year) +
                                 " falls outside its year");
      }
      w.Insert(schema::kJq,
               {std::to_string(year), std::string(SolarTermNames[term]), FormatDateTime(instant)});
    }
  }
}

}  // namespace

void BuildTgcode(const std::string& resources, const std::string& out) {
  DatabaseWriter w(out);
  WriteHzwh(w);
  WriteShishen(w);
  const std::vector<std::string> nayin = WriteJiazi(w, resources);
  WriteMg(w, nayin);
  WriteMghp(w);
  WriteResourceTables(w, resources,
                      {{schema::kMgfx, "tgcode/mgfx.tsv"},
                       {schema::kMgwx, "tgcode/mgwx.tsv"},
                       {schema::kShengxiao, "tgcode/shengxiao.tsv"}});
  WriteJq(w);
  w.Finish();
}

}  // namespace vantrel::tools
