#include "ZoneMarks.h"

#include "PlanScene.h"

#include <QBrush>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QPen>

namespace {

const QColor kWatchedColour(220, 20, 20);
const QColor kFreeColour(70, 130, 90);

} // namespace

void MarkZones(QGraphicsScene& scene, const std::vector<CZoneCoverage>& zones)
{
  for (QGraphicsItem* item : scene.items()) {
    auto* zone = qgraphicsitem_cast<QGraphicsPolygonItem*>(item);
    if (!zone || zone->data(kPlanItemKind).toString() != kPlanZone)
      continue;
    size_t index = zone->data(kPlanItemIndex).toULongLong();
    if (index >= zones.size())
      continue;
    const QColor& colour = zones[index].IsWatched() ? kWatchedColour : kFreeColour;
    QPen pen = zone->pen();
    pen.setColor(colour);
    zone->setPen(pen);
    QBrush brush = zone->brush();
    brush.setColor(colour);
    zone->setBrush(brush);
  }
}
