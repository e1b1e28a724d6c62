#pragma once

#include <QWidget>

class CKMVDocument;
class CMessageSink;
class QLineEdit;

// "Erfassungshöhe": the document's detection height in metres, typed with a
// point or a decimal comma. A typed value changes the document as one step;
// a refused one is reported and the field shows the height as it was.
class CHeightField : public QWidget {
  Q_OBJECT

public:
  CHeightField(CKMVDocument& document, CMessageSink& messages, QWidget* parent);

  // Shows the document's height (after every update).
  void Refresh();

private:
  void Apply();

  CKMVDocument& m_document;
  CMessageSink& m_messages;
  QLineEdit* m_pEdit;
};
