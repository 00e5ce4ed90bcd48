#pragma once
// Text panes whose outline stays whole at every screen scale.
class QPlainTextEdit;
class QWidget;

namespace vantrel::app {

// A plain text edit that keeps its outline. At a fractional scale (1.5x) a
// widget can begin between two device pixels: the one-pixel lines of the
// style's frame along the left and bottom edges then fall outside what the
// pane may paint, or under its view, and the pane loses its outline there.
// This pane keeps its view one pixel clear of the outline and draws the
// outline again as bands that cover whole device pixels, in the style's
// outline colour.
QPlainTextEdit* NewOutlinedPane(QWidget* parent);

}  // namespace vantrel::app
