#include "WidgetImage.h"

bool CWidgetImage::PutImage(const CRenderedImage& image)
{
  if (!image.IsConsistent())
    return false;
  if (m_image.width() != image.width || m_image.height() != image.height)
    m_image = QImage(image.width, image.height, QImage::Format_RGB32);
  if (m_image.isNull())
    return false;
  const unsigned char* source = image.rgb.data();
  // The renderer's rows run bottom-up.
  for (int row = image.height - 1; row >= 0; --row) {
    auto* target = reinterpret_cast<QRgb*>(m_image.scanLine(row));
    for (int x = 0; x < image.width; ++x, source += 3)
      target[x] = qRgb(source[0], source[1], source[2]);
  }
  ++m_nCount;
  return true;
}
