#pragma once

#include "ItemGroup.h"
#include "TransformInputs.h"
#include "Vector.h"

// Container that places its subtree in space.
class CItemSystem : public CItemGroup {
public:
  CItemSystem() : CItemSystem("begin-system") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void UpdateTransform() override;
  // Rotation about x, y, z, then the translation, then the containers above.
  void ApplyTransform(CMatrix& m) override;
  void AppendPlacements(std::vector<double>& placements) const override;
  void UpdateInverse() override;
  // Fields 1 to 6: position x, y, z and rotation x, y, z.
  void* GetFieldAddress(int fieldNumber, int valueType) override;
  // Phase 0 saves the drawing transform and enters the system's frame,
  // phase 1 restores it; the children are drawn in between. Systems deeper
  // than kMaxDrawnSystemDepth add no frame of their own.
  void Draw(int phase) override;

  CVector m_position;
  CVector m_rotation; // degrees about x, y, z
  CMatrix m_matrix;   // local to world
  CMatrix m_inverse;  // world to local

private:
  CTransformInputs m_transformInputs;

protected:
  explicit CItemSystem(const char* keyword) { m_strKeyword = keyword; }
  // Systems from the root down to this one, this one included.
  int SystemDepth() const;
  bool ReadSystemFields(CRecordCursor& line, std::string& parentName);
  void WriteSystemFields(CTextBuffer& out, const std::string& parentName) const;
  const char* EndKeyword() const override { return "end-system"; }
};
