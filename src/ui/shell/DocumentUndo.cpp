#include "DocumentUndo.h"

#include "KMVDocument.h"
#include "TextEncoding.h"

namespace {

// All text changes share one id, so the stack offers each to its
// predecessor; mergeWith decides by the key.
constexpr int kTextChangeId = 1;

class CTextChange : public QUndoCommand {
public:
  CTextChange(CKMVDocument& document, const std::string& name, int mergeKey, std::string before, std::string after)
      : QUndoCommand(QString::fromStdString(Cp1252ToUtf8(name))), m_document(document), m_nMergeKey(mergeKey),
        m_before(std::move(before)), m_after(std::move(after)), m_strWrittenFor(document.GetPathName())
  {
  }

  // The change is already done when it is pushed.
  void redo() override
  {
    if (m_bDone)
      m_document.RestoreText(m_after, m_strWrittenFor);
    m_bDone = true;
  }
  void undo() override { m_document.RestoreText(m_before, m_strWrittenFor); }
  int id() const override { return m_nMergeKey != 0 ? kTextChangeId : -1; }
  bool mergeWith(const QUndoCommand* other) override
  {
    const auto* next = static_cast<const CTextChange*>(other);
    if (next->m_nMergeKey != m_nMergeKey || next->text() != text() || next->m_strWrittenFor != m_strWrittenFor)
      return false;
    m_after = next->m_after;
    // Steps that cancel out leave nothing to undo.
    setObsolete(m_after == m_before);
    return true;
  }

private:
  CKMVDocument& m_document;
  int m_nMergeKey;
  std::string m_before;
  std::string m_after;
  // The project file the texts name their underlay for; "Speichern unter"
  // may have moved the document since.
  std::string m_strWrittenFor;
  bool m_bDone = false;
};

} // namespace

CDocumentUndo::CDocumentUndo(CKMVDocument& document) : m_document(document)
{
  m_stack.setUndoLimit(kStepLimit);
  QObject::connect(&m_stack, &QUndoStack::cleanChanged, [this](bool clean) { m_document.SetModifiedFlag(!clean); });
}

void CDocumentUndo::RecordChange(const std::string& name, int mergeKey, std::string before, std::string after)
{
  m_stack.push(new CTextChange(m_document, name, mergeKey, std::move(before), std::move(after)));
}

void CDocumentUndo::MarkSaved()
{
  m_stack.setClean();
  m_document.SetModifiedFlag(false);
}
