#include "ItemRectangle.h"

#include "DefaultNames.h"

void CItemRectangle::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Rectangle);
  SetCorners(-5.0, -5.0, 5.0, 5.0);
}
