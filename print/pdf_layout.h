#pragma once
// How a report's lines fall onto printed lines and pages: the rules of
// Chinese line breaking for the prose lines that wrap, and grids that are
// kept whole on one page. Widths are counted in Latin columns, a Chinese
// character taking two (its width in GBK).
#include <QList>
#include <QString>
#include <QStringList>

namespace vantrel::app {

// Whether a character may not begin a printed line (closing punctuation:
// 、，。；：？！）」』 and their kind) or may not end one (opening punctuation:
// （「『 and their kind).
bool MayNotStartLine(const QString& character);
bool MayNotEndLine(const QString& character);

// Cuts a line into pieces of at most `columns` columns, never inside a
// character. A piece never begins with closing punctuation nor ends with
// opening punctuation: the characters before such a break go to the next
// piece with it. Only a piece made of nothing else is cut where it must.
QStringList WrapLine(const QString& line, int columns);

// Whether a line is one of aligned columns (a run of blanks between words).
bool IsAlignedLine(const QString& line);

// The printed lines of each page. A line that wraps is kept on one page where
// it can. A grid (an aligned line with a label, such as "流年：" or "小运：",
// and the aligned lines under it that begin with blanks) is kept on one page
// with its label: when it does not fit below what the page already holds it
// begins the next page. A grid longer than a page breaks where it must.
QList<QStringList> BreakPages(const QStringList& lines, int columns, int linesPerPage);

}  // namespace vantrel::app
