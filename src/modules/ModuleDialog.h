#pragma once

#include <string>
#include <vector>

// What a module's configuration dialog shows and gives back: the entry paths
// in record order and, for step modules, the step.
struct CModuleForm {
  std::string strTitle;
  std::vector<std::string> paths;
  bool bHasStep = false;
  double step = 0.0;
};

// The configuration dialog of the modules. The program shows a property
// sheet built from the form; tests fill the form themselves.
class CModuleDialog {
public:
  virtual ~CModuleDialog() = default;
  // TRUE when the user confirmed; the form then holds the new values.
  virtual bool Edit(CModuleForm& form) = 0;
};
