#include "divination/pinyin.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/text.h"
#include "divination/pinyin_table.h"

namespace vantrel {
namespace {

// The reading of one character, through its GBK code.
std::string ReadingOf(const std::string& character) {
  const std::string gbk = text::ToGbk(character);
  if (gbk.size() != 2) return "not a GBK double-byte character";
  return std::string(GbkReading(static_cast<unsigned char>(gbk[0]), static_cast<unsigned char>(gbk[1])));
}

TEST(PinyinTables, SyllableListIsSortedLowerCaseAndShort) {
  ASSERT_EQ(pinyin::kSyllableCount, 405);
  std::string previous;
  std::set<std::string> all;
  for (int i = 0; i < pinyin::kSyllableCount; ++i) {
    const std::string s = pinyin::kSyllables[i];
    ASSERT_FALSE(s.empty());
    EXPECT_LE(s.size(), 6u) << s;
    for (char c : s) EXPECT_TRUE(c >= 'a' && c <= 'z') << s;
    EXPECT_LT(previous, s);
    previous = s;
    all.insert(s);
  }
  // ü is written as "v".
  for (const char* s : {"lv", "nv", "lve", "nve", "zhuang", "a", "o"}) EXPECT_TRUE(all.count(s)) << s;
}

TEST(PinyinTables, EveryIndexEntryNamesASyllable) {
  int with_reading = 0;
  for (int i = 0; i < pinyin::kReadingIndexSize; ++i) {
    ASSERT_LE(pinyin::kReadingIndex[i], pinyin::kSyllableCount) << "entry " << i;
    with_reading += pinyin::kReadingIndex[i] != 0;
  }
  // Roughly the Han characters of GBK.
  EXPECT_GT(with_reading, 20000);
  EXPECT_LT(with_reading, 21100);
}

TEST(PinyinTables, TellingReadingsOfPolyphonicAndCommonCharacters) {
  const std::pair<const char*, const char*> rows[] = {
      {"行", "hang"}, {"长", "zhang"}, {"重", "zhong"}, {"乐", "le"},   {"朝", "chao"}, {"曾", "ceng"},
      {"单", "dan"},  {"都", "dou"},   {"还", "huan"},  {"会", "hui"},  {"调", "tiao"}, {"着", "zhe"},
      {"小", "xiao"}, {"明", "ming"},  {"王", "wang"},  {"李", "li"},   {"的", "de"},   {"嗯", "en"},
      {"哦", "o"},    {"佛", "fo"},    {"给", "gei"},   {"髟", "biao"}, {"女", "nv"},   {"略", "lve"},
      {"绿", "lv"},   {"天", "tian"},  {"使", "shi"},
  };
  for (const auto& [character, syllable] : rows) EXPECT_EQ(ReadingOf(character), syllable) << character;
}

TEST(PinyinTables, EveryCharacterOfGb2312HasAReading) {
  int missing = 0;
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const bool unassigned = lead == 0xD7 && trail >= 0xFA;
      const bool has =
          !GbkReading(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)).empty();
      if (has == unassigned) {
        ++missing;
        ADD_FAILURE() << std::hex << lead << trail << (unassigned ? " is unassigned" : " has no reading");
      }
    }
  }
  EXPECT_EQ(missing, 0);
}

TEST(PinyinTables, NonHanCharactersAndOutOfRangeCodesHaveNoReading) {
  for (const char* c : {"。", "、", "《", "】", "あ", "ア", "Б", "※", "─", "ａ", "Ａ", "α", "①"}) {
    EXPECT_EQ(ReadingOf(c), "") << c;
  }
  EXPECT_EQ(GbkReading(0x80, 0xA1), "");
  EXPECT_EQ(GbkReading(0xFF, 0xA1), "");
  EXPECT_EQ(GbkReading(0xB0, 0x3F), "");
  EXPECT_EQ(GbkReading(0xB0, 0xFF), "");
  EXPECT_EQ(GbkReading(0xB0, 0x7F), "");
}

TEST(PinyinInitials, HanCharactersGiveTheirInitials) {
  EXPECT_EQ(PinyinInitials("小明"), "XM");
  EXPECT_EQ(PinyinInitials("长"), "Z");
  EXPECT_EQ(PinyinInitials("行"), "H");
  EXPECT_EQ(PinyinInitials("佛"), "F");
  EXPECT_EQ(PinyinInitials("天使。"), "TS?");  // GBK punctuation has no reading
  // GBK characters beyond GB2312 read too (the traditional forms).
  EXPECT_EQ(PinyinInitials("張國"), "ZG");
}

TEST(PinyinInitials, AsciiLettersAndDigitsInUpperCaseOtherBytesNothing) {
  EXPECT_EQ(PinyinInitials("abc"), "ABC");
  EXPECT_EQ(PinyinInitials("user123"), "USER123");
  EXPECT_EQ(PinyinInitials("qq0"), "QQ0");
  EXPECT_EQ(PinyinInitials("天使~"), "TS");
  EXPECT_EQ(PinyinInitials("!!!"), "");
  EXPECT_EQ(PinyinInitials("a b_c-9"), "ABC9");
  EXPECT_EQ(PinyinInitials(""), "");
}

TEST(PinyinInitials, FullWidthAsciiKeepsItsCaseAndDropsPunctuation) {
  EXPECT_EQ(PinyinInitials("ａｂＣ１"), "abC1");
  EXPECT_EQ(PinyinInitials("天使！"), "TS");
  EXPECT_EQ(PinyinInitials("＃％（）＠"), "");
}

TEST(PinyinInitials, EnclosedAndRomanNumeralsGiveTheirDigits) {
  EXPECT_EQ(PinyinInitials("⑩"), "10");
  EXPECT_EQ(PinyinInitials("⒈⑴①㈠Ⅻⅹ"), "11111210");
  EXPECT_EQ(PinyinInitials("ⅰⅸ⒛⒇⑨㈩Ⅰ"), "1920209101");
  // Unassigned codes of the row stand for nothing; a trail below 0xA1 for "?".
  EXPECT_EQ(PinyinInitialsOfGbk("\xA2\xAB\xA2\xB0\xA2\xE3\xA2\xFD"), "");
  EXPECT_EQ(PinyinInitialsOfGbk("\xA2\x80"), "?");
}

TEST(PinyinInitials, GreekLettersGiveTheirTransliterationInUpperCase) {
  EXPECT_EQ(PinyinInitials("Θ"), "TH");
  EXPECT_EQ(PinyinInitials("θ"), "TH");
  EXPECT_EQ(PinyinInitials("ΑΒΓΔΕΖΗ"), "ABGDEZE");
  EXPECT_EQ(PinyinInitials("ικλμνξοπρστυ"), "IKLMNXOPRSTU");
  EXPECT_EQ(PinyinInitials("ΦΧΨΩφχψω"), "PHKHPSOPHKHPSO");
  EXPECT_EQ(PinyinInitials("︵"), "?");  // row 0xA6, but no Greek letter
}

TEST(PinyinInitials, MixedScripts) {
  EXPECT_EQ(PinyinInitials("Hello世界"), "HELLOSJ");
  EXPECT_EQ(PinyinInitials("小Ａ②β。x"), "XA2B?X");
  EXPECT_EQ(PinyinInitials("Иван"), "????");  // Cyrillic has no reading
  EXPECT_EQ(PinyinInitials("さくら"), "???");
}

TEST(PinyinInitials, CharactersGbkCannotHoldAddNothing) {
  EXPECT_EQ(PinyinInitials("😀"), "");
  EXPECT_EQ(PinyinInitials("天😀使"), "TS");
  EXPECT_EQ(PinyinInitials("小明😀"), "XM");
  EXPECT_EQ(PinyinInitials("\xFF\xFE"), "");  // malformed UTF-8 also turns into "?"
}

TEST(PinyinInitials, SingleByteRuleForLeadBytesWithoutATrail) {
  EXPECT_EQ(PinyinInitialsOfGbk("\xB0"), "");  // a lead byte at the end
  EXPECT_EQ(PinyinInitialsOfGbk("A\xB0"), "A");
  EXPECT_EQ(PinyinInitialsOfGbk("\xB0"
                                "1"),
            "1");  // next byte below 0x40: single bytes
  EXPECT_EQ(PinyinInitialsOfGbk("\x80"
                                "a"),
            "A");
  EXPECT_EQ(PinyinInitialsOfGbk("\xB0\xA1"), "A");  // 啊
  EXPECT_EQ(PinyinInitialsOfGbk("\xFF\xA1"), "?");  // outside the index
}

TEST(PinyinInitials, CutTo255Characters) {
  EXPECT_EQ(PinyinInitials(std::string(300, 'a')), std::string(255, 'A'));
  std::string names;
  for (int i = 0; i < 200; ++i) names += "小明";
  const std::string initials = PinyinInitials(names);
  ASSERT_EQ(initials.size(), 255u);
  EXPECT_EQ(initials.substr(250), "XMXMX");
  EXPECT_EQ(PinyinInitials(std::string(200, 'a') + "⑩⑩"), std::string(200, 'A') + "1010");
}

TEST(NetNamePhrases, TwentySixDistinctPhrases) {
  std::set<std::string_view> seen;
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_FALSE(NetNamePhrase(c).empty()) << c;
    seen.insert(NetNamePhrase(c));
  }
  EXPECT_EQ(seen.size(), 26u);
  EXPECT_EQ(NetNamePhrase('a'), "好奇心强，专一");
  EXPECT_EQ(NetNamePhrase('m'), "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  EXPECT_EQ(NetNamePhrase('v'), "好静，有点表里不一");
  EXPECT_EQ(NetNamePhrase('y'), "乐天派呀！非同一般的乐天");
  EXPECT_EQ(NetNamePhrase('z'), "老实，想问题容易兜圈子");
  for (char c : {'A', 'Z', '?', '{', '`', '0', '\0'}) EXPECT_EQ(NetNamePhrase(c), "") << c;
}

TEST(NetNameTrait, TheLastCharacterDecides) {
  EXPECT_EQ(NetNameTrait("小明"), NetNamePhrase('m'));
  EXPECT_EQ(NetNameTrait("ABC"), "可爱，较明显的自恋");
  EXPECT_EQ(NetNameTrait("abc"), "可爱，较明显的自恋");
  EXPECT_EQ(NetNameTrait("天使~"), "心胸宽大，有深藏不露的自恋");
  EXPECT_EQ(NetNameTrait("Θ"), "自立，自强，可依靠");
  EXPECT_EQ(NetNameTrait("长"), NetNamePhrase('z'));
  EXPECT_EQ(NetNameTrait("行"), NetNamePhrase('h'));
  EXPECT_EQ(NetNameTrait("我佛"), "有抱负，志气高");
  EXPECT_EQ(NetNameTrait("天使！"), NetNamePhrase('s'));
  EXPECT_EQ(NetNameTrait("ａｂＣ"), NetNamePhrase('c'));
  EXPECT_EQ(NetNameTrait(std::string(255, 'a') + "b"), NetNamePhrase('a'));  // b is cut off
}

TEST(NetNameTrait, DigitsStandForLetters) {
  EXPECT_EQ(NetNameTrait("user123"), NetNamePhrase('c'));
  EXPECT_EQ(NetNameTrait("qq0"), "煽情高手");
  EXPECT_EQ(NetNameTrait("⑩"), "煽情高手");
  const std::string letters = "jabcdefghi";
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(NetNameTrait(std::to_string(d)), NetNamePhrase(letters[d])) << d;
  EXPECT_EQ(NetNameTrait("Ⅻ"), NetNamePhrase('b'));
}

TEST(NetNameTrait, NothingWhenTheLastCharacterDoesNotRead) {
  EXPECT_EQ(NetNameTrait(""), "");
  EXPECT_EQ(NetNameTrait("!!!"), "");
  EXPECT_EQ(NetNameTrait("天使。"), "");
  EXPECT_EQ(NetNameTrait("小明《"), "");
  EXPECT_EQ(NetNameTrait("😀"), "");
  EXPECT_EQ(NetNameTrait("Ivan Б"), "");
}

TEST(NetNameEntry, StoresAsciiLettersInUpperCase) {
  EXPECT_EQ(NetNameEntryText("abc天使ａz9"), "ABC天使ａZ9");
  EXPECT_EQ(NetNameEntryText(""), "");
}

TEST(NetNameAction, EmptyEntryAsksForTheName) {
  for (const char* entry : {"", "  ", "\t"}) {
    const NetNameReading o = MeasureNetName(entry);
    EXPECT_EQ(o.kind, NetNameReading::Kind::ShowNotice);
    EXPECT_EQ(o.notice, "请输入你的网名！");
    EXPECT_EQ(o.value, NetNameValue{});
  }
}

NetNameLines Lines(const NetNameReading& o) {
  EXPECT_EQ(o.kind, NetNameReading::Kind::Result) << o.notice;
  return RenderNetNameLines(o.value);
}

TEST(NetNameAction, WritesTheNameAndThePhraseLines) {
  EXPECT_EQ(Lines(MeasureNetName(" 小明 ")),
            (NetNameLines{"你的网名：小明",
                          "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"}));
  EXPECT_EQ(Lines(MeasureNetName("QQ0")).phrase_line, "你的性格：煽情高手");
  EXPECT_EQ(Lines(MeasureNetName("我佛")).phrase_line, "你的性格：有抱负，志气高");
  // A name that does not read is no error: the phrase line stays bare.
  EXPECT_EQ(Lines(MeasureNetName("!!!")), (NetNameLines{"你的网名：!!!", "你的性格："}));
  EXPECT_EQ(Lines(MeasureNetName("天使。")).phrase_line, "你的性格：");
}

TEST(NetNameAction, TheReadingHoldsTheInitialsAndTheDecidingLetter) {
  NetNameReading o = MeasureNetName(" USER123 ");
  ASSERT_EQ(o.kind, NetNameReading::Kind::Result);
  EXPECT_EQ(o.value.name, "USER123");
  EXPECT_EQ(o.value.initials, "USER123");  // the digits stand for letters only when deciding
  EXPECT_EQ(o.value.letter, 'c');
  EXPECT_EQ(o.value.phrase, NetNamePhrase('c'));
  EXPECT_FALSE(o.value.unreadable);

  o = MeasureNetName("⑩");
  EXPECT_EQ(o.value.initials, "10");
  EXPECT_EQ(o.value.letter, 'j');
  EXPECT_EQ(MeasureNetName("Θ").value.letter, 'h');
  EXPECT_EQ(MeasureNetName("天使！").value.initials, "TS");

  // No deciding letter: a last character without a reading, or nothing read.
  o = MeasureNetName("天使。");
  EXPECT_EQ(o.value.initials, "TS?");
  EXPECT_EQ(o.value.letter, 0);
  EXPECT_EQ(o.value.phrase, "");
  EXPECT_EQ(MeasureNetName("!!!").value.initials, "");
  EXPECT_EQ(MeasureNetName("!!!").value.letter, 0);
}

TEST(NetNameLetter, TheLastCharacterDecidesWithDigitsAsLetters) {
  EXPECT_EQ(NetNameLetter("XM"), 'm');
  EXPECT_EQ(NetNameLetter("QQ0"), 'j');
  EXPECT_EQ(NetNameLetter("A9"), 'i');
  EXPECT_EQ(NetNameLetter("AB1"), 'a');
  EXPECT_EQ(NetNameLetter("TS?"), 0);
  EXPECT_EQ(NetNameLetter(""), 0);
}

}  // namespace
}  // namespace vantrel
