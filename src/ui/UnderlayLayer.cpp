#include "UnderlayLayer.h"

#include "Messages.h"
#include "PlanScene.h"
#include "PlanUnderlay.h"
#include "TextEncoding.h"

#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPixmap>

namespace {

// Below the floor, whose colour lets it show through.
constexpr double kUnderlayDepth = -1.0;

} // namespace

const std::optional<CUnderlayPicture>& CUnderlayLayer::Picture(const std::string& file, size_t page)
{
  const auto key = std::make_pair(file, page);
  auto found = m_pictures.find(key);
  if (found != m_pictures.end())
    return found->second;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file));
  const auto& picture = m_pictures[key] = LoadUnderlayPicture(path, page);
  if (!picture)
    m_messages.ShowMessage(kApplicationName, "Die Unterlage " + Utf8ToCp1252(path.toStdString()) +
                                                 " kann nicht gelesen werden. Der Grundriss wird ohne sie gezeigt.");
  return picture;
}

void CUnderlayLayer::Show(QGraphicsScene& scene, const CRoomPlan& plan, const std::string& projectPath)
{
  m_pItem = nullptr;
  if (!plan.underlay)
    return;
  const CPlanUnderlay& underlay = *plan.underlay;
  const std::optional<CUnderlayPicture>& picture = Picture(UnderlayFilePath(projectPath, underlay.file), underlay.page);
  if (!picture)
    return;
  m_pItem = scene.addPixmap(QPixmap::fromImage(picture->image));
  m_pItem->setTransformationMode(Qt::SmoothTransformation);
  m_pItem->setAcceptedMouseButtons(Qt::NoButton);
  m_pItem->setZValue(kUnderlayDepth);
  m_pItem->setScale(underlay.scale * picture->unitsPerPixel);
  m_pItem->setPos(ScenePoint(underlay.place));
  m_pItem->setOpacity(underlay.opacity);
}
