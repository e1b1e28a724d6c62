#pragma once

#include "ItemSystem.h"

class CTextBuffer;

// A system whose children come from another project text: an included file
// or a built-in library model. The children are rebuilt on every load and
// never written; while loaded the entry shows "own name (included name)".
class CItemImport : public CItemSystem {
public:
  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  TreeItemHandle InsertIntoTree(int editLevel, CTreeControl& tree, TreeItemHandle parent) override;
  void SaveTreeState(CTreeControl& tree) override;
  // Loads the children; on failure reports "Fehler beim Einfügen von: ".
  void LoadContent(CParseContext& context) override;
  // Rebuilds the children from the source; FALSE when it cannot be read.
  bool Load(CParseContext& context);

  std::string m_strIncludedName;
  std::string m_strOwnName;

protected:
  using CItemSystem::CItemSystem;
  virtual std::string& Source() = 0;
  // Fills text with the source's project text; key names the source for the
  // guard against loading it inside itself.
  virtual bool FetchText(CTextBuffer& text, std::string& key) = 0;
};

// Places the tree of another plain project text file.
class CItemInclude : public CItemImport {
public:
  CItemInclude() : CItemImport("include") {}
  void SetInsertDefaults() override;

  std::string m_strPath;

protected:
  std::string& Source() override { return m_strPath; }
  bool FetchText(CTextBuffer& text, std::string& key) override;
};

// Places a built-in library model.
class CItemLibrary : public CItemImport {
public:
  CItemLibrary() : CItemImport("library") {}
  void SetInsertDefaults() override;

  std::string m_strLibraryName;

protected:
  std::string& Source() override { return m_strLibraryName; }
  bool FetchText(CTextBuffer& text, std::string& key) override;
};
