#pragma once

class QButtonGroup;
class QGroupBox;
class QWidget;

// The built-in models as radio buttons in a box "Typ des Velmars", each
// button's id its index in kBuiltinModels, the first one checked.
QGroupBox* MakeModelChoice(QButtonGroup& buttons, QWidget* parent);
