// vantrel-gen-pinyin: writes the pinyin tables of the net-name converter
// (divination/pinyin_table.cpp) from ICU's Han-Latin transliteration.
//
//   vantrel-gen-pinyin OUTPUT.cpp
//
// Every GBK double-byte code (lead 0x81..0xFE, trail 0x40..0xFE) is turned
// into its Unicode character with iconv's GBK, the same converter the program
// uses at run time. A Han character gets the syllable ICU reads for it, with
// the tone marks taken off and ü written as "v"; our own readings below are
// laid over ICU's. Every other code (symbols, kana, Cyrillic, the codes GBK
// leaves unassigned) gets no reading. The syllable list holds exactly the
// syllables in use, in alphabetical order, numbered from 1.
//
// The program itself never needs ICU: the generated file is committed. See
// tools/pinyin/README.md for how to rebuild it.
#include <iconv.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>
#include <unicode/uvernum.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "divination/pinyin_table.h"
#include "tools/tool_args.h"

namespace {

using vantrel::pinyin::kLeadFirst;
using vantrel::pinyin::kLeadLast;
using vantrel::pinyin::kTrailFirst;
using vantrel::pinyin::kTrailLast;
using vantrel::pinyin::kTrailsPerLead;

// The syllables of Mandarin that the list has always held.
constexpr std::size_t kExpectedSyllables = 405;

// Readings of our own, laid over ICU's. An empty syllable takes the reading
// away.
struct Reading {
  const char* character;
  const char* syllable;
};
const Reading kOwnReadings[] = {
    // The readings the net-name table has always given its common polyphonic
    // characters (ICU differs for 行, 还, 调 and 嗯; the rest are kept
    // explicit so that a change of ICU cannot move them).
    {"行", "hang"},
    {"长", "zhang"},
    {"重", "zhong"},
    {"乐", "le"},
    {"朝", "chao"},
    {"曾", "ceng"},
    {"单", "dan"},
    {"都", "dou"},
    {"还", "huan"},
    {"会", "hui"},
    {"调", "tiao"},
    {"着", "zhe"},
    {"小", "xiao"},
    {"明", "ming"},
    {"王", "wang"},
    {"李", "li"},
    {"的", "de"},
    {"嗯", "en"},
    {"哦", "o"},
    // Common characters that must not go without a reading.
    {"佛", "fo"},
    {"给", "gei"},
    {"髟", "biao"},
    // Rare characters whose first ICU reading is a syllable found nowhere
    // else; they take their other standard reading, which keeps the list to
    // the 405 syllables of Mandarin.
    {"剋", "ke"},
    {"囖", "luo"},
    {"挼", "ruo"},
    {"欻", "xu"},
    {"歘", "xu"},
    // Interjections that are said as a bare hum, "m" or "hm", which is no
    // syllable of the list.
    {"呣", ""},
    {"噷", ""},
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "vantrel-gen-pinyin: " << message << "\n";
  std::exit(1);
}

// The character a GBK code stands for, or -1 when GBK leaves it unassigned.
UChar32 DecodeGbk(iconv_t cd, unsigned char lead, unsigned char trail) {
  char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  unsigned char out[8];
  char* src = in;
  char* dst = reinterpret_cast<char*>(out);
  std::size_t src_left = 2;
  std::size_t dst_left = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) || src_left != 0 ||
      sizeof out - dst_left != 4) {
    return -1;
  }
  return static_cast<UChar32>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<std::uint32_t>(out[3]) << 24);
}

// The syllable of ICU's reading: lower case, ü as "v", tone marks removed.
// Empty when the reading is not a plain Latin syllable of one to six letters.
std::string Syllable(const icu::UnicodeString& reading, const icu::Normalizer2& nfd) {
  icu::UnicodeString lower(reading);
  lower.toLower();
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString decomposed = nfd.normalize(lower, status);
  if (U_FAILURE(status)) return {};
  std::string out;
  bool after_u = false;
  for (int i = 0; i < decomposed.length();) {
    const UChar32 c = decomposed.char32At(i);
    i += U16_LENGTH(c);
    if (c >= 'a' && c <= 'z') {
      out.push_back(static_cast<char>(c));
      after_u = c == 'u';
    } else if (c == 0x0308 && after_u) {  // the diaeresis of ü
      out.back() = 'v';
      after_u = false;
    } else if (u_charType(c) != U_NON_SPACING_MARK) {
      return {};  // not a Latin syllable: ICU left the character as it was
    }
  }
  if (out.empty() || out.size() > 6) return {};
  return out;
}

// The place of a code in the reading index.
std::size_t Position(int lead, int trail) {
  return static_cast<std::size_t>(lead - kLeadFirst) * kTrailsPerLead +
         static_cast<std::size_t>(trail - kTrailFirst);
}

UChar32 FirstCodePoint(const char* utf8) { return icu::UnicodeString::fromUTF8(utf8).char32At(0); }

}  // namespace

int main(int argc, char** argv) {
  if (vantrel::tools::WantsHelp(argc, argv, "usage: vantrel-gen-pinyin OUTPUT.cpp\n")) return 0;
  if (argc != 2) Fail("usage: vantrel-gen-pinyin OUTPUT.cpp");
  if (!vantrel::tools::IsOutputPath("vantrel-gen-pinyin", argv[1])) return 2;

  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> han_latin(
      icu::Transliterator::createInstance("Han-Latin", UTRANS_FORWARD, status));
  if (U_FAILURE(status)) Fail(std::string("ICU has no Han-Latin transliterator: ") + u_errorName(status));
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  if (U_FAILURE(status)) Fail("ICU has no NFD normalizer");
  iconv_t cd = iconv_open("UTF-32LE", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) Fail("iconv cannot convert from GBK");

  std::map<UChar32, std::string> own;
  for (const Reading& r : kOwnReadings) own[FirstCodePoint(r.character)] = r.syllable;
  std::set<UChar32> own_used;

  // The syllable of every code, empty for none.
  std::vector<std::string> readings(vantrel::pinyin::kReadingIndexSize);
  for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
      const UChar32 c = DecodeGbk(cd, static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (c < 0) continue;
      std::string syllable;
      if (const auto it = own.find(c); it != own.end()) {
        syllable = it->second;
        own_used.insert(c);
      } else {
        UErrorCode script_status = U_ZERO_ERROR;
        if (uscript_getScript(c, &script_status) != USCRIPT_HAN) continue;
        icu::UnicodeString text(c);
        han_latin->transliterate(text);
        syllable = Syllable(text, *nfd);
      }
      readings[Position(lead, trail)] = syllable;
    }
  }
  iconv_close(cd);
  for (const Reading& r : kOwnReadings) {
    if (!own_used.count(FirstCodePoint(r.character))) {
      Fail(std::string("not a GBK character: ") + r.character);
    }
  }

  std::set<std::string> used;
  for (const auto& s : readings) {
    if (!s.empty()) used.insert(s);
  }
  const std::vector<std::string> syllables(used.begin(), used.end());
  std::map<std::string, int> number;
  for (std::size_t i = 0; i < syllables.size(); ++i) number[syllables[i]] = static_cast<int>(i) + 1;
  if (syllables.size() != kExpectedSyllables) {
    std::cerr << "vantrel-gen-pinyin: warning: " << syllables.size() << " syllables instead of "
              << kExpectedSyllables << "\n";
  }

  std::ofstream out(argv[1], std::ios::binary);
  if (!out) Fail(std::string("cannot write ") + argv[1]);
  out << "// The pinyin tables of the net-name converter. Generated by vantrel-gen-pinyin\n"
         "// (tools/pinyin) from the Han-Latin transliteration of ICU "
      << U_ICU_VERSION
      << ", with the program's\n"
         "// own readings laid over it. Rebuild it with the tool rather than edit it.\n"
         "#include \"divination/pinyin_table.h\"\n\n"
         "namespace vantrel::pinyin {\n\n"
         "// The tables keep the tool's layout, a row of codes a line.\n"
         "// clang-format off\n"
         "const int kSyllableCount = "
      << syllables.size() << ";\n\nconst char kSyllables[][7] = {\n";
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    out << (i % 12 == 0 ? "    " : " ") << '"' << syllables[i] << "\",";
    if (i % 12 == 11 || i + 1 == syllables.size()) out << "\n";
  }
  out << "};\n\n"
         "// The syllable number of every code, 0 for none: one row of 191 trails\n"
         "// (0x40..0xFE) for every lead byte 0x81..0xFE.\n"
         "const std::uint16_t kReadingIndex[kReadingIndexSize] = {\n";
  int with_reading = 0;
  for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    char heading[32];
    std::snprintf(heading, sizeof heading, "    // 0x%02X\n", lead);
    out << heading;
    for (int k = 0; k < kTrailsPerLead; ++k) {
      const std::string& s = readings[Position(lead, kTrailFirst + k)];
      const int n = s.empty() ? 0 : number[s];
      with_reading += n != 0;
      out << (k % 24 == 0 ? "    " : "") << n << ',';
      if (k % 24 == 23 || k + 1 == kTrailsPerLead) out << "\n";
    }
  }
  out << "};\n// clang-format on\n\n}  // namespace vantrel::pinyin\n";
  if (!out) Fail(std::string("cannot write ") + argv[1]);
  std::cerr << "vantrel-gen-pinyin: ICU " << U_ICU_VERSION << ", " << syllables.size() << " syllables, "
            << with_reading << " codes with a reading\n";
  return 0;
}
