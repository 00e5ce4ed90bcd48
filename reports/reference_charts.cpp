#include "reports/reference_charts.h"

#include "common/text.h"
#include "reports/boy_girl_columns.h"
#include "reports/reference_texts.h"

namespace vantrel {
namespace {

std::vector<std::string> Lines(std::span<const std::string_view> lines) {
  return {lines.begin(), lines.end()};
}

}  // namespace

const std::vector<std::string>& FolkOmenLines(int page) {
  static const std::vector<std::string> kNone;
  static const std::vector<std::vector<std::string>> kPages = [] {
    std::vector<std::vector<std::string>> pages;
    for (const auto& lines : kFolkOmenPages) pages.push_back(Lines(lines));
    return pages;
  }();
  if (page < 0 || page >= kFolkOmenPageCount) return kNone;
  return kPages[static_cast<std::size_t>(page)];
}

std::string FolkOmenText(int page) { return text::Join(FolkOmenLines(page), "\n\n"); }

const std::vector<std::string>& FolkOmenNote() {
  static const std::vector<std::string> kNote = Lines(kFolkOmenNoteLines);
  return kNote;
}

std::string BoyGirlCell(int age, int month) {
  if (age < kBoyGirlFirstAge || age > kBoyGirlLastAge || month < 1 || month > 12) return {};
  const auto cells = text::Characters(kBoyGirlRows[static_cast<std::size_t>(age - kBoyGirlFirstAge)]);
  return cells[static_cast<std::size_t>(month - 1)];
}

std::vector<std::string> BoyGirlChartLines() {
  // The build refuses a heading without twelve months or without room for
  // the age before the first.
  const std::vector<std::size_t> columns = BoyGirlMonthColumns(kBoyGirlHeading);
  std::vector<std::string> lines = {kBoyGirlHeading};
  for (int age = kBoyGirlFirstAge; age <= kBoyGirlLastAge; ++age) {
    std::string line = std::to_string(age);
    for (int month = 1; month <= 12; ++month) {
      line.append(columns[static_cast<std::size_t>(month - 1)] - text::GbkWidth(line), ' ');
      line += BoyGirlCell(age, month);
    }
    lines.push_back(line);
  }
  return lines;
}

const char* BoyGirlChartNote() { return kBoyGirlNote; }

}  // namespace vantrel
