#pragma once

#include <cstddef>
#include <optional>

#include "engine.h"
#include "level_plan.h"
#include "room_catalogue.h"
#include "room_table.h"

namespace vendrel {

// What a cell's room must offer toward the cell it is entered from: its own connector on
// `ownSide` (before the room is turned) must have `size`.
struct EntryRequirement {
  int ownSide = 0;
  int size = 0;
};

// The requirement of a cell entered in `direction` (1..4) from a cell whose room `fromRoom`
// is turned `fromTurns` times, when the cell's own room is turned `turns` times. The
// entry cell's connector on the shared side is its own connector (direction - 1) turned
// back; the cell's facing side is the opposite one, turned back by its own turns.
EntryRequirement EntryRequirementFor(const RoomRow& fromRoom, int fromTurns, int direction,
                                     int turns);

// The rooms that fit the cell: any room of the genre and type for the first cell, else
// those that meet the entry cell's connector with a connector of its size.
const std::vector<std::size_t>& FittingRooms(const RoomCatalogue& catalogue, const RoomTable& table,
                                             long long genre, const LevelPlan& level,
                                             const PlannedCell& cell);

// Draws the cell's room from the fitting rooms (one Randa and one draw). No fitting room
// ends the run through MapError with the type code.
std::size_t ChooseCellRoom(const Engine& engine, const RoomCatalogue& catalogue,
                           const RoomTable& table, long long genre, const LevelPlan& level,
                           const PlannedCell& cell);

}  // namespace vendrel
