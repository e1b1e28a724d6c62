#pragma once

class CItemBase;

// ReadOnly: the entry is shown but not changed (CAD1's results, which its
// next run replaces).
enum class EntryAccess { Editable, ReadOnly };

// Opens an entry's dialog or property sheet, as the entry's Change does.
// The program implements it with the entry dialogs, tests with a fake.
class CEntryEditor {
public:
  virtual ~CEntryEditor() = default;
  // TRUE when the user confirmed and the entry took the values over; never
  // for a read-only entry.
  virtual bool Change(CItemBase& entry, int editLevel, EntryAccess access) = 0;
};
