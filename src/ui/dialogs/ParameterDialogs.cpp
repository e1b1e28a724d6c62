#include "ParameterDialogs.h"

#include "DataExchange.h"
#include "DialogButtons.h"
#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemPropertyPage.h"
#include "ItemWord.h"
#include "TextEncoding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

QString ToQt(const std::string& text)
{
  return QString::fromStdString(Cp1252ToUtf8(text));
}

// The parameter dialogs: a group box beside OK and "Abbrechen", no caption
// text; OK closes only when every bound field passes.
class CParameterDialog : public QDialog {
public:
  CParameterDialog(QWidget* parent, CMessageSink& messages, const QString& boxTitle)
      : QDialog(parent), m_binder(messages), m_pBox(new QGroupBox(boxTitle, this))
  {
    auto* buttons = OkCancelButtons(*this, Qt::Vertical);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pBox, 1);
    layout->addWidget(buttons);
    new QVBoxLayout(m_pBox);
    setMinimumWidth(380);
  }

  void accept() override
  {
    if (m_binder.Store())
      QDialog::accept();
  }

  bool Run() { return exec() == QDialog::Accepted; }

  CFieldBinder m_binder;
  QGroupBox* m_pBox;
};

// The value the link's target holds now, else the entry's own.
template <class Link, class T> T CurrentValue(const Link* link, T value)
{
  return link && link->GetTarget() ? *link->GetTarget() : value;
}

// An edited link pushes its new value into the target at once.
template <class Link> void PushLink(Link* link)
{
  if (!link)
    return;
  link->m_bLinked = 0;
  link->ResolveLinks();
}

} // namespace

std::optional<bool> EditNumber(CItemBase& entry, const CDialogContext& context)
{
  auto* number = dynamic_cast<CItemDouble*>(&entry);
  if (!number)
    return std::nullopt;
  auto* link = dynamic_cast<CItemDoubleLink*>(number);
  double value = CurrentValue(link, number->m_value);
  CParameterDialog dialog(context.pParent, context.messages, ToQt(number->m_strDescription));
  auto* edit = new QLineEdit(dialog.m_pBox);
  dialog.m_pBox->layout()->addWidget(edit);
  dialog.m_binder.BindDouble(edit, value, number->m_min, number->m_max);
  if (!dialog.Run())
    return false;
  number->m_value = value;
  PushLink(link);
  return true;
}

std::optional<bool> EditSwitch(CItemBase& entry, const CDialogContext& context)
{
  auto* flag = dynamic_cast<CItemEnable*>(&entry);
  if (!flag)
    return std::nullopt;
  auto* link = dynamic_cast<CItemEnableLink*>(flag);
  int value = CurrentValue(link, flag->m_bValue);
  CParameterDialog dialog(context.pParent, context.messages, ToQt(flag->m_strName));
  auto* box = new QCheckBox(ToQt(flag->m_strDescription), dialog.m_pBox);
  dialog.m_pBox->layout()->addWidget(box);
  dialog.m_binder.BindCheck(box, value);
  if (!dialog.Run())
    return false;
  flag->m_bValue = value;
  PushLink(link);
  return true;
}

std::optional<bool> EditChoice(CItemBase& entry, const CDialogContext& context)
{
  auto* choice = dynamic_cast<CItemChoice*>(&entry);
  if (!choice)
    return std::nullopt;
  const size_t count = choice->GetOptionCount();
  if (count == 0 || count > 5)
    return false;
  // Only the three-option form names the choice in its box.
  CParameterDialog dialog(context.pParent, context.messages,
                          count == 3 ? ToQt(choice->m_strDescription) : QString("Auswahl"));
  auto* group = new QButtonGroup(&dialog);
  for (size_t index = 0; index < count; ++index) {
    auto* button = new QRadioButton(ToQt(choice->GetOption(index)), dialog.m_pBox);
    group->addButton(button, static_cast<int>(index));
    dialog.m_pBox->layout()->addWidget(button);
  }
  // An index at or past the count, 65535 ("none") among them, selects none.
  if (QAbstractButton* current = group->button(choice->m_nValue))
    current->setChecked(true);
  if (!dialog.Run())
    return false;
  const int selected = group->checkedId();
  choice->m_nValue = selected < 0 ? CItemChoice::kNone : static_cast<uint16_t>(selected);
  return true;
}

std::optional<bool> EditWord(CItemBase& entry, const CDialogContext& context)
{
  auto* word = dynamic_cast<CItemWord*>(&entry);
  if (!word)
    return std::nullopt;
  CPropertySheet sheet(context.caption, context.pParent, context.access);
  sheet.AddPage(new CItemPropertyPage(*word, context.messages), "Allgemein");
  sheet.AddPage(new CWordPage(*word, context.messages), "Wert");
  return sheet.Edit();
}
