#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock.h"

namespace vendrel {

// How the "Custom Seed" box stands: clear (the clock seeds), ticked (the user's seed),
// or grey (the generator is left as it is).
enum class SeedMode { Clock, Custom, Untouched };

// The one random source of the program. A reseed mixes a number into the running
// state rather than restarting the sequence; with a custom seed the state restarts from
// the seed at the start of each run and the seed stands in for every clock value, so a
// seed reproduces a run.
class RandomSource {
 public:
  explicit RandomSource(const Clock& clock);
  virtual ~RandomSource() = default;

  void SetSeedMode(SeedMode mode, std::int64_t customSeed = 0);
  SeedMode Mode() const { return mode_; }
  std::int64_t CustomSeed() const { return customSeed_; }

  // Call at the start of a generation run.
  void StartRun();

  // Uniform in [0, 1), without a reseed. Virtual so tests can script the draws.
  virtual double Draw();
  // Mixes x into the state.
  void Reseed(double x);
  // A reseed that would read the clock: with a custom seed, the seed goes in instead.
  // Virtual so tests can see the values.
  virtual void ReseedFromClock(double clockValue);

  // Reseeds before a draw: from the clock three times, from the custom seed, or not at
  // all, as the seed mode says.
  virtual void Randa();
  // Randa, one draw, and true when it falls below value.
  bool Bet(double value);

 private:
  const Clock& clock_;
  std::uint64_t state_;
  SeedMode mode_ = SeedMode::Clock;
  std::int64_t customSeed_ = 0;
};

// A custom seed text must be a whole number of at most 10 characters; otherwise
// `problem` says why it is refused.
struct ParsedSeed {
  std::optional<std::int64_t> value;
  std::string problem;
};
ParsedSeed ParseCustomSeed(std::string_view text);

}  // namespace vendrel
