// The three number actions over arbitrary entry texts: a result, a notice or
// a conversion error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "divination/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vantrel::shoujiinfostr(text);
  for (auto dialog : {vantrel::NumberDialog::Mobile, vantrel::NumberDialog::QQ, vantrel::NumberDialog::Any}) {
    try {
      vantrel::MeasureNumber(dialog, text);
    } catch (const vantrel::ConvertError&) {
    }
  }
  return 0;
}
