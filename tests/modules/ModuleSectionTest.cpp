#include "ModuleSection.h"
#include "ModuleTable.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Written(const CModuleTable& modules)
{
  CTextBuffer out;
  WriteModuleSection(out, modules);
  return std::string(out.View());
}

CModuleTable& Read(CModuleTable& modules, const std::string& records)
{
  ReadModuleSection("begin-sim-module\n" + records + "\nend-sim-module\n", modules);
  return modules;
}

TEST(ModuleSectionWrite, EveryRecordFormatReadsBackAsWritten)
{
  CModuleTable modules;
  for (size_t i = 0; i < CModuleCAD1::kFieldCount; ++i)
    modules.m_cad1.m_paths[i] = "P.Feld " + std::to_string(i);
  modules.m_cad1.m_paths[15].clear();
  modules.m_kw1.m_strPath = "P.Kipp winkel";
  modules.m_mh2.m_step = 0.1;
  std::string text = Written(modules);
  EXPECT_NE(text.find("\nKW1 P.Kipp_winkel \n"), std::string::npos);
  EXPECT_NE(text.find("\nMH2 _ 1.000000000000000e-001 \n"), std::string::npos);

  CModuleTable copy;
  ReadModuleSection(text, copy);
  EXPECT_EQ(Written(copy), text);
  EXPECT_EQ(copy.m_cad1.m_paths[3], "P.Feld 3");
  EXPECT_EQ(copy.m_cad1.m_paths[15], " "); // an empty path comes back as one blank
}

TEST(ModuleSectionRead, MissingWordsKeepTheirFieldsAndExtraWordsAreIgnored)
{
  CModuleTable modules;
  modules.m_cad1.m_paths[17] = "alt";
  modules.m_mh3.m_step = 0.5;
  Read(modules, "CAD1 a b c d e f g h i j k l m n o p q\nMH3 P.h\nMH1\nDW1 P.d mehr Worte 7");
  EXPECT_EQ(modules.m_cad1.m_paths[16], "q");
  EXPECT_EQ(modules.m_cad1.m_paths[17], "alt");
  EXPECT_EQ(modules.m_mh3.m_strPath, "P.h");
  EXPECT_EQ(modules.m_mh3.m_step, 0.5);
  EXPECT_EQ(modules.m_dw1.m_strPath, "P.d");
}

TEST(ModuleSectionRead, OverlongFieldsAreCutAndTheFieldsAfterThemStillRead)
{
  CModuleTable modules;
  std::string longName(1500, 'x');
  Read(modules, "CAD1 " + longName + " b c d e f g h i j k l m n o p q r " + std::string(5000, 'z') + "\nKW2 " +
                    std::string(1000, 'y') + " 2.0 " + std::string(2000, 'w'));
  EXPECT_EQ(modules.m_cad1.m_paths[0], longName.substr(0, kMaxModulePathLength));
  EXPECT_EQ(modules.m_cad1.m_paths[17], "r");
  EXPECT_EQ(modules.m_kw2.m_strPath.size(), kMaxModulePathLength);
  EXPECT_EQ(modules.m_kw2.m_step, 2.0);
}

TEST(ModuleSectionRead, StepsThatAreNoFiniteNumbersAreRefused)
{
  CModuleTable modules;
  for (CModuleCAD3* module : {&modules.m_mh2, &modules.m_dw2, &modules.m_kw2, &modules.m_mh3, &modules.m_dw3})
    module->m_step = 0.25;
  Read(modules, "MH2 P.a abc\nDW2 P.b nan\nKW2 P.c inf\nMH3 P.d -infinity\nDW3 P.e 1e999");
  for (CModuleCAD3* module : {&modules.m_mh2, &modules.m_dw2, &modules.m_kw2, &modules.m_mh3, &modules.m_dw3})
    EXPECT_EQ(module->m_step, 0.25) << module->GetName();
  EXPECT_EQ(modules.m_dw2.m_strPath, "P.b");
}

TEST(ModuleSectionRead, OnlyLinesInsideTheSectionCountAndEveryLineIsLeft)
{
  CModuleTable modules;
  ReadModuleSection("MH1 vorher\nbegin-sim-module\nSMF1 a b\nADE1\nDW1 innen\nend-sim-module\nKW1 danach\n", modules);
  EXPECT_EQ(modules.m_mh1.m_strPath, "");
  EXPECT_EQ(modules.m_dw1.m_strPath, "innen");
  EXPECT_EQ(modules.m_kw1.m_strPath, "");
  ReadModuleSection("", modules);
  EXPECT_EQ(modules.m_dw1.m_strPath, "innen");
  // Blank lines, NUL bytes and a section without its end.
  ReadModuleSection(std::string("begin-sim-module\r\n   \n\t\n") + '\0' + "MH1 x\n\nKW1 a" + '\0' + "b\r\rKW3 P.k",
                    modules);
  EXPECT_EQ(modules.m_mh1.m_strPath, "");
  EXPECT_EQ(modules.m_kw1.m_strPath, "a");
  EXPECT_EQ(modules.m_kw3.m_strPath, "P.k");
}

} // namespace
