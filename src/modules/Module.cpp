#include "Module.h"

#include "Messages.h"
#include "ModuleDialog.h"
#include "NumberFormat.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"

CModule::CModule(std::string_view name, int errorTitleId, int errorDetailId)
    : m_strName(name), m_nErrorTitleId(errorTitleId), m_nErrorDetailId(errorDetailId)
{
}

ModuleResult CModule::Configure(CItemGroup& root, const CModuleUi& ui)
{
  CModuleForm form;
  FillForm(form);
  if (!ui.pDialog || !ui.pDialog->Edit(form))
    return {};
  if (!TakeForm(form)) {
    ReportFailure(ui.pMessages);
    return {};
  }
  ModuleResult result = Run(root);
  if (result.status == kModuleFailed)
    ReportFailure(ui.pMessages);
  return result;
}

ModuleResult CModule::Execute(CItemGroup& root, bool configure, const CModuleUi& ui)
{
  return configure ? Configure(root, ui) : Run(root);
}

void CModule::ReportFailure(CMessageSink* messages)
{
  BeginErrors(m_nErrorTitleId);
  AddError(true, m_nErrorDetailId);
  ShowErrors(messages);
}

void CModule::BeginErrors(int messageId)
{
  m_strErrorText = LoadString(messageId);
  m_nErrorCount = 0;
}

void CModule::AddError(bool failed, int messageId)
{
  if (!failed)
    return;
  if (messageId != 0) {
    if (m_nErrorCount == 0)
      m_strErrorText += ":\n";
    m_strErrorText += "\n- " + LoadString(messageId);
  }
  ++m_nErrorCount;
}

void CModule::ShowErrors(CMessageSink* messages) const
{
  if (m_nErrorCount > 0 && messages)
    messages->ShowMessage(kApplicationName, m_strErrorText);
}

void CModule::WriteKeyword(CTextBuffer& out) const
{
  out.Append('\n');
  AppendWordField(out, m_strName);
}

void CModule::WritePath(CTextBuffer& out, const std::string& path)
{
  AppendTextField(out, path, true);
}

bool CModule::ReadPath(CRecordCursor& rest, std::string& path)
{
  return rest.ReadText(path, kMaxModulePathLength);
}

std::string CModule::CleanPath(const std::string& path)
{
  std::string result = path.substr(0, kMaxModulePathLength);
  // Any other white space would split the record or the field.
  for (char& c : result)
    if (c == '\0' || IsScanfSpace(c))
      c = ' ';
  return result;
}
