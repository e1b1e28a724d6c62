#pragma once

#include "ModuleNumberLink.h"

// Reads a linked number and tells whether it sits at one of its limits.
class CModuleCAD2 : public CModuleNumberLink {
public:
  explicit CModuleCAD2(std::string_view name);

  // Value: the linked number. Status 1 at or below the minimum, 2 at or
  // above the maximum (which wins), 0 between them.
  ModuleResult Run(CItemGroup& root) override;

protected:
  void FillForm(CModuleForm& form) const override;
};
