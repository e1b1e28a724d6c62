#include "UnderlayPicture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPdfDocument>

#include <algorithm>
#include <cmath>

namespace {

// 144 dpi, but no side beyond what a graphics card takes as one texture.
constexpr double kPixelsPerPoint = 2.0;
constexpr double kMaxSidePixels = 6000.0;

bool IsPdf(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

std::optional<CUnderlayPicture> RenderPdfPage(const QString& path, size_t page)
{
  QPdfDocument document;
  if (document.load(path) != QPdfDocument::Error::None || page >= static_cast<size_t>(document.pageCount()))
    return std::nullopt;
  const int index = static_cast<int>(page);
  const QSizeF points = document.pagePointSize(index);
  if (points.isEmpty())
    return std::nullopt;
  const double pixelsPerPoint = std::min(kPixelsPerPoint, kMaxSidePixels / std::max(points.width(), points.height()));
  const QSize pixels(static_cast<int>(std::lround(points.width() * pixelsPerPoint)),
                     static_cast<int>(std::lround(points.height() * pixelsPerPoint)));
  QImage image = document.render(index, pixels);
  if (image.isNull())
    return std::nullopt;
  // A page without a background of its own is white on paper.
  QImage paper(image.size(), QImage::Format_RGB32);
  paper.fill(Qt::white);
  QPainter(&paper).drawImage(0, 0, image);
  return CUnderlayPicture{paper, points.width() / pixels.width(), points.width(), points.height()};
}

} // namespace

int PdfPageCount(const QString& path)
{
  QPdfDocument document;
  if (!IsPdf(path) || document.load(path) != QPdfDocument::Error::None)
    return 0;
  return document.pageCount();
}

std::optional<CUnderlayPicture> LoadUnderlayPicture(const QString& path, size_t page)
{
  if (IsPdf(path))
    return RenderPdfPage(path, page);
  QImageReader reader(path);
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull() || page != 0)
    return std::nullopt;
  return CUnderlayPicture{image, 1.0, static_cast<double>(image.width()), static_cast<double>(image.height())};
}
