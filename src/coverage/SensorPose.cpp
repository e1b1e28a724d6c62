#include "SensorPose.h"

#include "DetectionEntries.h"
#include "ItemPoint.h"
#include "ModuleCAD1.h"
#include "Project.h"

#include <cmath>

std::optional<CSensorPose> FindSensorPose(CProject& project)
{
  return FindSensorPose(project.GetRoot(), project.GetModules().m_cad1);
}

std::optional<CSensorPose> FindSensorPose(CItemGroup& root, const CModuleCAD1& cad1)
{
  CDetectionEntries entries;
  if (!entries.Resolve(root, cad1.m_paths))
    return std::nullopt;
  const CMatrix& m = entries.pElement->m_matrix;
  CSensorPose pose{{m[12], m[13], m[14]}, {m[0], m[1], m[2]}};
  double length = pose.axis.Length();
  if (!(length > 0.0) || !std::isfinite(length) || !std::isfinite(pose.centre.Dot(pose.centre)))
    return std::nullopt;
  pose.axis = pose.axis * (1.0 / length);
  return pose;
}
