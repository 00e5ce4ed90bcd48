#pragma once
// The marriage-matching report: each person's chart, then the comparison of
// the two (life palace and life groups, the life-gua grade, year elements,
// zodiac animals, personalities, bone weights and the shensha they share).
#include <functional>
#include <string>
#include <vector>

#include "common/notice.h"
#include "common/pane.h"
#include "data/query.h"
#include "reports/person_entry.h"

namespace vantrel {

struct MarriageEntry {
  PersonEntry man;
  PersonEntry woman;
};

// The report pane and the scratch panes the report fills and copies back.
struct MarriagePanes {
  explicit MarriagePanes(Pane& report_pane) : report(report_pane) {}
  Pane& report;  // the visible report
  TextPane shenshaMan, shenshaWoman;
  TextPane boneWeightMan, boneWeightWoman;
  TextPane personalityMan, personalityWoman;
  TextPane sum;
};

// Which name edit the window should focus after a notice.
enum class EntryFocus { None, ManName, WomanName };

// The separator line between the report's sections.
extern const char* const kMarriageSeparator;
// The 37 shensha names the comparison looks for in both persons' lines.
extern const std::vector<std::string> kSharedShenshaNames;

// Runs the report. `zodiacQuery` is the window's query on the second file
// (its errors are not caught). `focus` is told which edit to focus when a
// name is missing. `currentYear` gives the ages (0: this year).
void RunMarriageReport(const MarriageEntry& entry, MarriagePanes& panes, Notifier& notifier,
                       data::Query& zodiacQuery, const std::function<void(EntryFocus)>& focus = {},
                       int currentYear = 0);

// The shensha names found in both texts, each followed by one blank.
std::string SharedShenshaNames(const std::string& man, const std::string& woman);

}  // namespace vantrel
