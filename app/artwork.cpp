#include "app/artwork.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "app/display_script.h"

namespace vantrel::app {
namespace {

// The palette of the pictures: the deep red and gold of a wedding card.
const QColor kRedTop(0x9e, 0x1b, 0x1b);
const QColor kRedBottom(0x62, 0x0c, 0x0c);
const QColor kGold(0xf2, 0xc1, 0x4e);
const QColor kPaleGold(0xff, 0xed, 0xc2);
const QColor kCream(0xff, 0xf7, 0xe4);

// A bold Chinese display font; the serif family gives the captions a brush
// look where it is installed.
QFont DisplayFont(qreal pixels, bool bold = true) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("SimSun")});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  return font;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

// Runs a drawing in a 48 x 48 unit box placed in `box`.
template <typename Draw>
void InUnitBox(QPainter& p, const QRectF& box, Draw draw) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 48.0, box.height() / 48.0);
  draw();
  p.restore();
}

// A glyph `pixels` high centred on a point, as a path, so it scales like the
// shapes. The outline is taken from a large font and scaled down, so small
// sizes keep the glyph's true shape.
QPainterPath CenteredGlyph(const QString& text, qreal pixels, const QPointF& centre) {
  constexpr qreal kOutlinePixels = 200;
  QPainterPath outline;
  outline.addText(0, 0, DisplayFont(kOutlinePixels), text);
  QPainterPath path = QTransform::fromScale(pixels / kOutlinePixels, pixels / kOutlinePixels).map(outline);
  path.setFillRule(Qt::WindingFill);
  path.translate(centre - path.boundingRect().center());
  return path;
}

QPainterPath Star(const QPointF& c, qreal outer, qreal inner, int points) {
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal angle = -M_PI / 2 + i * M_PI / points;
    const qreal r = i % 2 == 0 ? outer : inner;
    const QPointF at(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
    if (i == 0) {
      path.moveTo(at);
    } else {
      path.lineTo(at);
    }
  }
  path.closeSubpath();
  return path;
}

// The cream tile every toolbar icon stands on.
void PaintTile(QPainter& p) {
  p.setPen(QPen(QColor(0xc8, 0x93, 0x2c), 1.2));
  p.setBrush(Vertical(0, 48, kCream, QColor(0xf1, 0xd3, 0x94)));
  p.drawRoundedRect(QRectF(1, 1, 46, 46), 10, 10);
}

void PaintMarriageIcon(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 4.2));
  p.drawEllipse(QPointF(18.5, 24), 10.5, 10.5);
  p.setPen(QPen(QColor(0xd9, 0x96, 0x00), 4.2));
  p.drawEllipse(QPointF(29.5, 24), 10.5, 10.5);
  // The red ring passes over the gold one once, so the two interlock.
  p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 4.2));
  p.drawArc(QRectF(8, 13.5, 21, 21), -35 * 16, 70 * 16);
}

void PaintChartIcon(QPainter& p) {
  // Four pillars on one base: year, month, day and hour.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    const qreal x = 8.5 + i * 8.5;
    p.setBrush(Vertical(11, 38, QColor(0xa1, 0x4a, 0x1c), QColor(0x5d, 0x2a, 0x0e)));
    p.drawRoundedRect(QRectF(x, 13, 5.5, 24), 1.5, 1.5);
    p.setBrush(kGold);
    p.drawRect(QRectF(x - 1, 11, 7.5, 2.5));
  }
  p.setBrush(QColor(0x5d, 0x2a, 0x0e));
  p.drawRoundedRect(QRectF(6, 37, 36, 3.5), 1, 1);
}

void PaintConstellationIcon(QPainter& p) {
  p.setPen(QPen(QColor(0x1a, 0x23, 0x7e), 1));
  p.setBrush(Vertical(8, 40, QColor(0x5c, 0x6b, 0xc0), QColor(0x1a, 0x23, 0x7e)));
  p.drawPath(Star(QPointF(23, 26), 15, 6.5, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe0, 0xa1, 0x00));
  p.drawPath(Star(QPointF(38, 11), 5, 1.6, 4));
  p.drawPath(Star(QPointF(9, 10), 3.5, 1.2, 4));
}

void PaintAlmanacIcon(QPainter& p) {
  p.setPen(QPen(QColor(0x8d, 0x6e, 0x63), 1.2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(9, 10, 30, 30), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xc6, 0x28, 0x28));
  p.drawRoundedRect(QRectF(9, 10, 30, 8), 3, 3);
  p.drawRect(QRectF(9, 14, 30, 4));
  p.setBrush(QColor(0x5d, 0x40, 0x37));
  p.drawRoundedRect(QRectF(15, 7, 3, 7), 1.5, 1.5);
  p.drawRoundedRect(QRectF(30, 7, 3, 7), 1.5, 1.5);
  p.setBrush(QColor(0xc6, 0x28, 0x28));
  p.drawPath(CenteredGlyph(QStringLiteral("吉"), 17, QPointF(24, 29.5)));
}

void PaintEncyclopediaIcon(QPainter& p) {
  // The left page; the right one is its mirror image about the spine (x = 24).
  QPainterPath left;
  left.moveTo(24, 15);
  left.cubicTo(18, 11, 11, 11, 6, 13);
  left.lineTo(6, 37);
  left.cubicTo(11, 35, 18, 35, 24, 39);
  left.closeSubpath();
  const QPainterPath right = QTransform(-1, 0, 0, 1, 48, 0).map(left);
  p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1.2));
  p.setBrush(Vertical(11, 39, QColor(0x66, 0xbb, 0x6a), QColor(0x2e, 0x7d, 0x32)));
  p.drawPath(left);
  p.drawPath(right);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.3));
  for (int i = 0; i < 3; ++i) {
    const qreal y = 19 + i * 5.5;
    p.drawLine(QPointF(10, y), QPointF(20.5, y + 1));
    p.drawLine(QPointF(27.5, y + 1), QPointF(38, y));
  }
}

void PaintCatalogueIcon(QPainter& p) {
  const QColor colours[] = {QColor(0xe5, 0x39, 0x35), QColor(0xf9, 0xa8, 0x25), QColor(0x00, 0x89, 0x7b),
                            QColor(0x39, 0x49, 0xab)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    const QRectF cell(9 + (i % 2) * 16, 9 + (i / 2) * 16, 14, 14);
    p.setBrush(Vertical(cell.top(), cell.bottom(), colours[i].lighter(130), colours[i]));
    p.drawRoundedRect(cell, 3.5, 3.5);
  }
}

void PaintToolbarIcon(QPainter& p, const QRectF& box, ToolbarIcon which) {
  InUnitBox(p, box, [&] {
    PaintTile(p);
    switch (which) {
      case ToolbarIcon::Marriage:
        PaintMarriageIcon(p);
        break;
      case ToolbarIcon::Chart:
        PaintChartIcon(p);
        break;
      case ToolbarIcon::Constellation:
        PaintConstellationIcon(p);
        break;
      case ToolbarIcon::Almanac:
        PaintAlmanacIcon(p);
        break;
      case ToolbarIcon::Encyclopedia:
        PaintEncyclopediaIcon(p);
        break;
      case ToolbarIcon::Catalogue:
        PaintCatalogueIcon(p);
        break;
    }
  });
}

// Faint auspicious clouds drawn over the red band.
void PaintCloud(QPainter& p, const QPointF& at, qreal scale) {
  QPainterPath cloud;
  cloud.moveTo(at);
  cloud.arcTo(QRectF(at.x(), at.y() - 8 * scale, 16 * scale, 16 * scale), 180, -180);
  cloud.arcTo(QRectF(at.x() + 12 * scale, at.y() - 14 * scale, 20 * scale, 20 * scale), 200, -220);
  cloud.arcTo(QRectF(at.x() + 28 * scale, at.y() - 8 * scale, 16 * scale, 16 * scale), 180, -200);
  p.drawPath(cloud);
}

// The round seal of double happiness at the right of the band.
void PaintSeal(QPainter& p, const QPointF& centre, qreal radius) {
  QRadialGradient glow(centre, radius);
  glow.setColorAt(0, QColor(0xff, 0xe0, 0x8a));
  glow.setColorAt(1, QColor(0xd4, 0x9a, 0x1c));
  p.setPen(QPen(QColor(0x7a, 0x4a, 0x00), 1.2));
  p.setBrush(glow);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(0xb7, 0x1c, 0x1c), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius - 4, radius - 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xb7, 0x1c, 0x1c));
  p.drawPath(CenteredGlyph(QStringLiteral("囍"), radius * 1.15, centre));
}

// The SVG writer of the icon: every layer one filled path.
QString Number(qreal value) { return QString::number(value, 'f', 2); }

// The path as SVG path data; every curve of a QPainterPath is cubic.
QString PathData(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      d += QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
    } else if (e.isLineTo()) {
      d += QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      const QPainterPath::Element c2 = path.elementAt(i + 1);
      const QPainterPath::Element end = path.elementAt(i + 2);
      d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
               .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(end.x), Number(end.y));
      i += 2;
    }
  }
  return d;
}

QString Colour(const QColor& c) { return c.name(QColor::HexRgb); }

QString SvgOf(const std::vector<IconLayer>& layers, int size) {
  QString defs;
  QString body;
  int gradients = 0;
  for (const IconLayer& layer : layers) {
    QString fill;
    const QBrush& brush = layer.brush;
    if (brush.style() == Qt::LinearGradientPattern) {
      const auto* g = static_cast<const QLinearGradient*>(brush.gradient());
      const QString id = QStringLiteral("g%1").arg(++gradients);
      defs += QStringLiteral(
                  "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                  "x2=\"%4\" y2=\"%5\">\n")
                  .arg(id, Number(g->start().x()), Number(g->start().y()), Number(g->finalStop().x()),
                       Number(g->finalStop().y()));
      for (const QGradientStop& stop : g->stops()) {
        defs += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                    .arg(Number(stop.first), Colour(stop.second));
      }
      defs += QStringLiteral("    </linearGradient>\n");
      fill = QStringLiteral("url(#%1)").arg(id);
    } else {
      fill = Colour(brush.color());
      if (brush.color().alpha() < 255) {
        fill += QStringLiteral("\" fill-opacity=\"%1").arg(Number(brush.color().alphaF()));
      }
    }
    body += QStringLiteral("  <path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
                .arg(fill,
                     layer.path.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd")
                                                              : QStringLiteral("nonzero"),
                     PathData(layer.path));
  }
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
             "  <defs>\n%2  </defs>\n%3</svg>\n")
      .arg(size)
      .arg(defs, body);
}

}  // namespace

int ToolbarButtonLeft(int index) { return 16 + index * 84; }

QString ToolbarCaption(int index) {
  static const char* const kCaptions[] = {"八字合婚", "生辰八字", "星座大全",
                                          "本日黄历", "合婚百科", "功能大全"};
  return index >= 0 && index < kToolbarButtonCount ? Shown(QString::fromUtf8(kCaptions[index])) : QString();
}

void PaintMainBackground(QPainter& p, const QSize& size) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const qreal w = size.width();
  p.fillRect(QRectF(0, 0, w, size.height()), Qt::white);

  // The red band with the title strip and the toolbar.
  p.fillRect(QRectF(0, 0, w, 106), Vertical(0, 106, kRedTop, kRedBottom));
  p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e, 40), 1.5));
  p.setBrush(Qt::NoBrush);
  PaintCloud(p, QPointF(560, 96), 1.2);
  PaintCloud(p, QPointF(620, 52), 0.9);
  PaintCloud(p, QPointF(520, 40), 0.7);
  p.fillRect(QRectF(0, 104, w, 2), Vertical(104, 106, kGold, QColor(0xa8, 0x7a, 0x1a)));

  // Title strip: the program's title on a darker bar.
  const QRectF strip(2, 1, 663, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawRoundedRect(strip, 3, 3);
  p.setPen(kPaleGold);
  QFont title = DisplayFont(12);
  p.setFont(title);
  p.drawText(strip.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
             Shown(QStringLiteral("Vantrel  ·  八字合婚")));

  // Toolbar icons with their captions.
  p.setFont(DisplayFont(12));
  for (int i = 0; i < kToolbarButtonCount; ++i) {
    const qreal left = ToolbarButtonLeft(i);
    PaintToolbarIcon(p, QRectF(left + 13.5, 26, 48, 48), static_cast<ToolbarIcon>(i));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRectF(left, 79, 75, 18).translated(0.8, 0.8), Qt::AlignCenter, ToolbarCaption(i));
    p.setPen(kPaleGold);
    p.drawText(QRectF(left, 79, 75, 18), Qt::AlignCenter, ToolbarCaption(i));
  }

  // The motto and the seal at the right.
  p.setFont(DisplayFont(17));
  p.setPen(kGold);
  p.drawText(QRectF(520, 36, 190, 26), Qt::AlignRight | Qt::AlignVCenter, Shown(QStringLiteral("天作之合")));
  p.setFont(DisplayFont(12, false));
  p.setPen(kPaleGold);
  p.drawText(QRectF(520, 64, 190, 20), Qt::AlignRight | Qt::AlignVCenter,
             Shown(QStringLiteral("四柱八字 · 姻缘相配")));
  PaintSeal(p, QPointF(752, 64), 30);

  // A quiet footer under the page area.
  p.fillRect(QRectF(0, 565, w, size.height() - 565), QColor(0xf7, 0xf0, 0xe6));
  p.fillRect(QRectF(0, 565, w, 1), QColor(0xe3, 0xd2, 0xb8));
  p.setPen(QColor(0x8a, 0x76, 0x5c));
  p.setFont(DisplayFont(12, false));
  p.drawText(QRectF(0, 566, w - 12, size.height() - 566), Qt::AlignRight | Qt::AlignVCenter,
             Shown(QStringLiteral("Vantrel · 测算结果仅供娱乐参考")));
  p.setPen(QColor(0xc8, 0x93, 0x2c));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, size.height() - 1));
}

PaintedButton::PaintedButton(QWidget* parent, Painter painter)
    : QAbstractButton(parent), painter_(std::move(painter)) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::TabFocus);  // the keyboard reaches it by Tab; a click does not leave it focused
}

void PaintedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // The focus shows once the keyboard has moved it in this window (Tab,
  // Shift+Tab, the page shortcuts), as on the standard buttons; the focus a
  // click or a page switch leaves on a button stays unmarked.
  const bool focus_shown = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
  painter_(p, QRectF(rect()), ButtonLook{hovered_ || focus_shown, isDown(), isChecked()});
  if (focus_shown) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0x8b, 0x1a, 0x1a), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void PaintedButton::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    animateClick();
    return;
  }
  QAbstractButton::keyPressEvent(e);
}

void PaintedButton::enterEvent(QEnterEvent* e) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(e);
}

void PaintedButton::leaveEvent(QEvent* e) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(e);
}

void PaintToolbarHighlight(QPainter& p, const QRectF& r, const ButtonLook& look) {
  if (look.current) {
    // Pressed in: a warm glow over the icon, shaded along the top and left
    // edges as a button pushed into the bar, with a gold rim.
    const QRectF well = r.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 190, look.hovered ? 70 : 50));
    p.drawRoundedRect(well, 6, 6);
    p.setPen(QPen(QColor(0x3a, 0x00, 0x00, 130), 1.5));
    p.drawLine(QPointF(well.left() + 6, well.top() + 1.5), QPointF(well.right() - 6, well.top() + 1.5));
    p.drawLine(QPointF(well.left() + 1.5, well.top() + 6), QPointF(well.left() + 1.5, well.bottom() - 6));
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e, 235), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(well, 6, 6);
    return;
  }
  if (!look.hovered && !look.pressed) return;
  p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e, look.pressed ? 220 : 160), 1));
  p.setBrush(QColor(255, 240, 200, look.pressed ? 70 : 40));
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
}

void PaintWindowButton(QPainter& p, const QRectF& r, const ButtonLook& look, WindowButton which) {
  const QRectF face = r.adjusted(1, 1, -1, -1);
  if (look.hovered || look.pressed) {
    const QColor fill = which == WindowButton::Close ? QColor(0xe5, 0x39, 0x35) : QColor(255, 240, 200, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(look.pressed ? fill.darker(120) : fill);
    p.drawRoundedRect(face, 3, 3);
  }
  p.setPen(QPen(kPaleGold, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QPointF c = face.center();
  switch (which) {
    case WindowButton::About:
      p.drawEllipse(c, 6, 6);
      p.drawLine(QPointF(c.x(), c.y() - 0.5), QPointF(c.x(), c.y() + 3.2));
      p.drawPoint(QPointF(c.x(), c.y() - 3));
      break;
    case WindowButton::Minimize:
      p.drawLine(QPointF(c.x() - 5, c.y() + 3), QPointF(c.x() + 5, c.y() + 3));
      break;
    case WindowButton::Close:
      p.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 4.5, c.y() + 4.5));
      p.drawLine(QPointF(c.x() + 4.5, c.y() - 4.5), QPointF(c.x() - 4.5, c.y() + 4.5));
      break;
  }
}

void PaintCatalogueButton(QPainter& p, const QRectF& r, const ButtonLook& look, int group,
                          const QString& sign, const QString& caption) {
  if (look.hovered || look.pressed) {
    p.setPen(QPen(QColor(0xe8, 0xc9, 0x8f), 1));
    p.setBrush(QColor(0xff, 0xf4, 0xdc));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }
  const qreal shift = look.pressed ? 1 : 0;
  const QRectF tile(r.left() + (r.width() - 46) / 2 + shift, r.top() + 3 + shift, 46, 46);
  const QColor light = group == 0 ? QColor(0xff, 0x8a, 0x65) : QColor(0x4f, 0xc3, 0xf7);
  const QColor dark = group == 0 ? QColor(0xc6, 0x28, 0x28) : QColor(0x02, 0x77, 0xbd);
  p.setPen(QPen(dark.darker(130), 1));
  p.setBrush(Vertical(tile.top(), tile.bottom(), light, dark));
  p.drawRoundedRect(tile, 11, 11);
  // A soft shine over the upper half.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 45));
  p.drawRoundedRect(QRectF(tile.left() + 3, tile.top() + 2, tile.width() - 6, tile.height() / 2 - 2), 9, 9);
  p.setBrush(Qt::white);
  const qreal glyph = sign.size() > 1 ? 17 : 26;
  p.drawPath(CenteredGlyph(sign, glyph, tile.center()));
  p.setPen(QColor(0x33, 0x33, 0x33));
  QFont font = p.font();
  font.setPixelSize(12);
  p.setFont(font);
  p.drawText(QRectF(r.left(), r.top() + 52 + shift, r.width(), 17), Qt::AlignCenter, caption);
}

std::vector<IconLayer> AppIconLayers(qreal s) {
  std::vector<IconLayer> layers;
  QPainterPath card;
  card.addRoundedRect(QRectF(0.03 * s, 0.03 * s, 0.94 * s, 0.94 * s), 0.2 * s, 0.2 * s);
  QLinearGradient red(0, 0, 0, s);
  red.setColorAt(0, QColor(0xd3, 0x2f, 0x2f));
  red.setColorAt(1, QColor(0x7f, 0x00, 0x00));
  layers.push_back({card, QBrush(red)});

  QPainterPath shine;
  shine.addEllipse(QRectF(0.12 * s, 0.06 * s, 0.76 * s, 0.42 * s));
  layers.push_back({shine.intersected(card), QBrush(QColor(255, 255, 255, 38))});

  QPainterPath ring;
  ring.addEllipse(QPointF(0.5 * s, 0.5 * s), 0.39 * s, 0.39 * s);
  ring.addEllipse(QPointF(0.5 * s, 0.5 * s), 0.33 * s, 0.33 * s);
  ring.setFillRule(Qt::OddEvenFill);
  QLinearGradient gold(0, 0.1 * s, 0, 0.9 * s);
  gold.setColorAt(0, QColor(0xff, 0xe0, 0x82));
  gold.setColorAt(1, QColor(0xff, 0xa0, 0x00));
  layers.push_back({ring, QBrush(gold)});

  QPainterPath glyph = CenteredGlyph(QStringLiteral("合"), 0.42 * s, QPointF(0.5 * s, 0.5 * s));
  layers.push_back({glyph, QBrush(QColor(0xff, 0xf1, 0xc9))});
  return layers;
}

void PaintAppIcon(QPainter& p, qreal size) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (const IconLayer& layer : AppIconLayers(size)) {
    p.setBrush(layer.brush);
    p.drawPath(layer.path);
  }
}

QString AppIconSvg(int size) { return SvgOf(AppIconLayers(size), size); }

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    PaintAppIcon(p, size);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace vantrel::app
