#include "GLQuadric.h"

CGLQuadric::CGLQuadric() : m_quadric(gluNewQuadric())
{
  if (!m_quadric)
    return;
  gluQuadricDrawStyle(m_quadric, GLU_FILL);
  gluQuadricNormals(m_quadric, GLU_SMOOTH);
}

CGLQuadric::~CGLQuadric()
{
  if (m_quadric)
    gluDeleteQuadric(m_quadric);
}
