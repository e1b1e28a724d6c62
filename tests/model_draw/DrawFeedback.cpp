#include "DrawFeedback.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kViewport = 1000;
constexpr double kHalfWidth = 10.0;
constexpr size_t kBufferFloats = 1u << 22;

double ToDrawing(GLfloat window)
{
  return window / (kViewport / (2.0 * kHalfWidth)) - kHalfWidth;
}

// Walks the GL_3D tokens (three floats per vertex), keeping the lines.
std::vector<CFedLine> ParseLines(const std::vector<GLfloat>& data)
{
  std::vector<CFedLine> lines;
  size_t i = 0;
  while (i < data.size()) {
    auto token = static_cast<GLenum>(data[i++]);
    if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      lines.push_back({ToDrawing(data[i]), ToDrawing(data[i + 1]), ToDrawing(data[i + 3]), ToDrawing(data[i + 4])});
      i += 6;
    } else if (token == GL_POLYGON_TOKEN) {
      i += 1 + 3 * static_cast<size_t>(data[i]);
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      i += 1;
    } else {
      i += 3; // points, bitmaps, pixel operations
    }
  }
  return lines;
}

} // namespace

CFeedback CaptureFeedback(const std::function<void()>& draw)
{
  std::vector<GLfloat> buffer(kBufferFloats);
  glViewport(0, 0, kViewport, kViewport);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-kHalfWidth, kHalfWidth, -kHalfWidth, kHalfWidth, -kHalfWidth, kHalfWidth);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  GLint used = glRenderMode(GL_RENDER);
  buffer.resize(used > 0 ? static_cast<size_t>(used) : 0);
  return {ParseLines(buffer), used >= 0};
}

std::vector<double> LinePositions(const CFeedback& feedback, bool vertical)
{
  std::vector<double> positions;
  for (const CFedLine& line : feedback.lines) {
    if (std::hypot(line.x2 - line.x1, line.y2 - line.y1) < 1e-6)
      continue;
    if (vertical ? std::fabs(line.x1 - line.x2) < 1e-6 : std::fabs(line.y1 - line.y2) < 1e-6)
      positions.push_back(vertical ? line.x1 : line.y1);
  }
  std::sort(positions.begin(), positions.end());
  return positions;
}
