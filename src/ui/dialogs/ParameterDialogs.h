#pragma once

#include "EntryDialogs.h"

// The parameter entries at the user level: the number dialog for numbers and
// number links, the switch dialog for switches and switch links, the choice
// dialog for one to five options, and the word's property sheet.
std::optional<bool> EditNumber(CItemBase& entry, const CDialogContext& context);
std::optional<bool> EditSwitch(CItemBase& entry, const CDialogContext& context);
std::optional<bool> EditChoice(CItemBase& entry, const CDialogContext& context);
std::optional<bool> EditWord(CItemBase& entry, const CDialogContext& context);
