#include "random_source.h"

#include <bit>
#include <charconv>

namespace vendrel {
namespace {

std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// The high and low halves of the full product, folded: one multiplication that spreads
// every bit of both factors.
std::uint64_t Fold(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kStep = 0xA0761D6478BD642FULL;
constexpr std::uint64_t kOutput = 0xE7037ED1A0B428DBULL;
constexpr std::uint64_t kReseed = 0x8EBC6AF09C88C6E3ULL;

// The generator's steps as plain functions of the state, so the reseeds that come before
// nearly every draw compile to straight arithmetic.
// The 53 random bits of the next draw, as a whole number below 2^53.
double NextBits(std::uint64_t& state) {
  state += kStep;
  return static_cast<double>(Fold(state, state ^ kOutput) >> 11);
}

constexpr double kBitsToUniform = 0x1.0p-53;

double NextUniform(std::uint64_t& state) { return NextBits(state) * kBitsToUniform; }

// A draw times `factor`, with the scale to [0, 1) folded into the factor: scaling by a
// power of two is exact, so the product rounds to the same double, one multiplication
// sooner. The reseeds before nearly every draw wait on these products.
double NextUniformTimes(std::uint64_t& state, double factor) {
  return NextBits(state) * (factor * kBitsToUniform);
}

void MixIn(std::uint64_t& state, double x) {
  // Both zeros mix in alike.
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  if (bits == std::bit_cast<std::uint64_t>(-0.0)) bits = 0;
  state = Fold(state ^ bits ^ kStep, kReseed);
}

}  // namespace

RandomSource::RandomSource(const Clock& clock)
    : clock_(clock), state_(Mix(std::bit_cast<std::uint64_t>(clock.SecondsSinceMidnight()))) {}

void RandomSource::SetSeedMode(SeedMode mode, std::int64_t customSeed) {
  mode_ = mode;
  customSeed_ = customSeed;
}

void RandomSource::StartRun() {
  if (mode_ == SeedMode::Custom) state_ = Mix(static_cast<std::uint64_t>(customSeed_) + kGolden);
}

double RandomSource::Draw() { return NextUniform(state_); }

void RandomSource::Reseed(double x) { MixIn(state_, x); }

void RandomSource::ReseedFromClock(double clockValue) {
  Reseed(mode_ == SeedMode::Custom ? static_cast<double>(customSeed_) : clockValue);
}

void RandomSource::Randa() {
  switch (mode_) {
    case SeedMode::Untouched:
      return;
    case SeedMode::Custom:
      MixIn(state_, static_cast<double>(customSeed_));
      return;
    case SeedMode::Clock: {
      // The first and third reseeds each read the clock afresh; the hour comes with the first.
      const SeedTime first = clock_.SeedReading();
      std::uint64_t state = state_;
      {
        const double minuteTimesR1 = NextUniformTimes(state, first.local.minute);
        const double r2 = NextUniform(state);
        MixIn(state, first.secondsSinceMidnight + minuteTimesR1 + r2);
      }
      {
        const double r3 = NextUniform(state);
        const double r4 = NextUniform(state);
        MixIn(state, -2313.06345 + first.local.hour + r4 * r3);
      }
      {
        const SeedTime third = clock_.SeedReading();
        const double r5Times = NextUniformTimes(state, 14.2562);
        const double r6 = NextUniform(state);
        MixIn(state, third.secondsSinceMidnight * third.local.second - r5Times + r6);
      }
      state_ = state;
      return;
    }
  }
}

bool RandomSource::Bet(double value) {
  Randa();
  return Draw() < value;
}

ParsedSeed ParseCustomSeed(std::string_view text) {
  ParsedSeed parsed;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.size() > 10 || error != std::errc() || end != text.data() + text.size()) {
    parsed.problem = "The seed \"" + std::string(text) +
                     "\" is not a whole number. A seed is a whole number of at most 10 "
                     "characters, such as 12345.";
    return parsed;
  }
  parsed.value = value;
  return parsed;
}

}  // namespace vendrel
