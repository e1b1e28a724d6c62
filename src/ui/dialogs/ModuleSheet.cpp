#include "ModuleSheet.h"

#include "ModulePages.h"
#include "TextEncoding.h"

namespace {

constexpr size_t kCAD1PathCount = 18;

} // namespace

CModuleSheet::CModuleSheet(CMessageSink& messages, std::function<QWidget*()> parent)
    : m_messages(messages), m_parent(std::move(parent))
{
}

bool CModuleSheet::Edit(CModuleForm& form)
{
  CPropertySheet sheet(QString::fromStdString(Cp1252ToUtf8(form.strTitle)), m_parent ? m_parent() : nullptr);
  if (form.paths.size() == kCAD1PathCount)
    sheet.AddPage(new CCAD1Page(form, m_messages), "CAD1");
  else if (form.bHasStep)
    sheet.AddPage(new CCAD3Page(form, m_messages), "CAD3");
  else
    sheet.AddPage(new CCAD2Page(form, m_messages), "CAD2");
  return sheet.Edit();
}
