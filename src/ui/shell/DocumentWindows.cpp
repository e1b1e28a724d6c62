#include "DocumentWindows.h"

#include "AddSensorDlg.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "CoverageDlg.h"
#include "CoverageStatus.h"
#include "DetectionHeight.h"
#include "HeightField.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVTreeView.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "ModuleTable.h"
#include "PagePainter.h"
#include "PlacementCommand.h"
#include "PlanEntries.h"
#include "PlanWindow.h"
#include "SaveFileDialog.h"
#include "SensorChange.h"
#include "SensorSet.h"
#include "SensorUnion.h"
#include "TextEncoding.h"
#include "ZoneMarks.h"

#include <QFile>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

// The reading modules of height, tilt and turn, the order of the limit states.
constexpr std::array<std::string_view, 3> kReadingModules = {"MH1", "KW1", "DW1"};
constexpr int kStatusAtMinimum = 1;
constexpr int kStatusAtMaximum = 2;

// The undo step of a command is named as its menu entry, without the
// mnemonic, the shortcut and the dots of a dialog (Windows-1252).
std::string StepName(int id)
{
  const CommandInfo* info = FindCommand(id);
  if (!info)
    return {};
  QString name = QString::fromUtf8(info->text.data(), static_cast<qsizetype>(info->text.size()));
  name = name.section('\t', 0, 0).remove('&');
  if (name.endsWith("..."))
    name.chop(3);
  return Utf8ToCp1252(name.toStdString());
}

QString UndoMenuText(const char* command, const QString& step)
{
  return step.isEmpty() ? QString(command) : QString(command) + ": " + step;
}

} // namespace

CDocumentWindows::CDocumentWindows(CKMVApp& app)
    : m_app(app), m_moduleSheet(app.GetMessages(), [&app] { return static_cast<QWidget*>(&app.GetMainFrame()); }),
      m_entryDialogs(&app.GetMainFrame(), app.GetMessages())
{
  m_document.SetViews(this);
  m_document.SetMessageSink(&app.GetMessages());
  m_document.SetEntryEditor(&m_entryDialogs);
  m_document.SetModuleDialog(&m_moduleSheet);
  m_document.SetChangeLog(&m_undo);
}

CDocumentWindows::~CDocumentWindows()
{
  CloseWindowsWithoutSettings();
  m_document.SetViews(nullptr);
  m_document.SetChangeLog(nullptr);
}

CKMVChildFrame* CDocumentWindows::CreateFrame()
{
  bool primary = m_frames.empty();
  if (primary) {
    RefreshCoverage();
    // A document shown modified (a new room) has no saved state to undo to.
    if (m_document.IsModified())
      m_undo.MarkUnsaved();
  }
  auto* frame = new CKMVChildFrame(m_app.GetMainFrame(), *this, primary);
  if (!frame->Create()) {
    delete frame;
    return nullptr;
  }
  m_frames.push_back(frame);
  m_app.GetMainFrame().AddChildFrame(*frame);
  frame->OnInitialUpdate();
  RefreshLimitStates();
  UpdateFrameTitles();
  return frame;
}

void CDocumentWindows::CloseFrame(CKMVChildFrame& frame)
{
  m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), &frame), m_frames.end());
  m_app.GetMainFrame().RemoveChildFrame(frame);
  delete &frame;
  UpdateFrameTitles();
}

void CDocumentWindows::UpdateAllViews(int hint)
{
  RefreshLimitStates();
  RefreshCoverage();
  if (m_pCoverageDlg && m_pCoverageDlg->isVisible()) {
    m_pCoverageDlg->ShowCoverage(m_coverage, PatchesCurrent(), m_sensorCoverages);
    m_pCoverageDlg->ShowZones(m_zones);
  }
  ShowPlanInWindow();
  for (CKMVChildFrame* frame : m_frames)
    frame->OnUpdate(hint);
  m_app.GetMainFrame().UpdateCommandUI();
}

int CDocumentWindows::NumberFrames()
{
  return static_cast<int>(m_frames.size());
}

void CDocumentWindows::ShowSensorStatus()
{
  // Named only where there is a choice, so a one-sensor project looks as before.
  m_app.GetMainFrame().SetCurrentSensorStatus(
      m_document.CountSensors() > 1 ? "Sensor " + QString::number(m_document.GetCurrentSensor()) : QString());
  m_app.GetMainFrame().SetSensorStatus(FormatSensorStatus(m_document.GetSensorValues()));
  m_app.GetMainFrame().SetCoverageStatus(FormatCoverageStatus(m_coverage, PatchesCurrent()));
}

QString CDocumentWindows::GetTitle() const
{
  return DocumentTitle(m_document);
}

CMessageSink& CDocumentWindows::GetMessages()
{
  return m_app.GetMessages();
}

QPrinter& CDocumentWindows::GetPrinter()
{
  return m_app.GetPrinter();
}

void CDocumentWindows::UpdateFrameTitles()
{
  QString title = GetTitle();
  for (size_t i = 0; i < m_frames.size(); ++i)
    m_frames[i]->setWindowTitle(m_frames.size() == 1 ? title : title + ":" + QString::number(i + 1));
  if (m_pCoverageDlg)
    m_pCoverageDlg->SetDocumentTitle(title);
  if (m_pPlanWindow)
    m_pPlanWindow->setWindowTitle("Grundriss - " + title);
  m_app.GetMainFrame().UpdateCaption();
}

bool CDocumentWindows::SaveModified()
{
  if (!m_document.IsModified())
    return true;
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationName),
                  QString("Sollen die Änderungen an %1 gespeichert werden?").arg(GetTitle()), QMessageBox::NoButton,
                  &m_app.GetMainFrame());
  QAbstractButton* yes = box.addButton("&Ja", QMessageBox::YesRole);
  QAbstractButton* no = box.addButton("&Nein", QMessageBox::NoRole);
  box.setEscapeButton(box.addButton("Abbrechen", QMessageBox::RejectRole));
  box.setDefaultButton(qobject_cast<QPushButton*>(yes));
  box.exec();
  if (box.clickedButton() == yes)
    return DoSave(false);
  return box.clickedButton() == no;
}

bool CDocumentWindows::DoSave(bool askForName)
{
  if (!askForName) {
    SaveStatus status = m_document.Save();
    if (status == SaveStatus::Saved) {
      m_undo.MarkSaved();
      RemoveRecoveryFile();
      return true;
    }
    if (status == SaveStatus::Failed)
      return false;
  }
  QString suggested = GetTitle();
  if (!suggested.endsWith(".kmv", Qt::CaseInsensitive))
    suggested += ".kmv";
  std::string path = AskSaveFileName(&m_app.GetMainFrame(), "Speichern unter", suggested, "Projekt (*.kmv)", "kmv");
  if (path.empty() || !m_document.SaveAs(path))
    return false;
  m_undo.MarkSaved();
  RemoveRecoveryFile();
  m_app.AddRecentFile(m_document.GetPathName());
  UpdateFrameTitles();
  return true;
}

void CDocumentWindows::WriteRecoveryFile()
{
  if (!m_document.IsModified()) {
    RemoveRecoveryFile();
    return;
  }
  if (m_recoveryFile.isEmpty())
    m_recoveryFile = m_app.GetRecoveryFiles().NewFileName();
  CRecoveredProject project{m_document.GetTitle(), m_document.GetPathName(), std::string(m_document.GetText().View())};
  std::string error;
  // A failed copy is tried again at the next turn; the work itself is not at stake.
  CRecoveryFiles::Write(m_recoveryFile, project, error);
}

void CDocumentWindows::RemoveRecoveryFile()
{
  if (!m_recoveryFile.isEmpty())
    QFile::remove(m_recoveryFile);
  m_recoveryFile.clear();
}

void CDocumentWindows::CloseWindows()
{
  RemoveRecoveryFile();
  if (m_document.BeginStoreSettings()) {
    for (CKMVChildFrame* frame : m_frames)
      frame->WriteAllSettings();
    m_document.EndStoreSettings();
  }
  CloseWindowsWithoutSettings();
}

void CDocumentWindows::CloseWindowsWithoutSettings()
{
  delete m_pCoverageDlg.data();
  delete m_pPlanWindow.data();
  std::vector<CKMVChildFrame*> frames;
  frames.swap(m_frames);
  for (CKMVChildFrame* frame : frames) {
    m_app.GetMainFrame().RemoveChildFrame(*frame);
    delete frame;
  }
}

void CDocumentWindows::RefreshLimitStates()
{
  for (size_t axis = 0; axis < kReadingModules.size(); ++axis)
    m_limitStatus[axis] = m_document.ReadSensorModule(CModuleTable::RunIndexOf(kReadingModules[axis])).status;
}

void CDocumentWindows::ChooseSensor(size_t sensor)
{
  if (sensor == m_document.GetCurrentSensor() || !m_document.SetCurrentSensor(sensor))
    return;
  RefreshLimitStates();
  ShowSensorStatus();
  // The views outline the current sensor's patches; the coverage stays.
  for (CKMVChildFrame* frame : m_frames)
    frame->OnUpdate(kHintTreeUnchanged);
  if (m_pPlanWindow)
    m_pPlanWindow->ShowCurrentSensor();
  m_app.GetMainFrame().UpdateCommandUI();
}

bool CDocumentWindows::PatchesCurrent()
{
  return m_document.GetSensors().AllPatchesCurrent();
}

void CDocumentWindows::RefreshCoverage()
{
  // Stale patches have no coverage to show, only that they are stale.
  CProject& project = m_document.GetProject();
  CSensorSet& sensors = m_document.GetSensors();
  m_sensorCoverages.clear();
  m_coverage.reset();
  if (PatchesCurrent()) {
    m_coverages.Analyse(project, sensors, true, ReadDetectionHeight(project), m_document.GetCurrentSensor());
    m_coverage = m_coverages.United();
    if (sensors.Count() >= 2)
      m_sensorCoverages = m_coverages.Each();
  }
  std::optional<CRoomPlan> plan = m_coverage ? FindRoomPlan(project) : std::nullopt;
  m_zones = plan ? MeasureZones(*plan, *m_coverage) : std::vector<CZoneCoverage>();
  RefreshSensorPatches();
}

void CDocumentWindows::RefreshSensorPatches()
{
  m_sensorPatches.reset();
  if (m_coverage && !m_sensorCoverages.empty())
    m_sensorPatches = SensorPatchesOf(m_document.GetProject(), m_document.GetSensors(), m_sensorCoverages);
}

void CDocumentWindows::ShowCoverageDialog()
{
  if (!m_pCoverageDlg) {
    m_pCoverageDlg = new CCoverageDlg(&m_app.GetMainFrame());
    m_pCoverageDlg->SetDocumentTitle(GetTitle());
    m_pCoverageDlg->SetHeightField(new CHeightField(m_document, m_app.GetMessages(), m_pCoverageDlg));
  }
  m_pCoverageDlg->ShowCoverage(m_coverage, PatchesCurrent(), m_sensorCoverages);
  m_pCoverageDlg->ShowZones(m_zones);
  m_pCoverageDlg->show();
  m_pCoverageDlg->raise();
  m_pCoverageDlg->activateWindow();
}

CPlanWindow* CDocumentWindows::GetPlanWindow() const
{
  return m_pPlanWindow;
}

void CDocumentWindows::ShowPlanWindow()
{
  if (!m_pPlanWindow) {
    m_pPlanWindow = new CPlanWindow(m_document, m_app.GetMessages());
    m_pPlanWindow->setWindowTitle("Grundriss - " + GetTitle());
    QObject::connect(m_pPlanWindow, &CPlanWindow::SensorChosen, m_pPlanWindow,
                     [this](size_t sensor) { ChooseSensor(sensor); });
    m_app.GetMainFrame().GetMdiArea().addSubWindow(m_pPlanWindow);
  }
  m_pPlanWindow->show();
  ShowPlanInWindow();
  m_app.GetMainFrame().GetMdiArea().setActiveSubWindow(m_pPlanWindow);
}

void CDocumentWindows::ShowPlanInWindow()
{
  if (!m_pPlanWindow)
    return;
  std::vector<CFloorPatches> floorPatches;
  if (m_sensorPatches)
    for (const CSensorPatches& sensor : *m_sensorPatches)
      floorPatches.push_back(FloorPatchesOf(sensor.coverage, sensor.sensor));
  else if (m_coverage)
    floorPatches.push_back(FloorPatchesOf(*m_coverage));
  m_pPlanWindow->ShowPlan(floorPatches);
  MarkZones(m_pPlanWindow->GetScene(), m_zones);
}

bool CDocumentWindows::IsStepEnabled(int id) const
{
  switch (id) {
  case ID_HEIGHT_UP:
    return m_limitStatus[0] != kStatusAtMaximum;
  case ID_HEIGHT_DOWN:
    return m_limitStatus[0] != kStatusAtMinimum;
  case ID_TILT_UP:
    return m_limitStatus[1] != kStatusAtMinimum;
  case ID_TILT_DOWN:
    return m_limitStatus[1] != kStatusAtMaximum;
  case ID_TURN_LEFT:
    return m_limitStatus[2] != kStatusAtMinimum;
  case ID_TURN_RIGHT:
    return m_limitStatus[2] != kStatusAtMaximum;
  default:
    return true;
  }
}

bool CDocumentWindows::OnCommand(int id)
{
  switch (id) {
  case ID_FILE_SAVE:
  case ID_FILE_SAVE_AS:
    DoSave(id == ID_FILE_SAVE_AS);
    m_app.GetMainFrame().UpdateCaption();
    return true;
  case ID_FILE_CLOSE:
    m_app.RequestCloseDocument(*this);
    return true;
  case ID_WINDOW_NEW:
    CreateFrame();
    return true;
  case ID_VIEW_COVERAGE:
    ShowCoverageDialog();
    return true;
  case ID_VIEW_PLAN:
    ShowPlanWindow();
    return true;
  case ID_EDIT_UNDO:
    m_undo.GetStack().undo();
    return true;
  case ID_EDIT_REDO:
    m_undo.GetStack().redo();
    return true;
  default:
    break;
  }
  if (MapCommand(id)) {
    // A disabled command is not run, however it arrives.
    if (IsStepEnabled(id))
      RunDocumentChange(id);
    return true;
  }
  if (id == ID_OPTIMIZE_PLACEMENT || id == ID_EDIT_PROPERTIES || id == ID_SENSOR_ADD || id == ID_SENSOR_REMOVE) {
    RunDocumentChange(id);
    return true;
  }
  return m_document.OnCommand(id);
}

void CDocumentWindows::RunDocumentChange(int id)
{
  // The repeats of a held step button and its release click are one step.
  int heldPress = 0;
  const auto& repeating = SensorRepeatCommands();
  if (std::find(repeating.begin(), repeating.end(), id) != repeating.end())
    if (CKMVChildFrame* frame = m_app.GetMainFrame().GetActiveFrame(); frame && frame->GetToolBar())
      heldPress = frame->GetToolBar()->GetHeldPress();
  CDocumentChange change(m_document, StepName(id), heldPress);
  if (id == ID_OPTIMIZE_PLACEMENT)
    RunOptimalPlacement(m_app.GetMainFrame(), m_document);
  else if (id == ID_SENSOR_ADD)
    RunAddSensor(m_app.GetMainFrame(), m_document, m_app.GetMessages());
  else if (id == ID_SENSOR_REMOVE)
    RemoveSensor(m_document, m_document.GetCurrentSensor());
  else if (std::optional<ModuleCommand> command = MapCommand(id)) {
    // A failed run updates no view, yet may end a limit (a broken path).
    if (m_document.RunModuleCommand(command->index, command->configure).status < 0)
      RefreshLimitStates();
  } else
    m_document.OnCommand(id);
}

bool CDocumentWindows::OnUpdateCommand(int id, CCmdUI& ui)
{
  switch (id) {
  case ID_FILE_SAVE:
  case ID_FILE_SAVE_AS:
  case ID_FILE_CLOSE:
  case ID_WINDOW_NEW:
  case ID_EDIT_PROPERTIES:
  case ID_VIEW_COVERAGE:
  case ID_OPTIMIZE_PLACEMENT:
    return true;
  case ID_VIEW_PLAN:
    ui.bEnabled = FindEditablePlan(m_document.GetProject()).has_value();
    return true;
  case ID_SENSOR_ADD:
    ui.bEnabled = FindRoomPlan(m_document.GetProject()).has_value();
    return true;
  case ID_SENSOR_REMOVE:
    ui.bEnabled = CanRemoveSensor(m_document, m_document.GetCurrentSensor());
    return true;
  case ID_SAVE_SETTINGS:
    ui.bChecked = m_document.m_bSaveSettings != 0;
    return true;
  case ID_EDIT_UNDO:
    ui.bEnabled = m_undo.GetStack().canUndo();
    ui.text = UndoMenuText("&Rückgängig", m_undo.GetStack().undoText()).toStdString();
    return true;
  case ID_EDIT_REDO:
    ui.bEnabled = m_undo.GetStack().canRedo();
    ui.text = UndoMenuText("&Wiederherstellen", m_undo.GetStack().redoText()).toStdString();
    return true;
  default:
    break;
  }
  if (MapCommand(id)) {
    ui.bEnabled = IsStepEnabled(id);
    return true;
  }
  return false;
}
