#pragma once
// Table huangdao of the main file: one row of almanac texts per day, which
// the almanac page prints.
#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "common/datetime.h"

namespace vantrel::data {

// The day's texts of one row, trimmed, in the order the page prints them.
struct HuangdaoRow {
  std::string nn;      // lunar day, weekday and road spirit
  std::string suici;   // the pillars of the year, the month and the day
  std::string tszf;    // the fetal god's position
  std::string wuhang;  // the nayin and the officer
  std::string cong;    // the clash
  std::string pzbj;    // the Pengzu taboos
  std::string jsyq;    // the good spirits
  std::string yi;      // what the day suits
  std::string xsyq;    // the bad spirits
  std::string ji;      // what the day forbids

  // A table that lacks a column is read up to it: the texts before it are
  // set, the rest stay empty, and `fault` holds the error of the missing
  // column (a DatabaseError). A whole row has every column and no fault.
  int columnsRead = 0;
  std::exception_ptr fault;
};

// The columns of HuangdaoRow, in its order.
inline constexpr std::array<std::string_view, 10> kHuangdaoTextColumns = {
    "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};

// The row of `day` in table huangdao; none when the table has no row for it.
// A missing file, a missing table or a statement the store rejects raise
// DatabaseError.
std::optional<HuangdaoRow> HuangdaoRowOf(CivilDate day);

}  // namespace vantrel::data
