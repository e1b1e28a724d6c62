#pragma once

#include "PropertySheet.h"

#include <string>
#include <vector>

struct CModuleForm;

// The configuration pages of the modules. Each field carries its control id
// as its object name; TakeBack copies the fields into the form.

// CAD1: the 18 entry paths F1 to F18.
class CCAD1Page : public CPropertyPage {
public:
  CCAD1Page(CModuleForm& form, CMessageSink& messages);
  bool TakeBack() override;

private:
  CModuleForm& m_form;
  std::vector<std::string> m_paths;
};

// CAD2 (reading modules) without a step, CAD3 (step modules) with one: the
// path of the number link.
class CCAD2Page : public CPropertyPage {
public:
  CCAD2Page(CModuleForm& form, CMessageSink& messages);
  bool TakeBack() override;

protected:
  CModuleForm& m_form;
  std::string m_strPath;
};

class CCAD3Page : public CCAD2Page {
public:
  CCAD3Page(CModuleForm& form, CMessageSink& messages);
  bool TakeBack() override;

private:
  double m_step;
};
