#pragma once
// Small lookups of one text each. Every call makes a query of its own and
// releases it before returning; nothing is cached.
#include <array>
#include <optional>
#include <string>

#include "calendar/ganzhi.h"
#include "common/datetime.h"

namespace vantrel::data {

// The three constellation texts of the main file, each in a table of its own.
enum class ConstellationTopic {
  EmotionalIntelligence,  // ndeq
  LoveAndStrength,        // aiqing
  FamousPeople,           // mingren
};

// The text of a topic for a constellation. The title is used exactly as given. A title without a row gives
// the empty text; any database error cancels the calling action silently (SilentCancel). Paragraph tags are
// removed.
std::string TopicText(const std::string& title, ConstellationTopic topic);

// Removes every "<p>", then every "</p>" (exact, case-sensitive).
std::string StripParagraphTags(const std::string& text);

// The following three read the second file. No row gives the empty text; a
// database error (a missing or damaged file, table or column) propagates.

// The five element (木 火 土 金 水) of a character, by containment in `hz`.
std::string CharacterElement(const std::string& character);
// The ten-god name of the day stem followed by another stem ("甲丙").
std::string TenGodOf(const std::string& key);
// The nayin of a pillar ("甲子" 海中金).
std::string NayinOf(const std::string& pillar);

// The same three keyed by the chart's own values.
std::string ElementOf(Stem stem);
std::string ElementOf(Branch branch);
std::string TenGodOf(Stem day, Stem other);
std::string NayinOf(const Pillar& pillar);

// The instant of the jie term that table JQ of the second file dates in
// `year` on the day `day`; none when no jie falls on that day. A database
// error propagates.
std::optional<DateTime> JieInstantOn(int year, DateTime day);

// The life-gua row of a lunar year in table mg of the second file: its mg
// text, the man's (or the woman's) numeral, the year element and the zodiac
// element, joined with nothing between them; the empty text without a row.
// A database error propagates.
enum class LifeGuaColumn { Man, Woman };
struct LifeGuaRow {
  std::string mg;             // the year's pillar as the table writes it
  std::string numeral;        // 一 .. 九 of the man's or the woman's column
  std::string yearElement;    // of the year's nayin
  std::string animalElement;  // of the year's animal
};
LifeGuaRow LifeGuaRowOf(int year, LifeGuaColumn column);
// The life-gua pair of the man's and the woman's matching numerals (table
// mghp): its grade code and its name; then the analysis of that name (mgfx).
struct LifeGuaPair {
  std::string gradeCode;
  std::string name;
};
LifeGuaPair LifeGuaPairOf(const std::string& man, const std::string& woman);
std::string LifeGuaAnalysis(const std::string& name);
// The year-element pair (table mgwx): its score and its note.
struct ElementPair {
  std::string score;
  std::string note;
};
ElementPair ElementPairOf(const std::string& man, const std::string& woman);

// The bone-weight tables of the main file: the weight stored for a key of
// the lunar year, month, day or the clock hour (0 without a row), and the
// verdict, poem and meaning of a total's two-digit code (none without a row).
// A database error propagates; a stored weight that is not a number too.
enum class WeightTable { Year, Month, Day, Hour };
double StoredWeight(WeightTable table, const std::string& key);
std::optional<std::array<std::string, 3>> BoneVerdict(const std::string& code);

// The six texts of an animal's row in table shengxiao of the second file
// (traits, guardian, colours, direction, flowers, numbers); empty texts
// without a row. A database error propagates.
std::array<std::string, 6> ZodiacTexts(const std::string& animal);

}  // namespace vantrel::data
