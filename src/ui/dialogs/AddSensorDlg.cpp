#include "AddSensorDlg.h"

#include "BuiltinModels.h"
#include "DataExchange.h"
#include "DialogButtons.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "ModelChoice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* AddRow(QFormLayout& form, const char* label, const char* name, const char* placeholder, QWidget* parent)
{
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  form.addRow(label, edit);
  return edit;
}

bool IsEmpty(const QLineEdit* edit)
{
  return edit->text().trimmed().isEmpty();
}

// A number counted from 1 in the field, from 0 in the plan.
std::optional<size_t> ReadOrdinal(const QLineEdit* edit)
{
  std::optional<unsigned long> number = ParseUnsigned(edit->text());
  if (!number || *number == 0)
    return std::nullopt;
  return static_cast<size_t>(*number - 1);
}

} // namespace

CAddSensorDlg::CAddSensorDlg(CProject& project, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_project(project), m_messages(messages), m_pModels(new QButtonGroup(this)),
      m_pVariant(new QComboBox(this))
{
  setWindowTitle("Sensor hinzufügen");
  QGroupBox* models = MakeModelChoice(*m_pModels, this);

  auto* place = new QGroupBox("Platz im Grundriss", this);
  auto* form = new QFormLayout(place);
  m_pVariant->setObjectName("variant");
  m_pVariant->addItems({"Wand", "Decke", "Ecke"});
  form->addRow("&Montageart:", m_pVariant);
  m_pWall = AddRow(*form, "&Wand:", "wall", "1", place);
  m_pOffset = AddRow(*form, "&Versatz an der Wand (m):", "offset", "Mitte der Wand", place);
  m_pX = AddRow(*form, "&X an der Decke (m):", "x", "Mitte des Raums", place);
  m_pY = AddRow(*form, "&Y an der Decke (m):", "y", "Mitte des Raums", place);
  m_pCorner = AddRow(*form, "&Ecke:", "corner", "erste unter 180°", place);
  connect(m_pVariant, &QComboBox::currentIndexChanged, this, &CAddSensorDlg::EnableFields);
  EnableFields();

  auto* fields = new QVBoxLayout;
  fields->addWidget(models);
  fields->addWidget(place);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addWidget(OkCancelButtons(*this, Qt::Vertical));
}

void CAddSensorDlg::EnableFields()
{
  const auto variant = static_cast<RoomVariant>(m_pVariant->currentIndex());
  m_pWall->setEnabled(variant == RoomVariant::Wall);
  m_pOffset->setEnabled(variant == RoomVariant::Wall);
  m_pX->setEnabled(variant == RoomVariant::Ceiling);
  m_pY->setEnabled(variant == RoomVariant::Ceiling);
  m_pCorner->setEnabled(variant == RoomVariant::Corner);
}

void CAddSensorDlg::Refuse(QLineEdit* field, const std::string& message)
{
  m_messages.ShowMessage(kApplicationName, message);
  if (field)
    FocusField(field);
}

bool CAddSensorDlg::ReadFields(CSensorPlaceRequest& request)
{
  request.variant = static_cast<RoomVariant>(m_pVariant->currentIndex());
  switch (request.variant) {
  case RoomVariant::Wall: {
    std::optional<size_t> wall = IsEmpty(m_pWall) ? std::optional<size_t>(0) : ReadOrdinal(m_pWall);
    if (!wall) {
      Refuse(m_pWall, kUnsignedMessage);
      return false;
    }
    request.wall = *wall;
    if (!IsEmpty(m_pOffset) && !(request.offset = ParseDouble(m_pOffset->text()))) {
      Refuse(m_pOffset, kNumberMessage);
      return false;
    }
    return true;
  }
  case RoomVariant::Ceiling: {
    if (IsEmpty(m_pX) && IsEmpty(m_pY))
      return true;
    std::optional<double> x = ParseDouble(m_pX->text());
    std::optional<double> y = ParseDouble(m_pY->text());
    if (!x || !y) {
      Refuse(x ? m_pY : m_pX, kNumberMessage);
      return false;
    }
    request.at = CPlanPoint{*x, *y};
    return true;
  }
  case RoomVariant::Corner:
    if (!IsEmpty(m_pCorner) && !(request.corner = ReadOrdinal(m_pCorner))) {
      Refuse(m_pCorner, kUnsignedMessage);
      return false;
    }
    return true;
  }
  return false;
}

void CAddSensorDlg::accept()
{
  CSensorPlaceRequest request;
  if (!ReadFields(request))
    return;
  CRoomPlan plan;
  if (std::optional<CPlanFault> fault = PlaceNewSensor(m_project, request, plan)) {
    QLineEdit* field = fault->option == "--wall"     ? m_pWall
                       : fault->option == "--offset" ? m_pOffset
                       : fault->option == "--at"     ? m_pX
                       : fault->option == "--corner" ? m_pCorner
                                                     : nullptr;
    Refuse(field, fault->message);
    return;
  }
  m_nModelCode = kBuiltinModels[static_cast<size_t>(m_pModels->checkedId())].code;
  m_request = request;
  QDialog::accept();
}

void RunAddSensor(QWidget& parent, CKMVDocument& document, CMessageSink& messages)
{
  CAddSensorDlg dialog(document.GetProject(), messages, &parent);
  if (dialog.exec() != QDialog::Accepted)
    return;
  if (std::optional<CPlanFault> fault = AddSensor(document, dialog.GetModelCode(), dialog.GetRequest()))
    messages.ShowMessage(kApplicationName, fault->message);
}
