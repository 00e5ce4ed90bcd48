#pragma once
// The marriage-matching report: each person's chart, then the comparison of
// the two (life palace and life groups, the life-gua grade, year elements,
// zodiac animals, personalities, bone weights and the shensha they share).
//
// The report is built as a value and written by its renderer. It is worked
// out in a fixed order: the man's row is checked and his section made before
// the woman's row is read, so a notice about her row (or a fault) comes with
// his section already made, and the value holds what was made before it.
#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "chart/life_palace.h"
#include "reports/person_entry.h"

namespace vantrel {

struct MarriageEntry {
  PersonEntry man;
  PersonEntry woman;
};

// Which name edit the window should focus after a notice.
enum class EntryFocus { None, ManName, WomanName };

// The separator line between the report's sections.
extern const char* const kMarriageSeparator;
// The 37 shensha names the comparison looks for in both persons' charts.
extern const std::vector<std::string> kSharedShenshaNames;

// One person's section.
struct MarriageParty {
  std::string name;  // trimmed
  PersonFacts facts;
  // The fields of the person's row in the life-gua table: the life gua, the
  // year's nayin element and the animal's element; none or empty without a row.
  std::optional<LifeGua> lifeGua;
  std::string yearElement;
  std::string animalElement;
  // Absent when the report stopped before the chart was cast.
  std::optional<PersonChart> chart;
};

// The six texts of an animal's row in the zodiac table.
struct ZodiacRow {
  std::string animal;
  std::array<std::string, 6> texts{};
};

struct MarriageComparison {
  Branch manPalace, womanPalace;
  bool manEast = false, womanEast = false;  // 东四命 or 西四命
  std::string lifeGuaMatch;                 // the grade and its analysis; empty when not found
  std::string elementMatch;
  // The man's and the woman's zodiac rows, in that order; a fault reading
  // the second leaves only the first.
  std::vector<ZodiacRow> zodiac;
  // The names of kSharedShenshaNames both charts have, in that order.
  std::vector<std::string> sharedShensha;
};

struct MarriageReport {
  // The names as typed, trimmed.
  std::string manName, womanName;
  // The man's section, then the woman's; absent when the report stopped before it.
  std::optional<MarriageParty> man, woman;
  std::optional<MarriageComparison> comparison;
  // The boundary notices of both charts (ChartResult::warnings), each after
  // "男方：" or "女方："; the report text does not print them.
  std::vector<std::string> warnings;
  // The notice that stopped the report and the name edit to focus after it.
  std::optional<std::string> notice;
  EntryFocus focus = EntryFocus::None;
  // The fault that stopped the report; the window and the command line
  // raise it after showing what was made.
  std::exception_ptr fault;

  bool Complete() const;
  // Whether anything was made: the pane is then replaced by what was.
  bool Started() const { return man.has_value(); }
  // "张伟 / 李娜": the names as the printed pages and the offered file name give them.
  std::string CoupleName() const;
};

// Builds the report. `currentYear` gives the ages (0: this year).
MarriageReport BuildMarriageReport(const MarriageEntry& entry, int currentYear = 0);

// The report's text as the pane shows it: what was made, in order. Empty
// for a report that stopped before anything was made.
std::string RenderMarriageReport(const MarriageReport& report);

// The names of kSharedShenshaNames found in both lists, in that order.
std::vector<std::string> SharedShensha(const std::vector<std::string>& man,
                                       const std::vector<std::string>& woman);

}  // namespace vantrel
