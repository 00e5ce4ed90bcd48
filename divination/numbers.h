#pragma once
// The 81-number numerology and the "测算" actions of the three number
// dialogs (mobile number, QQ number, any number).
//
// The QQ and any-number dialogs reduce the whole number modulo 81 and show a
// row of the table built into the program. The mobile dialog reduces the last
// four digits of an 11-digit number modulo 80 and reads the remainder's row
// from table `shouji` of the main database file.
#include <optional>
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

// The row of a number: its value as a signed 64-bit decimal integer, taken
// modulo 81 in 0..80. A text that is not a decimal integer raises
// ConvertError("'<text>' is not a valid integer value").
int NumberTableRowOf(std::string_view number_text);

// The row of the 81-number table a number reads.
const NumberRow& NumberVerdict(std::string_view number_text);

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

// The luck word of a reading. The 81-number table and table `shouji` use the
// first four; "超吉" is the mobile number's result without a remainder.
enum class Luck { Good, Bad, GoodWithBad, BadWithGood, Super };

// "吉", "凶", "吉带凶", "凶带吉", "超吉".
std::string_view LuckWordOf(Luck luck);
// The luck a word names; none for any other text.
std::optional<Luck> LuckOfWord(std::string_view word);

// What "测算" read for a number.
struct NumberVerdictValue {
  enum class Source {
    Table,        // a row of the 81-number table (QQ and any number)
    MobileRow,    // the row of table `shouji` for the mobile remainder
    NoMobileRow,  // a mobile remainder that table `shouji` has no row for
    SuperLuck,    // a mobile number without a remainder: "超吉"
  };

  std::string number;  // the entry, trimmed
  Source source = Source::Table;
  int row = 0;          // Table: 0..80; MobileRow, NoMobileRow: the remainder 1..79; SuperLuck: 0
  std::string verdict;  // the state
  // The luck word: a level, or for a `shouji` row whose word names none, the
  // word as the table has it.
  std::optional<Luck> luck;
  std::string otherLuckWord;
  int type = 0;             // Table: the personality type 1..9; 0 otherwise
  std::string description;  // Table: the type's text; a mobile row's content

  // The luck word as shown.
  std::string LuckWord() const;
  friend bool operator==(const NumberVerdictValue&, const NumberVerdictValue&) = default;
};

using NumberReading = DialogOutcome<NumberVerdictValue>;

// The message a dialog shows for an empty entry.
std::string_view NumberEmptyMessage(NumberDialog dialog);

// "测算" over the entry text of a dialog. An empty entry (after trimming)
// gives the dialog's notice. The QQ and any-number dialogs raise ConvertError
// for a pasted text that is not a number. The mobile dialog swallows a
// database error and gives no change (with the error's message), so its
// fields keep what they showed.
NumberReading MeasureNumber(NumberDialog dialog, std::string_view entry);

// The four value fields of the result group, as the dialogs show them.
struct NumberFields {
  std::string number;
  std::string state;
  std::string luck;
  std::string description;
  friend bool operator==(const NumberFields&, const NumberFields&) = default;
};

// The field texts of a reading: a remainder without a row shows the number
// and three empty fields.
NumberFields RenderNumberFields(const NumberVerdictValue& value);

}  // namespace vantrel
