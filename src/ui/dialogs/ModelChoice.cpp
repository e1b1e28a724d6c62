#include "ModelChoice.h"

#include "BuiltinModels.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

QGroupBox* MakeModelChoice(QButtonGroup& buttons, QWidget* parent)
{
  auto* models = new QGroupBox("Typ des Velmars", parent);
  auto* choices = new QVBoxLayout(models);
  int index = 0;
  for (const BuiltinModel& model : kBuiltinModels) {
    auto* button = new QRadioButton(model.title + 1, models);
    buttons.addButton(button, index++);
    choices->addWidget(button);
  }
  buttons.button(0)->setChecked(true);
  return models;
}
