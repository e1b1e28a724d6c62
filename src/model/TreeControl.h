#pragma once

#include <cstdint>
#include <string>

class CItemBase;

// Opaque handle of an item in the project tree view; 0 means none.
using TreeItemHandle = std::uintptr_t;

// State bit of an expanded tree item, as stored in group records.
constexpr int kTreeStateExpanded = 0x20;

// What the entries need of the project tree view. The program implements it
// with its tree widget; tests record the calls.
class CTreeControl {
public:
  virtual ~CTreeControl() = default;
  virtual TreeItemHandle GetRootItem() const = 0;
  // Appends an item as the last child of parent.
  virtual TreeItemHandle InsertItem(TreeItemHandle parent, const std::string& text, CItemBase* data, bool expanded,
                                    bool bold) = 0;
  // The item's state bits (only the low eight are kept).
  virtual int GetItemState(TreeItemHandle item) const = 0;
};
