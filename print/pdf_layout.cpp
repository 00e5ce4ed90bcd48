#include "print/pdf_layout.h"

#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <vector>

#include "common/text.h"

namespace vantrel::app {
namespace {

// Closing marks, pauses and stops, and the marks that belong to the word
// before them.
const QString kNoStart = QStringLiteral(
    "、，。．；：？！）」』】〕〗〉》”’…‥—～·・々ーぁぃぅぇぉっゃゅょ"
    "﹚﹜﹞﹐﹒﹔﹕﹖﹗,.;:?!)]}%％℃");
// Opening marks.
const QString kNoEnd = QStringLiteral("（「『【〔〖〈《“‘﹙﹛﹝([{￥$");

struct Character {
  QString text;
  int width;
};

std::vector<Character> CharactersOf(const QString& line) {
  std::vector<Character> out;
  for (const std::string& c : text::Characters(line.toStdString()))
    out.push_back({QString::fromStdString(c), static_cast<int>(text::GbkWidth(c))});
  return out;
}

}  // namespace

bool MayNotStartLine(const QString& character) {
  return !character.isEmpty() && kNoStart.contains(character);
}

bool MayNotEndLine(const QString& character) { return !character.isEmpty() && kNoEnd.contains(character); }

bool IsAlignedLine(const QString& line) {
  static const QRegularExpression kAligned(QStringLiteral("\\S {2,}\\S"));
  return line.contains(kAligned);
}

QStringList WrapLine(const QString& line, int columns) {
  const std::vector<Character> chars = CharactersOf(line);
  QStringList pieces;
  std::size_t start = 0;
  while (start < chars.size()) {
    // As many characters as fit, at least one.
    std::size_t end = start;
    int used = 0;
    while (end < chars.size() && (end == start || used + chars[end].width <= columns))
      used += chars[end++].width;
    if (end < chars.size()) {
      // Step back over a break that would begin the next piece with a
      // closing mark or end this one with an opening mark.
      std::size_t cut = end;
      while (cut > start + 1 && (MayNotStartLine(chars[cut].text) || MayNotEndLine(chars[cut - 1].text)))
        --cut;
      if (!MayNotStartLine(chars[cut].text) && !MayNotEndLine(chars[cut - 1].text)) end = cut;
    }
    QString piece;
    for (std::size_t i = start; i < end; ++i) piece += chars[i].text;
    pieces << piece;
    start = end;
  }
  if (pieces.isEmpty()) pieces << QString();
  return pieces;
}

QList<QStringList> BreakPages(const QStringList& lines, int columns, int linesPerPage) {
  // The report's lines in units kept together: a grid with its label, or one
  // line with its wrapped pieces.
  QList<QStringList> units;
  for (int i = 0; i < lines.size(); ++i) {
    QStringList unit = WrapLine(lines[i], columns);
    const bool labelled_grid = IsAlignedLine(lines[i]) && !lines[i].startsWith(QLatin1Char(' '));
    while (labelled_grid && i + 1 < lines.size() && lines[i + 1].startsWith(QLatin1Char(' ')) &&
           IsAlignedLine(lines[i + 1])) {
      unit << WrapLine(lines[++i], columns);
    }
    units << unit;
  }

  QList<QStringList> pages;
  QStringList page;
  for (const QStringList& unit : units) {
    // A unit that fits on a page but not below what this page holds begins
    // the next one.
    if (!page.isEmpty() && page.size() + unit.size() > linesPerPage && unit.size() <= linesPerPage) {
      pages << page;
      page.clear();
    }
    for (const QString& piece : unit) {
      if (page.size() == linesPerPage) {
        pages << page;
        page.clear();
      }
      page << piece;
    }
  }
  if (!page.isEmpty() || pages.isEmpty()) pages << page;
  return pages;
}

}  // namespace vantrel::app
