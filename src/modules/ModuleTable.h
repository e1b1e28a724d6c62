#pragma once

#include "ModuleCAD1.h"
#include "ModuleCAD2.h"
#include "ModuleCAD3.h"

#include <array>
#include <string_view>

// The ten modules of a project, in the storage order of their records.
class CModuleTable {
public:
  static constexpr size_t kCount = 10;

  CModuleTable();
  CModuleTable(const CModuleTable&) = delete;
  CModuleTable& operator=(const CModuleTable&) = delete;

  // The module of a run index (2 to 11); null for any other index.
  CModule* FindByRunIndex(int index) const;
  CModule* FindByName(std::string_view name) const;
  // The run index of a module name, 0 for a name that names no module.
  static int RunIndexOf(std::string_view name);

  const std::array<CModule*, kCount>& InStorageOrder() const { return m_order; }

  CModuleCAD1 m_cad1;
  CModuleCAD2 m_mh1{"MH1"};
  CModuleCAD2 m_dw1{"DW1"};
  CModuleCAD2 m_kw1{"KW1"};
  CModuleCAD3 m_mh2{"MH2"};
  CModuleCAD3 m_dw2{"DW2"};
  CModuleCAD3 m_kw2{"KW2"};
  CModuleCAD3 m_mh3{"MH3"};
  CModuleCAD3 m_dw3{"DW3"};
  CModuleCAD3 m_kw3{"KW3"};

private:
  std::array<CModule*, kCount> m_order;
};
