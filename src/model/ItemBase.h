#pragma once

#include "TreeControl.h"

#include <string>
#include <string_view>
#include <vector>

class CItemBase;
class CItemGroup;
class CMatrix;
class CMessageSink;
class CRecordCursor;
class CTextBuffer;
struct CInfoPage;
struct CItemPage;

// Value types a link can address.
enum LinkValueType { kLinkNumber = 0, kLinkSwitch = 1 };

// A link's pointer into a field of another entry. The target entry keeps the
// slot in its back references and clears it when it goes; the link removes
// the slot from its target when it goes first. Neither side ever looks the
// other up by path, so half-deleted trees are never walked.
struct CLinkSlot {
  void* pField = nullptr;
  CItemBase* pEntry = nullptr;
};

// A field found by path, without any registration.
struct CFieldRef {
  CItemBase* pEntry = nullptr;
  void* pField = nullptr;
};

// What every entry of the project tree has: identity, flags, record head,
// paths and link targets.
class CItemBase {
public:
  explicit CItemBase(const char* keyword) : m_strKeyword(keyword) {}
  virtual ~CItemBase();
  CItemBase(const CItemBase&) = delete;
  CItemBase& operator=(const CItemBase&) = delete;

  // Reads the record after its keyword; FALSE rejects the entry.
  virtual bool ReadRecord(CRecordCursor& line, std::string& parentName);
  virtual void WriteRecord(CTextBuffer& out, const std::string& parentName);

  virtual void UpdateTransform() {}
  // Passes the matrix on to the containers above.
  virtual void ApplyTransform(CMatrix& m);
  // Appends what ApplyTransform applies: the position and rotation of each
  // entry with a frame, from this one up to the root.
  virtual void AppendPlacements(std::vector<double>& placements) const;
  virtual void UpdateInverse() {}
  virtual void Draw(int /*phase*/) {}
  virtual bool ResolveLinks() { return false; }
  // Address of field fieldNumber for the value type, or null.
  virtual void* GetFieldAddress(int fieldNumber, int valueType);
  // Sets the name to the kind's default name and resets the kind's fields,
  // as inserting a new entry does before its dialog.
  virtual void SetInsertDefaults() {}
  virtual TreeItemHandle InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent) = 0;

  virtual CItemGroup* AsGroup() { return nullptr; }
  // Points the entry built from its record's counts, which the reader bounds
  // for the whole load.
  virtual size_t GeneratedPointCount() const { return 0; }
  const CItemGroup* AsGroup() const { return const_cast<CItemBase*>(this)->AsGroup(); }

  CItemBase* FindByPath(std::string_view path);
  // Finds the entry and field a link path names, registering nothing.
  CFieldRef LocateField(std::string_view path, int valueType);
  // Points the slot at the field the path names and registers it with the
  // target entry; on failure the slot is empty.
  bool ResolveLink(std::string_view path, CLinkSlot& slot, int valueType);
  bool RemoveBackReference(CLinkSlot* slot);
  size_t GetBackReferenceCount() const { return m_backRefs.size(); }

  CItemBase* GetRoot();
  bool IsActive() const;
  bool IsVisible() const;

  // Name, description and flags with their page. Saving refuses a name that
  // a sibling already bears (message 40007) and turns "." into a blank.
  bool ExchangeItemPage(CItemPage& page, bool save, CMessageSink* messages);
  bool ExchangeInfoPage(CInfoPage& page, bool save);

  std::string m_strName;
  std::string m_strKeyword;
  std::string m_strDescription;
  CItemGroup* m_pParent = nullptr;
  TreeItemHandle m_hTreeItem = 0;
  int m_bActive = 1;
  int m_bVisible = 1;

protected:
  // Record head: name, parent name, description, the two flags.
  void WriteRecordHead(CTextBuffer& out, const std::string& parentName, std::string_view keyword) const;
  // Rejects the record when nothing follows the fields read so far.
  static bool HasOwnFields(const CRecordCursor& line);

private:
  std::vector<CLinkSlot*> m_backRefs;
};

// Root of all leaf entries.
class CItem : public CItemBase {
public:
  using CItemBase::CItemBase;
  TreeItemHandle InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent) override;
};

// Name with every "." replaced by a blank, as entry names must not split paths.
std::string SanitizeEntryName(std::string_view name);
