#pragma once
// Heavenly stems, earthly branches, the sexagenary cycle and the names of
// lunar months and days.
#include <array>
#include <string>
#include <string_view>

namespace vantrel {

// Stem index 0..9 (甲..癸); an odd index is yin. Branch index 0..11 (子..亥).
using Stem = int;
using Branch = int;

// A remainder that always lies in 0..n-1, also for negative x.
constexpr int Mod(int x, int n) {
  const int r = x % n;
  return r < 0 ? r + n : r;
}

extern const std::array<std::string_view, 10> StemNames;
extern const std::array<std::string_view, 12> BranchNames;
extern const std::array<std::string_view, 12> AnimalNames;

// A stem and a branch; its sexagenary index 0..59 starts at 甲子.
struct Pillar {
  Stem stem = 0;
  Branch branch = 0;

  static Pillar FromIndex(int index) { return {Mod(index, 10), Mod(index, 12)}; }
  // The sexagenary index, for a pillar whose stem and branch agree in parity.
  int Index() const { return Mod(6 * stem - 5 * branch, 60); }
  std::string StemText() const { return std::string(StemNames[stem]); }
  std::string BranchText() const { return std::string(BranchNames[branch]); }
  std::string Text() const { return StemText() + BranchText(); }
  friend bool operator==(const Pillar&, const Pillar&) = default;
};

// The cycle index of a year is year - 1864 (1864 is a 甲子 year).
constexpr int CycleIndexOfYear(int year) { return year - 1864; }

// Stem, branch, "(", animal, "年)": ten GBK bytes, for example "甲子(鼠年)".
// The first four bytes are the year's pillar; bytes 6 and 7 its animal.
std::string CycleYearText(int n);

// "一月" .. "十二月", "闰四月"; "月" alone (or "闰月") for a month outside 1..12.
std::string LunarMonthName(int month, bool isLeap);

// "初一" .. "三十"; the empty text for any other day.
std::string LunarDayName(int day);

// The index of an exact one-character stem (isBranch false) or branch
// (isBranch true) text; -1 when the text names none.
int StemBranchIndex(std::string_view text, bool isBranch);

}  // namespace vantrel
