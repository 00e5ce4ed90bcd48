#pragma once
// The small pieces the pages of the main window are built from: lists of
// numbers, editable and pick-only lists, name entries, and a row of controls
// of fixed widths laid out from left to right.
#include <QString>
#include <QStringList>
#include <Qt>
#include <string>
#include <vector>

#include "app/qt_text.h"

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace vantrel::app {

// The height of every control of an entry row and the gap between two of them.
inline constexpr int kRowHeight = 21;
inline constexpr int kRowGap = 3;

// The UTF-8 text of a resource built into the program; empty when it is missing.
QString ResourceText(const QString& path);

// "first" .. "last", each with at least `digits` digits (leading zeros).
QStringList Numbers(int first, int last, int digits);

// A list named `name` with the items; typed text stays typed text and never
// becomes an item of the list.
QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, bool editable);

// Shows a text in a list: its item when it has one, else the typed text.
void SetListText(QComboBox* box, const QString& text);

// A name entry of at most 20 characters.
QLineEdit* MakeNameEntry(QWidget* parent, const char* name);

// Adds a control of a fixed size (setFixedSize) to a layout. The layout takes
// that size as it is and never asks the control for its size hints, which a
// list or a label would work out by measuring its texts.
void AddFixedSize(QBoxLayout* layout, QWidget* widget, Qt::Alignment alignment = {});

// The notice line above a report pane (object name BoundaryNotice): what
// the report's chart warns of, one warning a line, in the display script;
// hidden when there is none.
QLabel* MakeNoticeLine(QWidget* parent);
void ShowNoticeLine(QLabel* line, const std::vector<std::string>& warnings);

// Lays controls out from left to right, each at its own width and the row's
// height, `kRowGap` apart; what is left of the row's width stays empty.
class ControlRow {
 public:
  // `layout` lies on `parent` or on a layout of it.
  ControlRow(QWidget* parent, QHBoxLayout* layout);

  template <typename W>
  W* Put(W* widget, int width) {
    AddFixed(widget, width);
    return widget;
  }
  // A label exactly as wide as its text.
  QLabel* Label(const QString& text);
  // Ends the row: the rest of its width stays empty.
  void Finish();

 private:
  void AddFixed(QWidget* widget, int width);

  QWidget* parent_;
  QHBoxLayout* layout_;
};

}  // namespace vantrel::app
