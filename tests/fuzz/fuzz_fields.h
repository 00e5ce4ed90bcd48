#pragma once
// A fuzz input read as text fields separated by line breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/entry_texts.h"

namespace vantrel::fuzz {

// The input's first `count` fields; missing ones stay empty.
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
  std::vector<std::string> fields(count);
  std::size_t k = 0;
  for (std::size_t i = 0; i < size && k < count; ++i) {
    if (data[i] == '\n') {
      ++k;
    } else {
      fields[k].push_back(static_cast<char>(data[i]));
    }
  }
  return fields;
}

// The fields from `at` as a Gregorian row of the entry form: the name, the
// year, month, day and hour, and with `minute` the minute after them.
inline EntryTexts SolarRowAt(const std::vector<std::string>& f, std::size_t at, bool minute = true) {
  EntryTexts e;
  e.name = f[at];
  e.year = f[at + 1];
  e.month = f[at + 2];
  e.day = f[at + 3];
  e.hour = f[at + 4];
  if (minute) e.minute = f[at + 5];
  return e;
}

}  // namespace vantrel::fuzz
