#include "print/report_print.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "common/report_file.h"
#include "common/text.h"
#include "print/pdf_layout.h"

namespace vantrel::app {
namespace {

constexpr int kFontPixels = 12;
constexpr qreal kMaxBodyPoints = 10.5;
constexpr qreal kMinBodyPoints = 4;
constexpr qreal kHeaderPoints = 8;
constexpr qreal kMarginMm = 15;

QFont PixelFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(kFontPixels);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

// The family the font database really gives for the request, so that a
// missing family is not mistaken for a fitting one.
bool Resolves(const QFont& font, const QString& family) {
  return QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0;
}

QFont ChoosePaneFont() {
  for (const QString& family :
       {QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC")}) {
    const QFont font = PixelFont(family);
    if (Resolves(font, family) && IsDoubleWidth(font)) return font;
  }
  const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family : families) {
    if (!QFontDatabase::isFixedPitch(family)) continue;
    const QFont font = PixelFont(family);
    if (IsDoubleWidth(font)) return font;
  }
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPixelSize(kFontPixels);
  return fixed;
}

int Columns(const QString& line) { return static_cast<int>(text::GbkWidth(line.toStdString())); }

QFont BodyFont(qreal points) {
  QFont font(PaneFont().family());
  font.setPointSizeF(points);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont HeaderFont() {
  QFont font(PaneFont().family());
  font.setPointSizeF(kHeaderPoints);
  return font;
}

// The header's height: its line, a gap and the rule under it.
qreal HeaderHeight(QPagedPaintDevice& device) {
  return QFontMetricsF(HeaderFont(), &device).lineSpacing() * 1.8;
}

}  // namespace

bool IsDoubleWidth(const QFont& font) {
  const QFontMetricsF m(font);
  const qreal latin = m.horizontalAdvance(QLatin1Char('a'));
  const qreal wide = m.horizontalAdvance(QStringLiteral("中"));
  return latin > 0 && std::abs(wide - 2 * latin) < 0.01 &&
         std::abs(m.horizontalAdvance(QStringLiteral("WWii")) - 4 * latin) < 0.01;
}

QFont PaneFont() {
  static const QFont font = ChoosePaneFont();
  return font;
}

PrintLayout LayOutReport(const PrintedReport& report, QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
  const qreal width = device.width();
  const qreal height = device.height() - HeaderHeight(device);

  // The widest aligned line decides the size.
  int widest = 0;
  for (const QString& line : report.lines) {
    if (IsAlignedLine(line)) widest = std::max(widest, Columns(line));
  }
  const qreal column10 = QFontMetricsF(BodyFont(10), &device).horizontalAdvance(QLatin1Char('a'));
  qreal points = kMaxBodyPoints;
  if (widest > 0) points = std::min(points, std::floor(10 * width / (widest * column10) * 10) / 10);
  points = std::max(points, kMinBodyPoints);

  PrintLayout layout;
  layout.fontPoints = points;
  const QFontMetricsF m(BodyFont(points), &device);
  layout.columns =
      std::max(1, static_cast<int>(std::floor(width / m.horizontalAdvance(QLatin1Char('a')) + 1e-6)));
  layout.linesPerPage = std::max(1, static_cast<int>(std::floor(height / m.lineSpacing())));

  layout.pages = BreakPages(report.lines, layout.columns, layout.linesPerPage);
  return layout;
}

void PaintReport(const PrintedReport& report, QPagedPaintDevice& device) {
  const PrintLayout layout = LayOutReport(report, device);
  QPainter p(&device);
  const qreal width = device.width();
  const QFont header = HeaderFont();
  const QFontMetricsF hm(header, &device);
  const QFont body = BodyFont(layout.fontPoints);
  const QFontMetricsF bm(body, &device);
  const qreal top = HeaderHeight(device);
  const QString title =
      report.name.isEmpty() ? report.kind : report.kind + QStringLiteral(" · ") + report.name;
  for (int n = 0; n < layout.pages.size(); ++n) {
    if (n > 0) device.newPage();
    p.setFont(header);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QPointF(0, hm.ascent()), title);
    const QString number = QString::fromStdString(ToScript("第 %1 页 / 共 %2 页", report.script))
                               .arg(n + 1)
                               .arg(layout.pages.size());
    p.drawText(QPointF(width - hm.horizontalAdvance(number), hm.ascent()), number);
    p.setPen(QPen(QColor(0x8b, 0x1a, 0x1a), width / 2000));
    p.drawLine(QPointF(0, hm.lineSpacing() * 1.35), QPointF(width, hm.lineSpacing() * 1.35));
    p.setFont(body);
    p.setPen(Qt::black);
    qreal y = top + bm.ascent();
    for (const QString& line : layout.pages[n]) {
      p.drawText(QPointF(0, y), line);
      y += bm.lineSpacing();
    }
  }
}

QByteArray ReportPdf(const PrintedReport& report) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(report.name.isEmpty() ? report.kind : report.kind + QStringLiteral(" ") + report.name);
    pdf.setCreator(QStringLiteral("Vantrel"));
    pdf.setResolution(600);
    PaintReport(report, pdf);
  }
  return bytes;
}

void WriteReportPdf(const PrintedReport& report, const QString& path) {
  const QByteArray bytes = ReportPdf(report);
  WriteFileAtomically(QFile::encodeName(path).toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vantrel::app
