// The date text convention and the integer conversion over arbitrary text:
// they either convert or raise ConvertError, and what they accept
// formats back to an equal value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/datetime.h"
#include "common/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const std::optional<vantrel::DateTime> date = vantrel::TryStrToDate(text)) {
    if (vantrel::StrToDate(vantrel::FormatDate(*date)) != *date) std::abort();
  } else {
    try {
      vantrel::StrToDate(text);
      std::abort();
    } catch (const vantrel::ConvertError&) {
    }
  }
  if (const std::optional<int> value = vantrel::TryStrToInt(text)) {
    if (vantrel::StrToInt(std::to_string(*value)) != *value) std::abort();
  } else {
    try {
      vantrel::StrToInt(text);
      std::abort();
    } catch (const vantrel::ConvertError&) {
    }
  }
  try {
    vantrel::StrToDateTime(text);
  } catch (const vantrel::ConvertError&) {
  }
  return 0;
}
