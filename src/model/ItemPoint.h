#pragma once

#include "Item3DColor.h"
#include "Sim.h"

#include <memory>
#include <vector>

// Simulation objects handed out by point entries; the list owns them.
using CSimList = std::vector<std::unique_ptr<CSim>>;

// One point: the origin of the entry's frame, shown as a marker.
class CItemPoint : public CItem3DColor {
public:
  CItemPoint() : CItemPoint("point") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void Draw(int phase) override;

  // Appends one CSimPoint per point in scene coordinates, when the entry is
  // active. UpdateTransform must have run.
  virtual void CollectPoints(CSimList& points) const;

  int m_nStyle = 0; // a PointStyle; other values draw nothing
  double m_size = 0.0;

protected:
  explicit CItemPoint(const char* keyword) : CItem3DColor(keyword) {}
  bool ReadPointFields(CRecordCursor& line, std::string& parentName);
  void WritePointFields(CTextBuffer& out, const std::string& parentName) const;
  // The generated kinds: their local points, each as a point of this entry.
  void CollectLocalPoints(const CVectorArray& local, CSimList& points) const;
  void DrawMarkers(const CVectorArray& local) const;
};
