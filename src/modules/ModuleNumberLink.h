#pragma once

#include "Module.h"

#include <string>

class CItemDoubleLink;

// A module that works on one number link, named by its path.
class CModuleNumberLink : public CModule {
public:
  void ReadConfig(CRecordCursor& rest) override;
  void WriteConfig(CTextBuffer& out) const override;

  std::string m_strPath;

protected:
  using CModule::CModule;

  // The link at the path with its linked number, or null when the path
  // leads nowhere, to another class, or to a link that is not resolved.
  double* FindLinkedNumber(CItemGroup& root, CItemDoubleLink*& link) const;

  void FillForm(CModuleForm& form) const override;
  bool TakeForm(const CModuleForm& form) override;
};
