#pragma once

#include "ChangeLog.h"

#include <QUndoStack>

class CKMVDocument;

// The undo stack of one document: each change is the project text before
// and after it. Reaching the saved state clears the document's modified
// flag, leaving it sets the flag.
class CDocumentUndo : public CChangeLog {
public:
  static constexpr int kStepLimit = 100;

  explicit CDocumentUndo(CKMVDocument& document);
  CDocumentUndo(const CDocumentUndo&) = delete;
  CDocumentUndo& operator=(const CDocumentUndo&) = delete;

  void RecordChange(const std::string& name, int mergeKey, std::string before, std::string after) override;
  // The document was saved or opened: this is the unmodified state. A
  // document that starts modified (a new room, a recovered project) has no
  // unmodified state to return to.
  void MarkSaved();
  void MarkUnsaved() { m_stack.resetClean(); }

  QUndoStack& GetStack() { return m_stack; }

private:
  CKMVDocument& m_document;
  QUndoStack m_stack;
};
