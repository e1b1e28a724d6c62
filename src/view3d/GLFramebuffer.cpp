#define GL_GLEXT_PROTOTYPES
#include "GLFramebuffer.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// The scene uses no stencil. A depth buffer of 4 bytes a pixel, which
// llvmpipe clears and tests in every frame, costs half of a packed float
// depth with stencil (8 bytes). In order of preference: float, 32-bit and
// 24-bit depth alone, then packed depth with stencil for a driver that
// offers depth only so.
struct CDepthLayout {
  GLenum format;
  GLenum attachment;
};

constexpr CDepthLayout kLayouts[] = {
    {GL_DEPTH_COMPONENT32F, GL_DEPTH_ATTACHMENT},
    {GL_DEPTH_COMPONENT32, GL_DEPTH_ATTACHMENT},
    {GL_DEPTH_COMPONENT24, GL_DEPTH_ATTACHMENT},
    {GL_DEPTH24_STENCIL8, GL_DEPTH_STENCIL_ATTACHMENT},
};
constexpr int kLayoutCount = static_cast<int>(sizeof(kLayouts) / sizeof(kLayouts[0]));

void Attach(GLuint buffer, GLenum format, GLenum attachment, int width, int height)
{
  glBindRenderbuffer(GL_RENDERBUFFER, buffer);
  glRenderbufferStorage(GL_RENDERBUFFER, format, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, buffer);
}

// The colour buffer is a texture of unsized RGBA given as blue, green, red,
// alpha bytes: Mesa then keeps it in that order, so that reading it in the
// order of 32-bit widget rows is a copy (a renderbuffer's RGBA8 is red
// first, and every pixel would be swizzled).
void AttachColour(GLuint texture, int width, int height)
{
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
}

// Far above any window or printed page, yet a bound on the memory that one
// picture may take.
constexpr int kMaxSide = 8192;

bool FitsLimits(int width, int height)
{
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
    return false;
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
  GLint viewport[2] = {0, 0};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
  return width <= maxSize && height <= maxSize && width <= viewport[0] && height <= viewport[1];
}

} // namespace

bool CGLFramebuffer::Create(int width, int height)
{
  if (!FitsLimits(width, height))
    return false;
  CGLFramebuffer fresh;
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    if (fresh.TryLayout(layout, width, height)) {
      Destroy();
      *this = fresh;
      Bind();
      return true;
    }
  }
  Bind();
  return false;
}

bool CGLFramebuffer::TryLayout(int layout, int width, int height)
{
  const CDepthLayout& depth = kLayouts[layout];
  glGenFramebuffers(1, &m_framebuffer);
  glGenTextures(1, &m_colour);
  glGenRenderbuffers(1, &m_depth);
  // Without framebuffer objects the calls above leave the names at 0.
  if (m_framebuffer == 0 || m_colour == 0 || m_depth == 0) {
    Destroy();
    return false;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
  AttachColour(m_colour, width, height);
  Attach(m_depth, depth.format, depth.attachment, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  // Storage that could not be allocated leaves an attachment incomplete.
  bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (!complete) {
    Destroy();
    return false;
  }
  m_nWidth = width;
  m_nHeight = height;
  return true;
}

void CGLFramebuffer::Destroy()
{
  if (m_framebuffer != 0)
    glDeleteFramebuffers(1, &m_framebuffer);
  glDeleteTextures(1, &m_colour);
  glDeleteRenderbuffers(1, &m_depth);
  *this = CGLFramebuffer();
}

void CGLFramebuffer::Bind() const
{
  glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
}

bool CGLFramebuffer::Read(CRenderedImage& image) const
{
  if (!IsValid())
    return false;
  image.width = m_nWidth;
  image.height = m_nHeight;
  image.rgb.resize(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight) * 3);
  Bind();
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, m_nWidth, m_nHeight, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
  return true;
}

bool CGLFramebuffer::ReadRows(const CPixelRows& rows) const
{
  if (!IsValid() || !rows.bits || rows.width != m_nWidth || rows.height != m_nHeight ||
      rows.bytesPerLine < static_cast<std::ptrdiff_t>(m_nWidth) * 4 || rows.bytesPerLine % 4 != 0)
    return false;
  Bind();
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, static_cast<GLint>(rows.bytesPerLine / 4));
  glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
  glReadPixels(0, 0, m_nWidth, m_nHeight, GL_BGRA, GL_UNSIGNED_BYTE, rows.bits);
  glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  return true;
}
