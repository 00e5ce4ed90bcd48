// The almanac's explanation of each word of a day: the famous days read
// against the book, and the explanation kept in step with the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "almanac/almanac.h"

namespace vantrel::almanac {
namespace {

const WordReason* Find(const std::vector<WordReason>& reasons, bool suits, std::string_view word) {
  for (const WordReason& r : reasons)
    if (r.suits == suits && r.word == word) return &r;
  return nullptr;
}

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

bool Lists(const std::vector<std::string>& spirits, std::string_view prefix) {
  return std::any_of(spirits.begin(), spirits.end(),
                     [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
}

// 卷十 宜忌等第: "中次" is 凶胜于吉; with a 德 the day takes 从宜亦从忌, so
// what 劫煞 forbids and 月德 favours is written neither way.
TEST(AlmanacExplanation, MidAutumn2013HasNoBurialBecauseJieshaMeetsYuede) {
  const Day day = DayOf(CivilDate{2013, 9, 21});
  const std::vector<WordReason> reasons = ExplainDay(day);
  const WordReason* none = Find(reasons, true, "诸事不宜");
  ASSERT_NE(none, nullptr);
  ASSERT_TRUE(none->grade.has_value());
  EXPECT_EQ(*none->grade, Grade::kZhongCi);
  EXPECT_TRUE(none->virtue);
  EXPECT_EQ(none->settlement, Settlement::kNeither);
  EXPECT_TRUE(Lists(none->favouredBy, "月德"));
  // 安葬 is among the words the good spirits favour that the line leaves out,
  // for 劫煞 and the settlement of a 中次 day with a 德.
  const std::string line = ReasonLine(*none);
  const std::size_t burial = line.find("安葬");
  ASSERT_NE(burial, std::string::npos) << line;
  const std::size_t cause = line.find("（劫煞所忌，从宜亦从忌）", burial);
  EXPECT_NE(cause, std::string::npos) << line;
}

// 铺注条例: "如遇德犹忌之日则仍注忌"; 彭祖: 寅不祭祀. The 寅 day forbids
// worship although 月德 favours it.
TEST(AlmanacExplanation, AVetoStandsBesideAVirtueAndSaysSo) {
  const std::vector<WordReason> reasons = ExplainDay(DayOf(CivilDate{2013, 9, 21}));
  const WordReason* worship = Find(reasons, false, "祭祀");
  ASSERT_NE(worship, nullptr);
  EXPECT_TRUE(Lists(worship->forbiddenBy, "寅日（卷十一：祭祀忌寅日）"));
  EXPECT_TRUE(Lists(worship->favouredBy, "月德"));
  EXPECT_TRUE(Contains(worship->decision, "寅日犹忌")) << worship->decision;
  EXPECT_TRUE(Contains(worship->decision, "如遇德犹忌之日则仍注忌")) << worship->decision;
  // 归忌 forbids the move (卷十：归忌 忌般移 远回).
  const WordReason* move = Find(reasons, false, "移徙");
  ASSERT_NE(move, nullptr);
  EXPECT_TRUE(Lists(move->forbiddenBy, "归忌（卷十一：般移忌归忌）"));
  EXPECT_TRUE(Contains(move->decision, "归忌犹忌"));
}

// 卷十: 月破 on a day with 灾煞 in the 子 month and no 德 is 下 (凶又逢凶),
// "诸事皆忌": both lines say 诸事不宜, for the 凶神 the line names.
TEST(AlmanacExplanation, TheBrokenDayOf2026ForbidsEverything) {
  const Day day = DayOf(CivilDate{2026, 12, 10});
  const std::vector<WordReason> reasons = ExplainDay(day);
  ASSERT_EQ(reasons.size(), 2u);
  for (const WordReason& r : reasons) {
    EXPECT_EQ(r.word, "诸事不宜");
    EXPECT_EQ(r.settlement, Settlement::kNothing);
    EXPECT_FALSE(r.virtue);
    EXPECT_TRUE(Lists(r.forbiddenBy, "月破"));
    EXPECT_TRUE(Lists(r.forbiddenBy, "灾煞"));
  }
  EXPECT_EQ(ReasonLine(reasons[1]).rfind("忌 诸事不宜：月破", 0), 0u) << ReasonLine(reasons[1]);
  EXPECT_TRUE(Contains(ReasonLine(reasons[1]), "无德 → 诸事皆忌"));
}

// Every word of a day's two lines has its reason, in the lines' order, and
// each reason names a spirit or a rule: over two whole years.
TEST(AlmanacExplanation, EveryWordOfEveryDayHasAReason) {
  for (long n = static_cast<long>(EncodeDate(2025, 1, 1)); n <= static_cast<long>(EncodeDate(2026, 12, 31));
       ++n) {
    const Day day = DayOf(DecodeDate(static_cast<DateTime>(n)));
    const std::vector<WordReason> reasons = ExplainDay(day);
    std::vector<std::string_view> suits, forbids;
    for (const WordReason& r : reasons) {
      (r.suits ? suits : forbids).push_back(r.word);
      EXPECT_FALSE(r.decision.empty()) << day.dayNumber << " " << r.word;
      if (r.word != "诸事不宜") {
        EXPECT_FALSE((r.suits ? r.favouredBy : r.forbiddenBy).empty()) << FormatDate(n) << " " << r.word;
      }
    }
    if (day.verdict.settlement == Settlement::kNothing) continue;
    if (day.verdict.suits.empty()) {
      ASSERT_FALSE(suits.empty());
      EXPECT_EQ(suits.front(), "诸事不宜");
      suits.erase(suits.begin());
    }
    EXPECT_EQ(suits, day.verdict.suits) << FormatDate(n);
    EXPECT_EQ(forbids, day.verdict.forbids) << FormatDate(n);
  }
}

}  // namespace
}  // namespace vantrel::almanac
