#include "GLPrimitives.h"

#include <GL/gl.h>

CDepthRange DepthLayerRange(DepthLayer layer)
{
  switch (layer) {
  case DepthLayer::FillFront:
    return {0.00003, 0.99999};
  case DepthLayer::Outline:
    return {0.0001, 0.99997};
  case DepthLayer::OutlineFront:
    return {0.00002, 0.99998};
  case DepthLayer::GridLines:
    return {0.00001, 0.99997};
  case DepthLayer::Default:
  case DepthLayer::Fill:
    break;
  }
  return {0.00004, 1.0};
}

void SetDepthLayer(DepthLayer layer)
{
  CDepthRange range = DepthLayerRange(layer);
  glDepthRange(range.zNear, range.zFar);
}
