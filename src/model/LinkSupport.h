#pragma once

#include "ItemBase.h"

#include <string>

// Shared by the number and switch links.

bool ReadLinkPath(CRecordCursor& line, std::string& path);
void WriteLinkPath(CTextBuffer& out, const std::string& path);
// Removes the slot from its target, when the target still exists.
void ReleaseLink(CLinkSlot& slot);

// Resolves the path from the link's root; the first success after a load or
// an edit pushes the link's own value into the target.
template <class T>
bool ResolveLinkValue(CItemBase& link, const std::string& path, CLinkSlot& slot, int valueType, int& linked, T& value)
{
  if (!link.GetRoot()->ResolveLink(path, slot, valueType)) {
    linked = 0;
    return false;
  }
  if (!linked) {
    *static_cast<T*>(slot.pField) = value;
    linked = 1;
  }
  return true;
}

// Before the link is written, its value follows the target's.
template <class T> void FollowLinkTarget(const CLinkSlot& slot, T& value)
{
  if (slot.pField)
    value = *static_cast<const T*>(slot.pField);
}
