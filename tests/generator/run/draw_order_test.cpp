#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "categorize.h"
#include "compile_main.h"
#include "fixed_clock.h"
#include "recording_host.h"
#include "scripted_random.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

const std::filesystem::path kFixture = VENDREL_RUN_FIXTURES "/draw_order";

// Draws spread over [0, 1) without a pattern the maze or the spawn rules could fall into.
std::deque<double> SpreadDraws() {
  std::deque<double> draws;
  for (int i = 1; i <= 97; ++i) draws.push_back(std::fmod(i * 0.6180339887, 1.0));
  return draws;
}

// Every draw of a whole run, in the order the run takes them, pinned: a run on a small
// room library of seven rooms, each with an item, a weapon and a monster placeholder,
// under a fixed cycle of draws must write the level kept beside this test byte for byte.
// Any draw taken out of its turn moves some room, piece, sky or entity of the level.
TEST(DrawOrder, AWholeRunUnderScriptedDrawsWritesTheLevelKeptOnFile) {
  testing::TempFolder folder;
  std::filesystem::copy(kFixture, folder.Path(), std::filesystem::copy_options::recursive);
  std::filesystem::remove(folder / "level1.vmf");
  testing::RecordingHost host;
  testing::FixedClock clock;
  testing::ScriptedRandom random(SpreadDraws());
  random.cycle = true;
  LogService log(host, clock, folder.Path());
  const Engine engine{host, clock, random, log, folder.Path()};
  RunOptions options;
  options.mapSize = 8;

  const RoomTable rooms = Categorize(engine, folder / "rooms");
  GenerationRun run(engine);
  const RunOutcome outcome = run.CompileMain({options, rooms, folder.Path(), DefaultLevelPaths(folder.Path())});

  ASSERT_EQ(outcome.end, RunEnd::Done);
  const std::string level = testing::ReadFile(folder / "level1.vmf");
  EXPECT_EQ(level, testing::ReadFile(kFixture / "level1.vmf"));
  EXPECT_NE(level.find("\"classname\" \"npc_"), std::string::npos) << "the spawn draws are pinned too";
}

}  // namespace
}  // namespace vendrel
