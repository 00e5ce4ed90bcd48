#pragma once
// A fuzz input read as text fields separated by line breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace vantrel::fuzz
