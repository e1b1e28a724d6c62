#include "KMVDocument.h"

#include "BuiltinModels.h"
#include "DocumentViews.h"
#include "FileAccess.h"
#include "FileNameText.h"
#include "Messages.h"
#include "ModelResources.h"
#include "ModuleCommands.h"
#include "ModuleTable.h"
#include "PlanEntries.h"
#include "ProjectTree.h"
#include "SafeFileWriter.h"
#include "SensorSet.h"

#include <filesystem>

namespace {

std::string AbsolutePath(const std::string& path)
{
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string DescribeFormatError(int line, const std::string& source)
{
  return "Formatfehler in Zeile " + std::to_string(line) + " von " + source + ".\n" + kIncompleteReadText;
}

// Step names of changes that no caller named (Windows-1252).
constexpr const char* kModuleChangeName = "Berechnung";
constexpr const char* kPropertiesChangeName = "Eigenschaften";

} // namespace

CKMVDocument::CKMVDocument() : m_pSensors(std::make_unique<CSensorSet>(m_project))
{
  m_bSaveSettings = 1;
  m_project.SetEditLevel(0);
}

CKMVDocument::~CKMVDocument() = default;

void CKMVDocument::SetMessageSink(CMessageSink* messages)
{
  CExtDocument::SetMessageSink(messages);
  m_project.SetMessageSink(messages);
}

bool CKMVDocument::OnNewDocument()
{
  if (!CExtDocument::OnNewDocument())
    return false;
  m_nFormatErrorLine = 0;
  m_sensorValues = {};
  m_nCurrentSensor = 1;
  std::string title = GetTitle();
  if (!IsBuiltinModelName(title)) {
    m_project.Init(m_text, "Project");
    m_pSensors = std::make_unique<CSensorSet>(m_project);
    return true;
  }
  m_text.Clear();
  if (int code = FindBuiltinModelCode(title); code != 0)
    LoadModelResource(code, m_text);
  SetTitle(title.substr(1));
  LoadStatus loaded;
  if (!m_text.IsEmpty())
    loaded = m_project.Load(m_text);
  if (m_text.IsEmpty() || m_project.GetRoot().Children().empty()) {
    ShowMessage(LoadString(IDS_MODEL_MISSING));
    return false;
  }
  m_nFormatErrorLine = loaded.nErrorLine;
  if (!loaded.IsOk())
    ShowMessage(DescribeFormatError(loaded.nErrorLine, title));
  ReadSensors();
  return true;
}

bool CKMVDocument::OnNewDocumentFromText(const std::string& title, std::string_view text)
{
  if (!CExtDocument::OnNewDocument())
    return false;
  m_sensorValues = {};
  m_nCurrentSensor = 1;
  m_text.Assign(text);
  LoadStatus loaded = m_project.Load(m_text);
  if (m_project.GetRoot().Children().empty()) {
    ShowMessage(LoadString(IDS_MODEL_MISSING));
    return false;
  }
  m_nFormatErrorLine = loaded.nErrorLine;
  SetTitle(title);
  ReadSensors();
  SetModifiedFlag();
  return true;
}

bool CKMVDocument::OnOpenDocument(const std::string& path, FileForm form)
{
  std::string fullPath = AbsolutePath(path);
  // Includes with relative paths are looked for beside the project.
  std::error_code ignored;
  std::filesystem::current_path(std::filesystem::path(fullPath).parent_path(), ignored);
  ReadStatus status = ReadWholeFile(fullPath, m_text);
  if (status != ReadStatus::Ok) {
    ShowMessage(DescribeReadStatus(status, FileNameText(path)));
    return false;
  }
  if (form == FileForm::Scrambled)
    Scramble(m_text.Reserve(m_text.GetLength()), static_cast<size_t>(m_text.GetLength()));
  LoadStatus loaded = m_project.Load(m_text);
  // Checked before anything is refreshed: the module runs would rewrite the
  // text, and an unreadable file would open as an empty project.
  if (m_project.GetRoot().Children().empty()) {
    ShowMessage(loaded.IsOk() ? std::string(kOpenDocumentError)
                              : std::string(kOpenDocumentError) + "\nFormatfehler in Zeile " +
                                    std::to_string(loaded.nErrorLine) + " von " + FileNameText(path) + ".");
    return false;
  }
  m_nFormatErrorLine = loaded.nErrorLine;
  if (!loaded.IsOk())
    ShowMessage(DescribeFormatError(loaded.nErrorLine, FileNameText(path)));
  m_nCurrentSensor = 1;
  ReadSensors();
  m_fileForm = form;
  SetPathName(fullPath);
  SetModifiedFlag(false);
  return true;
}

SaveStatus CKMVDocument::Save()
{
  if (m_nFormatErrorLine != 0) {
    ShowMessage(kSaveRefusedText);
    return SaveStatus::NeedsName;
  }
  if (GetPathName().empty())
    return SaveStatus::NeedsName;
  if (!WriteProjectFile(GetPathName(), m_fileForm))
    return SaveStatus::Failed;
  SetModifiedFlag(false);
  return SaveStatus::Saved;
}

bool CKMVDocument::SaveAs(const std::string& path, FileForm form)
{
  std::string fullPath = AbsolutePath(path);
  RebaseUnderlay(m_project, GetPathName(), fullPath);
  if (!WriteProjectFile(fullPath, form)) {
    RebaseUnderlay(m_project, fullPath, GetPathName());
    return false;
  }
  SetPathName(fullPath);
  m_fileForm = form;
  m_nFormatErrorLine = 0;
  SetModifiedFlag(false);
  return true;
}

bool CKMVDocument::WriteProjectFile(const std::string& path, FileForm form)
{
  if (m_pTreeView) {
    m_project.SaveText(*m_pTreeView);
  } else {
    // Without a tree view the groups keep their stored states.
    m_project.WriteTree(m_text);
    m_project.WriteModules(m_text);
  }
  if (m_text.HasOverflowed()) {
    ShowMessage(kTextTooLargeText);
    return false;
  }
  std::string bytes(m_text.View());
  if (form == FileForm::Scrambled)
    Scramble(bytes.data(), bytes.size());
  std::string error;
  if (!WriteFileSafely(path, bytes, error)) {
    ShowMessage(error);
    return false;
  }
  return true;
}

void CKMVDocument::ReadSensors()
{
  m_pSensors = std::make_unique<CSensorSet>(m_project);
  if (m_nCurrentSensor > m_pSensors->Count())
    m_nCurrentSensor = 1;
  RefreshAllSensors();
}

void CKMVDocument::RefreshAllSensors()
{
  for (size_t sensor = 1; sensor <= m_pSensors->Count(); ++sensor)
    if (sensor != m_nCurrentSensor)
      m_pSensors->Run(sensor, CModuleTable::RunIndexOf("CAD1"));
  RefreshSensorValues();
}

void CKMVDocument::ReadSensorValues()
{
  auto read = [this](int index) {
    ModuleResult result = ReadSensorModule(index);
    return result.status < 0 ? 0.0 : result.value;
  };
  m_sensorValues.height = read(CModuleTable::RunIndexOf("MH1"));
  m_sensorValues.turn = read(CModuleTable::RunIndexOf("DW1"));
  m_sensorValues.tilt = read(CModuleTable::RunIndexOf("KW1"));
}

void CKMVDocument::RefreshSensorValues()
{
  ReadSensorValues();
  RunSensorModule(CModuleTable::RunIndexOf("CAD1"));
}

bool CKMVDocument::SetCurrentSensor(size_t sensor)
{
  if (sensor < 1 || sensor > CountSensors())
    return false;
  if (sensor != m_nCurrentSensor) {
    m_nCurrentSensor = sensor;
    ReadSensorValues();
  }
  return true;
}

size_t CKMVDocument::CountSensors() const
{
  return m_pSensors->Count();
}

ModuleResult CKMVDocument::RunSensorModule(int index, bool configure)
{
  return m_pSensors->Run(m_nCurrentSensor, index, configure);
}

ModuleResult CKMVDocument::ReadSensorModule(int index)
{
  return m_nCurrentSensor == 1 ? m_project.ReadModule(index) : RunSensorModule(index);
}

ModuleResult CKMVDocument::RunModuleCommand(int index, bool configure)
{
  CDocumentChange change(*this, kModuleChangeName);
  bool patchesWereCurrent = m_pSensors->ArePatchesCurrent(m_nCurrentSensor);
  ModuleResult result;
  {
    // The module's run and CAD1's rerun write the text once.
    CProject::CTextHold hold(m_project);
    result = RunSensorModule(index, configure);
    if (result.status >= 0)
      RefreshSensorValues();
  }
  if (result.status < 0) {
    // The tree is unchanged, but the patches it still holds are no longer shown.
    if (patchesWereCurrent != m_pSensors->ArePatchesCurrent(m_nCurrentSensor))
      UpdateAllViews(kHintTreeUnchanged);
    return result;
  }
  SetModifiedFlag();
  UpdateAllViews(kHintTreeUnchanged);
  return result;
}

bool CKMVDocument::EditProperties()
{
  if (!m_pTreeView) {
    ShowMessage(LoadString(IDS_SELECT_ENTRY));
    return false;
  }
  CDocumentChange change(*this, kPropertiesChangeName);
  if (!m_project.EditSelected(*m_pTreeView))
    return false;
  SetModifiedFlag();
  // The entry may be the room's, which every sensor sees.
  RefreshAllSensors();
  UpdateAllViews(0);
  return true;
}

bool CKMVDocument::OnCommand(int commandId)
{
  if (commandId == ID_EDIT_PROPERTIES) {
    EditProperties();
    return true;
  }
  if (commandId == ID_SAVE_SETTINGS) {
    m_bSaveSettings = m_bSaveSettings ? 0 : 1;
    return true;
  }
  if (std::optional<ModuleCommand> command = MapCommand(commandId)) {
    RunModuleCommand(command->index, command->configure);
    return true;
  }
  return false;
}

void CKMVDocument::BeginChange(const std::string& name, int mergeKey)
{
  if (m_nChangeDepth++ > 0 || !m_pChangeLog)
    return;
  m_strChangeName = name;
  m_nChangeKey = mergeKey;
  m_strTextBefore = m_text.View();
}

void CKMVDocument::EndChange()
{
  if (m_nChangeDepth == 0 || --m_nChangeDepth > 0 || !m_pChangeLog)
    return;
  // The tree view's expanded states are left as the text holds them: a
  // change that is cancelled must leave the text as it was.
  std::string after(m_text.View());
  if (after != m_strTextBefore)
    m_pChangeLog->RecordChange(m_strChangeName, m_nChangeKey, std::move(m_strTextBefore), std::move(after));
  m_strTextBefore.clear();
}

void CKMVDocument::RestoreText(std::string_view text)
{
  RestoreText(text, GetPathName());
}

void CKMVDocument::RestoreText(std::string_view text, const std::string& writtenFor)
{
  m_text.Assign(text);
  m_project.Load(m_text);
  if (writtenFor != GetPathName()) {
    RebaseUnderlay(m_project, writtenFor, GetPathName());
    m_project.Refresh();
  }
  ReadSensors();
  UpdateAllViews(0);
}

void CKMVDocument::ReplaceText(std::string_view text, size_t sensor)
{
  CDocumentChange change(*this, kModuleChangeName);
  m_nCurrentSensor = sensor;
  RestoreText(text);
  SetModifiedFlag();
}
