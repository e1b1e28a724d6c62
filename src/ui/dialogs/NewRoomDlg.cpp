#include "NewRoomDlg.h"

#include "BuiltinModels.h"
#include "DataExchange.h"
#include "DialogButtons.h"
#include "Messages.h"
#include "ModelChoice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QLineEdit* AddNumberRow(QFormLayout& form, const char* label, const char* name, QWidget* parent)
{
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  form.addRow(label, edit);
  return edit;
}

} // namespace

CNewRoomDlg::CNewRoomDlg(CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_pModels(new QButtonGroup(this)), m_pShapes(new QButtonGroup(this)),
      m_pVariant(new QComboBox(this)), m_pOffset(new QLineEdit(this)),
      m_pBinder(std::make_unique<CFieldBinder>(messages))
{
  setWindowTitle("Neuer Raum");
  QGroupBox* models = MakeModelChoice(*m_pModels, this);

  auto* room = new QGroupBox("Raum", this);
  auto* form = new QFormLayout(room);
  auto* shapes = new QHBoxLayout;
  int shapeId = 0;
  for (const char* shape : {"&Rechteck", "&Grundriss zeichnen"}) {
    auto* button = new QRadioButton(shape, room);
    m_pShapes->addButton(button, shapeId++);
    shapes->addWidget(button);
  }
  m_pShapes->button(0)->setChecked(true);
  m_pShapes->button(1)->setObjectName("draw");
  form->addRow("Form:", shapes);
  m_pWidth = AddNumberRow(*form, "&Breite (m):", "width", room);
  m_pDepth = AddNumberRow(*form, "&Tiefe (m):", "depth", room);
  m_pBinder->BindDouble(m_pWidth, m_width, kMinRoomSide, kMaxRoomSide);
  m_pBinder->BindDouble(m_pDepth, m_depth, kMinRoomSide, kMaxRoomSide);
  m_pBinder->BindDouble(AddNumberRow(*form, "&Höhe (m):", "height", room), m_height, kMinRoomHeight, kMaxRoomHeight);
  m_pVariant->setObjectName("variant");
  m_pVariant->addItems({"Wand", "Decke", "Ecke"});
  form->addRow("&Montageart:", m_pVariant);
  m_pOffset->setObjectName("offset");
  m_pOffset->setPlaceholderText("Mitte der Wand");
  form->addRow("&Versatz an der Wand (m):", m_pOffset);
  connect(m_pVariant, &QComboBox::currentIndexChanged, this, &CNewRoomDlg::EnableOffset);
  connect(m_pShapes, &QButtonGroup::idToggled, this, &CNewRoomDlg::EnableOffset);

  auto* buttons = OkCancelButtons(*this, Qt::Vertical);
  auto* fields = new QVBoxLayout;
  fields->addWidget(models);
  fields->addWidget(room);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addWidget(buttons);
}

CNewRoomDlg::~CNewRoomDlg() = default;

bool CNewRoomDlg::IsDrawing() const
{
  return m_pShapes->checkedId() == 1;
}

void CNewRoomDlg::EnableOffset()
{
  m_pWidth->setEnabled(!IsDrawing());
  m_pDepth->setEnabled(!IsDrawing());
  m_pOffset->setEnabled(!IsDrawing() && m_pVariant->currentIndex() == static_cast<int>(RoomVariant::Wall));
}

void CNewRoomDlg::accept()
{
  if (!m_pBinder->Store() || !StoreOffset())
    return;
  m_request.modelCode = kBuiltinModels[static_cast<size_t>(m_pModels->checkedId())].code;
  m_request.width = m_width;
  m_request.depth = m_depth;
  m_request.height = m_height;
  m_request.variant = static_cast<RoomVariant>(m_pVariant->currentIndex());
  m_request.drawOutline = IsDrawing();
  QDialog::accept();
}

bool CNewRoomDlg::StoreOffset()
{
  m_request.offset.reset();
  if (IsDrawing() || m_pVariant->currentIndex() != static_cast<int>(RoomVariant::Wall) ||
      m_pOffset->text().trimmed().isEmpty())
    return true;
  std::optional<double> offset = ParseDouble(m_pOffset->text());
  if (offset && *offset > 0.0 && *offset < m_width) {
    m_request.offset = offset;
    return true;
  }
  char text[160];
  std::snprintf(text, sizeof text,
                "Geben Sie bitte einen Versatz gr\xf6\xdf"
                "er als 0 und kleiner als die Breite (%g m) ein.",
                m_width);
  m_messages.ShowMessage(kApplicationName, offset ? std::string(text) : std::string(kNumberMessage));
  FocusField(m_pOffset);
  return false;
}
