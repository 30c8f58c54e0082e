// A host that records what the game library asks of it, for tests without a window.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "gameutil/gameutil.h"
#include "platform/paths.h"

// Modes by number and a current mode; a change succeeds (and becomes current) unless told to
// answer with another code.
class FakeDisplay : public platform::DisplayDriver {
 public:
  std::vector<platform::DisplayMode> modes;
  platform::DisplayMode current;
  int changeResult = platform::kDispChangeSuccessful;
  std::vector<std::pair<platform::DisplayMode, std::uint32_t>> changes;

  bool EnumDisplaySettings(int n, platform::DisplayMode& mode) override {
    const bool listed = n >= 0 && n < static_cast<int>(modes.size());
    if (n != platform::kEnumCurrentSettings && !listed) return false;
    mode = listed ? modes[n] : current;
    return true;
  }
  int ChangeDisplaySettings(const platform::DisplayMode& mode, std::uint32_t flags) override {
    changes.emplace_back(mode, flags);
    if (changeResult == platform::kDispChangeSuccessful) current = mode;
    return changeResult;
  }
};

struct Box {
  std::string title, text;
  platform::MessageIcon icon;
  bool operator==(const Box&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << b.title << " (icon " << static_cast<int>(b.icon) << "): " << b.text;
  }
};

class FakeHost : public GameUtil::Host {
 public:
  std::int64_t now = 0;
  std::vector<Box> boxes;
  std::vector<std::pair<std::string, std::uint32_t>> sounds;
  int soundResult = 1;
  std::vector<std::string> media;
  int cursorCount = 0, cursorCalls = 0;
  bool cursorStuck = false;  // a count that never moves
  std::filesystem::path base = "/nonexistent";
  FakeDisplay fakeDisplay;
  platform::DisplayDriver* display = &fakeDisplay;

  std::int64_t NowMs() override { return now; }
  void ShowMessage(const std::string& title, const std::string& text,
                   platform::MessageIcon icon) override {
    boxes.push_back({title, text, icon});
  }
  int PlaySound(const std::string& path, std::uint32_t flags) override {
    sounds.emplace_back(path, flags);
    return soundResult;
  }
  int SendMediaCommand(const std::string& command, std::string*) override {
    media.push_back(command);
    return 0;
  }
  int ShowCursor(bool show) override {
    ++cursorCalls;
    if (!cursorStuck) cursorCount += show ? 1 : -1;
    return cursorCount;
  }
  std::optional<std::string> ResolvePath(std::string_view path) override {
    auto file = platform::ResolvePath(base, path);
    return file ? std::optional<std::string>(file->string()) : std::nullopt;
  }
  platform::DisplayDriver& Display() override { return *display; }
};

// Installs a fresh host and the start-of-run state around each test.
class GameUtilTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GameUtil::ResetSavedState();
    GameUtil::SetErrorContext("Menu");
    Settings::soundOn = GameUtil::True;
    GameUtil::SetHost(&host);
  }
  void TearDown() override { GameUtil::SetHost(nullptr); }
  FakeHost host;
};
