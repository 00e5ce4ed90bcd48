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

}  // namespace

std::string CycleYearText(int n) {
  std::string s;
  s += StemNames[Mod(n, 10)];
  s += BranchNames[Mod(n, 12)];
  s += "(";
  s += AnimalNames[Mod(n, 12)];
  s += "年)";
  return s;
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

int StemBranchIndex(std::string_view text, bool isBranch) {
  if (isBranch) {
    for (int i = 0; i < 12; ++i) {
      if (BranchNames[i] == text) return i;
    }
  } else {
    for (int i = 0; i < 10; ++i) {
      if (StemNames[i] == text) return i;
    }
  }
  return -1;
}

}  // namespace vantrel
