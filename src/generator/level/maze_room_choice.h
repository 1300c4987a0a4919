#pragma once

#include "engine.h"
#include "level_plan.h"
#include "maze_surface.h"
#include "room_table.h"
#include "run_options.h"
#include "run_state.h"
#include "sun_position.h"

namespace vendrel {

// The run's first stage: sorts the library into the catalogue, draws the level's size,
// gets a maze line that passes the surface test and its direction list, chooses a room
// and rotation for every cell so that each room meets its entry cell's connector with
// one of the same size, and chooses the sky. Sets the state's level count, rooms per
// level, maze attempts and sky name. Errors end the run through MapError. When the abort flag is found
// set after the maze, the plan is returned without its rooms.
LevelPlan ChooseMazeAndRooms(const Engine& engine, const RunOptions& options, const SunValues& sun,
                             const RoomTable& table, MazeSurface& surface, RunState& state);

}  // namespace vendrel
