#include "common/text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace vantrel::text {
namespace {

// One converter per direction and thread; reset before every use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t get() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

Converter& ToGbkConverter() {
  thread_local Converter c("GBK", "UTF-8");
  return c;
}

Converter& FromGbkConverter() {
  thread_local Converter c("UTF-8", "GBK");
  return c;
}

// Length of the UTF-8 sequence that starts at s[i], or 1 when it is malformed.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  std::size_t n = 1;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
  } else {
    return 1;
  }
  if (i + n > s.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Converts with iconv; an input sequence that cannot be converted is
// replaced by "?" and skipped by `skip` bytes.
template <typename Skip>
std::string Convert(Converter& conv, std::string_view in, Skip skip) {
  std::string out;
  out.reserve(in.size() * 2);
  iconv_t cd = conv.get();
  std::size_t pos = 0;
  char buffer[256];
  while (pos < in.size()) {
    char* src = const_cast<char*>(in.data() + pos);
    std::size_t src_left = in.size() - pos;
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    pos = in.size() - src_left;
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: one unconvertible or incomplete character.
      out.push_back('?');
      pos += skip(in, pos);
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

bool IsTrimmed(unsigned char c) { return c <= ' '; }

}  // namespace

std::string ToGbk(std::string_view utf8) {
  return Convert(ToGbkConverter(), utf8, [](std::string_view s, std::size_t i) { return Utf8Length(s, i); });
}

std::string FromGbk(std::string_view gbk) {
  return Convert(FromGbkConverter(), gbk, [](std::string_view s, std::size_t i) -> std::size_t {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < s.size()) return 2;
    return 1;
  });
}

namespace {

// The GBK width of one UTF-8 character.
std::size_t CharGbkWidth(std::string_view ch) {
  if (ch.size() == 1) return 1;
  return ToGbk(ch).size();
}

}  // namespace

std::size_t GbkWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = Utf8Length(utf8, i);
    width += n == 1 ? 1 : CharGbkWidth(utf8.substr(i, n));
    i += n;
  }
  return width;
}

std::string GbkCopy(std::string_view utf8, int start, int count) {
  std::string out;
  if (count < 1) return out;
  if (start < 1) {
    count -= 1 - start;
    start = 1;
    if (count < 1) return out;
  }
  const long long first = start;
  const long long last = static_cast<long long>(start) + count - 1;
  long long byte = 1;  // GBK position of the current character's first byte
  for (std::size_t i = 0; i < utf8.size() && byte <= last;) {
    const std::size_t n = Utf8Length(utf8, i);
    const std::string_view ch = utf8.substr(i, n);
    const long long w = static_cast<long long>(n == 1 ? 1 : CharGbkWidth(ch));
    if (byte >= first && byte + w - 1 <= last) out.append(ch);
    byte += w;
    i += n;
  }
  return out;
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsTrimmed(static_cast<unsigned char>(s[i]))) ++i;
  return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && IsTrimmed(static_cast<unsigned char>(s[n - 1]))) --n;
  return std::string(s.substr(0, n));
}

std::vector<std::string> Characters(std::string_view utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = Utf8Length(utf8, i);
    out.emplace_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); i += Utf8Length(utf8, i)) ++count;
  return count;
}

std::string FirstChars(std::string_view utf8, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < count && i < utf8.size(); ++k) i += Utf8Length(utf8, i);
  return std::string(utf8.substr(0, i));
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = s.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(s.substr(pos));
  return out;
}

std::vector<std::string> SplitLines(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      lines.emplace_back(s.substr(start, i - start));
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  lines.emplace_back(s.substr(start));
  return lines;
}

std::string Join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out.append(sep);
    out.append(parts[i]);
  }
  return out;
}

namespace {

// The length of the well-formed UTF-8 character at the start of `s`, or 0.
std::size_t Utf8CharLength(std::string_view s, char32_t& code) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = b(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  std::size_t len = 0;
  char32_t min = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    len = 2, min = 0x80, code = lead & 0x1f;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    len = 3, min = 0x800, code = lead & 0x0f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    len = 4, min = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((b(i) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (b(i) & 0x3f);
  }
  if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  return len;
}

}  // namespace

bool IsWellFormedUtf8(std::string_view s) {
  while (!s.empty()) {
    char32_t code = 0;
    const std::size_t length = Utf8CharLength(s, code);
    if (length == 0) return false;
    s.remove_prefix(length);
  }
  return true;
}

std::string TerminalSafe(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  char buf[8];
  while (!utf8.empty()) {
    char32_t code = 0;
    const std::size_t len = Utf8CharLength(utf8, code);
    if (len == 0) {
      out += "\xef\xbf\xbd";  // U+FFFD
      utf8.remove_prefix(1);
      continue;
    }
    if ((code < 0x20 && code != '\t' && code != '\n') || code == 0x7f) {
      std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(code));
      out += buf;
    } else if (code >= 0x80 && code <= 0x9f) {
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(code));
      out += buf;
    } else {
      out.append(utf8.substr(0, len));
    }
    utf8.remove_prefix(len);
  }
  return out;
}

}  // namespace vantrel::text
