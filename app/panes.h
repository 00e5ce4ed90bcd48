#pragma once
// Text panes of the window and the fonts they use.
//
// The reports line their columns up with blanks, counting a Chinese
// character as two columns; a pane shows them in a font whose Chinese
// characters are exactly twice as wide as its Latin ones. Report panes wrap
// their long prose lines at the pane's edge and never scroll sideways; their
// grid lines (pillars, ages, years) are narrower than the pane, so they stay
// whole and aligned.
#include <QFont>
#include <QPlainTextEdit>

#include "common/pane.h"
#include "print/report_print.h"  // the pane font

class QWidget;

namespace vantrel::app {

// The window's default font: a Song-style Chinese font 12 pixels high.
QFont ProgramFont();

// Title, translations, font and icon of the application; called once, after
// the QApplication is made and before the window is created.
void SetUpApplication();

enum class Wrap {
  None,       // a chart drawn in text: a line stays one line, the pane scrolls sideways
  PaneWidth,  // reports and reading texts: long lines wrap at the pane's edge
};

// A read-only pane with a vertical scroll bar, selectable and copyable text
// (mouse and keyboard) without a blinking caret, and the pane font.
QPlainTextEdit* MakePane(QWidget* parent, const char* name, Wrap wrap);

// Brings a pane's view to its first line and first column.
void ShowFromStart(QPlainTextEdit* edit);

// Brings a pane's view back to its first line: the first line is taken out
// and put back, which scrolls a window's pane to the top.
void ScrollToTop(Pane& pane);

// Places a window in the centre of the screen it is on.
void CenterOnScreen(QWidget* window);
// Centres the window on its screen when it is shown for the first time.
void CenterOnFirstShow(QWidget* window);

// A dialog window of a fixed client size with only a close box in its title
// bar, centred on the screen when it first shows.
void SetUpDialogWindow(QWidget* window, const QString& caption, QSize size);

// The Pane of the reports over a window's pane. It works on the widget's
// document, so what it reads is what the user sees. Appending a line brings
// the view to the new last line and inserting one brings it to the inserted
// line, so ScrollToTop (which puts the first line back) leaves the view on
// the first line.
class PlainTextPane : public Pane {
 public:
  // The pane shows (and so saves and prints) what is written in the display script.
  explicit PlainTextPane(QPlainTextEdit* edit);

  void Clear() override;
  void Add(std::string_view text) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  int LineCount() const override;
  std::string Line(int index) const override;
  void DeleteLine(int index) override;
  void InsertLine(int index, std::string_view text) override;

  // Brings the view and the cursor back to the first line.
  void ShowFirstLine() { ShowPosition(0); }

  QPlainTextEdit* widget() const { return edit_; }

 private:
  void ShowPosition(int position);

  QPlainTextEdit* edit_;
  // A document always holds one block; an empty pane is told apart from a
  // pane with one empty line by this flag.
  bool empty_ = true;
};

}  // namespace vantrel::app
