#include "ModuleTable.h"

namespace {

struct ModuleEntry {
  std::string_view name;
  int runIndex;
};

// Storage order, with the number by which the project runs each module.
constexpr std::array<ModuleEntry, CModuleTable::kCount> kModules{{
    {"CAD1", 2},
    {"MH1", 3},
    {"DW1", 4},
    {"KW1", 5},
    {"MH2", 6},
    {"DW2", 8},
    {"KW2", 10},
    {"MH3", 7},
    {"DW3", 9},
    {"KW3", 11},
}};

} // namespace

CModuleTable::CModuleTable() : m_order{&m_cad1, &m_mh1, &m_dw1, &m_kw1, &m_mh2, &m_dw2, &m_kw2, &m_mh3, &m_dw3, &m_kw3}
{
}

CModule* CModuleTable::FindByRunIndex(int index) const
{
  for (size_t i = 0; i < kCount; ++i)
    if (kModules[i].runIndex == index)
      return m_order[i];
  return nullptr;
}

CModule* CModuleTable::FindByName(std::string_view name) const
{
  for (CModule* module : m_order)
    if (module->GetName() == name)
      return module;
  return nullptr;
}

int CModuleTable::RunIndexOf(std::string_view name)
{
  for (const ModuleEntry& entry : kModules)
    if (entry.name == name)
      return entry.runIndex;
  return 0;
}
