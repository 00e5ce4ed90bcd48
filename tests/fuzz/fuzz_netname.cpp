// The pinyin-initials converter and the net-name trait over arbitrary bytes,
// both as UTF-8 and as raw GBK.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/text.h"
#include "divination/pinyin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string initials = vantrel::PinyinInitials(bytes);
  if (vantrel::text::CharCount(initials) > 255) std::abort();
  vantrel::PinyinInitialsOfGbk(bytes);
  vantrel::NetNameTrait(bytes);
  vantrel::MeasureNetName(bytes);
  vantrel::text::GbkCopy(bytes, static_cast<int>(size % 7), static_cast<int>(size % 11));
  vantrel::text::FromGbk(bytes);
  return 0;
}
