#include "DialogDriver.h"
#include "ItemArc2.h"
#include "ItemEllipsoid.h"
#include "SurfacePages.h"
#include "TextBuffer.h"
#include "modules/ModuleFakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string Record(CItemBase& entry)
{
  CTextBuffer text;
  entry.WriteRecord(text, "Raum");
  return std::string(text.View());
}

struct SurfaceCase {
  const char* name;
  std::function<CItemBase*()> make;
  std::vector<std::pair<const char*, const char*>> fields; // label, text
  std::vector<std::string> messages;
  bool confirmed;
  const char* saved; // in the record after OK
};

QLineEdit* FieldByLabel(QWidget& dialog, const char* label)
{
  for (QLabel* candidate : dialog.findChildren<QLabel*>())
    if (candidate->text() == QString::fromUtf8(label))
      return qobject_cast<QLineEdit*>(candidate->buddy());
  return nullptr;
}

} // namespace

TEST(SurfacePages, FieldsAreCheckedAndTakenOnOkOnly)
{
  const SurfaceCase cases[] = {
      {"ellipsoid polar order",
       [] { return new CItemEllipsoid; },
       {{"Polarwinkel Start", "120"}, {"Polarwinkel Ende", "30"}},
       {},
       true,
       "3.000000000000000e+001 1.200000000000000e+002 "},
      {"arc2 negative radius",
       [] { return new CItemArc2; },
       {{"Radius", "-1"}},
       {"Geben Sie bitte eine Zahl zwischen 0 und 1e+300 ein."},
       false,
       nullptr},
  };
  for (const SurfaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CItemBase> entry(c.make());
    const std::string before = Record(*entry);
    CMessageRecorder messages;
    bool stayedOpen = false;
    OnNextDialog([&](QWidget& dialog) {
      for (auto [label, text] : c.fields)
        if (QLineEdit* edit = FieldByLabel(dialog, label))
          edit->setText(text);
      Click(dialog, "OK");
      stayedOpen = dialog.isVisible();
      if (stayedOpen)
        Click(dialog, "Abbrechen");
    });
    std::optional<bool> result = EditSurfaceEntry(*entry, {nullptr, messages, "Ändern", EntryAccess::Editable});
    EXPECT_EQ(result, std::optional<bool>(c.confirmed));
    EXPECT_EQ(messages.texts, c.messages);
    if (c.saved)
      EXPECT_NE(Record(*entry).find(c.saved), std::string::npos) << Record(*entry);
    else
      EXPECT_EQ(Record(*entry), before);
  }
}
