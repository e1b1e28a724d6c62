#include "GLCamera.h"

#include "SettingsArchive.h"

#include <cmath>
#include <cstdint>

namespace {

// Versions up to 300 carry no camera, 301 adds the camera, 302 the
// background colour.
constexpr std::int32_t kFirstCameraVersion = 301;
constexpr std::int32_t kFirstColourVersion = 302;

} // namespace

struct CGLCamera::CSettingsFields {
  std::int32_t version = kSettingsVersion;
  double azimuth = 0.0;
  double elevation = 0.0;
  double distance = 0.0;
  double trackballAngle = 0.0;
  std::array<double, 16> trackball{};
  CVector pan;
  std::array<float, 3> background{};

  void Exchange(CSettingsArchive& archive)
  {
    if (version < kFirstCameraVersion)
      return;
    archive.Exchange(azimuth);
    archive.Exchange(elevation);
    archive.Exchange(distance);
    archive.Exchange(trackballAngle);
    for (double& element : trackball)
      archive.Exchange(element);
    archive.Exchange(pan.x);
    archive.Exchange(pan.y);
    archive.Exchange(pan.z);
    if (version < kFirstColourVersion)
      return;
    for (float& channel : background)
      archive.Exchange(channel);
  }

  bool IsFinite() const
  {
    bool finite = std::isfinite(azimuth) && std::isfinite(elevation) && std::isfinite(distance) &&
                  std::isfinite(trackballAngle) && std::isfinite(pan.x) && std::isfinite(pan.y) && std::isfinite(pan.z);
    for (double element : trackball)
      finite = finite && std::isfinite(element);
    for (float channel : background)
      finite = finite && std::isfinite(channel);
    return finite;
  }
};

bool CGLCamera::SerializeSettings(CSettingsArchive& archive)
{
  return archive.IsLoading() ? ReadSettings(archive) : WriteSettings(archive);
}

CGLCamera::CSettingsFields CGLCamera::CurrentSettings() const
{
  const std::array<float, 4>& colour = GetClearColour();
  CSettingsFields fields;
  fields.azimuth = m_azimuth;
  fields.elevation = m_elevation;
  fields.distance = m_distance;
  fields.trackballAngle = m_trackballAngle;
  fields.trackball = m_trackball;
  fields.pan = m_pan;
  fields.background = {colour[0], colour[1], colour[2]};
  return fields;
}

void CGLCamera::ApplySettings(const CSettingsFields& fields)
{
  m_nSettingsVersion = fields.version == kFirstCameraVersion ? kSettingsVersion : fields.version;
  m_azimuth = fields.azimuth;
  m_elevation = fields.elevation;
  m_distance = fields.distance;
  m_trackballAngle = fields.trackballAngle;
  m_trackball = fields.trackball;
  m_pan = fields.pan;
  m_panOrigin = m_pan;
  SetClearColour(fields.background[0], fields.background[1], fields.background[2], GetClearColour()[3]);
}

bool CGLCamera::ReadSettings(CSettingsArchive& archive)
{
  CSettingsFields fields = CurrentSettings();
  if (!archive.Exchange(fields.version) || fields.version > kSettingsVersion)
    return false;
  fields.Exchange(archive);
  if (archive.HasFailed() || !fields.IsFinite())
    return false;
  ApplySettings(fields);
  // The stored camera stays in force at the first update.
  m_bInitialReset = false;
  return true;
}

bool CGLCamera::WriteSettings(CSettingsArchive& archive) const
{
  // Always the newest layout, whatever version was read.
  CSettingsFields fields = CurrentSettings();
  archive.Exchange(fields.version);
  fields.Exchange(archive);
  return !archive.HasFailed();
}
