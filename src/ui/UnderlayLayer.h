#pragma once

#include "RoomPlan.h"
#include "UnderlayPicture.h"

#include <QString>

#include <map>
#include <optional>
#include <string>
#include <utility>

class CMessageSink;
class QGraphicsPixmapItem;
class QGraphicsScene;

// Draws a plan's underlay under everything else of its scene. Files are
// read once; a file that cannot be read is said once, and the plan is
// shown without it (the underlay stays in the plan).
class CUnderlayLayer {
public:
  explicit CUnderlayLayer(CMessageSink& messages) : m_messages(messages) {}

  // After the scene was filled anew; `projectPath` is the project file's.
  void Show(QGraphicsScene& scene, const CRoomPlan& plan, const std::string& projectPath);
  // The item drawn at the last Show; null when none is.
  QGraphicsPixmapItem* GetItem() const { return m_pItem; }
  // The picture of a file, read at most once.
  const std::optional<CUnderlayPicture>& Picture(const std::string& file, size_t page);

private:
  CMessageSink& m_messages;
  std::map<std::pair<std::string, size_t>, std::optional<CUnderlayPicture>> m_pictures;
  QGraphicsPixmapItem* m_pItem = nullptr;
};
