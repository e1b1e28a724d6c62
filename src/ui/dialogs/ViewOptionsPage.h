#pragma once

#include "PropertySheet.h"
#include "Vector.h"

// What the "3D-Ansicht" sheet shows of a 3D view: the rotation centre and
// the background colour, components in [0, 1].
struct CViewOptions {
  CVector target;
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
};

class C3DViewOptionsPage : public CPropertyPage {
public:
  C3DViewOptionsPage(CViewOptions& options, CMessageSink& messages);
  bool TakeBack() override;

private:
  CViewOptions& m_options;
  CViewOptions m_values;
};

// The sheet "3D-Ansicht"; TRUE on OK with the options taken.
bool Edit3DViewOptions(CViewOptions& options, CMessageSink& messages, QWidget* parent);
