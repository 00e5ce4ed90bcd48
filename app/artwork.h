#pragma once
// The program's pictures, all drawn here with vector shapes and gradients, so
// they stay sharp at every screen density: the main window's background (the
// title strip, the toolbar icons with their captions, the white work area),
// the catalogue icons, the small window buttons and the program icon.
#include <QAbstractButton>
#include <QBrush>
#include <QIcon>
#include <QPainterPath>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace vantrel::app {

// The six toolbar buttons, left to right.
enum class ToolbarIcon { Marriage, Chart, Constellation, Almanac, Encyclopedia, Catalogue };
inline constexpr int kToolbarButtonCount = 6;
// Where the toolbar buttons stand; each is 75 x 77 pixels at y = 23.
int ToolbarButtonLeft(int index);
// The caption under each toolbar icon: 八字合婚 生辰八字 星座大全 本日黄历 合婚百科 功能大全.
QString ToolbarCaption(int index);

// The whole 800 x 590 background of the main window.
void PaintMainBackground(QPainter& p, const QSize& size);

// The three small buttons at the top right.
enum class WindowButton { About, Minimize, Close };

struct ButtonLook {
  bool hovered = false;
  bool pressed = false;
  bool current = false;  // a checked button: the toolbar's button of the page shown
};

// A button that is only a drawing. It takes the keyboard focus by Tab (and
// shows it as the hover look with a dotted outline once the keyboard has
// moved the focus) and is pressed by Space, Enter or Return.
class PaintedButton : public QAbstractButton {
 public:
  using Painter = std::function<void(QPainter&, const QRectF&, const ButtonLook&)>;
  PaintedButton(QWidget* parent, Painter painter);

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  Painter painter_;
  bool hovered_ = false;
};

// The highlight over a toolbar icon (the icon itself is in the background);
// the button of the page shown looks pressed in.
void PaintToolbarHighlight(QPainter& p, const QRectF& r, const ButtonLook& look);
void PaintWindowButton(QPainter& p, const QRectF& r, const ButtonLook& look, WindowButton which);

// A catalogue button: a tile with a sign on it and the caption beneath.
// `group` 0 is 民俗预测, 1 is 数字吉祥; `sign` is one or two characters.
void PaintCatalogueButton(QPainter& p, const QRectF& r, const ButtonLook& look, int group,
                          const QString& sign, const QString& caption);

// The program icon as filled layers, on a canvas of `size` x `size` units;
// painting and the SVG writer of the icon tool both use them.
struct IconLayer {
  QPainterPath path;
  QBrush brush;  // a colour or a linear gradient in canvas units
};
std::vector<IconLayer> AppIconLayers(qreal size);
void PaintAppIcon(QPainter& p, qreal size);
// The icon as an SVG document of `size` x `size` units: one filled path per
// layer, gradients as linear gradients in user space.
QString AppIconSvg(int size = 256);
// The icon in the common sizes, for the window and the task bar.
QIcon AppIcon();

}  // namespace vantrel::app
