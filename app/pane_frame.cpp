#include "app/pane_frame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

namespace vantrel::app {
namespace {

class OutlinedPane : public QPlainTextEdit {
 public:
  explicit OutlinedPane(QWidget* parent) : QPlainTextEdit(parent) { setViewportMargins(1, 1, 1, 1); }

 protected:
  bool event(QEvent* e) override {
    const bool done = QPlainTextEdit::event(e);
    if (e->type() == QEvent::Paint && frameShape() != QFrame::NoFrame) PaintOutline();
    return done;
  }

 private:
  void PaintOutline() {
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    // One device pixel at 1x and 2x, two at 1.5x: at least one whole device
    // pixel inside the pane wherever it begins.
    const qreal band = std::max<qreal>(1, std::ceil(dpr) / dpr);
    const QRectF r(rect());
    const QColor outline = palette().color(QPalette::Window).darker(140);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), band), outline);
    p.fillRect(QRectF(r.left(), r.bottom() + 1 - band, r.width(), band), outline);
    p.fillRect(QRectF(r.left(), r.top(), band, r.height()), outline);
    p.fillRect(QRectF(r.right() + 1 - band, r.top(), band, r.height()), outline);
  }
};

}  // namespace

QPlainTextEdit* NewOutlinedPane(QWidget* parent) { return new OutlinedPane(parent); }

}  // namespace vantrel::app
