#pragma once

#include "RenderedImage.h"
#include "SceneBounds.h"

#include <array>
#include <functional>
#include <memory>

class CGLContext;

// What the caller reports when CreateContext fails.
inline constexpr const char* kNoVideoModeMessage = "Error OpenGL: No compatibel video mode";

// Draws a compiled scene with OpenGL into an off-screen bitmap and hands the
// finished picture to a destination. The scene, its projection and the
// camera are the business of the derived class.
class CGLRenderer {
public:
  CGLRenderer();
  virtual ~CGLRenderer();
  CGLRenderer(const CGLRenderer&) = delete;
  CGLRenderer& operator=(const CGLRenderer&) = delete;

  // Makes the GL context and a bitmap of the stored size, current. False when
  // no context can be made; the caller reports kNoVideoModeMessage.
  bool CreateContext();
  bool MakeCurrent();
  // Runs the work with the renderer's context current, then makes whatever
  // context was current before current again. False, without running the
  // work, when the context cannot be made current.
  bool RunWithContext(const std::function<void()>& work);
  // Ignored unless both are positive. Stores the size, replaces the bitmap
  // and recomputes the projection. False when ignored or when no bitmap of
  // that size can be made (the old size and bitmap stay).
  bool Resize(int width, int height);
  // Compiles the scene anew.
  void Rebuild();
  // Renders and hands the picture to the destination; with the preview-first
  // flag set, a quick wireframe picture goes first. False when the context
  // cannot be made current, a paint is already under way, or the
  // destination refuses the picture.
  bool Paint(CImageDestination& destination);
  // Applies ResetView until stored camera settings have been read.
  void InitialReset();
  void DrawAxes() const;

  void SetClearColour(float red, float green, float blue, float alpha);
  const std::array<float, 4>& GetClearColour() const { return m_clearColour; }

  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  double GetAspect() const { return m_aspect; }
  // A mouse tool is dragging: the quick wireframe form is drawn.
  bool IsMoving() const { return m_bMoving; }
  void SetMoving(bool moving) { m_bMoving = moving; }
  bool IsPreviewFirst() const { return m_bPreviewFirst; }
  void SetPreviewFirst(bool previewFirst) { m_bPreviewFirst = previewFirst; }
  // Coordinate range of the last compiled scene.
  const CSceneBounds& GetSceneBounds() const { return m_sceneBounds; }

  virtual void BuildScene() = 0;
  virtual void DrawScene() = 0;
  virtual void SetProjection() = 0;
  virtual void ResetView() = 0;
  // Puts a kept picture of the scene's background into the buffers in place
  // of clearing them; false when there is none to put.
  virtual bool RestoreBackground() { return false; }

protected:
  // Makes the axes list unless it has that length; the context must be current.
  void BuildAxes(double length);

  CSceneBounds m_sceneBounds;
  bool m_bInitialReset = true;

private:
  // Draws the picture and hands it to the destination, in its rows where it
  // keeps some.
  bool RenderFrame(CImageDestination& destination);
  bool PaintFrames(CImageDestination& destination);
  bool ResizeBitmap(int width, int height);

  std::unique_ptr<CGLContext> m_context;
  int m_nWidth = 400;
  int m_nHeight = 400;
  double m_aspect = 1.0;
  bool m_bPreviewFirst = true;
  bool m_bMoving = false;
  bool m_bPainting = false;
  unsigned int m_axesList = 0;
  double m_axesLength = 0.0;
  std::array<float, 4> m_clearColour = {1.0f, 1.0f, 1.0f, 1.0f};
};
