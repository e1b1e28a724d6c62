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
};

// Takes the arguments after "render"; FALSE on wrong usage.
bool ParseRenderRequest(const std::vector<std::string>& args, CRenderRequest& request);

// Opens the source as the program does (the detection is computed), renders
// the scene off-screen from the start view turned towards the scene's
// centre, and writes the picture as PNG. Returns the exit status.
int RunRenderCommand(const CRenderRequest& request);
