#pragma once
// The core's UTF-8 texts as the window's strings.
#include <QString>
#include <string_view>

namespace vantrel::app {

inline QString Qt8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vantrel::app
