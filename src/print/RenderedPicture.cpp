#include "RenderedPicture.h"

QImage ImageFromRendered(const CRenderedImage& image)
{
  if (!image.IsConsistent())
    return {};
  QImage rows(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888);
  // mirrored() copies, so the result owns its pixels.
  return rows.mirrored(false, true);
}
