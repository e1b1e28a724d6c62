#pragma once

#include "PagePainter.h"

#include <string>

// Writes one A4 portrait page (PaintPage) as a PDF file with real text; the
// file is replaced only once the whole document is written. FALSE with the
// German reason (Windows-1252) in error.
bool WritePdfPage(const std::string& path, const QImage& picture, const CPageHeader& header, std::string& error);
