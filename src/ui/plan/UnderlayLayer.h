#pragma once

#include "RoomPlan.h"
#include "UnderlayPicture.h"

#include <QString>

#include <optional>
#include <set>
#include <string>
#include <utility>

class CMessageSink;
class QGraphicsPixmapItem;
class QGraphicsScene;

// Draws a plan's underlay under everything else of its scene. The picture
// shown is kept until another one is; a file that cannot be read is said
// once, and the plan is shown without it (the underlay stays in the plan).
class CUnderlayLayer {
public:
  explicit CUnderlayLayer(CMessageSink& messages) : m_messages(messages) {}

  // After the scene was filled anew; `projectPath` is the project file's.
  void Show(QGraphicsScene& scene, const CRoomPlan& plan, const std::string& projectPath);
  // The item drawn at the last Show; null when none is.
  QGraphicsPixmapItem* GetItem() const { return m_pItem; }
  // The picture just read from the file (its path as Show resolves it).
  void Remember(const std::string& file, size_t page, CUnderlayPicture picture);

private:
  using Key = std::pair<std::string, size_t>;
  // Null when the file cannot be read.
  const CUnderlayPicture* Picture(const std::string& file, size_t page);

  CMessageSink& m_messages;
  std::optional<std::pair<Key, CUnderlayPicture>> m_picture;
  std::set<Key> m_unreadable;
  QGraphicsPixmapItem* m_pItem = nullptr;
};
