// Plays a scene's script without a window, on a virtual clock, as the form's animation loop
// does: every step moves the sprites, steps their frames and runs the script.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "games/scratch/live_scene.h"
#include "gameutil/fake_host.h"
#include "gameutil/gameutil.h"

namespace scratch_test {

struct Stamp {
  std::string name;
  std::int32_t frame;
};

class SceneDriver {
 public:
  // The clock starts `start` ms after the host's origin (near 2^31 to cross the 32-bit wrap).
  explicit SceneDriver(std::int64_t start = 50000) {
    host_.now = start;
    GameUtil::SetHost(&host_);
  }
  ~SceneDriver() { GameUtil::SetHost(nullptr); }
  SceneDriver(const SceneDriver&) = delete;
  SceneDriver& operator=(const SceneDriver&) = delete;

  // A new game: the scene is loaded, the child scratches for `scratchMs`, and it comes alive.
  void NewGame(int index, unsigned seed, int scratchMs = 3000) {
    GameUtil::Randomize(seed);
    scene.Load(index, nullptr);
    host_.now += scratchMs;
    scene.Start(GameUtil::GetTimeMs(), [this] { ++reports; });
    elapsedMs = 0;
  }

  // One animation step of `stepMs`.
  scratch::StepResult Step(int stepMs) {
    const std::int32_t last = GameUtil::GetTimeMs();
    host_.now += stepMs;
    const std::int32_t now = GameUtil::GetTimeMs();
    const double dt = GameUtil::ElapsedMs(now, last) / 1000.0;
    elapsedMs += stepMs;
    scene.Advance(dt, now);
    return scene.Animate(
        dt, last, now,
        [this](const GameUtil::Sprite& s) {
          stamps.push_back({s.name, s.frame});
        },
        [this] { ++reports; });
  }

  // Steps until the scene ends or `limitMs` have passed; true when it ended.
  bool PlayToEnd(int stepMs, int limitMs) {
    while (elapsedMs < limitMs) {
      if (Step(stepMs) == scratch::StepResult::Ended) return true;
    }
    return false;
  }

  GameUtil::Sprite& Sprite(const std::string& name) {
    return scene.sprites()[scratch::FindSprite(scene.sprites(), name)];
  }

  scratch::LiveScene scene;
  std::vector<Stamp> stamps;
  int reports = 0;
  long elapsedMs = 0;

 private:
  FakeHost host_;
};

}  // namespace scratch_test
