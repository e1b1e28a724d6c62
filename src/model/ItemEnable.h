#pragma once

#include "ItemBase.h"

// Switch, 0 or 1.
class CItemEnable : public CItem {
public:
  CItemEnable() : CItem("enable") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  int m_bValue = 1;

protected:
  explicit CItemEnable(const char* keyword) : CItem(keyword) {}
  bool ReadSwitchFields(CRecordCursor& line, std::string& parentName);
  void WriteSwitchFields(CTextBuffer& out, const std::string& parentName) const;
};

// Switch tied to a flag of another entry, like the number link.
class CItemEnableLink : public CItemEnable {
public:
  CItemEnableLink() : CItemEnable("enablelink") {}
  ~CItemEnableLink() override;

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  bool ResolveLinks() override;

  int* GetTarget() const { return static_cast<int*>(m_target.pField); }

  std::string m_strLinkPath;
  int m_bLinked = 0;

private:
  CLinkSlot m_target;
};
