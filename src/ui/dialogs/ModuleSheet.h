#pragma once

#include "ModuleDialog.h"

#include <functional>

class CMessageSink;
class QWidget;

// The modules' configuration dialog: a property sheet titled by the form
// with the page of the module's kind.
class CModuleSheet : public CModuleDialog {
public:
  // parent is asked for when a sheet opens, since windows come and go.
  CModuleSheet(CMessageSink& messages, std::function<QWidget*()> parent);

  bool Edit(CModuleForm& form) override;

private:
  CMessageSink& m_messages;
  std::function<QWidget*()> m_parent;
};
