#pragma once

#include "ModuleNumberLink.h"

// Adds a fixed step to a linked number and keeps it within the link's
// limits; the sign of the step is the direction.
class CModuleCAD3 : public CModuleNumberLink {
public:
  explicit CModuleCAD3(std::string_view name);

  // A step that is not finite is refused, the step keeps its value.
  void ReadConfig(CRecordCursor& rest) override;
  void WriteConfig(CTextBuffer& out) const override;
  // Value: the new number. Fails without change when the step is not
  // finite or the number or a limit is not a number.
  ModuleResult Run(CItemGroup& root) override;

  double m_step = 0.0;

protected:
  void FillForm(CModuleForm& form) const override;
  bool TakeForm(const CModuleForm& form) override;
};
