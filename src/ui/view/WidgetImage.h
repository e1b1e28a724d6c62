#pragma once

#include "RenderedImage.h"

#include <QImage>

// Keeps the renderer's pictures for a widget as a top-down 32-bit image, the
// form the toolkit draws fastest. The renderer reads each picture straight
// into the image's buffer, which is reused while the size stays.
class CWidgetImage : public CImageDestination {
public:
  bool PutImage(const CRenderedImage& image) override;
  CPixelRows RowsFor(int width, int height) override;
  bool PutRows() override;
  const QImage& GetImage() const { return m_image; }
  // Pictures taken so far; a paint with a preview hands two.
  int GetCount() const { return m_nCount; }

private:
  QImage m_image;
  int m_nCount = 0;
};
