#pragma once
// The sexagenary vocabulary in one place: the five elements, the ten
// heavenly stems, the twelve earthly branches, the pillars they pair into
// and the cycle of sixty, with their names and the arithmetic on them; then
// the names of cycle years and of lunar months and days.
//
// Stem and Branch are small values that always hold a valid index: made
// from any integer they keep its remainder (10 and -1 are the stems 甲 and
// 癸), so counting forward or backward through them never leaves the cycle.
// They read as their index where a table is indexed by them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// A remainder that always lies in 0..n-1, also for negative x.
constexpr int Mod(int x, int n) {
  const int r = x % n;
  return r < 0 ? r + n : r;
}

extern const std::array<std::string_view, 10> StemNames;
extern const std::array<std::string_view, 12> BranchNames;
extern const std::array<std::string_view, 12> AnimalNames;

// The five elements in the order in which each feeds the next.
enum class Element { Wood, Fire, Earth, Metal, Water };
// "木" "火" "土" "金" "水".
std::string_view ElementName(Element e);

// A heavenly stem: index 0..9, 甲 to 癸. An odd index is yin; each pair of
// stems shares an element, 甲乙 wood to 壬癸 water.
class Stem {
 public:
  constexpr Stem() = default;
  // Any integer names a stem: its remainder by ten.
  constexpr explicit Stem(int index) : index_(Mod(index, 10)) {}
  // The index 0..9, for tables indexed by stems.
  constexpr int Index() const { return index_; }
  friend constexpr bool operator==(Stem a, Stem b) { return a.index_ == b.index_; }

  // The stem n places on (n < 0: back) in the order of the stems.
  constexpr Stem Next(int n) const { return Stem(index_ + n); }
  constexpr bool IsYin() const { return index_ % 2 == 1; }
  constexpr Element GetElement() const { return static_cast<Element>(index_ / 2); }
  std::string_view Name() const { return StemNames[static_cast<std::size_t>(index_)]; }

  // The stem of exactly this one-character name.
  static std::optional<Stem> FromName(std::string_view name);

 private:
  int index_ = 0;
};

// An earthly branch: index 0..11, 子 to 亥. It also names a zodiac animal
// and a double hour; an odd index is yin.
class Branch {
 public:
  constexpr Branch() = default;
  // Any integer names a branch: its remainder by twelve.
  constexpr explicit Branch(int index) : index_(Mod(index, 12)) {}
  // The index 0..11, for tables indexed by branches.
  constexpr int Index() const { return index_; }
  friend constexpr bool operator==(Branch a, Branch b) { return a.index_ == b.index_; }

  // The branch n places on (n < 0: back) in the order of the branches.
  constexpr Branch Next(int n) const { return Branch(index_ + n); }
  constexpr bool IsYin() const { return index_ % 2 == 1; }
  Element GetElement() const;
  std::string_view Name() const { return BranchNames[static_cast<std::size_t>(index_)]; }
  std::string_view Animal() const { return AnimalNames[static_cast<std::size_t>(index_)]; }

  // The branch of exactly this one-character name.
  static std::optional<Branch> FromName(std::string_view name);

 private:
  int index_ = 0;
};

// A stem and a branch. The sixty pillars of the cycle pair stems and
// branches of the same parity; their index 0..59 starts at 甲子.
struct Pillar {
  Stem stem;
  Branch branch;

  // The pillar of cycle index `index`, any integer taken modulo 60.
  static Pillar FromIndex(int index) { return {Stem(index), Branch(index)}; }
  // The pillar of a stem and a branch of the same parity; none otherwise
  // (甲丑 is no pillar of the cycle).
  static std::optional<Pillar> FromPair(Stem stem, Branch branch);
  // The pillar of a two-character text such as "甲子".
  static std::optional<Pillar> FromText(std::string_view text);

  // Whether stem and branch share their parity, as every pillar of the cycle does.
  bool IsInCycle() const { return stem.IsYin() == branch.IsYin(); }
  // The cycle index 0..59; meaningful only for a pillar in the cycle.
  int Index() const { return Mod(6 * stem.Index() - 5 * branch.Index(), 60); }
  // The pillar n places on in the cycle (n < 0: back): stem and branch
  // each move n places.
  Pillar Next(int n) const { return {stem.Next(n), branch.Next(n)}; }

  std::string StemText() const { return std::string(stem.Name()); }
  std::string BranchText() const { return std::string(branch.Name()); }
  std::string Text() const { return StemText() + BranchText(); }
  friend bool operator==(const Pillar& a, const Pillar& b) {
    return a.stem == b.stem && a.branch == b.branch;
  }
};

// The way a chart's luck pillars run through the cycle.
enum class LuckDirection { Forward, Backward };

// The step of one pillar: +1 forward, -1 backward.
constexpr int StepOf(LuckDirection d) { return d == LuckDirection::Forward ? 1 : -1; }

// The cycle index of a year is year - 1864 (1864 is a 甲子 year).
constexpr int CycleIndexOfYear(int year) { return year - 1864; }

// The pillar of the day with this day number (1899-12-30, day 0, was a 壬申 day).
inline Pillar DayPillarOfDayNumber(long dayNumber) {
  return Pillar::FromIndex(static_cast<int>(dayNumber % 60) + 8);
}

// The month of branch `month` in a year of stem `yearStem`: the 寅 month of
// a 甲 or 己 year is 丙寅, and each later month takes the next stem.
inline Pillar MonthPillarInYear(Stem yearStem, Branch month) {
  return {Stem(2 * yearStem.Index() + 2).Next(month.Next(-2).Index()), month};
}

// The double hour of a clock hour 0..23: 23 and 0 o'clock are 子, 1 and 2
// o'clock 丑, and so on.
constexpr Branch HourBranch(int clockHour) { return Branch((clockHour + 1) / 2); }

// The double hour `hour` on a day of stem `dayStem`: the 子 hour of a 甲 or
// 己 day is 甲子, and each later hour takes the next stem.
inline Pillar HourPillarOnDay(Stem dayStem, Branch hour) {
  return {Stem(2 * dayStem.Index()).Next(hour.Index()), hour};
}

// Stem, branch, "(", animal, "年)": ten GBK bytes, for example "甲子(鼠年)".
// The first four bytes are the year's pillar; bytes 6 and 7 its animal.
std::string CycleYearText(int n);

// "一月" .. "十二月", "闰四月"; "月" alone (or "闰月") for a month outside 1..12.
std::string LunarMonthName(int month, bool isLeap);

// "初一" .. "三十"; the empty text for any other day.
std::string LunarDayName(int day);

}  // namespace vantrel
