#include "GLRenderer.h"

#include "GLAxes.h"
#include "GLContext.h"

#include <GL/gl.h>

CGLRenderer::CGLRenderer() : m_context(std::make_unique<CGLContext>()) {}

CGLRenderer::~CGLRenderer() = default;

bool CGLRenderer::CreateContext()
{
  // The bitmap gets the size the renderer already reports, not a
  // placeholder that lasts until the first resize.
  return m_context->Create(m_nWidth, m_nHeight);
}

bool CGLRenderer::MakeCurrent()
{
  return m_context->MakeCurrent();
}

bool CGLRenderer::RunWithContext(const std::function<void()>& work)
{
  CSavedCurrentContext previous;
  if (!MakeCurrent())
    return false;
  work();
  previous.Restore();
  return true;
}

bool CGLRenderer::Resize(int width, int height)
{
  if (width <= 0 || height <= 0)
    return false;
  if (!m_context->IsCreated()) {
    m_nWidth = width;
    m_nHeight = height;
    m_aspect = static_cast<double>(width) / height;
    return true;
  }
  bool resized = false;
  RunWithContext([&] { resized = ResizeBitmap(width, height); });
  return resized;
}

bool CGLRenderer::ResizeBitmap(int width, int height)
{
  if (!m_context->Resize(width, height))
    return false;
  m_nWidth = width;
  m_nHeight = height;
  m_aspect = static_cast<double>(width) / height;
  SetProjection();
  return true;
}

void CGLRenderer::Rebuild()
{
  RunWithContext([this] { BuildScene(); });
}

void CGLRenderer::InitialReset()
{
  if (m_bInitialReset)
    RunWithContext([this] { ResetView(); });
}

void CGLRenderer::DrawAxes() const
{
  if (m_axesList != 0)
    glCallList(m_axesList);
}

void CGLRenderer::BuildAxes(double length)
{
  // The list outlives scene builds: compiling it costs as much as a small scene.
  if (m_axesList != 0 && length == m_axesLength)
    return;
  if (m_axesList != 0)
    glDeleteLists(m_axesList, 1);
  m_axesList = CompileAxesList(length);
  m_axesLength = length;
}

void CGLRenderer::SetClearColour(float red, float green, float blue, float alpha)
{
  m_clearColour = {red, green, blue, alpha};
}

bool CGLRenderer::Paint(CImageDestination& destination)
{
  // A destination that repaints from inside PutImage must not start a
  // second paint of the same renderer.
  if (m_bPainting)
    return false;
  m_bPainting = true;
  bool painted = PaintFrames(destination);
  m_bPainting = false;
  return painted;
}

bool CGLRenderer::PaintFrames(CImageDestination& destination)
{
  CSavedCurrentContext previous;
  if (!MakeCurrent())
    return false;
  bool previewHanded = true;
  if (m_bPreviewFirst) {
    // The wireframe form is quick, so something shows while the full
    // picture is drawn.
    bool moving = m_bMoving;
    m_bMoving = true;
    previewHanded = RenderFrame(destination);
    m_bMoving = moving;
    m_bPreviewFirst = false;
  }
  bool handed = RenderFrame(destination);
  previous.Restore();
  return handed && previewHanded;
}

bool CGLRenderer::RenderFrame(CImageDestination& destination)
{
  if (!RestoreBackground()) {
    // Opaque, as 32-bit rows must be; the scene draws no alpha.
    glClearColor(m_clearColour[0], m_clearColour[1], m_clearColour[2], 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
  DrawScene();
  glFinish();
  CPixelRows rows = destination.RowsFor(m_context->Width(), m_context->Height());
  if (rows.bits && m_context->ReadRows(rows))
    return destination.PutRows();
  CRenderedImage image;
  return m_context->ReadPixels(image) && destination.PutImage(image);
}
