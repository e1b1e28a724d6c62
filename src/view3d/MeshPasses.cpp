#include "MeshPasses.h"

#include <GL/gl.h>

void DrawMeshPasses(const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const std::function<void()>& fillPass, const std::function<void()>& edgePass)
{
  glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1.0f, 1.0f);
  if (fill) {
    glColor3d(fillColour.x, fillColour.y, fillColour.z);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_LIGHTING);
    fillPass();
  }
  if (outline) {
    glColor3d(lineColour.x, lineColour.y, lineColour.z);
    glDisable(GL_LIGHTING);
    edgePass();
  }
  glPopAttrib();
}
