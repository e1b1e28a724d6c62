#define GL_GLEXT_PROTOTYPES
#include "BackgroundCache.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// Both buffers of the same size and layout: llvmpipe copies them.
bool CopyPicture(GLuint from, GLuint to, int width, int height)
{
  while (glGetError() != GL_NO_ERROR) {
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
  return glGetError() == GL_NO_ERROR;
}

GLuint BoundFramebuffer()
{
  GLint bound = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
  return static_cast<GLuint>(bound);
}

} // namespace

bool CBackgroundCache::Restore(const CBackgroundKey& key, int width, int height) const
{
  if (!m_bValid || m_buffer.Width() != width || m_buffer.Height() != height || !(m_key == key))
    return false;
  const GLuint picture = BoundFramebuffer();
  const bool copied = CopyPicture(m_buffer.Name(), picture, width, height);
  glBindFramebuffer(GL_FRAMEBUFFER, picture);
  return copied;
}

void CBackgroundCache::Store(const CBackgroundKey& key, int width, int height)
{
  m_bValid = false;
  const GLuint picture = BoundFramebuffer();
  const bool sized = (m_buffer.IsValid() && m_buffer.Width() == width && m_buffer.Height() == height) ||
                     m_buffer.Create(width, height);
  if (sized && CopyPicture(picture, m_buffer.Name(), width, height)) {
    m_key = key;
    m_bValid = true;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, picture);
}
