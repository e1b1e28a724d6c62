#pragma once

#include "ItemSurface.h"
#include "VertexText.h"

// A flat convex polygon, closed from the last vertex back to the first; its
// face normal is (V1 - V0) x (V2 - V0). Nothing checks planarity or
// convexity.
class CItemPolygon : public CItem3DSurface {
public:
  CItemPolygon() : CItemPolygon("polygon") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  // Fill and outline in their depth layers; nothing below three vertices.
  void Draw(int phase) override;
  int Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const override;

  CVectorArray m_vertices; // local frame
  int m_bFront = 0;        // drawn in front of coplanar faces (generated patches)

protected:
  explicit CItemPolygon(const char* keyword) : CItem3DSurface(keyword) {}
  // Missing vertices read as (0, 0, 0); a count above kMaxPolygonVertices or
  // above the characters left on the line refuses the record.
  bool ReadPolygonFields(CRecordCursor& line, std::string& parentName);
  void WritePolygonFields(CTextBuffer& out, const std::string& parentName);
  // The four vertices (x1, y1), (x2, y1), (x2, y2), (x1, y2) at z = 0.
  void SetCorners(double x1, double y1, double x2, double y2);

private:
  // The vertices' numbers as read from a shared project text: writing copies
  // those that give the same text. Dropped once the count no longer matches.
  CVertexText m_vertexText;
};
