#include "PropertySheet.h"

#include "DialogButtons.h"
#include "Messages.h"
#include "TextEncoding.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kReadOnlyNote = "Berechnet von CAD1; Änderungen gehen beim nächsten Lauf verloren.";

// Labels and lists stay readable; whatever takes input is switched off.
void DisableFields(QWidget& page)
{
  for (QWidget* field : page.findChildren<QWidget*>())
    if (qobject_cast<QLineEdit*>(field) || qobject_cast<QAbstractButton*>(field) || qobject_cast<QComboBox*>(field))
      field->setEnabled(false);
  for (QAbstractItemView* list : page.findChildren<QAbstractItemView*>())
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

} // namespace

CPropertyPage::CPropertyPage(CMessageSink& messages)
    : m_messages(messages), m_binder(messages), m_pForm(new QFormLayout(this))
{
}

QLineEdit* CPropertyPage::AddEdit(const QString& label)
{
  auto* edit = new QLineEdit(this);
  m_pForm->addRow(label, edit);
  return edit;
}

QLineEdit* CPropertyPage::AddDouble(const QString& label, double& value)
{
  QLineEdit* edit = AddEdit(label);
  m_binder.BindDouble(edit, value);
  return edit;
}

QLineEdit* CPropertyPage::AddDouble(const QString& label, double& value, double low, double high)
{
  QLineEdit* edit = AddEdit(label);
  m_binder.BindDouble(edit, value, low, high);
  return edit;
}

QLineEdit* CPropertyPage::AddInteger(const QString& label, int& value, int low, int high)
{
  QLineEdit* edit = AddEdit(label);
  m_binder.BindInteger(edit, value, low, high);
  return edit;
}

QLineEdit* CPropertyPage::AddUnsigned(const QString& label, unsigned& value, unsigned high)
{
  QLineEdit* edit = AddEdit(label);
  m_binder.BindUnsigned(edit, value, high);
  return edit;
}

QLineEdit* CPropertyPage::AddText(const QString& label, std::string& value, int maxLength)
{
  QLineEdit* edit = AddEdit(label);
  m_binder.BindText(edit, value, maxLength);
  return edit;
}

QCheckBox* CPropertyPage::AddCheck(const QString& text, int& value)
{
  auto* box = new QCheckBox(text, this);
  m_pForm->addRow(box);
  m_binder.BindCheck(box, value);
  return box;
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent, EntryAccess access)
    : QDialog(parent), m_pTabs(new QTabWidget(this)), m_access(access)
{
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  QDialogButtonBox* buttons = nullptr;
  if (access == EntryAccess::ReadOnly) {
    layout->addWidget(new QLabel(kReadOnlyNote, this));
    buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Close)->setText("Schließen");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  } else {
    buttons = OkCancelButtons(*this);
  }
  layout->addWidget(m_pTabs);
  layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page, const QString& title)
{
  if (m_access == EntryAccess::ReadOnly)
    DisableFields(*page);
  m_pTabs->addTab(page, title);
  m_pages.push_back(page);
}

void CPropertySheet::accept()
{
  for (CPropertyPage* page : m_pages)
    if (!page->Store())
      return;
  QDialog::accept();
}

bool CPropertySheet::Edit()
{
  if (exec() != QDialog::Accepted || m_access == EntryAccess::ReadOnly)
    return false;
  for (CPropertyPage* page : m_pages)
    if (!page->TakeBack())
      return false;
  return true;
}

QString ChangeCaption()
{
  return QString::fromStdString(Cp1252ToUtf8(LoadString(IDS_CHANGE)));
}
