#pragma once

#include "EntryEditor.h"
#include "ProjectTree.h"

#include <functional>
#include <string>
#include <vector>

// A tree view kept as a list; handle n is item n - 1.
class CFakeTree : public CProjectTree {
public:
  struct Item {
    std::string text;
    CItemBase* data;
    bool expanded;
    bool bold;
  };

  TreeItemHandle GetRootItem() const override { return 0xFFFF; }
  TreeItemHandle InsertItem(TreeItemHandle, const std::string& text, CItemBase* data, bool expanded, bool bold) override
  {
    items.push_back({text, data, expanded, bold});
    return items.size();
  }
  int GetItemState(TreeItemHandle item) const override { return items.at(item - 1).expanded ? 0x20 : 0; }
  TreeItemHandle GetSelectedItem() const override { return selected; }
  CItemBase* GetItemData(TreeItemHandle item) const override { return items.at(item - 1).data; }
  void DeleteAllItems() override { items.clear(); }

  TreeItemHandle Find(const std::string& text) const
  {
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i].text == text)
        return i + 1;
    return 0;
  }

  std::vector<Item> items;
  TreeItemHandle selected = 0;
};

// An entry dialog that applies a change when confirmed.
class CFakeEntryEditor : public CEntryEditor {
public:
  bool Change(CItemBase& entry, int, EntryAccess given) override
  {
    ++calls;
    access = given;
    if (confirm)
      apply(entry);
    return confirm;
  }
  std::function<void(CItemBase&)> apply = [](CItemBase&) {};
  bool confirm = true;
  int calls = 0;
  EntryAccess access = EntryAccess::Editable;
};

// A record of every kind the reader knows, a sensor height steered by a
// link (limits 2 and 4, the link's 2.0 against the system's 2.5) and every
// module configured.
inline const std::string kSensorProject =
    "begin-sim-data Projekt  _ 1 1 0 "
    "\nbegin-group Raum Projekt Besprechungs_raum 1 0 32 "
    "\nbegin-system Sensor Raum Montage 0 1 0 1.000000000000000e+000 0.000000000000000e+000 "
    "2.500000000000000e+000 0.000000000000000e+000 4.500000000000000e+001 0.000000000000000e+000 "
    "\ndouble Zahl Sensor _ 1 1 2.500000000000000e+000 1.500000000000000e+000 4.000000000000000e+000 "
    "\nend-system"
    "\nenable Licht_an Raum Schalter_Eingang 1 1 0 "
    "\nenablelink Sicht Raum _ 1 1 1 Projekt.Raum.Sensor.@7 "
    "\nword Stufe Raum _ 1 1 3 0 5 "
    "\nchoice Variante Raum Montageart 1 1 1 0 2 Wand Decke Ecke_links "
    "\nend-group"
    "\ndoublelink Hoehe Projekt _ 1 1 2.000000000000000e+000 2.000000000000000e+000 4.000000000000000e+000 "
    "Projekt.Raum.Sensor.@3 "
    "\nend-sim-data"
    "\nbegin-sim-module"
    "\nCAD1 Projekt.Raum Projekt.Raum Projekt.Raum Projekt.Raum.Variante Projekt.Hoehe _ Projekt.Raum.Sensor "
    "_ _ _ _ _ _ _ _ _ _ Projekt.Raum.Licht_an "
    "\nMH1 Projekt.Hoehe \nDW1 _ \nKW1 _ "
    "\nMH2 Projekt.Hoehe 1.000000000000000e-001 \nDW2 _ 0.000000000000000e+000 "
    "\nKW2 _ 0.000000000000000e+000 \nMH3 Projekt.Hoehe -1.000000000000000e-001 "
    "\nDW3 _ 0.000000000000000e+000 \nKW3 _ 0.000000000000000e+000 "
    "\nend-sim-module\n";
