#include "ModuleSheet.h"
#include "DialogDriver.h"
#include "KMVDocument.h"
#include "modules/ModuleFakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SheetCase {
  const char* name;
  int module;
  const char* field; // control id
  const char* text;
  std::vector<std::string> messages;
  bool confirmed;           // else refused, then cancelled
  const char* savedPattern; // in the project text after OK
};

const SheetCase kCases[] = {
    {"CAD1 wrong path", 2, "1041", "Nirgends", {"Fehler im Modul CAD1:\n\n- Parameterfehler"}, true, "Nirgends"},
    {"CAD3 step", 6, "1043", " 0.25\t", {}, true, "MH2 Pilot_B1.Einstellungen.Montageh\xF6he 2.500000000000000e-001 "},
    {"CAD3 malformed step", 6, "1043", "0,2,5", {"Geben Sie bitte eine Zahl ein."}, false, nullptr},
    {"CAD2 path", 3, "1042", "Anderswo", {"Fehler im Modul CAD2"}, true, "Anderswo"},
};

} // namespace

TEST(ModuleSheet, FieldsAreCheckedAndTakenOnOkOnly)
{
  for (const SheetCase& c : kCases) {
    SCOPED_TRACE(c.name);
    CMessageRecorder messages;
    CModuleSheet sheet(messages, [] { return nullptr; });
    CKMVDocument document;
    document.SetTitle("*Pilot B1");
    ASSERT_TRUE(document.OnNewDocument());
    document.SetMessageSink(&messages);
    document.SetModuleDialog(&sheet);
    const std::string before = std::string(document.GetText().View());

    bool stayedOpen = false;
    const CDialogPoll poll(OnNextDialog([&](QWidget& dialog) {
      FillAndConfirm(dialog, {{c.field, c.text}}, "OK");
      stayedOpen = dialog.isVisible();
      if (stayedOpen)
        Click(dialog, "Abbrechen");
    }));
    document.RunModuleCommand(c.module, true);

    EXPECT_EQ(messages.texts, c.messages);
    EXPECT_EQ(stayedOpen, !c.confirmed);
    if (c.savedPattern)
      EXPECT_NE(std::string(document.GetText().View()).find(c.savedPattern), std::string::npos);
    else
      EXPECT_EQ(std::string(document.GetText().View()), before);
  }
}
