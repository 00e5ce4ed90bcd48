#pragma once
// The 81-number numerology and the "测算" actions of the three number
// dialogs (mobile number, QQ number, any number).
//
// The QQ and any-number dialogs reduce the whole number modulo 81 and show a
// row of the table built into the program. The mobile dialog reduces the last
// four digits of an 11-digit number modulo 80 and reads the remainder's row
// from table `shouji` of the main database file.
#include <string>
#include <string_view>

#include "divination/outcome.h"

namespace vantrel {

inline constexpr int kNumberTableRows = 81;

// One row of the 81-number table.
struct NumberRow {
  std::string_view verdict;  // four phrases; the dialogs show it as the state
  std::string_view luck;     // "吉", "凶", "吉带凶" or "凶带吉"
  int type;                  // the personality type, 1..9
};

// Row 0..80; throws std::out_of_range for any other row.
const NumberRow& NumberTableRow(int row);

// The text of personality type 1..9; throws std::out_of_range otherwise.
std::string_view NumberTypeText(int type);

// A row as the dialogs read it: verdict, luck word and type text separated
// by "|".
std::string NumberRowText(int row);

// The row text of a number: its value as a signed 64-bit decimal integer,
// taken modulo 81 in 0..80. A text that is not a decimal integer raises
// ConvertError("'<text>' is not a valid integer value").
std::string NumberVerdict(std::string_view number_text);

// The mobile remainder: bytes 8..11 (1-based, GBK) of the text, the last four
// digits of an 11-digit number, taken modulo 80 in 0..79 and written in
// decimal. Empty when the tail is empty, is not a decimal integer or leaves
// the remainder 0.
std::string shoujiinfostr(std::string_view number_text);

// The key filter of the number entries: digits, Backspace (8) and Enter (13)
// pass; every other key, the paste shortcut included, is discarded. Enter
// runs "测算".
bool NumberKeyAccepted(char32_t key);

enum class NumberDialog { Mobile, QQ, Any };

// The four value fields of the result group.
struct NumberFields {
  std::string number;
  std::string state;
  std::string luck;
  std::string description;
  friend bool operator==(const NumberFields&, const NumberFields&) = default;
};

using NumberOutcome = DialogOutcome<NumberFields>;

// The message a dialog shows for an empty entry.
std::string_view NumberEmptyMessage(NumberDialog dialog);

// "测算" over the entry text of a dialog. An empty entry (after trimming)
// asks for the dialog's notice. The QQ and any-number dialogs raise
// ConvertError for a pasted text that is not a number, before any field
// changes. The mobile dialog swallows a database error and asks for no
// change, so its fields keep what they showed.
NumberOutcome MeasureNumber(NumberDialog dialog, std::string_view entry);

}  // namespace vantrel
