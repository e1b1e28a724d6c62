#include "ColorChooser.h"

#include <QColorDialog>

#include <algorithm>
#include <cmath>

namespace {

// Within what the chooser can show: red may be -1 on the common page.
int ChooserComponent(double component)
{
  return std::clamp(static_cast<int>(std::lround(component * 255.0)), 0, 255);
}

} // namespace

bool RunColorChooser(CVector& color, QWidget* parent)
{
  const QColor initial(ChooserComponent(color.x), ChooserComponent(color.y), ChooserComponent(color.z));
  QColorDialog chooser(initial, parent);
  if (chooser.exec() != QDialog::Accepted)
    return false;
  const QColor chosen = chooser.selectedColor();
  color = CVector(chosen.red() / 255.0, chosen.green() / 255.0, chosen.blue() / 255.0);
  return true;
}
