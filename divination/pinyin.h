#pragma once
// The net-name personality: a GBK-to-pinyin-initials converter, the letter
// phrases and the "测算" action of the net-name dialog.
//
// The phrase is chosen by one letter: the pinyin initial of the name's last
// readable character, or that character itself when it is a Latin letter or
// a digit (a digit standing for a letter: 1 for A ... 9 for I, 0 for J).
#include <string>
#include <string_view>

#include "divination/outcome.h"

namespace vantrel {

// The pinyin syllable the GBK double-byte code (lead, trail) reads, in lower
// case with ü written as "v" ("zhang", "lv"); empty when the code has none.
std::string_view GbkReading(unsigned char lead, unsigned char trail);

// The initials of a text: the text is converted to GBK (a character GBK
// cannot hold becomes "?", which adds nothing) and its bytes are walked as
// PinyinInitialsOfGbk does.
std::string PinyinInitials(std::string_view utf8);

// The initials of GBK bytes, at most 255 characters:
// - a byte below 0x81, or one whose next byte is below 0x40 or missing, is a
//   character of its own: an ASCII letter or digit gives itself in upper case,
//   anything else nothing;
// - otherwise two bytes form a character, which gives, by its lead byte:
//   0xA2 (enclosed and roman numerals) the digits of its number ("10" for ⑩),
//   nothing for an unassigned code and "?" for a trail below 0xA1;
//   0xA3 (full-width ASCII) its ASCII letter or digit, case kept, or nothing;
//   0xA6 (Greek) its Latin transliteration in upper case ("TH" for Θ or θ),
//   "?" for the other codes of the row;
//   any other lead the upper-case first letter of its reading, "?" for none.
std::string PinyinInitialsOfGbk(std::string_view gbk);

// The phrase of a letter a..z; empty for any other character.
std::string_view NetNamePhrase(char letter);

// The deciding letter of a name's initials: the last character, a digit
// turned into its letter, in lower case; 0 when that is no letter a..z (a
// "?") or the initials are empty.
char NetNameLetter(std::string_view initials);

// The phrase of a name: the last character of its initials, digits turned
// into letters, decides. Empty for an empty name and for initials that end in
// "?" or are empty.
std::string NetNameTrait(std::string_view name);

// The entry's text for what the user typed: the entry shows and stores ASCII
// letters in upper case.
std::string NetNameEntryText(std::string_view typed);

// What "测算" read for a net name.
struct NetNameValue {
  std::string name;      // the entry, trimmed
  std::string initials;  // PinyinInitials(name), digits as they are
  char letter = 0;       // the deciding letter a..z; 0 for none
  std::string phrase;    // the letter's phrase; empty without a letter
  // The converter failed on the name: the dialog asks for another one.
  bool unreadable = false;
  friend bool operator==(const NetNameValue&, const NetNameValue&) = default;
};

using NetNameReading = DialogOutcome<NetNameValue>;

// "测算" over the entry text: an empty entry (after trimming) gives the notice
// "请输入你的网名！", and the result lines keep what they showed.
NetNameReading MeasureNetName(std::string_view entry);

// The two result lines of the dialog.
struct NetNameLines {
  std::string name_line;    // "你的网名：" + the name
  std::string phrase_line;  // "你的性格：" + the phrase
  friend bool operator==(const NetNameLines&, const NetNameLines&) = default;
};

NetNameLines RenderNetNameLines(const NetNameValue& value);

}  // namespace vantrel
