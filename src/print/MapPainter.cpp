#include "MapPainter.h"

#include "CoverageMap.h"
#include "PagePainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The sensor's deep blue, as the 3D view draws its marker.
const QColor kSensorBlue(13, 51, 179);
constexpr float kTranslucency = 0.55f;
// Shares of the map's width.
constexpr double kLegendShare = 0.3;
constexpr double kGapShare = 0.03;

struct CBounds {
  double lowX = HUGE_VAL, lowY = HUGE_VAL, highX = -HUGE_VAL, highY = -HUGE_VAL;

  void Add(const CVector& p)
  {
    lowX = std::min(lowX, p.x);
    lowY = std::min(lowY, p.y);
    highX = std::max(highX, p.x);
    highY = std::max(highY, p.y);
  }
  double Width() const { return std::max(highX - lowX, 1e-3); }
  double Height() const { return std::max(highY - lowY, 1e-3); }
};

CBounds PlanBounds(const CReportMap& map)
{
  CBounds bounds;
  for (const CMapLayer& layer : map.layers)
    for (const CPlanarRegion& region : layer.regions)
      for (const CVector& p : region.outer)
        bounds.Add(p);
  if (map.sensor)
    bounds.Add(map.sensor->centre);
  return bounds;
}

// World metres to page points: x to the right, y up.
struct CPlanFrame {
  CBounds bounds;
  QPointF origin; // where (lowX, lowY) lies
  double scale;   // page units per metre

  QPointF operator()(const CVector& p) const
  {
    return {origin.x() + (p.x - bounds.lowX) * scale, origin.y() - (p.y - bounds.lowY) * scale};
  }
};

QPainterPath RegionPath(const CPlanarRegion& region, const CPlanFrame& frame)
{
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  auto ring = [&](const CVectorArray& points) {
    if (points.empty())
      return;
    path.moveTo(frame(points.front()));
    for (size_t i = 1; i < points.size(); ++i)
      path.lineTo(frame(points[i]));
    path.closeSubpath();
  };
  ring(region.outer);
  for (const CVectorArray& hole : region.holes)
    ring(hole);
  return path;
}

QColor LayerColour(const CMapLayer& layer)
{
  QColor colour(layer.colour[0], layer.colour[1], layer.colour[2]);
  if (layer.style == MapStyle::Translucent)
    colour.setAlphaF(kTranslucency);
  return colour;
}

void PaintLayer(QPainter& painter, const CMapLayer& layer, const CPlanFrame& frame, double line)
{
  QColor colour = LayerColour(layer);
  switch (layer.style) {
  case MapStyle::Ground:
    painter.setPen(QPen(colour.darker(150), line));
    painter.setBrush(colour);
    break;
  case MapStyle::Translucent:
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    break;
  case MapStyle::Outline:
    painter.setPen(QPen(colour, 2.0 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    break;
  }
  for (const CPlanarRegion& region : layer.regions)
    painter.drawPath(RegionPath(region, frame));
}

// A disc with a white rim, and an arrow along the axis as far as it points
// across the floor.
void PaintSensor(QPainter& painter, const QPointF& at, const CVector& axis, double radius)
{
  painter.setBrush(kSensorBlue);
  double across = std::hypot(axis.x, axis.y);
  if (across > 0.05) {
    QPointF direction(axis.x / across, -axis.y / across);
    QPointF tip = at + direction * (radius * 4.0 * across);
    painter.setPen(QPen(Qt::white, radius * 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at, tip);
    painter.setPen(QPen(kSensorBlue, radius * 0.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at, tip);
    QPointF side(-direction.y(), direction.x());
    QPointF base = tip - direction * radius * 1.2;
    painter.drawPolygon(QPolygonF({tip, base + side * radius * 0.7, base - side * radius * 0.7}));
  }
  painter.setPen(QPen(Qt::white, radius * 0.35));
  painter.drawEllipse(at, radius, radius);
}

void PaintScaleBar(QPainter& painter, const CPlanFrame& frame, double y, double line)
{
  double metres = NiceLength(frame.bounds.Width() / 3.0);
  QPointF start(frame.origin.x(), y);
  QPointF end = start + QPointF(metres * frame.scale, 0.0);
  double tick = painter.fontMetrics().height() * 0.3;
  painter.setPen(QPen(Qt::black, line));
  painter.drawLine(start, end);
  painter.drawLine(start - QPointF(0, tick), start + QPointF(0, tick));
  painter.drawLine(end - QPointF(0, tick), end + QPointF(0, tick));
  QString label = QString::number(metres, 'g', 6) + " m";
  painter.drawText(end + QPointF(tick * 2.0, painter.fontMetrics().ascent() * 0.4), label);
  painter.drawText(
      start + QPointF(-painter.fontMetrics().horizontalAdvance("0") / 2.0, tick + painter.fontMetrics().ascent()), "0");
}

void PaintLegend(QPainter& painter, const QRectF& area, const CReportMap& map, double line)
{
  double row = painter.fontMetrics().height() * 1.6;
  double swatch = painter.fontMetrics().height();
  double y = area.top();
  auto label = [&](const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left() + swatch * 1.6, y, area.width() - swatch * 1.6, row),
                     Qt::AlignVCenter | Qt::TextWordWrap, text);
    y += row;
  };
  const CMapLayer* ground = nullptr;
  for (const CMapLayer& layer : map.layers) {
    if (layer.style == MapStyle::Ground)
      ground = &layer;
    // Overlaps of one to three see-through fills, each on the ground.
    int layers = layer.style == MapStyle::Translucent ? 3 : 1;
    for (int n = 1; n <= layers; ++n) {
      QRectF box(area.left(), y + (row - swatch) / 2.0, swatch, swatch);
      if (layer.style == MapStyle::Translucent && ground)
        painter.fillRect(box, LayerColour(*ground));
      CMapLayer sample{layer.strLegend,
                       layer.style,
                       layer.colour,
                       {CPlanarRegion{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {}, 1.0}}};
      CPlanFrame frame{{0, 0, 1, 1}, box.bottomLeft(), swatch};
      for (int k = 0; k < n; ++k)
        PaintLayer(painter, sample, frame, line);
      QString text = FromCp1252(layer.strLegend);
      label(layers == 1 ? text : QString("%1, %2-fach").arg(text).arg(n));
    }
  }
  if (map.sensor) {
    PaintSensor(painter, {area.left() + swatch * 0.3, y + row / 2.0}, {1, 0, 0}, swatch * 0.25);
    label("Sensor und Blickrichtung");
  }
}

} // namespace

double ReportMapAspect(const CReportMap& map)
{
  CBounds bounds = PlanBounds(map);
  double planShare = 1.0 - kLegendShare - kGapShare;
  return std::clamp(bounds.Height() / bounds.Width() * planShare, 0.3, 1.4);
}

void PaintReportMap(QPainter& painter, const QRectF& area, const CReportMap& map)
{
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  CBounds bounds = PlanBounds(map);
  double line = painter.fontMetrics().height() * 0.06;
  double scaleRoom = painter.fontMetrics().height() * 2.5;
  QRectF plan(area.left(), area.top(), area.width() * (1.0 - kLegendShare - kGapShare), area.height() - scaleRoom);
  double scale = std::min(plan.width() / bounds.Width(), plan.height() / bounds.Height());
  CPlanFrame frame{bounds, QPointF(plan.left(), plan.top() + bounds.Height() * scale), scale};
  for (const CMapLayer& layer : map.layers)
    PaintLayer(painter, layer, frame, line);
  if (map.sensor)
    PaintSensor(painter, frame(map.sensor->centre), map.sensor->axis, painter.fontMetrics().height() * 0.45);
  PaintScaleBar(painter, frame, frame.origin.y() + scaleRoom * 0.45, line);
  PaintLegend(
      painter,
      QRectF(area.right() - area.width() * kLegendShare, area.top(), area.width() * kLegendShare, area.height()), map,
      line);
  painter.restore();
}
