#pragma once

#include "Vector.h"

class QWidget;

// The platform's colour chooser (full form) preset with the colour, each
// component times 255 rounded half away from zero; on OK the colour takes the
// chosen red, green and blue divided by 255. TRUE on OK.
bool RunColorChooser(CVector& color, QWidget* parent);
