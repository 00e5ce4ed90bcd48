#pragma once
// Text helpers. Text is UTF-8 inside the program; GBK lives at the edges.
// Every rule that cuts or pads a text "by byte position" counts bytes as GBK
// would: an ASCII character is one byte, a Chinese character two.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::text {

// UTF-8 to GBK. A character that GBK cannot hold becomes "?", as the code
// page conversion would do; malformed UTF-8 bytes become "?" too.
std::string ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not valid GBK becomes "?".
std::string FromGbk(std::string_view gbk);

// The number of bytes the text takes in GBK.
std::size_t GbkWidth(std::string_view utf8);

// The characters whose GBK bytes lie entirely within the 1-based byte
// positions start .. start + count - 1. A character cut by either end of the
// range is left out, so a character is never split. A start below 1 counts
// from 1; a count below 1 gives the empty text.
std::string GbkCopy(std::string_view utf8, int start, int count);

// Removes blanks and control characters (every character up to and
// including the blank) from both ends, or from one end.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Splits a UTF-8 text into its characters (code points as UTF-8 pieces).
// Malformed bytes come out one by one.
std::vector<std::string> Characters(std::string_view utf8);

// The number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The first `count` characters of a text.
std::string FirstChars(std::string_view utf8, std::size_t count);

// Replaces every occurrence of `from` by `to`.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// Splits a text at line breaks ("\r\n", "\n" or "\r").
std::vector<std::string> SplitLines(std::string_view s);

// Joins texts with a separator.
std::string Join(const std::vector<std::string>& parts, std::string_view sep);

// A text made safe to show on a terminal: every control character but tab
// and line feed is written as an escape ("\x1b", and "\u009b" for the C1
// controls), and every byte that does not belong to a well-formed UTF-8
// character becomes U+FFFD. Printable text, Chinese included, is unchanged.
std::string TerminalSafe(std::string_view utf8);

// Whether the bytes are well-formed UTF-8: no cut character, no overlong or
// surrogate form.
bool IsWellFormedUtf8(std::string_view s);

}  // namespace vantrel::text
