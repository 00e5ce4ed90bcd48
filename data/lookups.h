#pragma once
// Small lookups of one text each. Every call makes a query of its own and
// releases it before returning; nothing is cached.
#include <string>

namespace vantrel::data {

// The constellation texts of the main file: topic 0 emotional intelligence
// (ndeq), 1 love and strength (aiqing), 2 well-known people (mingren). The
// title is used exactly as given. A title without a row gives the empty
// text; any database error cancels the calling action silently
// (SilentCancel). Paragraph tags are removed.
std::string TopicText(const std::string& title, int topic);

// Removes every "<p>", then every "</p>" (exact, case-sensitive).
std::string StripParagraphTags(const std::string& text);

// The following three read the second file. They deliver their result into
// the caller's text; on a database error they swallow it and leave the
// caller's text as it was. No row gives the empty text.

// The five element (木 火 土 金 水) of a character, by containment in `hz`.
void CharacterElement(const std::string& character, std::string& result);
// The ten-god name of the day stem followed by another stem ("甲丙").
void TenGodOf(const std::string& key, std::string& result);
// The nayin of a pillar ("甲子" 海中金).
void NayinOf(const std::string& pillar, std::string& result);

// Convenience forms that start from an empty text.
std::string CharacterElement(const std::string& character);
std::string TenGodOf(const std::string& key);
std::string NayinOf(const std::string& pillar);

}  // namespace vantrel::data
