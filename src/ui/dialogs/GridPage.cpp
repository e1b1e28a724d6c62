#include "GridPage.h"

#include "ColorChooser.h"
#include "ItemGrid.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cmath>

namespace {

constexpr double kMaxStep = 1e300;
constexpr int kMaxDivisions = 20;
constexpr double kMaxWidth = 10.0;

// A number typed so far: complete, and not one that a further digit after
// its point would still change.
std::optional<double> TypedNumber(const QLineEdit* edit)
{
  if (edit->text().trimmed().endsWith('.'))
    return std::nullopt;
  return ParseDouble(edit->text());
}

} // namespace

CGridPage::CGridPage(CItemGrid& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_majorColor(entry.m_majorColor), m_minorColor(entry.m_minorColor),
      m_nDivisions(entry.m_nDivisions), m_minorStep(entry.m_minorStep), m_majorWidth(entry.m_majorWidth),
      m_minorWidth(entry.m_minorWidth), m_bMajorCentred(entry.m_bMajorCentred), m_bMinorCentred(entry.m_bMinorCentred)
{
  // A grid read with fewer than four vertices shows zeros for the missing
  // corners and gets all four on OK.
  const CVectorArray& v = entry.m_vertices;
  if (v.size() >= 4) {
    m_x1 = v[0].x;
    m_x2 = v[1].x;
    m_y1 = v[0].y;
    m_y2 = v[3].y;
  }
  AddColor("Hauptlinien", m_majorColor);
  AddColor("Hilfslinien", m_minorColor);
  m_pCorners[0] = AddDouble("x1", m_x1);
  m_pCorners[1] = AddDouble("x2", m_x2);
  m_pCorners[2] = AddDouble("y1", m_y1);
  m_pCorners[3] = AddDouble("y2", m_y2);
  m_pDivisions = AddInteger("Unterteilungen", m_nDivisions, 0, kMaxDivisions);
  m_pMinorStep = AddDouble("Hilfslinienabstand", m_minorStep, 0.0, kMaxStep);
  AddDouble("Hauptlinienbreite", m_majorWidth, 0.0, kMaxWidth);
  AddDouble("Hilfslinienbreite", m_minorWidth, 0.0, kMaxWidth);
  m_pMajorStep = new QLineEdit(this);
  m_pMajorStep->setEnabled(false);
  Form()->addRow("Hauptlinienabstand", m_pMajorStep);
  ShowMajorStep();
  m_pCentred[0] = AddCheck("Hauptlinien zentriert", m_bMajorCentred);
  m_pCentred[1] = AddCheck("Hilfslinien zentriert", m_bMinorCentred);

  connect(m_pDivisions, &QLineEdit::textEdited, this, &CGridPage::ShowMajorStep);
  connect(m_pMinorStep, &QLineEdit::textEdited, this, &CGridPage::ShowMajorStep);
  for (QLineEdit* corner : m_pCorners)
    connect(corner, &QLineEdit::textEdited, this, &CGridPage::KeepCentredBoxes);
  for (QCheckBox* box : m_pCentred)
    connect(box, &QCheckBox::clicked, this, &CGridPage::KeepCentredBoxes);
}

void CGridPage::AddColor(const QString& label, CVector& color)
{
  AddDouble(label + " rot", color.x, 0.0, 1.0);
  AddDouble(label + " grün", color.y, 0.0, 1.0);
  AddDouble(label + " blau", color.z, 0.0, 1.0);
  auto* chooser = new QPushButton(label + "...", this);
  Form()->addRow(chooser);
  connect(chooser, &QPushButton::clicked, this, [this, &color] {
    // The chooser starts from what the fields show now.
    if (Store() && RunColorChooser(color, this))
      Load();
  });
}

void CGridPage::ShowMajorStep()
{
  std::optional<long> divisions = ParseInteger(m_pDivisions->text());
  std::optional<double> step = TypedNumber(m_pMinorStep);
  if (!divisions || !step)
    return;
  const double major = static_cast<double>(*divisions) * *step;
  if (std::isfinite(major))
    m_pMajorStep->setText(FormatDouble(major));
}

void CGridPage::KeepCentredBoxes()
{
  std::array<double, 4> corner{};
  for (size_t i = 0; i < corner.size(); ++i) {
    std::optional<double> value = ParseDouble(m_pCorners[i]->text());
    if (!value)
      return;
    corner[i] = *value;
  }
  const bool holdsOrigin = corner[0] <= 0.0 && 0.0 < corner[1] && corner[2] <= 0.0 && 0.0 < corner[3];
  if (holdsOrigin)
    return;
  for (QCheckBox* box : m_pCentred)
    box->setChecked(false);
}

bool CGridPage::TakeBack()
{
  m_entry.SetCorners(m_x1, m_y1, m_x2, m_y2);
  m_entry.m_majorColor = m_majorColor;
  m_entry.m_minorColor = m_minorColor;
  m_entry.m_nDivisions = m_nDivisions;
  m_entry.m_minorStep = m_minorStep;
  m_entry.m_majorWidth = m_majorWidth;
  m_entry.m_minorWidth = m_minorWidth;
  m_entry.m_bMajorCentred = m_bMajorCentred;
  m_entry.m_bMinorCentred = m_bMinorCentred;
  m_entry.DeriveLines();
  return true;
}
