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

const CUnderlayPicture* CUnderlayLayer::Picture(const std::string& file, size_t page)
{
  const Key key(file, page);
  if (m_picture && m_picture->first == key)
    return &m_picture->second;
  if (m_unreadable.count(key))
    return nullptr;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file));
  std::optional<CUnderlayPicture> picture = LoadUnderlayPicture(path, page);
  if (!picture) {
    m_unreadable.insert(key);
    m_messages.ShowMessage(kApplicationName, "Die Unterlage " + Utf8ToCp1252(path.toStdString()) +
                                                 " kann nicht gelesen werden. Der Grundriss wird ohne sie gezeigt.");
    return nullptr;
  }
  Remember(file, page, std::move(*picture));
  return &m_picture->second;
}

void CUnderlayLayer::Remember(const std::string& file, size_t page, CUnderlayPicture picture)
{
  Key key(file, page);
  m_unreadable.erase(key);
  m_picture.emplace(std::move(key), std::move(picture));
}

void CUnderlayLayer::Show(QGraphicsScene& scene, const CRoomPlan& plan, const std::string& projectPath)
{
  m_pItem = nullptr;
  if (!plan.underlay)
    return;
  const CPlanUnderlay& underlay = *plan.underlay;
  const CUnderlayPicture* picture = Picture(UnderlayFilePath(projectPath, underlay.file), underlay.page);
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
