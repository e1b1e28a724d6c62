#pragma once

#include "PagePainter.h"

#include <functional>
#include <string>

class QPdfWriter;

// Paints the pages of a PDF document; the writer starts each further page.
// FALSE when a page cannot be drawn.
using CPdfPainting = std::function<bool(QPdfWriter& writer, QPainter& painter)>;

// Writes A4 portrait pages with real text as a PDF file; the file is replaced
// only once the whole document is written. FALSE with the German reason
// (Windows-1252) in error.
bool WritePdfDocument(const std::string& path, const CPdfPainting& paint, std::string& error);

// One page (PaintPage) as a PDF file, as WritePdfDocument writes it.
bool WritePdfPage(const std::string& path, const QImage& picture, const CPageHeader& header, std::string& error);
