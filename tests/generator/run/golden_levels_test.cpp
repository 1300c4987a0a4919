// The bytes the run writes, pinned: every size over several seeds, and every deployed
// room, must hash to what fixtures/golden_levels.txt recorded. Work on speed must not move
// a single byte. When the output is meant to change (new rooms, new data), run this test
// with VENDREL_WRITE_GOLDEN=<file> to write the table afresh and review the difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "run_fixture.h"

namespace vendrel {
namespace {

const std::filesystem::path kGoldenTable =
    std::filesystem::path(VENDREL_RUN_FIXTURES) / "golden_levels.txt";

// FNV-1a, 64 bits: enough to tell any changed byte apart, and needs no library.
std::uint64_t Fingerprint(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Entry(const std::string& bytes) {
  std::ostringstream entry;
  entry << bytes.size() << ' ' << std::hex << Fingerprint(bytes);
  return entry.str();
}

// Key ("level <size> <seed>" or "room <file name>") to "<bytes> <fingerprint>".
using GoldenTable = std::map<std::string, std::string>;

GoldenTable ReadGoldenTable() {
  GoldenTable table;
  std::ifstream in(kGoldenTable);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t split = line.rfind(' ', line.rfind(' ') - 1);
    table[line.substr(0, split)] = line.substr(split + 1);
  }
  return table;
}

constexpr long long kSeeds[] = {1, 77, 2026, 99991};

GoldenTable CurrentTable() {
  GoldenTable table;
  for (int size = 5; size <= 35; ++size) {
    for (const long long seed : kSeeds) {
      testing::RunContext run;
      const RunOutcome outcome = run.Generate(testing::kBundledRooms, size, seed);
      EXPECT_EQ(outcome.end, RunEnd::Done) << "size " << size << " seed " << seed;
      table["level " + std::to_string(size) + " " + std::to_string(seed)] =
          Entry(testing::ReadFile(run.LevelFile()));
    }
  }
  for (const auto& room : std::filesystem::directory_iterator(testing::kBundledRooms)) {
    table["room " + room.path().filename().string()] = Entry(testing::ReadFile(room.path()));
  }
  return table;
}

TEST(GoldenLevels, EveryLevelAndRoomKeepsItsBytes) {
  const GoldenTable current = CurrentTable();
  if (const char* target = std::getenv("VENDREL_WRITE_GOLDEN")) {
    std::ofstream out(target);
    for (const auto& [key, entry] : current) out << key << ' ' << entry << '\n';
    GTEST_SKIP() << "golden table written to " << target;
  }
  const GoldenTable golden = ReadGoldenTable();
  ASSERT_FALSE(golden.empty()) << kGoldenTable;
  for (const auto& [key, entry] : golden) {
    const auto found = current.find(key);
    ASSERT_NE(found, current.end()) << key << " is no longer made";
    EXPECT_EQ(found->second, entry) << key;
  }
  EXPECT_EQ(current.size(), golden.size());
}

}  // namespace
}  // namespace vendrel
