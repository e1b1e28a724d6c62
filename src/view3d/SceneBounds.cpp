#include "SceneBounds.h"

#include <cmath>

namespace {

// The one piece of global state of the renderer: which renderer's bounds the
// primitives feed. Per thread, so that it never crosses contexts.
thread_local CSceneBounds* t_currentBounds = nullptr;

} // namespace

void CSceneBounds::Reset()
{
  min = 1e300;
  max = -1e300;
}

void CSceneBounds::Add(double value)
{
  if (!std::isfinite(value))
    return;
  if (value < min)
    min = value;
  if (value > max)
    max = value;
}

CSceneBoundsScope::CSceneBoundsScope(CSceneBounds& bounds) : m_previous(t_currentBounds)
{
  t_currentBounds = &bounds;
}

CSceneBoundsScope::~CSceneBoundsScope()
{
  t_currentBounds = m_previous;
}

CSceneBounds* CurrentSceneBounds()
{
  return t_currentBounds;
}

void AddToSceneBounds(double value)
{
  if (t_currentBounds)
    t_currentBounds->Add(value);
}
