#pragma once

#include "MessageRecorder.h"
#include "ModuleDialog.h"

// Confirms with the answer, or cancels; keeps the form it was shown.
class CFakeModuleDialog : public CModuleDialog {
public:
  bool Edit(CModuleForm& form) override
  {
    shown = form;
    if (confirm)
      form = answer;
    return confirm;
  }
  bool confirm = true;
  CModuleForm answer;
  CModuleForm shown;
};
