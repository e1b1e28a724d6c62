#include "RenderCommand.h"

#include "GLCamera.h"
#include "Item3D.h"
#include "ItemPolygon.h"
#include "LoadedDocument.h"
#include "PlanEntries.h"
#include "PngFileDestination.h"
#include "SensorCommand.h"
#include "SensorPose.h"
#include "ShadowLayer.h"
#include "WallCutaway.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMaxPictureSide = 8192;

bool ParseSize(const std::string& text, int& width, int& height)
{
  int w = 0, h = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &rest) != 2)
    return false;
  if (w < 1 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide)
    return false;
  width = w;
  height = h;
  return true;
}

// Per-axis bounds of what is shown: the corners of visible polygons and the
// origins of the other visible placed entries, in world coordinates.
void AddVisibleExtent(const CItemBase& entry, CVector& low, CVector& high)
{
  auto add = [&low, &high](const CVector& v) {
    low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
    high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
  };
  if (!entry.m_bVisible)
    return;
  if (const auto* polygon = dynamic_cast<const CItemPolygon*>(&entry)) {
    for (const CVector& v : polygon->m_vertices)
      add(TransformPoint(polygon->m_matrix, v));
  } else if (const auto* placed = dynamic_cast<const CItem3D*>(&entry)) {
    add({placed->m_matrix[12], placed->m_matrix[13], placed->m_matrix[14]});
  }
  if (const CItemGroup* group = entry.AsGroup())
    for (const auto& child : group->Children())
      AddVisibleExtent(*child, low, high);
}

// The pan that puts a world point at the centre of rotation: the view's
// frame has the world's y, z, x as its x, y, z.
CVector PanTowards(const CVector& centre)
{
  return {-centre.y, -centre.z, -centre.x};
}

} // namespace

bool ParsePictureSize(const std::string& text, int& width, int& height)
{
  return ParseSize(text, width, height);
}

int SetUpStartView(CGLCamera& camera, CProject& project, int width, int height, bool wire, CSensorSet* sensors,
                   size_t current)
{
  if (!camera.CreateContext()) {
    PrintError(kNoVideoModeMessage);
    return kExitUnreadable;
  }
  // A room of a plan is framed as the program frames it; any other scene
  // keeps the start view's distance, aimed at the middle of what is shown.
  // The walls of a plan's or a built-in model's room between the eye and
  // the floor are cut away.
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  // The patches as the program's view draws them: visible parts and the
  // shadowed parts pale.
  camera.SetSceneSource(
      [&project, &camera, sensors, walls = FindRoomWalls(project), layer = MakeShadowLayer(project, sensors, current)] {
        const std::vector<bool> cut = WallsToCut(walls, camera.GetEyePosition());
        const CWallCutaway cutaway(project, walls, cut);
        DrawProjectScene(
            project, layer, true,
            [&walls, &cut](const CVectorArray& target) { return LiesOnCutWall(walls, cut, target); }, sensors);
      });
  if (std::optional<CSensorPose> pose = FindSensorPose(project))
    camera.SetSensorMarkers({CSensorMarker{pose->centre, pose->axis}}, 0);
  camera.SetPreviewFirst(false);
  camera.SetMoving(wire);
  if (!camera.Resize(width, height)) {
    PrintError("Bildgr\xF6\xDF"
               "e wird nicht unterst\xFCtzt.");
    return kExitUsage;
  }
  if (plan) {
    const auto [low, high] = PolygonBounds(plan->outline);
    camera.SetFramedBox(CFramedBox{{low.x, low.y, 0.0}, {high.x, high.y, plan->height}});
  }
  camera.InitialReset();
  CVector low{1e300, 1e300, 1e300}, high{-1e300, -1e300, -1e300};
  AddVisibleExtent(project.GetRoot(), low, high);
  if (!plan && low.x <= high.x)
    camera.SetPan(PanTowards((low + high) * 0.5));
  camera.Rebuild();
  return kExitOk;
}

bool ParseRenderRequest(const std::vector<std::string>& args, CRenderRequest& request)
{
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--wire") {
      request.bWire = true;
    } else if (args[i] == "--sensor") {
      if (i + 1 == args.size() || !ParseSensorNumber(args[++i], request.sensor))
        return false;
    } else if (args[i] == "--size") {
      if (i + 1 == args.size() || !ParseSize(args[++i], request.nWidth, request.nHeight))
        return false;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2)
    return false;
  request.strSource = positional[0];
  request.strOutput = positional[1];
  return true;
}

int RunRenderCommand(const CRenderRequest& request)
{
  std::string output = MakeAbsolute(request.strOutput);
  CLoadedDocument loaded;
  int status = OpenAndStep(loaded, request.strSource, {}, StatusLines::Omitted, request.sensor);
  if (!loaded.IsOpen())
    return status;
  CProject& project = loaded.m_document.GetProject();

  CGLCamera camera;
  if (int setUp = SetUpStartView(camera, project, request.nWidth, request.nHeight, request.bWire,
                                 loaded.m_pSensors.get(), request.sensor);
      setUp != kExitOk)
    return setUp;

  CPngFileDestination png(output);
  if (!camera.Paint(png)) {
    PrintError("Das Bild kann nicht nach " + request.strOutput + " geschrieben werden.");
    return kExitUnreadable;
  }
  return status;
}
