#pragma once

#include "RenderedImage.h"

// Off-screen colour and depth buffers of one size in the current GL
// context. Its names belong to that context and go with it; Destroy is for
// replacing the buffers while the context lives on.
class CGLFramebuffer {
public:
  // Builds the buffers with the context current: colour RGBA 8/8/8/8, depth 32
  // bits where offered, else 24, no stencil. Leaves them bound. False, with
  // nothing built, when no layout is complete.
  bool Create(int width, int height);
  void Destroy();

  bool IsValid() const { return m_framebuffer != 0; }
  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  void Bind() const;
  unsigned int Name() const { return m_framebuffer; }

  // Copies the colour buffer into the image, rows bottom-up.
  bool Read(CRenderedImage& image) const;
  // Copies the colour buffer into rows of its size, the top row first; needs
  // GL_MESA_pack_invert. Blue, green, red, alpha is the colour buffer's own
  // order (see AttachColour), so the read is a copy.
  bool ReadRows(const CPixelRows& rows) const;

private:
  bool TryLayout(int layout, int width, int height);

  unsigned int m_framebuffer = 0;
  unsigned int m_colour = 0; // texture
  unsigned int m_depth = 0;  // renderbuffer
  int m_nWidth = 0;
  int m_nHeight = 0;
};
