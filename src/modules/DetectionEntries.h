#pragma once

#include <array>
#include <string>

class CItemBase;
class CItemChoice;
class CItemDoubleLink;
class CItemEnable;
class CItemGroup;
class CItemPoint;
class CItemPolygon;
class CItemSystem;

// The entries the detection characteristic works on, looked up by their 18
// paths on every run.
struct CDetectionEntries {
  std::array<CItemGroup*, 3> variantGroups{}; // F1 to F3
  CItemChoice* pVariant = nullptr;            // F4
  CItemDoubleLink* pCeilingHeight = nullptr;  // F5
  CItemPolygon* pCeilingPlate = nullptr;      // F6
  CItemSystem* pMount = nullptr;              // F7
  CItemSystem* pAttitude = nullptr;           // F8
  CItemSystem* pCornerBracket = nullptr;      // F9
  CItemPoint* pElement = nullptr;             // F10
  std::array<CItemSystem*, 3> lensSystems{};  // F11 to F13
  CItemGroup* pResults = nullptr;             // F14
  std::array<CItemEnable*, 3> lensSwitches{}; // F15 to F17, optional
  CItemEnable* pRays = nullptr;               // F18

  // FALSE when a required path leads nowhere or to an entry of another kind.
  bool Resolve(CItemGroup& root, const std::array<std::string, 18>& paths);
  // FALSE when emptying the results group would delete the root, an imported
  // model or any other entry the run needs.
  bool ResultsGroupIsSafe(const CItemGroup& root) const;
};
