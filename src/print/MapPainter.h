#pragma once

#include "ReportContent.h"

class QPainter;
class QRectF;

// Paints the map into the rectangle, in the painter's font: the layers from
// above, north (+y) up, scaled alike on both axes; the sensor as the 3D view
// marks it; a scale bar below and the legend on the right.
void PaintReportMap(QPainter& painter, const QRectF& area, const CReportMap& map);

// Height over width of the rectangle the map wants.
double ReportMapAspect(const CReportMap& map);
