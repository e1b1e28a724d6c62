#pragma once

#include "ItemBase.h"
#include "TransformInputs.h"
#include "Vector.h"

// A leaf entry with a frame of its own: the base of every geometric entry.
class CItem3D : public CItem {
public:
  void UpdateTransform() override;
  // Rotation about x, y, z, then the translation, then the containers above.
  void ApplyTransform(CMatrix& m) override;
  void AppendPlacements(std::vector<double>& placements) const override;
  void UpdateInverse() override;
  // Fields 1 to 6 (numbers): position x, y, z and rotation x, y, z.
  void* GetFieldAddress(int fieldNumber, int valueType) override;

  CVector m_position;
  CVector m_rotation; // degrees about x, y, z
  CMatrix m_matrix;   // local to scene
  CMatrix m_inverse;  // scene to local

private:
  CTransformInputs m_transformInputs;

protected:
  explicit CItem3D(const char* keyword) : CItem(keyword) {}
  bool Read3DFields(CRecordCursor& line, std::string& parentName);
  void Write3DFields(CTextBuffer& out, const std::string& parentName) const;
};
