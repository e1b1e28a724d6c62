#pragma once

#include "PagePainter.h"
#include "ReportContent.h"

#include <string>

// The report as an A4 PDF file (WritePdfDocument): the printed page of the
// 3D view, the overlap map on a page of its own, then the table of the target
// surfaces and that of the patches, running on over as many pages as they
// need. With several sensors a page per sensor follows the printed page and
// the count map stands for the overlap map. FALSE with the German reason
// (Windows-1252) in error.
bool WritePdfReport(const std::string& path, const QImage& picture, const CPageHeader& header,
                    const CReportContent& content, std::string& error);
