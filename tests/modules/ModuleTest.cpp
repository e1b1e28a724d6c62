#include "ItemGroup.h"
#include "ModuleFakes.h"
#include "ModuleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Cancelled dialogs and refused values change nothing and show nothing or
// the module's box (the title, with the detail line where the module has
// one); confirmed values are taken, cut to the field's length and to one
// line, and a failed run shows the module's box.
TEST(ModuleConfigure, CancelledOrRefusedValuesChangeNothingConfirmedOnesAreTaken)
{
  CItemGroup root;
  CFakeModuleDialog dialog;
  CMessageRecorder messages;
  CModuleCAD3 step("KW3");
  step.m_strPath = "alt";
  dialog.answer.paths = {"neu"};
  dialog.confirm = false;
  EXPECT_EQ(step.Execute(root, true, {&dialog, &messages}).status, kModuleFailed);
  EXPECT_EQ(step.Execute(root, true, {nullptr, &messages}).status, kModuleFailed);
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(dialog.shown.strTitle, "Konfiguration Modul CAD3");
  dialog.confirm = true;
  dialog.answer.step = std::nan("");
  EXPECT_EQ(step.Execute(root, true, {&dialog, nullptr}).status, kModuleFailed); // no box to show it in
  EXPECT_EQ(step.Execute(root, true, {&dialog, &messages}).status, kModuleFailed);
  EXPECT_EQ(step.m_strPath, "alt");
  EXPECT_EQ(step.m_step, 0.0);

  dialog.answer.paths = {std::string(1200, 'p')};
  dialog.answer.step = -0.5;
  EXPECT_EQ(step.Execute(root, true, {&dialog, &messages}).status, kModuleFailed);
  EXPECT_EQ(step.m_strPath, std::string(kMaxModulePathLength, 'p'));
  EXPECT_EQ(step.m_step, -0.5);
  CModuleCAD1 cad1; // paths that lead nowhere: the run fails
  dialog.answer.paths.assign(CModuleCAD1::kFieldCount, "a\nb");
  EXPECT_EQ(cad1.Execute(root, true, {&dialog, &messages}).status, kModuleFailed);
  EXPECT_EQ(cad1.m_paths[17], "a b");
  EXPECT_EQ(messages.texts, (std::vector<std::string>{"Fehler im Modul CAD3", "Fehler im Modul CAD3",
                                                      "Fehler im Modul CAD1:\n\n- Parameterfehler"}));
}

TEST(ModuleTableOrder, RunIndicesSelectTheirModules)
{
  CModuleTable modules;
  const char* byIndex[] = {"CAD1", "MH1", "DW1", "KW1", "MH2", "MH3", "DW2", "DW3", "KW2", "KW3"};
  for (int index = 2; index <= 11; ++index) {
    EXPECT_EQ(modules.FindByRunIndex(index)->GetName(), byIndex[index - 2]);
    EXPECT_EQ(CModuleTable::RunIndexOf(byIndex[index - 2]), index);
  }
  for (int index : {-1, 0, 1, 12})
    EXPECT_EQ(modules.FindByRunIndex(index), nullptr);
}

} // namespace
