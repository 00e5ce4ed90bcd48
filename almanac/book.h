#pragma once
// The day spirits of the imperial almanac standard and what each favours and
// forbids, in the book's own words for the activities (用事), and how a day
// settles what its spirits both favour and forbid. Shared by the spirit
// tables and the day's judgement (book.cpp) and the almanac engine
// (almanac.cpp); the rest of the program asks the engine (almanac.h).
#include <array>
#include <bitset>
#include <functional>
#include <string_view>
#include <vector>

#include "almanac/almanac.h"

namespace vantrel::almanac::book {

// The activities as the book names them: those of the court's, the common and
// the trade almanacs, one entry each.
extern const std::vector<std::string_view> Deeds;
using DeedSet = std::bitset<96>;

// A blank-separated list of activities; an unknown word is a fault in the tables.
DeedSet DeedsOf(std::string_view words);

// The book's activity a glossary word stands for (see ActivityParent).
DeedSet DeedOfActivity(std::string_view activity);

// What a rule looks at: the day's facts with the month counted from 正月,
// the season and the officer.
struct Input {
  const DayFacts& f;
  int monthIndex;  // 0 = 正月 (寅) .. 11 = 十二月 (丑)
  int season;      // 0 春 .. 3 冬
  int officer;     // index into OfficerNames
};

// The spirits whose presence, in the book's words, lets the good prevail.
enum Virtue : unsigned {
  kTianDe = 1u << 0,    // 天德
  kYueDe = 1u << 1,     // 月德
  kTianDeHe = 1u << 2,  // 天德合
  kYueDeHe = 1u << 3,   // 月德合
  kTianShe = 1u << 4,   // 天赦
  kTianYuan = 1u << 5,  // 天愿
  kYueEn = 1u << 6,     // 月恩
  kSiXiang = 1u << 7,   // 四相
  kShiDe = 1u << 8,     // 时德
  kLiuHe = 1u << 9,     // 六合
  kSanHe = 1u << 10,    // 三合
};
// 德合: the two 德 and their 合.
constexpr unsigned kDeHe = kTianDe | kYueDe | kTianDeHe | kYueDeHe;

using Predicate = std::function<bool(const Input&)>;

struct Spirit {
  std::string_view name;
  bool good = true;   // listed among the 吉神 or the 凶神
  bool shown = true;  // the officers and the taboos of the day stems are not listed
  Predicate applies;
  DeedSet favours;
  DeedSet forbids;
  unsigned virtue = 0;  // the Virtue this spirit brings to the day
  // A lesser 凶神: with one of these virtues present its forbids give way to
  // `lifted` (often nothing at all). Zero: it forbids whatever comes.
  unsigned liftedBy = 0;
  DeedSet lifted;
  // Months (their branches) in which the lifting virtues do not lift it.
  std::string_view notLiftedIn;
  bool liftedMutes = false;  // given way, neither favoured nor forbidden
  DeedSet mutes;             // written neither as 宜 nor as 忌 on its day
  bool firm = false;         // a veto: its forbids stand however the day settles
  // The book's "止忌……余皆不忌": on the days this says (given the day's
  // virtues), the spirit forbids only `only`.
  std::function<bool(const Input&, unsigned virtues)> onlyWhen;
  DeedSet only;
  std::string_view onlySaying;  // the book's words for it
  // 大时 (败) and 天吏 (死): their limits lapse beside 四废, 岁薄 and 逐阵.
  bool deathOrDefeat = false;
  // A great 凶神 of the table of grades (or its companion): on a day that
  // follows 宜 over 忌 it forbids only `graded` ("止忌……余皆不忌").
  bool graded = false;
  DeedSet gradedOnly;
  std::string_view gradedSaying;
};

// What a day holds that changes what its spirits forbid.
struct Standing {
  unsigned virtues = 0;                      // the Virtue bits that count on the day
  Settlement settle = Settlement::kNeither;  // how the day's grade settles
  bool unlimited = false;                    // 四废, 岁薄 or 逐阵: 大时 and 天吏 are not limited
};

// Whether one of the day's virtues lifts this lesser 凶神.
bool LiftedOn(const Spirit& spirit, const Input& in, unsigned virtues);

// A 凶神 the book limits on the day ("止忌……余皆不忌"): its few remaining
// prohibitions stand whatever good the day holds. Null where none applies.
const DeedSet* LimitOn(const Spirit& spirit, const Input& in, const Standing& day);

// What a spirit forbids on the day: its lifted list where a virtue lifts it,
// its "止忌" list where the book limits it, else all it forbids.
DeedSet ForbidsOn(const Spirit& spirit, const Input& in, const Standing& day);

// A veto in force on the day: a firm spirit no virtue lifts.
bool VetoesOn(const Spirit& spirit, const Input& in, unsigned virtues);

// Every spirit rule, good ones first, in the order the almanac lists them.
const std::vector<Spirit>& Spirits();

// The day's judgement in the book's activities.
struct Judgement {
  std::vector<std::string_view> goodSpirits, badSpirits;
  DeedSet suits, forbids;
  int grade = -1;  // 宜忌等第 0 上 .. 5 下下; -1 outside the table
  Settlement settle = Settlement::kNeither;
  bool restOmitted = false;  // a short 宜 ends in 馀事勿取
};

// The grade (等第) of a day with these spirits in the month (0 = 正月).
int GradeOf(const std::vector<std::string_view>& spirits, int monthIndex);
// Why each activity of a judgement came out as it did, filled on request
// (the almanac's explanation; the table is judged without it).
struct Trace {
  std::vector<const Spirit*> present;    // the spirits in force, in table order
  std::vector<DeedSet> forbids;          // what each of them forbids on the day (ForbidsOn)
  std::vector<std::string_view> limits;  // for each, the book's "止忌" limit in force, if any
  unsigned virtues = 0;                  // the Virtue bits of the day
  bool de = false;                       // a 德 counts on the day (not on 阳错 or 阴错)
  DeedSet favoured, forbidden;           // before the day settled them
  DeedSet vetoed;                        // forbidden by a veto no virtue lifted
  std::vector<const Spirit*> vetoes;     // the vetoes in force
  DeedSet limited;                       // kept by a "止忌" limit whatever the day favours
  DeedSet muted;                         // noted neither way on the day
  // The writing rule that last changed an activity's 宜 or 忌, in the
  // book's words; empty where none did.
  std::array<std::string_view, 96> suitRule{}, forbidRule{};
};

// The rule that keeps a veto's 忌 whatever the day settles.
inline constexpr std::string_view kVetoRule = "铺注条例：「如遇德犹忌之日则仍注忌」";
// The rule that keeps what a limited 凶神 still forbids.
inline constexpr std::string_view kLimitRule = "卷十：「止忌……余皆不忌」，所止忌者虽有宜神仍注忌";

Judgement Judge(const Input& in, Trace* trace = nullptr);
// The same for a day's facts: the month counted from 正月, its season and the
// day's officer follow from them.
Judgement Judge(const DayFacts& facts, Trace* trace = nullptr);

}  // namespace vantrel::almanac::book
