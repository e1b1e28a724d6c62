#pragma once

#include <QImage>
#include <QString>

#include <optional>

// A picture (PNG, JPEG) or a PDF page, ready to draw under a plan. Its
// units are the picture's pixels or the page's points; a page is rendered
// finer than one pixel per point.
struct CUnderlayPicture {
  QImage image;
  double unitsPerPixel = 1.0;
  double width = 0.0; // in units
  double height = 0.0;
};

// Pages of the file when it is a readable PDF, 0 otherwise.
int PdfPageCount(const QString& path);
// None when the file cannot be read or has no such page (pictures have
// page 0 only).
std::optional<CUnderlayPicture> LoadUnderlayPicture(const QString& path, size_t page);
