#include "divination/numbers.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/reading_texts.h"
#include "divination/reference_texts.h"

namespace vantrel {
namespace {

constexpr std::string_view kSuperLuckDescription = "超吉不做详细评论";

constexpr std::pair<Luck, std::string_view> kLuckWords[] = {
    {Luck::Good, "吉"},    {Luck::Bad, "凶"}, {Luck::GoodWithBad, "吉带凶"}, {Luck::BadWithGood, "凶带吉"},
    {Luck::Super, "超吉"},
};

// The mobile dialog: the remainder's row of table `shouji` on the main file.
NumberReading MeasureMobile(const std::string& t) {
  NumberVerdictValue v;
  v.number = t;
  const std::string r = shoujiinfostr(t);
  if (r.empty()) {
    v.source = NumberVerdictValue::Source::SuperLuck;
    v.verdict = LuckWordOf(Luck::Super);
    v.luck = Luck::Super;
    v.description = kSuperLuckDescription;
    return NumberReading::Of(std::move(v));
  }
  v.row = std::stoi(r);
  std::optional<data::MobileNumberRow> row;
  try {
    row = data::MobileNumberRowOf(v.row);
  } catch (const DatabaseError& e) {
    return NumberReading::Unchanged(e.what());
  }
  if (!row) {
    v.source = NumberVerdictValue::Source::NoMobileRow;
    return NumberReading::Of(std::move(v));
  }
  v.source = NumberVerdictValue::Source::MobileRow;
  v.verdict = std::move(row->title);
  v.luck = LuckOfWord(row->luck);
  if (!v.luck) v.otherLuckWord = std::move(row->luck);
  v.description = std::move(row->content);
  return NumberReading::Of(std::move(v));
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

int NumberTableRowOf(std::string_view number_text) {
  const std::int64_t n = StrToInt64(number_text);
  return static_cast<int>((n % kNumberTableRows + kNumberTableRows) % kNumberTableRows);
}

const NumberRow& NumberVerdict(std::string_view number_text) {
  return NumberTableRow(NumberTableRowOf(number_text));
}

std::string_view LuckWordOf(Luck luck) {
  for (const auto& [level, word] : kLuckWords) {
    if (level == luck) return word;
  }
  return {};
}

std::optional<Luck> LuckOfWord(std::string_view word) {
  for (const auto& [level, w] : kLuckWords) {
    if (w == word) return level;
  }
  return std::nullopt;
}

std::string NumberVerdictValue::LuckWord() const {
  return luck ? std::string(LuckWordOf(*luck)) : otherLuckWord;
}

std::string shoujiinfostr(std::string_view number_text) {
  // The entry text is GBK, so the tail is cut by byte position; for the
  // digits of a typed number that is the same as cutting by character.
  const std::string tail = text::GbkCopy(number_text, 8, 4);
  const std::optional<std::int64_t> value = TryStrToInt64(tail);
  if (tail.empty() || !value) return {};
  const std::int64_t r = (*value % 80 + 80) % 80;
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

NumberReading MeasureNumber(NumberDialog dialog, std::string_view entry) {
  const std::string t = text::Trim(entry);
  if (t.empty()) return NumberReading::Notice(std::string(NumberEmptyMessage(dialog)));
  if (dialog == NumberDialog::Mobile) return MeasureMobile(t);
  // A pasted text that is not a number raises its conversion error here,
  // before anything is shown.
  NumberVerdictValue v;
  v.row = NumberTableRowOf(t);
  v.number = t;
  const NumberRow& row = NumberTableRow(v.row);
  v.verdict = row.verdict;
  v.luck = LuckOfWord(row.luck);
  if (!v.luck) v.otherLuckWord = row.luck;
  v.type = row.type;
  v.description = NumberTypeText(row.type);
  return NumberReading::Of(std::move(v));
}

NumberFields RenderNumberFields(const NumberVerdictValue& value) {
  return {value.number, value.verdict, value.LuckWord(), value.description};
}

}  // namespace vantrel
