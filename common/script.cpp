#include "common/script.h"

#include <opencc/opencc.h>

#include <array>
#include <mutex>

#include "common/errors.h"
#include "common/text.h"

namespace vantrel {
namespace {

// One converter per configuration, opened when first needed and kept for
// the run (opening one reads its dictionaries).
class Converter {
 public:
  explicit Converter(const char* config) : config_(config) {}
  ~Converter() {
    if (handle_ != reinterpret_cast<opencc_t>(-1) && handle_ != nullptr) opencc_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Convert(std::string_view utf8) {
    if (utf8.empty()) return {};
    // A text that is not UTF-8 (half a character typed or pasted) is not
    // handed to OpenCC, which reads past the end of a cut character; it
    // goes on as it is, and what reads it next refuses or replaces it as it
    // would any such text.
    if (!text::IsWellFormedUtf8(utf8)) return std::string(utf8);
    std::lock_guard<std::mutex> lock(mutex_);
    if (handle_ == nullptr) handle_ = opencc_open(config_);
    if (handle_ == reinterpret_cast<opencc_t>(-1)) {
      throw Error(std::string("OpenCC cannot open ") + config_ + ": " + opencc_error());
    }
    char* converted = opencc_convert_utf8(handle_, utf8.data(), utf8.size());
    if (converted == nullptr) throw Error(std::string("OpenCC failed: ") + opencc_error());
    std::string result(converted);
    opencc_convert_utf8_free(converted);
    return result;
  }

 private:
  const char* config_;
  opencc_t handle_ = nullptr;
  std::mutex mutex_;
};

Converter& ConverterFor(const char* config) {
  static Converter taiwan("s2tw.json"), hongKong("s2hk.json"), simplified("t2s.json");
  const std::string_view c = config;
  return c == "s2tw.json" ? taiwan : c == "s2hk.json" ? hongKong : simplified;
}

// 丑 is the earthly branch wherever the program writes it, but OpenCC reads
// it as the word 醜 (ugly): alone ("男命宫：丑", "子丑寅卯") and at the head of
// phrases such as 丑相 ("丑相合"). The text is converted around each 丑, which
// stays as it is (丑 is written so in Traditional Chinese too); a phrase that
// holds no 丑 converts as before.
std::string ToTraditional(Converter& converter, std::string_view utf8) {
  constexpr std::string_view kChou = "丑";
  // Only a whole text is cut: in UTF-8 the bytes of 丑 begin a character
  // wherever they are found, and a text that is not UTF-8 goes on as it is.
  if (utf8.find(kChou) == std::string_view::npos || !text::IsWellFormedUtf8(utf8)) {
    return converter.Convert(utf8);
  }
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = utf8.find(kChou); at != std::string_view::npos; at = utf8.find(kChou, start)) {
    result += converter.Convert(utf8.substr(start, at - start));
    result += kChou;
    start = at + kChou.size();
  }
  result += converter.Convert(utf8.substr(start));
  return result;
}

constexpr std::array<std::pair<Script, std::string_view>, 3> kNames = {
    {{Script::Simplified, "simplified"}, {Script::Taiwan, "tw"}, {Script::HongKong, "hk"}}};

}  // namespace

std::string_view ScriptName(Script script) {
  for (const auto& [s, name] : kNames) {
    if (s == script) return name;
  }
  return "simplified";
}

std::optional<Script> ScriptOfName(std::string_view name) {
  for (const auto& [s, n] : kNames) {
    if (n == name) return s;
  }
  return std::nullopt;
}

std::string ToScript(std::string_view utf8, Script script) {
  switch (script) {
    case Script::Taiwan:
      return ToTraditional(ConverterFor("s2tw.json"), utf8);
    case Script::HongKong:
      return ToTraditional(ConverterFor("s2hk.json"), utf8);
    case Script::Simplified:
      break;
  }
  return std::string(utf8);
}

std::string ToSimplified(std::string_view utf8) { return ConverterFor("t2s.json").Convert(utf8); }

}  // namespace vantrel
