// The pictures: the program icon's SVG must draw what the window paints, and
// the main window's background must keep the title strip and toolbar where
// the buttons are.
#include "app/artwork.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include "app_test.h"

namespace vantrel::app {

namespace {

// Reads the path data the icon writer emits (absolute M, L and C commands).
QPainterPath ParsePath(const QString& d, Qt::FillRule rule) {
  QPainterPath path;
  path.setFillRule(rule);
  static const QRegularExpression command(QStringLiteral("([MLC])([^MLC]*)"));
  for (auto it = command.globalMatch(d); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    QList<qreal> n;
    for (const QString& part : m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      n << part.toDouble();
    const QChar c = m.captured(1).at(0);
    if (c == QLatin1Char('M') && n.size() == 2) path.moveTo(n[0], n[1]);
    if (c == QLatin1Char('L') && n.size() == 2) path.lineTo(n[0], n[1]);
    if (c == QLatin1Char('C') && n.size() == 6) path.cubicTo(n[0], n[1], n[2], n[3], n[4], n[5]);
  }
  return path;
}

QImage Coverage(const QList<QPainterPath>& paths, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (const QPainterPath& path : paths) p.drawPath(path);
  return image;
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void TheSvgIconDrawsThePaintedIcon() {
    constexpr int kSize = 96;
    const QString svg = AppIconSvg(kSize);
    QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 96 96\"")));
    static const QRegularExpression element(
        QStringLiteral("<path fill=\"([^\"]*)\"[^>]*fill-rule=\"(\\w+)\" d=\"([^\"]*)\"/>"));
    QList<QPainterPath> parsed;
    QStringList fills;
    for (auto it = element.globalMatch(svg); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      fills << m.captured(1);
      parsed << ParsePath(m.captured(3),
                          m.captured(2) == QStringLiteral("evenodd") ? Qt::OddEvenFill : Qt::WindingFill);
    }
    const std::vector<IconLayer> layers = AppIconLayers(kSize);
    QCOMPARE(parsed.size(), static_cast<qsizetype>(layers.size()));
    QVERIFY(fills[0].startsWith(QStringLiteral("url(#g")));  // the red card is a gradient
    QVERIFY(svg.contains(QStringLiteral("fill-opacity=")));  // the shine is translucent

    for (std::size_t i = 0; i < layers.size(); ++i) {
      const QImage painted = Coverage({layers[i].path}, kSize);
      const QImage read = Coverage({parsed[static_cast<qsizetype>(i)]}, kSize);
      qint64 difference = 0;
      qint64 covered = 0;
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
          difference += std::abs(qAlpha(painted.pixel(x, y)) - qAlpha(read.pixel(x, y)));
          covered += qAlpha(painted.pixel(x, y));
        }
      }
      QVERIFY2(covered > 0, qPrintable(QString::number(i)));
      QVERIFY2(
          difference * 100 < covered,
          qPrintable(QStringLiteral("layer %1 differs by %2 of %3").arg(i).arg(difference).arg(covered)));
    }
  }

  void TheIconComesInTheCommonSizes() {
    const QIcon icon = AppIcon();
    for (int size : {16, 32, 48, 256}) {
      const QPixmap pixmap = icon.pixmap(size, size);
      QCOMPARE(pixmap.width(), size);
      const QImage image = pixmap.toImage();
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);                 // rounded corners stay clear
      QVERIFY(qRed(image.pixel(size / 2, size / 10)) > 120);  // the red card
    }
  }

  void TheBackgroundHasTheRedBandAndTheWhiteWorkArea() {
    QImage image(800, 590, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    PaintMainBackground(p, image.size());
    p.end();
    const QColor band = image.pixelColor(600, 100);
    QVERIFY(band.red() > 2 * band.green());
    QCOMPARE(image.pixelColor(400, 300), QColor(Qt::white));
    // Every toolbar icon sits in its button: the tile's cream shows there.
    for (int i = 0; i < kToolbarButtonCount; ++i) {
      const QColor tile = image.pixelColor(ToolbarButtonLeft(i) + 37, 29);  // the tile above its sign
      QVERIFY2(tile.lightness() > 180, qPrintable(ToolbarCaption(i)));
    }
  }
};

VANTREL_APP_TEST(ArtworkTest);

}  // namespace vantrel::app

#include "artwork_test.moc"
