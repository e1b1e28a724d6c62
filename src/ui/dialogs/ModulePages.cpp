#include "ModulePages.h"

#include "Module.h"
#include "ModuleDialog.h"

#include <QLineEdit>

#include <array>

namespace {

struct PathField {
  int controlId;
  const char* label;
};

// F1 to F18 in record order.
constexpr std::array<PathField, 18> kCAD1Fields{{
    {1041, "F1 Flächen Variante 0"},
    {1043, "F2 Flächen Variante 1"},
    {1042, "F3 Flächen Variante 2"},
    {1044, "F4 Montagevariante"},
    {1045, "F5 Zahl der Variante 1"},
    {1046, "F6 Polygon der Variante 1"},
    {1047, "F7 System Montageversatz"},
    {1056, "F8 System Drehung um y"},
    {1049, "F9 System der Variante 2"},
    {1050, "F10 Sensorelement"},
    {1051, "F11 Linsensystem 1"},
    {1052, "F12 Linsensystem 2"},
    {1053, "F13 Linsensystem 3"},
    {1057, "F14 Ergebnisgruppe"},
    {1054, "F15 Schalter Linsensystem 1"},
    {1055, "F16 Schalter Linsensystem 2"},
    {1048, "F17 Schalter Linsensystem 3"},
    {1058, "F18 Schalter Strahlen"},
}};

constexpr int kPathControl = 1042;
constexpr int kStepControl = 1043;
constexpr int kPathLength = static_cast<int>(kMaxModulePathLength);

void Name(QLineEdit* edit, int controlId)
{
  edit->setObjectName(QString::number(controlId));
  edit->setMinimumWidth(320);
}

} // namespace

CCAD1Page::CCAD1Page(CModuleForm& form, CMessageSink& messages)
    : CPropertyPage(messages), m_form(form), m_paths(form.paths)
{
  m_paths.resize(kCAD1Fields.size());
  for (size_t i = 0; i < kCAD1Fields.size(); ++i)
    Name(AddText(QString::fromUtf8(kCAD1Fields[i].label), m_paths[i], kPathLength), kCAD1Fields[i].controlId);
}

bool CCAD1Page::TakeBack()
{
  m_form.paths = m_paths;
  return true;
}

CCAD2Page::CCAD2Page(CModuleForm& form, CMessageSink& messages)
    : CPropertyPage(messages), m_form(form), m_strPath(form.paths.empty() ? std::string() : form.paths.front())
{
  Name(AddText(QString::fromUtf8("Verknüpfte Zahl"), m_strPath, kPathLength), kPathControl);
}

bool CCAD2Page::TakeBack()
{
  m_form.paths.assign(1, m_strPath);
  return true;
}

CCAD3Page::CCAD3Page(CModuleForm& form, CMessageSink& messages) : CCAD2Page(form, messages), m_step(form.step)
{
  Name(AddDouble("Schritt", m_step), kStepControl);
}

bool CCAD3Page::TakeBack()
{
  m_form.step = m_step;
  return CCAD2Page::TakeBack();
}
