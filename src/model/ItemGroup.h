#pragma once

#include "ItemBase.h"

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class CParseContext;

// Container of entries; the root of every project tree is a plain group.
class CItemGroup : public CItemBase {
public:
  CItemGroup() : CItemBase("begin-group") {}
  ~CItemGroup() override;

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  // Own record, the children's records and the end keyword; the root writes
  // "begin-sim-data" ... "end-sim-data".
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  TreeItemHandle InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent) override;
  CItemGroup* AsGroup() override { return this; }

  // Builds the children that come from elsewhere (included files, built-in
  // libraries) once the record has been read.
  virtual void LoadContent(CParseContext&) {}
  virtual void SaveTreeState(CTreeControl& tree);

  void RemoveAllChildren();
  void AddChild(std::unique_ptr<CItemBase> child);
  // Puts the entry in the child's place and deletes the child; FALSE (and
  // nothing changes) when it is no child of this group.
  bool ReplaceChild(const CItemBase& child, std::unique_ptr<CItemBase> entry);
  CItemBase* FindChild(std::string_view name) const;
  // Whether a child other than except bears the name.
  bool HasOtherChildNamed(std::string_view name, const CItemBase* except) const;
  const std::vector<std::unique_ptr<CItemBase>>& Children() const { return m_children; }

  void DrawChildren();
  // Resolves the links of every entry below; while it runs, lookups by name
  // anywhere in the tree go through an index per large group.
  void ResolveLinksOfTree();
  void UpdateTransformsOfTree();

  int m_nTreeState = 0;

protected:
  void WriteGroupFields(CTextBuffer& out, const std::string& parentName, std::string_view keyword) const;
  void WriteChildren(CTextBuffer& out) const;
  bool ReadGroupFields(CRecordCursor& line, std::string& parentName);
  TreeItemHandle InsertOwnItem(CTreeControl& tree, TreeItemHandle parent);
  virtual const char* EndKeyword() const { return "end-group"; }

private:
  // First child of each name, for groups this large.
  static constexpr size_t kIndexedChildCount = 16;
  using CNameIndex = std::unordered_map<std::string_view, CItemBase*>;

  void ResolveLinksOfChildren();
  const CNameIndex* NameIndex() const;
  void DropNameIndexes();

  std::vector<std::unique_ptr<CItemBase>> m_children;
  // Names change only outside the link pass, where the entries are edited,
  // so the index lives only as long as the pass; the root marks it.
  mutable std::unique_ptr<CNameIndex> m_pNameIndex;
  bool m_bLinkPass = false;
};
