#pragma once

#include "ItemBase.h"

// Number with limits.
class CItemDouble : public CItem {
public:
  CItemDouble() : CItem("double") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  double m_value = 0.0;
  double m_min = -1000.0;
  double m_max = 1000.0;

protected:
  explicit CItemDouble(const char* keyword) : CItem(keyword) {}
  bool ReadNumberFields(CRecordCursor& line, std::string& parentName);
  void WriteNumberFields(CTextBuffer& out, const std::string& parentName) const;
};

// Number tied to a number field of another entry: its value is pushed into
// the target once after each load or edit and follows the target afterwards.
class CItemDoubleLink : public CItemDouble {
public:
  CItemDoubleLink() : CItemDouble("doublelink") {}
  ~CItemDoubleLink() override;

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  bool ResolveLinks() override;

  double* GetTarget() const { return static_cast<double*>(m_target.pField); }

  std::string m_strLinkPath;
  int m_bLinked = 0;

private:
  CLinkSlot m_target;
};
