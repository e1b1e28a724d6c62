#pragma once

#include <string>
#include <vector>

// "kmvtool render SOURCE OUT.png [--size WxH] [--wire]".
struct CRenderRequest {
  std::string strSource;
  std::string strOutput;
  int nWidth = 800;
  int nHeight = 600;
  bool bWire = false;
  size_t sensor = 1; // checked only: the picture shows every sensor
};

// Takes the arguments after "render"; FALSE on wrong usage.
bool ParseRenderRequest(const std::vector<std::string>& args, CRenderRequest& request);

// "WxH", each side 1 to 8192 pixels.
bool ParsePictureSize(const std::string& text, int& width, int& height);

class CGLCamera;
class CProject;
class CSensorSet;
// Makes the camera's context and sets it up at the size on the start view
// turned towards the scene's centre, the scene built: every sensor's patches
// in its colour, the current one's outlined. Returns the exit status; the
// error is already reported.
int SetUpStartView(CGLCamera& camera, CProject& project, int width, int height, bool wire, CSensorSet* sensors,
                   size_t current);

// Opens the source as the program does (the detection is computed), renders
// the scene off-screen from the start view turned towards the scene's
// centre, and writes the picture as PNG. Returns the exit status.
int RunRenderCommand(const CRenderRequest& request);
