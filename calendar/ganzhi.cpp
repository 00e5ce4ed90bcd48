#include "calendar/ganzhi.h"

namespace vantrel {

const std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                    "己", "庚", "辛", "壬", "癸"};
const std::array<std::string_view, 12> BranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                      "午", "未", "申", "酉", "戌", "亥"};
const std::array<std::string_view, 12> AnimalNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                      "马", "羊", "猴", "鸡", "狗", "猪"};

namespace {

// Numerals 1..10 for lunar months and days.
constexpr std::array<std::string_view, 11> kNumerals = {"",   "一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

// The element of each branch: 子 water, 丑 earth, 寅卯 wood, 辰 earth, 巳午
// fire, 未 earth, 申酉 metal, 戌 earth, 亥 water.
constexpr std::array<Element, 12> kBranchElements = {
    Element::Water, Element::Earth, Element::Wood,  Element::Wood,  Element::Earth, Element::Fire,
    Element::Fire,  Element::Earth, Element::Metal, Element::Metal, Element::Earth, Element::Water};

// The index of a name in a table of names; -1 when it is none of them.
template <std::size_t N>
int IndexOfName(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string_view ElementName(Element e) {
  static constexpr std::array<std::string_view, 5> kNames = {"木", "火", "土", "金", "水"};
  return kNames[static_cast<std::size_t>(e)];
}

std::optional<Stem> Stem::FromName(std::string_view name) {
  const int i = IndexOfName(StemNames, name);
  return i < 0 ? std::nullopt : std::optional<Stem>(i);
}

Element Branch::GetElement() const { return kBranchElements[static_cast<std::size_t>(index_)]; }

std::optional<Branch> Branch::FromName(std::string_view name) {
  const int i = IndexOfName(BranchNames, name);
  return i < 0 ? std::nullopt : std::optional<Branch>(i);
}

std::optional<Pillar> Pillar::FromPair(Stem stem, Branch branch) {
  const Pillar p{stem, branch};
  return p.IsInCycle() ? std::optional<Pillar>(p) : std::nullopt;
}

std::optional<Pillar> Pillar::FromText(std::string_view text) {
  // Every stem and branch name is one character of the same byte length.
  const std::size_t half = StemNames[0].size();
  if (text.size() != 2 * half) return std::nullopt;
  const std::optional<Stem> stem = Stem::FromName(text.substr(0, half));
  const std::optional<Branch> branch = Branch::FromName(text.substr(half));
  if (!stem || !branch) return std::nullopt;
  return FromPair(*stem, *branch);
}

std::string CycleYearText(int n) {
  const Pillar p = Pillar::FromIndex(n);
  return p.Text() + "(" + std::string(p.branch.Animal()) + "年)";
}

std::string LunarMonthName(int month, bool isLeap) {
  std::string s;
  if (isLeap) s += "闰";
  if (month >= 1 && month <= 10) {
    s += kNumerals[month];
  } else if (month == 11 || month == 12) {
    s += "十";
    s += kNumerals[month - 10];
  }
  s += "月";
  return s;
}

std::string LunarDayName(int day) {
  std::string s;
  if (day >= 1 && day <= 10) {
    s += "初";
    s += kNumerals[day];
  } else if (day >= 11 && day <= 19) {
    s += "十";
    s += kNumerals[day - 10];
  } else if (day == 20) {
    s = "二十";
  } else if (day >= 21 && day <= 29) {
    s += "廿";
    s += kNumerals[day - 20];
  } else if (day == 30) {
    s = "三十";
  }
  return s;
}

}  // namespace vantrel
