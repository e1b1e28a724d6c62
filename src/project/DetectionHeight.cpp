#include "DetectionHeight.h"

#include "ItemDouble.h"
#include "ItemGroup.h"
#include "Project.h"

#include <cmath>
#include <memory>

namespace {

CItemDouble* FindEntry(CProject& project)
{
  return dynamic_cast<CItemDouble*>(project.GetRoot().FindChild(kDetectionHeightName));
}

} // namespace

double ReadDetectionHeight(CProject& project)
{
  const CItemDouble* entry = FindEntry(project);
  return entry && std::isfinite(entry->m_value) && entry->m_value > 0.0 ? entry->m_value : 0.0;
}

void WriteDetectionHeight(CProject& project, double height)
{
  CItemDouble* entry = FindEntry(project);
  if (!entry) {
    auto added = std::make_unique<CItemDouble>();
    added->m_strName = kDetectionHeightName;
    added->m_bVisible = 0;
    added->m_min = 0.0;
    added->m_max = 1e300;
    entry = added.get();
    project.GetRoot().AddChild(std::move(added));
  }
  entry->m_value = height;
}
