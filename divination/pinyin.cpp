#include "divination/pinyin.h"

#include <exception>
#include <string>
#include <utility>

#include "common/text.h"
#include "divination/pinyin_table.h"
#include "divination/reference_texts.h"

namespace vantrel {
namespace {

// The converter's result is never longer than this.
constexpr std::size_t kMaxInitials = 255;

// The digits that stand for 1..9 and 0 in a name: "1" is A ... "9" is I,
// "0" is J.
constexpr std::string_view kDigitLetters = "JABCDEFGHI";

bool IsAsciiAlnum(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The numbers of the enclosed and roman numerals of row 0xA2: each run of
// trails counts 1, 2, ... from its first code.
struct NumeralRun {
  unsigned char first;
  unsigned char last;
};
constexpr NumeralRun kNumeralRuns[] = {
    {0xA1, 0xAA},  // ⅰ..ⅹ   1..10
    {0xB1, 0xC4},  // ⒈..⒛   1..20
    {0xC5, 0xD8},  // ⑴..⒇   1..20
    {0xD9, 0xE2},  // ①..⑩   1..10
    {0xE5, 0xEE},  // ㈠..㈩   1..10
    {0xF1, 0xFC},  // Ⅰ..Ⅻ   1..12
};

// The digits a numeral stands for; empty for an unassigned code.
std::string NumeralDigits(unsigned char trail) {
  for (const NumeralRun& run : kNumeralRuns) {
    if (trail >= run.first && trail <= run.last) return std::to_string(trail - run.first + 1);
  }
  return {};
}

// The Latin transliterations of the Greek letters in alphabet order, Α..Ω at
// trails 0xA1..0xB8 and α..ω at 0xC1..0xD8 of row 0xA6.
constexpr std::string_view kGreekLetters[24] = {"A", "B", "G", "D", "E",  "Z",  "E",  "TH",
                                                "I", "K", "L", "M", "N",  "X",  "O",  "P",
                                                "R", "S", "T", "U", "PH", "KH", "PS", "O"};

// The transliteration of a code of row 0xA6; empty when it is no Greek letter.
std::string_view GreekTransliteration(unsigned char trail) {
  if (trail >= 0xA1 && trail <= 0xB8) return kGreekLetters[trail - 0xA1];
  if (trail >= 0xC1 && trail <= 0xD8) return kGreekLetters[trail - 0xC1];
  return {};
}

// What one double-byte character adds to the initials.
void AppendDoubleByte(unsigned char lead, unsigned char trail, std::string& out) {
  switch (lead) {
    case 0xA2:
      if (trail >= 0xA1) {
        out += NumeralDigits(trail);
      } else {
        out += '?';
      }
      return;
    case 0xA3:
      // Full-width ASCII: the trail less 0x80 is the ASCII character.
      if (trail >= 0x80 && IsAsciiAlnum(static_cast<unsigned char>(trail - 0x80))) {
        out += static_cast<char>(trail - 0x80);
      }
      return;
    case 0xA6: {
      const std::string_view greek = GreekTransliteration(trail);
      if (greek.empty()) {
        out += '?';
      } else {
        out += greek;
      }
      return;
    }
    default: {
      const std::string_view reading = GbkReading(lead, trail);
      out += reading.empty() ? '?' : AsciiUpper(reading[0]);
      return;
    }
  }
}

}  // namespace

std::string_view GbkReading(unsigned char lead, unsigned char trail) {
  using namespace pinyin;
  if (lead < kLeadFirst || lead > kLeadLast || trail < kTrailFirst || trail > kTrailLast) return {};
  const int n = kReadingIndex[(lead - kLeadFirst) * kTrailsPerLead + (trail - kTrailFirst)];
  if (n < 1 || n > kSyllableCount) return {};
  return kSyllables[n - 1];
}

std::string PinyinInitialsOfGbk(std::string_view gbk) {
  std::string out;
  std::size_t i = 0;
  while (i < gbk.size()) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x81 || i + 1 >= gbk.size() || static_cast<unsigned char>(gbk[i + 1]) < 0x40) {
      if (IsAsciiAlnum(b)) out += AsciiUpper(static_cast<char>(b));
      ++i;
      continue;
    }
    AppendDoubleByte(b, static_cast<unsigned char>(gbk[i + 1]), out);
    i += 2;
  }
  if (out.size() > kMaxInitials) out.resize(kMaxInitials);
  return out;
}

std::string PinyinInitials(std::string_view utf8) { return PinyinInitialsOfGbk(text::ToGbk(utf8)); }

std::string_view NetNamePhrase(char letter) {
  if (letter < 'a' || letter > 'z') return {};
  return kLetterPhrases[letter - 'a'];
}

char NetNameLetter(std::string_view initials) {
  if (initials.empty()) return 0;
  char last = initials.back();
  if (last >= '0' && last <= '9') last = kDigitLetters[last - '0'];
  last = AsciiLower(last);
  return last >= 'a' && last <= 'z' ? last : 0;
}

std::string NetNameTrait(std::string_view name) {
  if (name.empty()) return {};
  return std::string(NetNamePhrase(NetNameLetter(PinyinInitials(name))));
}

std::string NetNameEntryText(std::string_view typed) {
  std::string out(typed);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

NetNameReading MeasureNetName(std::string_view entry) {
  NetNameValue v;
  v.name = text::Trim(entry);
  if (v.name.empty()) return NetNameReading::Notice("请输入你的网名！");
  try {
    v.initials = PinyinInitials(v.name);
    v.letter = NetNameLetter(v.initials);
    v.phrase = NetNamePhrase(v.letter);
  } catch (const std::exception&) {
    // The converter failed on the name.
    v.initials.clear();
    v.letter = 0;
    v.phrase.clear();
    v.unreadable = true;
  }
  return NetNameReading::Of(std::move(v));
}

NetNameLines RenderNetNameLines(const NetNameValue& value) {
  NetNameLines lines;
  lines.name_line = "你的网名：" + value.name;
  lines.phrase_line =
      value.unreadable ? "请重新输入网名，请不要输入特殊字符！" : text::Trim("你的性格：" + value.phrase);
  return lines;
}

}  // namespace vantrel
