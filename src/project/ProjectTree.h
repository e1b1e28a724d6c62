#pragma once

#include "TreeControl.h"

class CItemBase;

// The project tree view as the project uses it: what the entries need, plus
// the selection and emptying the view. The program implements it with its
// tree widget, tests with a recorder.
class CProjectTree : public CTreeControl {
public:
  // The selected item, 0 when none is selected.
  virtual TreeItemHandle GetSelectedItem() const = 0;
  // The entry stored with the item.
  virtual CItemBase* GetItemData(TreeItemHandle item) const = 0;
  virtual void DeleteAllItems() = 0;
};
