#pragma once

#include "RenderedImage.h"

#include <QImage>

// The renderer's bottom-up RGB picture as a top-down image; a null image
// when the picture is inconsistent.
QImage ImageFromRendered(const CRenderedImage& image);
