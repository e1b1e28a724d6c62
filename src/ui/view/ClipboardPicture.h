#pragma once

#include <QImage>
#include <QMimeData>

#include <memory>

// The clipboard forms of a picture: the image itself (which the toolkit
// offers as image/png and its other bitmap types), the PNG bytes, and an
// SVG of the picture's size that embeds the PNG, so that office programs
// paste it scalable. Null when the picture cannot be encoded.
std::unique_ptr<QMimeData> MakePictureMimeData(const QImage& picture);
