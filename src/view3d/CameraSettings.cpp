#include "GLCamera.h"

#include "SettingsArchive.h"

#include <cmath>
#include <cstdint>

namespace {

// Versions up to 300 carry no camera, 301 adds the camera, 302 the
// background colour.
constexpr std::int32_t kFirstCameraVersion = 301;
constexpr std::int32_t kFirstColourVersion = 302;

// The fields of the record, so a damaged one can be refused as a whole.
struct CCameraRecord {
  std::int32_t version = 0;
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

} // namespace

bool CGLCamera::SerializeSettings(CSettingsArchive& archive)
{
  return archive.IsLoading() ? ReadSettings(archive) : WriteSettings(archive);
}

bool CGLCamera::ReadSettings(CSettingsArchive& archive)
{
  const std::array<float, 4>& colour = GetClearColour();
  CCameraRecord record{
      0, m_azimuth, m_elevation, m_distance, m_trackballAngle, m_trackball, m_pan, {colour[0], colour[1], colour[2]}};
  if (!archive.Exchange(record.version) || record.version > kSettingsVersion)
    return false;
  record.Exchange(archive);
  if (archive.HasFailed() || !record.IsFinite())
    return false;

  m_nSettingsVersion = record.version == kFirstCameraVersion ? kSettingsVersion : record.version;
  m_azimuth = record.azimuth;
  m_elevation = record.elevation;
  m_distance = record.distance;
  m_trackballAngle = record.trackballAngle;
  m_trackball = record.trackball;
  m_pan = record.pan;
  m_panOrigin = m_pan;
  SetClearColour(record.background[0], record.background[1], record.background[2], colour[3]);
  // The stored camera stays in force at the first update.
  m_bInitialReset = false;
  return true;
}

bool CGLCamera::WriteSettings(CSettingsArchive& archive) const
{
  const std::array<float, 4>& colour = GetClearColour();
  CCameraRecord record{kSettingsVersion, m_azimuth,   m_elevation, m_distance,
                       m_trackballAngle, m_trackball, m_pan,       {colour[0], colour[1], colour[2]}};
  archive.Exchange(record.version);
  record.Exchange(archive);
  return !archive.HasFailed();
}
