#pragma once

#include "RoomPlan.h"

#include <memory>
#include <optional>
#include <string>

class CItemGroup;

// The underlay kept in the plan's group as ordinary entries: a group
// "Unterlage" whose description holds the file name, percent-encoded so
// that every byte survives the record text (blanks and '_' included).
constexpr const char* kUnderlayGroupName = "Unterlage";

std::unique_ptr<CItemGroup> MakeUnderlayGroup(const CPlanUnderlay& underlay);
// None when the plan group has no underlay or its entries are damaged.
std::optional<CPlanUnderlay> ReadUnderlayGroup(const CItemGroup& planGroup);

// The name an underlay stores for the file: relative to the project file's
// folder, absolute while the project has no file. None when it would not
// fit into an entry's description.
std::optional<std::string> StoredUnderlayName(const std::string& projectPath, const std::string& file);
// The file an underlay names, for the project at `projectPath`.
std::string UnderlayFilePath(const std::string& projectPath, const std::string& stored);

// Names the plan group's underlay file anew for the project moving from
// `fromPath` to `toPath` (either may be empty: no file yet).
void RebaseUnderlayGroup(CItemGroup& planGroup, const std::string& fromPath, const std::string& toPath);

// A new underlay of `width` x `height` units: its width as wide as the
// plan's outline (20 m without one), centred on it, opaque.
CPlanUnderlay FittedUnderlay(const CRoomPlan& plan, std::string file, size_t page, double width, double height);
// The underlay scaled about `from` so that the picture's points now at
// `from` and `to` lie `distance` metres apart; none for points that
// coincide or a distance that is no length.
std::optional<CPlanUnderlay> MeasuredUnderlay(const CPlanUnderlay& underlay, const CPlanPoint& from,
                                              const CPlanPoint& to, double distance);
