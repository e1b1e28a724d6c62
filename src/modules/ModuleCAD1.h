#pragma once

#include "DetectionRun.h"
#include "Module.h"

#include <array>
#include <string>

// The detection-characteristic module: 18 entry paths, F1 to F18 in record
// order. It keeps no references to entries: every run looks its entries up
// anew, so nothing it holds can outlive an entry that a load, a run or an
// edit deleted.
class CModuleCAD1 : public CModule {
public:
  static constexpr size_t kFieldCount = 18;
  // The fields of m_paths that the program looks up outside the module.
  static constexpr size_t kWallGroupField = 0; // the wall variant's targets; ceiling and corner follow
  static constexpr size_t kChoiceField = 3;    // the "Montageart" choice
  static constexpr size_t kCeilingHeightField = 4;
  static constexpr size_t kCeilingPlateField = 5;
  static constexpr size_t kResultsField = 13; // the group of the patches

  CModuleCAD1();

  void ReadConfig(CRecordCursor& rest) override;
  void WriteConfig(CTextBuffer& out) const override;
  // Applies the mounting variant and recomputes the results group; status
  // -1 with the tree unchanged when an entry is missing, of the wrong kind,
  // or would be deleted with the results.
  ModuleResult Run(CItemGroup& root) override;

  // The targets of the patches of the last successful run.
  const CPatchTargets& PatchTargets() const { return m_patchTargets; }

  std::array<std::string, kFieldCount> m_paths;

protected:
  void FillForm(CModuleForm& form) const override;
  bool TakeForm(const CModuleForm& form) override;

private:
  CPatchTargets m_patchTargets;
};
