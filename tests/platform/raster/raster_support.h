// Small helpers shared by the raster tests.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/surface.h"

namespace platform::test {

inline int Any(std::mt19937& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

inline Surface RandomSurface(int w, int h, std::mt19937& rng) {
  Surface s(w, h);
  for (int i = 0; i < w * h; ++i) s.data()[i] = rng() & 0xFFFFFF;
  return s;
}

inline ::testing::AssertionResult SamePixels(const Surface& a, const Surface& b) {
  if (a.width() != b.width() || a.height() != b.height()) {
    return ::testing::AssertionFailure() << "sizes differ";
  }
  for (int i = 0; i < a.width() * a.height(); ++i) {
    if (a.data()[i] != b.data()[i]) {
      return ::testing::AssertionFailure()
             << "first difference at " << i % a.width() << "," << i / a.width();
    }
  }
  return ::testing::AssertionSuccess();
}

inline int CountPixels(const Surface& s, std::uint32_t pixel) {
  return static_cast<int>(std::count(s.data(), s.data() + s.width() * s.height(), pixel));
}

// A fresh folder below the system's temporary folder, removed again with the object.
class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("kidplay-raster-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace platform::test
