#pragma once

#include "GLFramebuffer.h"
#include "RenderedImage.h"

#include <EGL/egl.h>

// An OpenGL compatibility-profile context that needs no window system: EGL on
// Mesa's surfaceless platform, drawing into a framebuffer object of the
// view's size. The renderer sees only this class, so a context of a window
// system can take its place.
class CGLContext {
public:
  CGLContext() = default;
  ~CGLContext();
  CGLContext(const CGLContext&) = delete;
  CGLContext& operator=(const CGLContext&) = delete;

  // Makes the context and its buffers and leaves it current. False when no
  // context or no buffers of that size can be made.
  bool Create(int width, int height);
  bool IsCreated() const { return m_context != EGL_NO_CONTEXT; }
  // True when this context is current afterwards.
  bool MakeCurrent();
  // Replaces the buffers by ones of the new size; on failure the old ones
  // stay. Makes the context current.
  bool Resize(int width, int height);
  int Width() const { return m_framebuffer.Width(); }
  int Height() const { return m_framebuffer.Height(); }
  // The finished picture, rows bottom-up; the context must be current.
  bool ReadPixels(CRenderedImage& image) const;
  // The finished picture into the rows, the top row first; the context must
  // be current. False when the rows do not fit or the GL cannot write rows
  // top row first.
  bool ReadRows(const CPixelRows& rows) const;

private:
  void Destroy();

  EGLDisplay m_display = EGL_NO_DISPLAY;
  EGLContext m_context = EGL_NO_CONTEXT;
  CGLFramebuffer m_framebuffer;
  bool m_bPackInvert = false;
};

// Whatever context is current on this thread when constructed; Restore makes
// it current again (nothing when none was). Held on the stack, so that
// nested uses each put back their own predecessor.
class CSavedCurrentContext {
public:
  CSavedCurrentContext();
  void Restore() const;

private:
  EGLDisplay m_display;
  EGLContext m_context;
  EGLSurface m_draw;
  EGLSurface m_read;
};
