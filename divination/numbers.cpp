#include "divination/numbers.h"

#include <cstdint>
#include <stdexcept>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"
#include "divination/reference_texts.h"

namespace vantrel {
namespace {

// The fixed result of a mobile number whose tail leaves no remainder (or
// has no tail at all).
constexpr std::string_view kSuperLuck = "超吉";
constexpr std::string_view kSuperLuckDescription = "超吉不做详细评论";

// The value field texts of a row text "verdict|luck|description".
NumberFields FieldsOfRowText(std::string_view number, std::string_view row_text) {
  const std::size_t first = row_text.find('|');
  const std::size_t second = first == std::string_view::npos ? first : row_text.find('|', first + 1);
  NumberFields f;
  f.number = number;
  f.state = row_text.substr(0, first);
  if (first != std::string_view::npos) {
    f.luck = row_text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
  }
  if (second != std::string_view::npos) f.description = row_text.substr(second + 1);
  return f;
}

// The mobile dialog: the remainder's row of table `shouji` on the main file.
NumberOutcome MeasureMobile(const std::string& t) {
  const std::string r = shoujiinfostr(t);
  if (r.empty()) {
    return NumberOutcome::Set(
        {t, std::string(kSuperLuck), std::string(kSuperLuck), std::string(kSuperLuckDescription)});
  }
  try {
    data::Query q(data::Database::Main);
    q.SetSql("select title, jx, content from shouji where num = ?");
    q.AddParam(r);
    q.Open();
    // A remainder without a row shows the number and three empty fields.
    return NumberOutcome::Set({t, q.Text(0), q.Text(1), q.Text(2)});
  } catch (const DatabaseError& e) {
    return NumberOutcome::Unchanged(e.what());
  }
}

}  // namespace

const NumberRow& NumberTableRow(int row) {
  if (row < 0 || row >= kNumberTableRows) {
    throw std::out_of_range("no row " + std::to_string(row) + " in the number table");
  }
  return kNumberTable[row];
}

std::string_view NumberTypeText(int type) {
  if (type < 1 || type > kNumberTypeCount) {
    throw std::out_of_range("no personality type " + std::to_string(type));
  }
  return kNumberTypeTexts[type - 1];
}

std::string NumberRowText(int row) {
  const NumberRow& r = NumberTableRow(row);
  std::string text(r.verdict);
  text += '|';
  text += r.luck;
  text += '|';
  text += NumberTypeText(r.type);
  return text;
}

std::string NumberVerdict(std::string_view number_text) {
  const std::int64_t n = StrToInt64(number_text);
  return NumberRowText(static_cast<int>((n % kNumberTableRows + kNumberTableRows) % kNumberTableRows));
}

std::string shoujiinfostr(std::string_view number_text) {
  // The entry text is GBK, so the tail is cut by byte position; for the
  // digits of a typed number that is the same as cutting by character.
  const std::string tail = text::GbkCopy(number_text, 8, 4);
  std::int64_t value = 0;
  if (tail.empty() || !TryStrToInt64(tail, value)) return {};
  const std::int64_t r = (value % 80 + 80) % 80;
  return r == 0 ? std::string() : std::to_string(r);
}

bool NumberKeyAccepted(char32_t key) { return (key >= U'0' && key <= U'9') || key == 8 || key == 13; }

std::string_view NumberEmptyMessage(NumberDialog dialog) {
  switch (dialog) {
    case NumberDialog::Mobile:
      return "请输入11位手机号码！";
    case NumberDialog::QQ:
      return "请输入你的QQ号码！";
    case NumberDialog::Any:
      break;
  }
  return "请输入你的号码！";
}

NumberOutcome MeasureNumber(NumberDialog dialog, std::string_view entry) {
  const std::string t = text::Trim(entry);
  if (t.empty()) return NumberOutcome::Notice(std::string(NumberEmptyMessage(dialog)));
  if (dialog == NumberDialog::Mobile) return MeasureMobile(t);
  // A pasted text that is not a number raises its conversion error here,
  // before any field changes.
  return NumberOutcome::Set(FieldsOfRowText(t, NumberVerdict(t)));
}

}  // namespace vantrel
