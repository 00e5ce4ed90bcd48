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
  const WordReason* none = Find(reasons, true, "馀事勿取");
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
      if (r.word != "诸事不宜" && r.word != "馀事勿取") {
        EXPECT_FALSE((r.suits ? r.favouredBy : r.forbiddenBy).empty()) << FormatDate(n) << " " << r.word;
      }
    }
    if (day.verdict.settlement == Settlement::kNothing) continue;
    if (day.verdict.suits.empty()) {
      ASSERT_FALSE(suits.empty());
      EXPECT_EQ(suits.front(), "诸事不宜");
      suits.erase(suits.begin());
    }
    // A short 宜 line ends in 馀事勿取, which says what the line leaves out.
    if (day.verdict.restOmitted) {
      ASSERT_FALSE(suits.empty());
      EXPECT_EQ(suits.back(), "馀事勿取");
      suits.pop_back();
    }
    EXPECT_EQ(suits, day.verdict.suits) << FormatDate(n);
    EXPECT_EQ(forbids, day.verdict.forbids) << FormatDate(n);
  }
}

}  // namespace
}  // namespace vantrel::almanac

namespace vantrel::almanac {
namespace {

bool Has(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool ForbiddenBy(const std::vector<WordReason>& reasons, std::string_view spirit) {
  const std::string cited = std::string(spirit) + "（";
  for (const WordReason& r : reasons)
    for (const std::string& s : r.forbiddenBy)
      if (!r.suits && s.rfind(cited, 0) == 0) return true;
  return false;
}

// Every day of 2000-2030 whose month (0 = 正月) and spirits pass `keep`.
template <typename Keep>
std::vector<Day> DaysWhere(Keep keep) {
  std::vector<Day> days;
  for (long n = static_cast<long>(EncodeDate(2000, 1, 1)); n <= static_cast<long>(EncodeDate(2030, 12, 31));
       ++n) {
    Day d = DayOf(DecodeDate(static_cast<DateTime>(n)));
    if (keep(d, d.facts.month.Next(-2).Index())) days.push_back(std::move(d));
  }
  return days;
}

// 铺注条例: "凡天吏大时不以死败论者遇四废嵗薄逐阵仍以死败论".
bool DeathAndDefeatStand(const Day& d) {
  return Has(d.verdict.badSpirits, "四废") || Has(d.verdict.badSpirits, "岁薄") ||
         Has(d.verdict.badSpirits, "逐阵");
}

bool WithTwoDe(const Day& d) {
  return Has(d.verdict.goodSpirits, "天德") || Has(d.verdict.goodSpirits, "月德");
}

// 卷十 大时: "寅申巳亥月值除日官日辰戌月值执日六合止忌安抚边境选将训兵出师余皆不忌".
// None of the glossary's words is war, so 大时 forbids none of them there.
TEST(AlmanacLimitedSpirits, DashiInTheFirstMonthsOfTheSeasonsAndChenXuForbidsOnlyWar) {
  const std::vector<Day> days = DaysWhere([](const Day& d, int m) {
    return Has(d.verdict.badSpirits, "大时") && (m % 3 == 0 || m == 2 || m == 8);
  });
  ASSERT_GT(days.size(), 300u);
  int unlimited = 0;
  for (const Day& d : days) {
    const bool forbids = ForbiddenBy(ExplainDay(d), "大时");
    if (DeathAndDefeatStand(d)) {
      // 四废 on such a day (spring 庚申 and 辛酉 in the 辰 month): 大时 forbids as usual.
      ++unlimited;
      EXPECT_TRUE(forbids) << FormatDate(d.dayNumber);
    } else {
      EXPECT_FALSE(forbids) << FormatDate(d.dayNumber);
    }
  }
  EXPECT_GT(unlimited, 0);
}

// Over `days`, `spirit` forbids none of the glossary's words where `limited`
// holds, and "如常例" elsewhere forbids as it always does: on every such day
// the settlement leaves a 忌 to write, more than half of them. Days of 四废,
// 岁薄 and 逐阵 count it in full and are left out.
template <typename Limited>
void ExpectLimitedWhere(const std::vector<Day>& days, std::string_view spirit, Limited limited) {
  int within = 0, without = 0, forbiddingWithout = 0;
  for (const Day& d : days) {
    if (DeathAndDefeatStand(d)) continue;
    const bool forbids = ForbiddenBy(ExplainDay(d), spirit);
    if (limited(d)) {
      ++within;
      EXPECT_FALSE(forbids) << FormatDate(d.dayNumber);
    } else {
      ++without;
      forbiddingWithout += forbids;
    }
  }
  EXPECT_GT(within, 0);
  EXPECT_GT(forbiddingWithout, without / 2);
}

// "丑未月值执日六害与二德并亦止忌安抚边境选将训兵出师余皆不忌不与二德并如常例".
TEST(AlmanacLimitedSpirits, DashiInChouWeiMonthsForbidsOnlyWarBesideTheTwoDe) {
  ExpectLimitedWhere(
      DaysWhere([](const Day& d, int m) { return Has(d.verdict.badSpirits, "大时") && (m == 5 || m == 11); }),
      "大时", WithTwoDe);
}

// 卷十 天吏: "寅申巳亥月值危日与天德月德天德合月德合并止忌安抚边境选将训兵出师求医疗病
// 余皆不忌不与德合并如常例".
TEST(AlmanacLimitedSpirits, TianliOnWeiBesideADeForbidsOnlyWarAndHealing) {
  ExpectLimitedWhere(
      DaysWhere([](const Day& d, int m) { return Has(d.verdict.badSpirits, "天吏") && m % 3 == 0; }), "天吏",
      [](const Day& d) {
        return WithTwoDe(d) || Has(d.verdict.goodSpirits, "天德合") || Has(d.verdict.goodSpirits, "月德合");
      });
}

// The words such a day suits, that 大时 alone would have forbidden, say why.
TEST(AlmanacLimitedSpirits, TheExplanationQuotesTheLimit) {
  const std::vector<Day> days =
      DaysWhere([](const Day& d, int m) { return Has(d.verdict.badSpirits, "大时") && m % 3 == 0; });
  bool quoted = false;
  for (const Day& d : days)
    for (const WordReason& r : ExplainDay(d))
      quoted =
          quoted || (r.suits && r.decision.find("止忌安抚边境选将训兵出师余皆不忌") != std::string::npos);
  EXPECT_TRUE(quoted);
}

}  // namespace
}  // namespace vantrel::almanac
