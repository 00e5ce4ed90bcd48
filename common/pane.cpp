#include "common/pane.h"

#include "common/text.h"

namespace vantrel {

void TextPane::Clear() { lines_.clear(); }

void TextPane::Add(std::string_view text) {
  for (auto& line : text::SplitLines(text)) lines_.push_back(std::move(line));
}

std::string TextPane::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    out.append(line);
    out.push_back('\n');
  }
  return out;
}

void TextPane::SetText(std::string_view text) {
  lines_.clear();
  if (text.empty()) return;
  auto lines = text::SplitLines(text);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  lines_ = std::move(lines);
}

int TextPane::LineCount() const { return static_cast<int>(lines_.size()); }

std::string TextPane::Line(int index) const {
  if (index < 0 || index >= LineCount()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

void TextPane::DeleteLine(int index) {
  if (index < 0 || index >= LineCount()) return;
  lines_.erase(lines_.begin() + index);
}

void TextPane::InsertLine(int index, std::string_view text) {
  if (index < 0) index = 0;
  if (index > LineCount()) index = LineCount();
  lines_.insert(lines_.begin() + index, std::string(text));
}

}  // namespace vantrel
