#pragma once

#include "ItemBase.h"

#include <cstdint>
#include <string>
#include <vector>

// Owning array of option texts.
using CStringPtrArray = std::vector<std::string>;

// Unsigned 16-bit number with limits.
class CItemWord : public CItem {
public:
  CItemWord() : CItem("word") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  uint16_t m_nValue = 0;
  uint16_t m_nLow = 0;
  uint16_t m_nHigh = 5;

protected:
  explicit CItemWord(const char* keyword) : CItem(keyword) {}
  bool ReadWordFields(CRecordCursor& line, std::string& parentName);
  void WriteWordFields(CTextBuffer& out, const std::string& parentName) const;
};

// Option selected by index; 65535 stands for none.
class CItemChoice : public CItemWord {
public:
  static constexpr uint16_t kNone = 65535;

  CItemChoice() : CItemWord("choice")
  {
    m_nValue = kNone;
    m_nLow = kNone;
    m_nHigh = kNone;
  }

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  // m_nHigh + 1 options (none for kNone); those past m_options are empty.
  size_t GetOptionCount() const;
  std::string GetOption(size_t index) const;

  CStringPtrArray m_options;
};
