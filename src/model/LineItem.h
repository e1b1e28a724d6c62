#pragma once

#include "Item3DColor.h"

// A straight segment between two points of the entry's frame, drawn unlit in
// the line colour.
class CLineItem : public CItem3DColor {
public:
  CLineItem() : CItem3DColor("line") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void Draw(int phase) override;

  CVector m_start;
  CVector m_end;
  // GL line width; 0 keeps the width that is current when drawing.
  double m_lineWidth = 0.0;
};
