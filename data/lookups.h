#pragma once
// Small lookups of one text each. Every call makes a query of its own and
// releases it before returning; nothing is cached.
#include <array>
#include <string>

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

// The following three read the second file. No row, and a database error,
// give the empty text: every report prints a failed lookup as nothing.

// The five element (木 火 土 金 水) of a character, by containment in `hz`.
std::string CharacterElement(const std::string& character);
// The ten-god name of the day stem followed by another stem ("甲丙").
std::string TenGodOf(const std::string& key);
// The nayin of a pillar ("甲子" 海中金).
std::string NayinOf(const std::string& pillar);

// The six texts of an animal's row in table shengxiao of the second file
// (traits, guardian, colours, direction, flowers, numbers); empty texts
// without a row. A database error propagates.
std::array<std::string, 6> ZodiacTexts(const std::string& animal);

}  // namespace vantrel::data
