// Draws the program icon for the desktop: `vantrel-icon FOLDER` writes
// FOLDER/scalable/apps/vantrel.svg and FOLDER/<n>x<n>/apps/vantrel.png for the
// usual sizes (the hicolor theme layout). Both come from the same filled
// layers the window uses for its own icon (app/artwork.h), so the desktop
// and the task bar show the same picture.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/artwork.h"
#include "tools/tool_args.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (vantrel::tools::WantsHelp(argc, argv, "usage: vantrel-icon FOLDER\n")) return 0;
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantrel-icon FOLDER\n");
    return 2;
  }
  if (!vantrel::tools::IsOutputPath("vantrel-icon", argv[1])) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!Write(folder + QStringLiteral("/scalable/apps/vantrel.svg"), vantrel::app::AppIconSvg().toUtf8())) {
    std::fprintf(stderr, "cannot write the SVG icon under %s\n", argv[1]);
    return 1;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    vantrel::app::PaintAppIcon(p, size);
    p.end();
    const QString path = folder + QStringLiteral("/%1x%1/apps/vantrel.png").arg(size);
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
