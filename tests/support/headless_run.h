// A headless runtime over a replay script, with its own lock, settings and trace files in a
// temporary folder that goes away with it.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace testsupport {

class HeadlessRun {
 public:
  // `traceFrames`: decide frames as a window would and trace each shown one.
  explicit HeadlessRun(const std::string& script, const std::filesystem::path& programFolder = {},
                       bool traceFrames = false) {
    namespace fs = std::filesystem;
    dir_ = fs::temp_directory_path() /
           ("kidplay-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    fs::create_directories(dir_);
    ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    std::ofstream(dir_ / "script.txt") << script;
    platform::RunOptions options;
    options.headless = true;
    options.scriptFile = (dir_ / "script.txt").string();
    options.traceFile = (dir_ / "trace.txt").string();
    options.traceFrames = traceFrames;
    runtime_ =
        std::make_unique<platform::Runtime>(options, programFolder.empty() ? dir_ : programFolder);
    std::string error;
    EXPECT_TRUE(runtime_->Start(&error)) << error;
  }
  ~HeadlessRun() {
    runtime_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  platform::Runtime& rt() { return *runtime_; }
  const std::filesystem::path& dir() const { return dir_; }
  std::vector<std::string> Trace() const {
    std::ifstream in(dir_ / "trace.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  static inline int counter_ = 0;
  std::filesystem::path dir_;
  std::unique_ptr<platform::Runtime> runtime_;
};

}  // namespace testsupport
