#pragma once

class CItemBase;

// Opens an entry's dialog or property sheet, as the entry's Change does.
// The program implements it with the entry dialogs, tests with a fake.
class CEntryEditor {
public:
  virtual ~CEntryEditor() = default;
  // TRUE when the user confirmed and the entry took the values over.
  virtual bool Change(CItemBase& entry, int editLevel) = 0;
};
