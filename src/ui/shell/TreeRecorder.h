#pragma once

#include "TreeControl.h"

#include <string>
#include <vector>

// The items a fill of the tree would insert, in order, with nothing inserted:
// each item's handle is its place in the list plus one, so it never equals
// the real root's handle, which the entries compare their parent with.
class CTreeRecorder : public CTreeControl {
public:
  struct CRecord {
    TreeItemHandle parent;
    std::string text;
    CItemBase* entry;
    bool expanded;
    bool bold;
  };

  explicit CTreeRecorder(TreeItemHandle root) : m_root(root) {}

  TreeItemHandle GetRootItem() const override { return m_root; }
  TreeItemHandle InsertItem(TreeItemHandle parent, const std::string& text, CItemBase* entry, bool expanded,
                            bool bold) override
  {
    m_records.push_back({parent, text, entry, expanded, bold});
    return m_records.size();
  }
  int GetItemState(TreeItemHandle) const override { return 0; }

  const std::vector<CRecord>& Records() const { return m_records; }

private:
  TreeItemHandle m_root;
  std::vector<CRecord> m_records;
};
