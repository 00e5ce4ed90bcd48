#include "chart/personality.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/datetime.h"
#include "common/text.h"
#include "tools/resource_format.h"

namespace vantrel {
namespace {

bool IsDateSlot(int slot) {
  const int month = slot / 100;
  const int day = slot % 100;
  // Every date of a leap year except January 31.
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(2000, month) && slot != 131;
}

TEST(PersonalityTexts, FillExactlyTheDaySlotsAndTheDateSlots) {
  int filled = 0;
  for (int slot = 0; slot < 2001; ++slot) {
    const bool expected = (slot >= 1 && slot <= 31) || IsDateSlot(slot);
    EXPECT_EQ(!PersonalityTexts[static_cast<std::size_t>(slot)].empty(), expected) << "slot " << slot;
    filled += PersonalityTexts[static_cast<std::size_t>(slot)].empty() ? 0 : 1;
  }
  EXPECT_EQ(filled, 396);
  EXPECT_TRUE(PersonalityTexts[131].empty());
  EXPECT_FALSE(PersonalityTexts[229].empty());
}

TEST(PersonalityTexts, LengthsPunctuationAndNoRepeats) {
  std::set<std::string_view> seen;
  for (int slot = 0; slot < 2001; ++slot) {
    const std::string_view t = PersonalityTexts[static_cast<std::size_t>(slot)];
    if (t.empty()) continue;
    SCOPED_TRACE("slot " + std::to_string(slot));
    const std::size_t length = text::CharCount(t);
    EXPECT_GE(length, 32u);
    EXPECT_LE(length, 122u);
    EXPECT_TRUE(seen.insert(t).second) << "repeated text";
    // The day texts use the ASCII "," and "." and end with "."; the date
    // texts use the full-width "，", "、" and "。" only.
    const bool dayText = slot <= 31;
    for (const std::string& ch : text::Characters(t)) {
      if (ch == " ") continue;
      const bool ascii = ch.size() == 1;
      if (dayText) {
        EXPECT_TRUE(!ascii || ch == "," || ch == ".") << ch;
        EXPECT_TRUE(ch != "，" && ch != "、" && ch != "。") << ch;
      } else {
        EXPECT_FALSE(ascii) << ch;
        // Full-width forms and CJK punctuation other than the three.
        const bool punct = ch >= "\xE3\x80\x80" && ch <= "\xE3\x80\xBF";
        const bool fullWidth = ch >= "\xEF\xBC\x80" && ch <= "\xEF\xBF\xAF";
        EXPECT_TRUE(!(punct || fullWidth) || ch == "，" || ch == "、" || ch == "。") << ch;
      }
    }
    if (dayText) {
      EXPECT_EQ(t.back(), '.');
    }
  }
}

TEST(PersonalityTexts, TheQuotedRowsVerbatim) {
  EXPECT_EQ(PersonalityTexts[1],
            "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
            "具有领导能力,容易获得成功,很容易得到别人的信任.");
  EXPECT_EQ(
      PersonalityTexts[101],
      "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，经验会带来新的启迪，"
      "一生颇多波折，容易受骗， 应该努力学习人生较深的一面。");
  EXPECT_EQ(PersonalityTexts[1225],
            "好冒险、喜欢旅行、社交活动，有组织能力和控制别人的性向，要避免一次做好多件事情。");
}

TEST(BirthdayPersonality, DayTextThenDateText) {
  const std::string first = BirthdayPersonality(1, 1);
  EXPECT_EQ(first, std::string(PersonalityTexts[1]) + std::string(PersonalityTexts[101]));
  EXPECT_EQ(first.rfind("是一个有野心", 0), 0u);
  EXPECT_TRUE(first.ends_with("应该努力学习人生较深的一面。"));
  EXPECT_EQ(BirthdayPersonality(1, 31), PersonalityTexts[31]);
  EXPECT_EQ(BirthdayPersonality(2, 29),
            std::string(PersonalityTexts[29]) + std::string(PersonalityTexts[229]));
  EXPECT_EQ(BirthdayPersonality(2, 30), PersonalityTexts[30]);
  EXPECT_EQ(BirthdayPersonality(4, 31), PersonalityTexts[31]);
  EXPECT_EQ(BirthdayPersonality(12, 25),
            std::string(PersonalityTexts[25]) + std::string(PersonalityTexts[1225]));
  // Nothing outside the table is read.
  EXPECT_EQ(BirthdayPersonality(13, 1), "");
  EXPECT_EQ(BirthdayPersonality(0, 1), "");
  EXPECT_EQ(BirthdayPersonality(12, 32), "");
  EXPECT_EQ(BirthdayPersonality(12, 0), "");
}

TEST(PersonalityTexts, HoldTheResourceTextsByteForByte) {
  std::map<int, std::string> texts;
  for (const char* name : {"personality_1.tsv", "personality_2.tsv", "personality_3.tsv"}) {
    const auto table = tools::ReadResourceTable(std::string(VANTREL_SOURCE_DIR) + "/resources/texts/" + name);
    for (const auto& row : table.rows)
      texts[std::stoi(row[table.Column("slot")])] = row[table.Column("text")];
  }
  ASSERT_EQ(texts.size(), 396u);
  for (const auto& [slot, text] : texts)
    EXPECT_EQ(PersonalityTexts[static_cast<std::size_t>(slot)], text) << slot;
}

}  // namespace
}  // namespace vantrel
