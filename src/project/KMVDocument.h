#pragma once

#include "ChangeLog.h"
#include "ExtDocument.h"
#include "ModuleResult.h"
#include "Project.h"
#include "SensorValues.h"
#include "TextBuffer.h"

#include <memory>
#include <string>
#include <string_view>

class CEntryEditor;
class CModuleDialog;
class CProjectTree;
class CSensorSet;

// How a project file holds its text: scrambled (".kmv", every byte XOR the
// key) or plain.
enum class FileForm { Scrambled, Plain };

enum class SaveStatus {
  Saved,
  // The document has no file of its own, or was read incompletely: the
  // user must pick a name ("Speichern unter").
  NeedsName,
  // Writing failed; the old file is untouched and the document stays modified.
  Failed,
};

// The project document: the project and its text, scrambled project files,
// the built-in sensor models, the sensor values of the status bar and the
// document's commands.
class CKMVDocument : public CExtDocument {
public:
  CKMVDocument();
  ~CKMVDocument() override;

  void SetMessageSink(CMessageSink* messages) override;
  void SetModuleDialog(CModuleDialog* dialog) { m_project.SetModuleDialog(dialog); }
  void SetEntryEditor(CEntryEditor* editor) { m_project.SetEntryEditor(editor); }
  // The tree view whose expanded states are saved and whose selection the
  // properties command edits; null when there is none.
  void SetTreeView(CProjectTree* tree) { m_pTreeView = tree; }

  // A title starting with "*" opens that built-in model (message 40014 when
  // there is none); any other title starts an empty project.
  bool OnNewDocument() override;
  // Opens a project made from a text (a generated room) as a document
  // without a file, titled, and modified so that closing offers to save it.
  // FALSE (message 40014) when the text holds no entry.
  bool OnNewDocumentFromText(const std::string& title, std::string_view text);
  // Reads a project file. A file without a readable entry fails before
  // anything is refreshed; a format error keeps what was read before it and
  // bars saving over the original.
  bool OnOpenDocument(const std::string& path, FileForm form = FileForm::Scrambled);
  // "Speichern": writes the document's own file in the form it was read in.
  SaveStatus Save();
  // "Speichern unter": on success the document belongs to the new file.
  bool SaveAs(const std::string& path, FileForm form = FileForm::Scrambled);

  // Reads the current sensor's height, turn and tilt (failed reads give
  // 0.0), then reruns its CAD1.
  void RefreshSensorValues();
  // Runs a module of the current sensor; unless it failed, marks the
  // document modified, refreshes the sensor values and updates the views
  // with hint 1. A failed CAD1 run updates the views too, which then leave
  // that sensor's stale patches out.
  ModuleResult RunModuleCommand(int index, bool configure);
  // Runs a module of the current sensor and nothing else.
  ModuleResult RunSensorModule(int index, bool configure = false);
  // A module of the current sensor that only reads a number (MH1, DW1, KW1);
  // for sensor 1 nothing is refreshed (CProject::ReadModule).
  ModuleResult ReadSensorModule(int index);
  // Properties of the marked entry (message 40010 when none is marked).
  bool EditProperties();

  // Receives every change that alters the project text; may be null.
  void SetChangeLog(CChangeLog* log) { m_pChangeLog = log; }
  // Every change of the project happens inside a change (CDocumentChange).
  // Changes nest; the outermost one names the step and, when the project
  // text differs at its end, hands the texts before and after to the log.
  void BeginChange(const std::string& name, int mergeKey = 0);
  void EndChange();
  // Undo and redo: the project becomes a text the change log was given; the
  // sensor values are read again and the views rebuilt. Not itself a change.
  void RestoreText(std::string_view text);
  // As RestoreText, for a text written while the document's file was
  // `writtenFor`: its underlay is named anew for the document's own file.
  void RestoreText(std::string_view text, const std::string& writtenFor);
  // As RestoreText, with `sensor` current when the text holds it (else
  // sensor 1), inside the caller's change; marks the document modified.
  void ReplaceText(std::string_view text, size_t sensor);
  // The document's commands; FALSE for a command it does not handle.
  bool OnCommand(int commandId);

  const SensorValues& GetSensorValues() const { return m_sensorValues; }
  // The sensor (numbered from 1) that the step buttons, the status panes and
  // the module dialogs act on. A new or opened project starts with sensor 1;
  // when a change removes the current sensor, sensor 1 becomes current.
  size_t GetCurrentSensor() const { return m_nCurrentSensor; }
  // FALSE, and nothing changes, for a sensor the project does not hold.
  // The sensor values are those of the new current sensor.
  bool SetCurrentSensor(size_t sensor);
  // The sensors of the project as last loaded.
  CSensorSet& GetSensors() { return *m_pSensors; }
  size_t CountSensors() const;
  CProject& GetProject() { return m_project; }
  const CTextBuffer& GetText() const { return m_text; }
  // Line of the format error the document was read with, 0 if none.
  int GetFormatErrorLine() const { return m_nFormatErrorLine; }

private:
  bool WriteProjectFile(const std::string& path, FileForm form);
  // After every load: the sensor set anew and every sensor's CAD1 run once,
  // the current one last with its values.
  void ReadSensors();
  // Every sensor's CAD1 run, the current one's last after its values.
  void RefreshAllSensors();
  void ReadSensorValues();

  CTextBuffer m_text;
  CProject m_project;
  CProjectTree* m_pTreeView = nullptr;
  SensorValues m_sensorValues;
  std::unique_ptr<CSensorSet> m_pSensors;
  size_t m_nCurrentSensor = 1;
  FileForm m_fileForm = FileForm::Scrambled;
  int m_nFormatErrorLine = 0;
  CChangeLog* m_pChangeLog = nullptr;
  int m_nChangeDepth = 0;
  std::string m_strChangeName;
  int m_nChangeKey = 0;
  std::string m_strTextBefore;
};

// One change of a document for as long as it lives.
class CDocumentChange {
public:
  CDocumentChange(CKMVDocument& document, const std::string& name, int mergeKey = 0) : m_document(document)
  {
    m_document.BeginChange(name, mergeKey);
  }
  ~CDocumentChange() { m_document.EndChange(); }
  CDocumentChange(const CDocumentChange&) = delete;
  CDocumentChange& operator=(const CDocumentChange&) = delete;

private:
  CKMVDocument& m_document;
};
