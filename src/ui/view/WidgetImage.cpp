#include "WidgetImage.h"

#include "RenderedPicture.h"

#include <bit>

// The rows' byte order blue, green, red, alpha is QImage::Format_RGB32 only
// on little-endian machines.
static_assert(std::endian::native == std::endian::little);

bool CWidgetImage::PutImage(const CRenderedImage& image)
{
  QImage picture = ImageFromRendered(image);
  if (picture.isNull())
    return false;
  m_image = picture.convertToFormat(QImage::Format_RGB32);
  ++m_nCount;
  return true;
}

CPixelRows CWidgetImage::RowsFor(int width, int height)
{
  if (m_image.width() != width || m_image.height() != height || m_image.format() != QImage::Format_RGB32)
    m_image = QImage(width, height, QImage::Format_RGB32);
  if (m_image.isNull())
    return {};
  // bits() detaches the buffer from a picture handed out earlier.
  return {m_image.bits(), width, height, m_image.bytesPerLine()};
}

bool CWidgetImage::PutRows()
{
  ++m_nCount;
  return true;
}
