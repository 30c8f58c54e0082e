// What the fuzz targets share: a check that aborts (so libFuzzer keeps the input) when a
// reader breaks a promise.
#pragma once
#include <cstdlib>

namespace fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace fuzz
