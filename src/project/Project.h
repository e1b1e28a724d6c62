#pragma once

#include "ItemGroup.h"
#include "ModuleResult.h"
#include "ModuleTable.h"
#include "PatchState.h"

#include <functional>
#include <string>
#include <string_view>

class CEntryEditor;
class CMessageSink;
class CModuleDialog;
class CProjectTree;
class CTextBuffer;

// Outcome of a load: the line (from 1) of the first format error, 0 when the
// whole text was read. A document must not overwrite a file that had one.
struct LoadStatus {
  int nErrorLine = 0;
  bool IsOk() const { return nErrorLine == 0; }
};

// One open project: the entry tree, the ten modules and the project text
// that holds both. After every load, change and module run the text is
// rewritten from the tree, the links are resolved and the transforms are
// current.
class CProject {
public:
  CProject() = default;
  CProject(const CProject&) = delete;
  CProject& operator=(const CProject&) = delete;

  // Holds the text back while module runs follow each other: it is written
  // once, when the last hold ends, if anything would have written it.
  // Nothing may read the project's text meanwhile.
  class CTextHold {
  public:
    explicit CTextHold(CProject& project) : m_project(project) { ++m_project.m_nTextHolds; }
    ~CTextHold();
    CTextHold(const CTextHold&) = delete;
    CTextHold& operator=(const CTextHold&) = delete;

  private:
    CProject& m_project;
  };

  // Where messages, module dialogs and entry dialogs go; each may be null
  // (nothing shown, dialogs count as cancelled). Not owned.
  void SetMessageSink(CMessageSink* messages) { m_pMessages = messages; }
  void SetModuleDialog(CModuleDialog* dialog) { m_pModuleDialog = dialog; }
  void SetEntryEditor(CEntryEditor* editor) { m_pEntryEditor = editor; }

  // Builds the project from the text, which the project then keeps writing
  // into (not owned). Entries read before a format error stay, and the
  // module section is read from the whole text all the same.
  LoadStatus Load(CTextBuffer& text);
  // Starts an empty project whose root bears the name.
  void Init(CTextBuffer& text, const std::string& rootName);
  // Stores the tree view's expanded states and rewrites the text.
  void SaveText(CTreeControl& tree);
  // Rewrites the text, then resolves the links, then updates the transforms:
  // so a freshly loaded link writes the value it read before pushing it.
  void Refresh();
  // The text becomes the tree's records, "begin-sim-data" to "end-sim-data".
  void WriteTree(CTextBuffer& text);
  void WriteModules(CTextBuffer& text) const;
  void ReadModules(std::string_view text);

  // Runs (or configures) the module of the run index, then resolves the
  // links, updates the transforms and rewrites the text, whatever the index.
  // Indices without a module fail with status -1.
  ModuleResult RunModule(int index, bool configure = false);
  // Runs a module that only reads a number (MH1, DW1, KW1): the tree and the
  // text stay as they are, so nothing is resolved, updated or rewritten.
  ModuleResult ReadModule(int index);
  // Runs a module of a further sensor's table on this tree as RunModule
  // does; the own patches' state stays as it is.
  ModuleResult RunForeignModule(CModule& module, bool configure = false);
  // FALSE after CAD1 failed: the results group still holds the patches of an
  // earlier setting (a failed run leaves the tree unchanged). TRUE again
  // after CAD1's next successful run; a cancelled dialog changes nothing.
  bool ArePatchesCurrent() const { return m_patches.bCurrent; }
  // Whether the entry lies inside the results group, which CAD1 refills.
  bool IsResultEntry(const CItemBase& entry);

  // Changes the entry selected in the tree view; message 40010 when none is.
  bool EditSelected(CProjectTree& tree);
  // Opens the entry's dialog and refreshes when the user confirmed. An entry
  // that is not in this project's tree is not touched.
  bool EditEntry(CItemBase& entry);
  // Fills the tree view anew, keeping the expanded states of the groups.
  void RebuildTree(CProjectTree& tree);
  // Draws the entries; stale patches are left out, and so are current ones
  // (not their rays) without bPatches, when the caller draws them its way.
  // With drawTop given, only the top-level entries (and all inside them)
  // for which it holds are drawn.
  void DrawTree(bool bPatches = true, const std::function<bool(const CItemBase&)>& drawTop = {});
  // The group of stale patches that DrawTree leaves out; null while the
  // patches are current.
  CItemBase* FindStalePatches();

  void SetEditLevel(int level) { m_nEditLevel = level; }
  int GetEditLevel() const { return m_nEditLevel; }
  CItemGroup& GetRoot() { return m_root; }
  CModuleTable& GetModules() { return m_modules; }

private:
  void WriteText();

  int m_nEditLevel = 0;
  int m_nTextHolds = 0;
  bool m_bTextHeld = false;
  CPatchState m_patches;
  CItemGroup m_root;
  CTextBuffer* m_pText = nullptr;
  CModuleTable m_modules;
  CMessageSink* m_pMessages = nullptr;
  CModuleDialog* m_pModuleDialog = nullptr;
  CEntryEditor* m_pEntryEditor = nullptr;
};
