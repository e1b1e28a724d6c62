#pragma once

#include "Item3D.h"

// A placed entry with colours and the two drawing switches.
class CItem3DColor : public CItem3D {
public:
  CVector m_fillColor{0.8, 0.8, 0.8}; // red, green, blue in x, y, z
  CVector m_lineColor;
  int m_bFill = 1;
  int m_bOutline = 1;

protected:
  explicit CItem3DColor(const char* keyword) : CItem3D(keyword) {}
  // The frame, both colours and, when present, the outline and fill flags:
  // records of older versions end the colours without them.
  bool Read3DColorFields(CRecordCursor& line, std::string& parentName);
  void Write3DColorFields(CTextBuffer& out, const std::string& parentName) const;
};
