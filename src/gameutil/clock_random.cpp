#include <bit>
#include <chrono>
#include <cmath>
#include <random>

#include "gameutil/gameutil.h"

namespace GameUtil {

namespace {

std::mt19937 generator;

}  // namespace

// The host counts from start-up, so the 32-bit result lasts 24.8 days of run time before it
// wraps (the conversion wraps modulo 2^32 rather than overflowing); the games only ever use
// differences of it.
std::int32_t GetTimeMs() {
  std::int64_t now;
  if (Host* host = GetHost()) {
    now = host->NowMs();
  } else {
    static const auto start = std::chrono::steady_clock::now();
    now = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                start)
              .count();
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(now));
}

void Randomize(double seed) {
  const auto bits = std::bit_cast<std::uint64_t>(seed);
  std::seed_seq sequence{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
  generator.seed(sequence);
}

float Rnd() {
  // 24 random bits fill a float's mantissa exactly, so the result is uniform and below 1.
  return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
}

double RandomRange(std::int16_t lo, std::int16_t hi) {
  if (lo > hi) return lo;
  const float span = static_cast<float>(static_cast<int>(hi) - lo + 1);
  const float scaled = Rnd() * span;
  const int value = static_cast<int>(std::floor(scaled)) + lo;
  // Rounding of the single-precision product must never carry the result past hi.
  return value > hi ? hi : value;
}

}  // namespace GameUtil
