#pragma once
// Reports on paper and in PDF: A4 with 15 mm margins, in the panes' font whose
// Chinese characters are two Latin columns wide, so the columns of the charts
// stay aligned. The font size is the largest (up to 10.5 pt) at which every
// aligned line (one with columns: a run of blanks between two words) fits the
// page width; only prose lines longer than that wrap, by the rules of Chinese
// line breaking. Pages break between lines; a wrapped line, and a grid with
// its label, stay on one page where they can (print/pdf_layout.h).
// Each page carries a header with the report's kind and name and
// "第 n 页 / 共 m 页".
//
// This part needs Qt's GUI module only, so the command line can write PDFs
// without the window.
#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

#include "common/script.h"

class QPagedPaintDevice;

namespace vantrel::app {

// Whether the font's Chinese characters are exactly two Latin columns wide.
bool IsDoubleWidth(const QFont& font);

// The font of the text panes (12 pixels): the first of "WenQuanYi Zen Hei
// Mono" and "Noto Sans Mono CJK SC" that passes IsDoubleWidth, else any
// installed fixed-pitch family that does, else the system's fixed font.
QFont PaneFont();

struct PrintedReport {
  QString kind;       // "合婚报告", "八字", "黄历" ...
  QString name;       // who or what: "张伟 / 李娜", "2013-09-21"
  QStringList lines;  // the pane's lines
  // The script of the page numbers; the other texts come in their script.
  Script script = Script::Simplified;
};

struct PrintLayout {
  qreal fontPoints = 0;
  int columns = 0;  // Latin columns in one printed line
  int linesPerPage = 0;
  // The printed lines of each page; a report line too long for the page
  // width continues on the next printed line.
  QList<QStringList> pages;
};

// Sets A4 and the margins on the device and lays the report out for it.
PrintLayout LayOutReport(const PrintedReport& report, QPagedPaintDevice& device);

// Paints the whole report onto a device (a printer or a PDF writer).
void PaintReport(const PrintedReport& report, QPagedPaintDevice& device);

// The report as the bytes of a PDF file (title and creator in its metadata).
QByteArray ReportPdf(const PrintedReport& report);

// The report as a PDF file, written by WriteFileAtomically: a failure
// leaves no file and raises FileWriteError. The path is a file name of the
// system's encoding.
void WriteReportPdf(const PrintedReport& report, const QString& path);

}  // namespace vantrel::app
