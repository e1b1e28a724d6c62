#include "HeightField.h"

#include "DataExchange.h"
#include "DetectionHeight.h"
#include "HeightChange.h"
#include "KMVDocument.h"
#include "Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

CHeightField::CHeightField(CKMVDocument& document, CMessageSink& messages, QWidget* parent)
    : QWidget(parent), m_document(document), m_messages(messages), m_pEdit(new QLineEdit(this))
{
  m_pEdit->setObjectName("height");
  m_pEdit->setMaximumWidth(m_pEdit->fontMetrics().horizontalAdvance("0000,00") + 16);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Erfassungshöhe", this));
  layout->addWidget(m_pEdit);
  layout->addWidget(new QLabel("m", this));
  layout->addStretch(1);
  // Applied after the signal returns: the update it starts refreshes this field.
  connect(m_pEdit, &QLineEdit::editingFinished, this, [this] { QTimer::singleShot(0, this, [this] { Apply(); }); });
  Refresh();
}

void CHeightField::Refresh()
{
  m_pEdit->setText(QString::number(ReadDetectionHeight(m_document.GetProject()), 'f', 2));
}

void CHeightField::Apply()
{
  std::optional<double> height = ParseDouble(m_pEdit->text());
  std::optional<std::string> fault =
      height ? ChangeDetectionHeight(m_document, *height) : std::optional<std::string>(kNumberMessage);
  if (fault)
    m_messages.ShowMessage("Erfassungsh\xF6he", *fault);
  Refresh();
}
