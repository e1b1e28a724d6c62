#include "GLContext.h"

#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstring>

namespace {

bool HasExtension(const char* list, const char* name)
{
  if (!list)
    return false;
  size_t length = std::strlen(name);
  for (const char* p = std::strstr(list, name); p; p = std::strstr(p + length, name)) {
    bool startsWord = p == list || p[-1] == ' ';
    bool endsWord = p[length] == ' ' || p[length] == '\0';
    if (startsWord && endsWord)
      return true;
  }
  return false;
}

EGLDisplay SurfacelessDisplay()
{
  if (!HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless"))
    return EGL_NO_DISPLAY;
  auto getPlatformDisplay =
      reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay)
    return EGL_NO_DISPLAY;
  EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  // Initialising an initialised display is harmless; the display is shared by
  // all renderers of the process and never terminated, since that would end
  // the other renderers' contexts too.
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
    return EGL_NO_DISPLAY;
  if (!HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context"))
    return EGL_NO_DISPLAY;
  return display;
}

EGLContext CreateCompatibilityContext(EGLDisplay display)
{
  if (!eglBindAPI(EGL_OPENGL_API))
    return EGL_NO_CONTEXT;
  const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count < 1)
    return EGL_NO_CONTEXT;
  // The drawing uses display lists, the fixed pipeline and GLU.
  const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                      EGL_NONE};
  return eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
}

} // namespace

CGLContext::~CGLContext()
{
  Destroy();
}

bool CGLContext::Create(int width, int height)
{
  if (IsCreated())
    return Resize(width, height);
  m_display = SurfacelessDisplay();
  if (m_display == EGL_NO_DISPLAY)
    return false;
  m_context = CreateCompatibilityContext(m_display);
  if (m_context == EGL_NO_CONTEXT || !MakeCurrent() || !m_framebuffer.Create(width, height)) {
    Destroy();
    return false;
  }
  m_bPackInvert = HasExtension(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), "GL_MESA_pack_invert");
  return true;
}

void CGLContext::Destroy()
{
  if (m_context == EGL_NO_CONTEXT)
    return;
  if (eglGetCurrentContext() == m_context)
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  eglDestroyContext(m_display, m_context);
  m_context = EGL_NO_CONTEXT;
  // The buffers' names went with the context.
  m_framebuffer = CGLFramebuffer();
  m_bPackInvert = false;
}

bool CGLContext::MakeCurrent()
{
  if (!IsCreated())
    return false;
  if (eglGetCurrentContext() == m_context)
    return true;
  return eglBindAPI(EGL_OPENGL_API) && eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context);
}

bool CGLContext::Resize(int width, int height)
{
  return MakeCurrent() && m_framebuffer.Create(width, height);
}

bool CGLContext::ReadPixels(CRenderedImage& image) const
{
  return eglGetCurrentContext() == m_context && m_framebuffer.Read(image);
}

bool CGLContext::ReadRows(const CPixelRows& rows) const
{
  return eglGetCurrentContext() == m_context && m_bPackInvert && m_framebuffer.ReadRows(rows);
}

CSavedCurrentContext::CSavedCurrentContext()
    : m_display(eglGetCurrentDisplay()), m_context(eglGetCurrentContext()), m_draw(eglGetCurrentSurface(EGL_DRAW)),
      m_read(eglGetCurrentSurface(EGL_READ))
{
}

void CSavedCurrentContext::Restore() const
{
  if (m_display == EGL_NO_DISPLAY || m_context == EGL_NO_CONTEXT || eglGetCurrentContext() == m_context)
    return;
  eglMakeCurrent(m_display, m_draw, m_read, m_context);
}
