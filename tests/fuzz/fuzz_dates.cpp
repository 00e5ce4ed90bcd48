// The date text convention and the integer conversion over arbitrary text:
// they either convert or raise ConvertError, and what they accept
// formats back to an equal value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/datetime.h"
#include "common/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vantrel::DateTime date;
  if (vantrel::TryStrToDate(text, date)) {
    if (vantrel::StrToDate(vantrel::FormatDate(date)) != date) std::abort();
  } else {
    try {
      vantrel::StrToDate(text);
      std::abort();
    } catch (const vantrel::ConvertError&) {
    }
  }
  int value;
  if (vantrel::TryStrToInt(text, value)) {
    if (vantrel::StrToInt(std::to_string(value)) != value) std::abort();
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
