#pragma once

#include "CmdTarget.h"
#include "Coverage.h"
#include "DocumentUndo.h"
#include "DocumentViews.h"
#include "EntryDialogs.h"
#include "KMVDocument.h"
#include "ModuleSheet.h"
#include "SensorCoverages.h"
#include "ShadowLayer.h"
#include "ViewHost.h"
#include "ZoneCoverage.h"

#include <QPointer>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class CKMVApp;
class CKMVChildFrame;
class CCoverageDlg;
class CPlanWindow;

// One open project with its windows: the document, its child frames in the
// order they were made, and what the document's commands need of them. It
// is the document's view of its windows and the document's place in the
// command chain.
class CDocumentWindows : public CDocumentViews, public CCmdTarget, public CViewHost {
public:
  explicit CDocumentWindows(CKMVApp& app);
  ~CDocumentWindows() override;
  CDocumentWindows(const CDocumentWindows&) = delete;
  CDocumentWindows& operator=(const CDocumentWindows&) = delete;

  CKMVDocument& GetDocument() override { return m_document; }
  CDocumentUndo& GetUndo() { return m_undo; }
  CKMVApp& GetApp() { return m_app; }
  const std::vector<CKMVChildFrame*>& GetFrames() const { return m_frames; }

  // Makes a frame with its views and their first update; the first frame of
  // a document is its primary frame. Null when it cannot be made.
  CKMVChildFrame* CreateFrame();
  // Closes and deletes one frame, without the settings file.
  void CloseFrame(CKMVChildFrame& frame);

  void UpdateAllViews(int hint) override;
  int NumberFrames() override;

  // The status-bar texts of the document's current sensor (its number when
  // there are several) and the floor's coverage.
  void ShowSensorStatus() override;
  // Makes sensor N current (the tree's choice): its values, limits and
  // panes; nothing for a sensor the document does not hold.
  void ChooseSensor(size_t sensor) override;
  // The projected coverage at the last update; none without CAD1's entries.
  const std::optional<CCoverage>& GetCoverage() const override { return m_coverage; }
  // The room plan's no-watch zones measured with that coverage, in plan order.
  const std::vector<CZoneCoverage>& GetZones() const override { return m_zones; }
  // With several sensors, each shown sensor's coverage alone at the last
  // update (CollectSensorPatches); none with one sensor or without coverage.
  const std::optional<std::vector<CSensorPatches>>& GetSensorPatches() const override { return m_sensorPatches; }
  // The open "Grundriss" window; null when there is none.
  CPlanWindow* GetPlanWindow() const;
  // The document's name as the user sees it.
  QString GetTitle() const override;
  // Frame captions: the title, numbered when there are several frames.
  void UpdateFrameTitles();
  // The application's message boxes and printer, handed on to the views.
  CMessageSink& GetMessages() override;
  QPrinter& GetPrinter() override;

  // Asks to save a modified document: TRUE when it may be closed.
  bool SaveModified();
  // Writes the settings file (when wanted) and destroys the frames.
  void CloseWindows();
  // "Speichern" / "Speichern unter": TRUE when the document was written.
  bool DoSave(bool askForName);
  // A modified document is written to its recovery file; an unmodified one
  // has none.
  void WriteRecoveryFile();
  void RemoveRecoveryFile();

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;

private:
  void CloseWindowsWithoutSettings();
  // Whether the reading module of each sensor axis reports a limit: after
  // every update, load and configuring command, never on a UI query.
  void RefreshLimitStates();
  bool IsStepEnabled(int id) const;
  // Once per update, before the views draw it, never per paint.
  void RefreshCoverage();
  // With several sensors: each sensor's coverage alone, as RefreshCoverage
  // measured it, for drawing each in its colour.
  void RefreshSensorPatches();
  // Every sensor's patches, not only the current one's: the union counts them all.
  bool PatchesCurrent();
  // "Abdeckung...": the document's one table, made on first use.
  void ShowCoverageDialog();
  // "Grundriss": the document's one plan window, made on first use.
  void ShowPlanWindow();
  void ShowPlanInWindow();
  // Runs a command that may change the document as one named undo step.
  void RunDocumentChange(int id);

  CKMVApp& m_app;
  CModuleSheet m_moduleSheet;
  CEntryDialogs m_entryDialogs;
  CKMVDocument m_document;
  CDocumentUndo m_undo{m_document};
  std::vector<CKMVChildFrame*> m_frames;
  // Status of MH1, KW1 and DW1 at the last refresh.
  std::array<int, 3> m_limitStatus = {-1, -1, -1};
  // The union of every sensor's coverage; with two or more sensors each
  // one's alone too.
  std::optional<CCoverage> m_coverage;
  std::vector<std::optional<CCoverage>> m_sensorCoverages;
  // Each sensor's coverage kept until what it was measured from changes.
  CSensorCoverages m_coverages;
  std::vector<CZoneCoverage> m_zones;
  std::optional<std::vector<CSensorPatches>> m_sensorPatches;
  // Parented to the main window, so it may go first at the program's end.
  QPointer<CCoverageDlg> m_pCoverageDlg;
  // Closes with its own button, so it may go first.
  QPointer<CPlanWindow> m_pPlanWindow;
  QString m_recoveryFile;
};
