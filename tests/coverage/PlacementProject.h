#pragma once

#include <algorithm>
#include <string>
#include <utility>

// A sensor with one facet that looks down and back: at height h and turn 0
// its patch is the square of side h/2 centred at (-h, 0, 0). Two floor
// squares, "P.V0.Back" (x -3 to -1) and "P.V0.Front" (x 1 to 3), y -1 to 1.
// The height starts at 2 (limits 1.5 and 4, steps +-heightStep), the turn
// at 0 (limits -90 and 180, steps +-90), the tilt at 0 (limits -10 and 10,
// steps +-10) turns a bracket that holds nothing. Turned by 180 the patch
// lies on the front floor as it lay on the back one. With steps of 0.5 the
// most watched is 1.40625 m² at h = 2.5; with steps of 0.1 it is 1.44 m² at
// h = 2.4 (four steps), where the patch first reaches x = -3. With zone
// corners ("X,Y X,Y ..."), the room's plan "Grundriss" (outline x -3 to 3,
// y -1 to 1) holds that no-watch zone.
inline std::string PlacementProject(double heightStep, const std::string& zone = {})
{
  auto vec = [](double x, double y, double z) {
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " ";
  };
  auto square = [&](const std::string& name, const std::string& parent, double x0, double x1, double y0, double y1,
                    double z) {
    return "polygon " + name + " " + parent + " _ 1 1 " + vec(0, 0, 0) + vec(0, 0, 0) + vec(0.8, 0.8, 0.8) +
           vec(0, 0, 0) + "1 1 0 4 " + vec(x0, y0, z) + vec(x1, y0, z) + vec(x1, y1, z) + vec(x0, y1, z) + "\n";
  };
  auto system = [&](const std::string& name, const std::string& parent, double x, double z) {
    return "begin-system " + name + " " + parent + " _ 1 1 0 " + vec(x, 0, z) + vec(0, 0, 0) + "\n";
  };
  std::string text = "begin-sim-data P  _ 1 1 0 \n";
  text += "begin-group V0 P _ 1 1 0 \n" + square("Back", "V0", -3, -1, -1, 1, 0) +
          square("Front", "V0", 1, 3, -1, 1, 0) + "end-group\n";
  text += "begin-group V1 P _ 1 1 0 \nend-group\nbegin-group V2 P _ 1 1 0 \nend-group\n";
  text += "choice Var P _ 1 1 0 0 2 Wand Decke Ecke \n";
  text += "doublelink Ceil P _ 1 1 3 0 5 P.Plate.@3 \n" + square("Plate", "P", -1, 1, -1, 1, 0);
  text += "doublelink Height P _ 1 1 2 1.5 4 P.Holder.@3 \n";
  text += "doublelink Turn P _ 1 1 0 -90 180 P.Holder.Turn.@6 \n";
  text += "doublelink Tilt P _ 1 1 0 -10 10 P.Holder.Bracket.@5 \n";
  // The inner system takes back the offset the wall variant gives the mount,
  // so the element sits on the turn axis at the height.
  text += system("Holder", "P", 0, 2) + system("Turn", "Holder", 0, 0) + system("Mount", "Turn", 0, 0) +
          system("Attitude", "Mount", 0, 0) + system("Inner", "Attitude", -0.035, -0.05);
  text += "point Element Inner _ 1 1 " + vec(0, 0, 0) + vec(0, 0, 0) + vec(1, 0, 0) + vec(0, 0, 0) + "1 1 0.01 2 \n";
  text += system("Lens1", "Inner", 0, 0) + square("F", "Lens1", -1.25, -0.75, -0.25, 0.25, -1) + "end-system\n";
  text += system("Lens2", "Inner", 0, 0) + "end-system\n" + system("Lens3", "Inner", 0, 0) + "end-system\n";
  text += "end-system\nend-system\nend-system\nend-system\n";
  text += system("Bracket", "Holder", 0, 0) + "end-system\nend-system\n";
  text += "begin-group Results P _ 1 1 0 \nend-group\nenable Rays P _ 1 1 0 \n";
  if (!zone.empty()) {
    auto point = [&](const std::string& name, const std::string& parent, const std::string& xy) {
      std::string position = xy.substr(0, xy.find(',')) + " " + xy.substr(xy.find(',') + 1) + " 0 ";
      return "point " + name + " " + parent + " _ 1 1 " + position + vec(0, 0, 0) + vec(1, 0, 0) + vec(0, 0, 0) +
             "1 1 0.01 2 \n";
    };
    text += "begin-group Grundriss P _ 0 1 0 \ndouble H\xf6he Grundriss _ 1 1 3 0 5 \n";
    text += "word Montagewand Grundriss _ 1 1 0 0 999 \ndouble Montageabstand Grundriss _ 1 1 3 0 5 \n";
    text += point("Deckenplatz", "Grundriss", "0,0") + "word Montageecke Grundriss _ 1 1 0 0 999 \n";
    text += point("Ecke1", "Grundriss", "-3,-1") + point("Ecke2", "Grundriss", "3,-1") +
            point("Ecke3", "Grundriss", "3,1") + point("Ecke4", "Grundriss", "-3,1");
    text += "begin-group Zone1 Grundriss Bett 1 1 0 \n";
    size_t k = 1;
    for (size_t start = 0; start < zone.size(); ++k) {
      size_t end = std::min(zone.find(' ', start), zone.size());
      text += point("Ecke" + std::to_string(k), "Zone1", zone.substr(start, end - start));
      start = end + 1;
    }
    text += "end-group\nend-group\n";
  }
  text += "end-sim-data\n";
  const std::string sensor = "P.Holder.Turn.Mount.Attitude";
  text += "begin-sim-module\nCAD1 P.V0 P.V1 P.V2 P.Var P.Ceil P.Plate P.Holder.Turn.Mount " + sensor +
          " P.Holder.Bracket " + sensor + ".Inner.Element " + sensor + ".Inner.Lens1 " + sensor + ".Inner.Lens2 " +
          sensor + ".Inner.Lens3 P.Results _ _ _ P.Rays \n";
  text += "MH1 P.Height \nDW1 P.Turn \nKW1 P.Tilt \n";
  text += "MH2 P.Height " + std::to_string(heightStep) + " \nDW2 P.Turn 90 \nKW2 P.Tilt 10 \n";
  text += "MH3 P.Height " + std::to_string(-heightStep) + " \nDW3 P.Turn -90 \nKW3 P.Tilt -10 \n";
  return text + "end-sim-module\n";
}

// Steps of 0.5 from 1.5 to 3.5 m, where every height reaches a floor, and
// turns of 180 between 0 and 180 only.
inline std::string NarrowedPlacementProject(const std::string& zone = {})
{
  std::string text = PlacementProject(0.5, zone);
  for (auto [from, to] : {std::pair<std::string, std::string>{"P _ 1 1 2 1.5 4 ", "P _ 1 1 2 1.5 3.5 "},
                          {"P _ 1 1 0 -90 180 ", "P _ 1 1 0 0 180 "},
                          {"DW2 P.Turn 90 ", "DW2 P.Turn 180 "},
                          {"DW3 P.Turn -90 ", "DW3 P.Turn -180 "}})
    text.replace(text.find(from), from.size(), to);
  return text;
}
