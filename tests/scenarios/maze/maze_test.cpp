// The Maze game played through replay scripts: the way is read from the arrows that Backspace
// shows on a screenshot, then walked with the arrow keys in a second run with the same seed.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

const char* const kKeys[4] = {"Right", "Down", "Left", "Up"};  // east, south, west, north
constexpr int kDx[4] = {1, 0, -1, 0};
constexpr int kDy[4] = {0, 1, 0, -1};
const std::string kMove = "sound 1 1 Sfx\\Maze\\Move.wav";
const std::string kWall = "sound 1 1 Sfx\\Maze\\WallHit.wav";
const std::string kDone = "sound 1 1 Sfx\\Maze\\LevelDone.wav";
// Opens the Maze from the menu and lets it draw.
const std::string kOpenMaze = "wait 600\nclick 400 325\nwait 300\n";

int CellSize(int n) {
  return static_cast<int>(std::nearbyint(600.0 / n));
}

// Which path arrow is drawn on a cell of an n x n maze, if any.
class ArrowReader {
 public:
  ArrowReader() {
    const char* names[4] = {"E", "S", "W", "N"};
    for (int d = 0; d < 4; ++d) {
      picture_[d] = Picture(std::string("Gfx/Maze/Arrow") + names[d] + ".bmp");
      mask_[d] = Picture(std::string("Gfx/Maze/ArrowMask") + names[d] + ".bmp");
    }
  }

  int At(const platform::Surface& shot, int n, int x, int y) const {
    const double c = CellSize(n);
    const int ax = static_cast<int>(std::nearbyint(c * x + c / 2 - 20));
    const int ay = static_cast<int>(std::nearbyint(c * y + c / 2 - 20));
    for (int d = 0; d < 4; ++d) {
      int opaque = 0, same = 0;
      for (int py = 0; py < 40; ++py) {
        for (int px = 0; px < 40; ++px) {
          if (platform::GetPixel(mask_[d], px, py) != 0) continue;
          ++opaque;
          same +=
              platform::GetPixel(shot, ax + px, ay + py) == platform::GetPixel(picture_[d], px, py);
        }
      }
      if (opaque > 0 && same >= opaque * 95 / 100) return d;
    }
    return -1;
  }

 private:
  platform::Surface picture_[4];
  platform::Surface mask_[4];
};

struct Way {
  int size = 0;
  std::vector<int> directions;  // from the figure's cell to the target
};

// Follows the arrows from a cell; the cells visited, or nothing when they lead astray.
std::optional<std::vector<std::pair<int, int>>> Follow(const ArrowReader& arrows,
                                                       const platform::Surface& shot, int n, int x,
                                                       int y) {
  std::vector<std::pair<int, int>> cells{{x, y}};
  for (int steps = 0; steps < n * n; ++steps) {
    const int d = arrows.At(shot, n, x, y);
    if (d < 0) return cells;
    x += kDx[d];
    y += kDy[d];
    if (x < 0 || y < 0 || x >= n || y >= n) return std::nullopt;
    cells.emplace_back(x, y);
  }
  return std::nullopt;
}

// Reads the way from a screenshot taken with the arrows shown. The figure covers the arrow on
// its own cell, so the first step is the west or north neighbour that starts the trail (when
// both carry arrows, the first is the one whose trail passes the other).
std::optional<Way> ReadWay(const platform::Surface& shot) {
  const ArrowReader arrows;
  for (int n = 5; n <= 15; ++n) {
    const int last = n - 1;
    std::optional<std::vector<std::pair<int, int>>> trails[2];
    const int firsts[2] = {2, 3};  // west, north
    for (int i = 0; i < 2; ++i) {
      const int nx = last + kDx[firsts[i]], ny = last + kDy[firsts[i]];
      if (arrows.At(shot, n, nx, ny) >= 0) trails[i] = Follow(arrows, shot, n, nx, ny);
    }
    for (int i = 0; i < 2; ++i) {
      if (!trails[i] || trails[i]->size() < 2) continue;
      const auto& other = trails[1 - i];
      if (other) {
        const auto otherStart = other->front();
        bool passes = false;
        for (const auto& c : *trails[i]) passes |= c == otherStart;
        if (!passes) continue;
      }
      Way way;
      way.size = n;
      way.directions.push_back(firsts[i]);
      const auto& cells = *trails[i];
      for (std::size_t k = 0; k + 1 < cells.size(); ++k) {
        for (int d = 0; d < 4; ++d) {
          if (cells[k].first + kDx[d] == cells[k + 1].first &&
              cells[k].second + kDy[d] == cells[k + 1].second)
            way.directions.push_back(d);
        }
      }
      return way;
    }
  }
  return std::nullopt;
}

std::string Keys(const std::vector<int>& directions) {
  std::string script;
  for (int d : directions) script += std::string("key ") + kKeys[d] + "\nwait 30\n";
  return script;
}

// The way of the maze that opens with this script prefix and seed.
Way FindWay(Scenario& s, const std::string& prefix, unsigned seed) {
  s.Run(prefix + "key Backspace\nwait 20\nshot way.png\nwait 10\n", seed, {}, "way");
  const auto way = ReadWay(s.Shot("way.png", "way"));
  EXPECT_TRUE(way.has_value()) << "no way found in the screenshot";
  return way ? *way : Way{};
}

TEST(Maze, ReachingTheTargetPlaysTheEndingAndThenANewMaze) {
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, 3);
  ASSERT_GE(way.size, 8);  // the medium band at first
  ASSERT_LE(way.size, 10);
  const Result r =
      s.Run(kOpenMaze + "key Backspace\nwait 20\nkey Backspace\nwait 20\n" + Keys(way.directions) +
                "wait 3000\nshot ending.png\nwait 4500\n"
                "shot new.png\nkey Escape\nwait 50\n",
            3);
  EXPECT_EQ(Count(r.trace, kMove), static_cast<int>(way.directions.size()));
  EXPECT_EQ(Count(r.trace, kWall), 0);
  ASSERT_EQ(Count(r.trace, kDone), 1);
  // The strip crosses the screen by elapsed time: about 6.9 s, then the next maze stops the
  // ending's sounds.
  long doneAt = 0, nextAt = 0;
  for (std::size_t i = 0; i < r.timed.size(); ++i) {
    if (r.trace[i] == kDone) doneAt = TimeOf(r.timed[i]);
    if (doneAt && !nextAt && r.trace[i] == "sound 1 1 Sfx\\Silence.wav")
      nextAt = TimeOf(r.timed[i]);
  }
  EXPECT_GE(nextAt - doneAt, 6800);
  EXPECT_LE(nextAt - doneAt, 6950);
  EXPECT_FALSE(SameRegion(s.Shot("ending.png"), s.Shot("new.png"), 0, 0, 600, 600));
  EXPECT_TRUE(Contains(r.trace, "unload MazeForm"));
}

TEST(Maze, TheEndingTakesTheSameTimeAtAnyFrameRate) {
  for (int frameMs : {7, 37}) {
    Scenario s;
    s.SetExtraOptions("--frame-ms " + std::to_string(frameMs));
    const Way way = FindWay(s, kOpenMaze, 4);
    const Result r = s.Run(kOpenMaze + Keys(way.directions) + "wait 8000\n", 4);
    long doneAt = 0, nextAt = 0;
    for (std::size_t i = 0; i < r.timed.size(); ++i) {
      if (r.trace[i] == kDone) doneAt = TimeOf(r.timed[i]);
      if (doneAt && !nextAt && r.trace[i] == "sound 1 1 Sfx\\Silence.wav")
        nextAt = TimeOf(r.timed[i]);
    }
    ASSERT_GT(doneAt, 0) << frameMs;
    // 960 pixels at 140 a second; the loop notices the end at its next pass and checks the
    // position before it lets time pass again, so up to two frames late.
    EXPECT_GE(nextAt - doneAt, 6857) << frameMs;
    EXPECT_LE(nextAt - doneAt, 6857 + 2 * frameMs) << frameMs;
  }
}

TEST(Maze, AWallHitTurnsTheFigureWithoutMovingIt) {
  Scenario s;
  // East of the starting cell is the maze's edge.
  const Result r = s.Run(kOpenMaze +
                         "shot before.png\nkey Right\nwait 20\nshot after.png\n"
                         "key Backspace\nwait 20\nshot way.png\nwait 10\n");
  EXPECT_EQ(Count(r.trace, kWall), 1);
  EXPECT_EQ(Count(r.trace, kMove), 0);
  const auto before = s.Shot("before.png"), after = s.Shot("after.png");
  const auto way = ReadWay(s.Shot("way.png"));
  ASSERT_TRUE(way);
  const int c = CellSize(way->size), last = way->size - 1;
  // Only the figure's own cell changed: it now faces the wall.
  EXPECT_FALSE(SameRegion(before, after, c * last, c * last, c, c));
  EXPECT_TRUE(SameRegion(before, after, 0, 0, c * last, 600));
}

TEST(Maze, BackspaceShowsAndHidesTheArrowsAndAHeldKeyMovesOneCell) {
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, 5);
  ASSERT_FALSE(way.directions.empty());
  const std::string key = kKeys[way.directions[0]];
  const Result r = s.Run(kOpenMaze +
                             "shot plain.png\nkey Backspace\nwait 20\nshot arrows.png\n"
                             "key Backspace\nwait 20\nshot hidden.png\n"
                             "keydown " +
                             key + "\nwait 50\nkeydown " + key + "\nkeydown " + key + "\nkeyup " +
                             key + "\nwait 20\n",
                         5);
  const auto plain = s.Shot("plain.png");
  EXPECT_FALSE(SameRegion(plain, s.Shot("arrows.png"), 0, 0, 600, 600));
  EXPECT_TRUE(SameRegion(plain, s.Shot("hidden.png"), 0, 0, 800, 600));
  EXPECT_EQ(Count(r.trace, kMove), 1);
}

TEST(Maze, EscapeDuringTheEndingLeavesTheGame) {
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, 9);
  const Result r = s.Run(kOpenMaze + Keys(way.directions) + "wait 1000\nkey Escape\nwait 100\n", 9);
  ASSERT_EQ(Count(r.trace, kDone), 1);
  long escapeAt = 0;
  for (std::size_t i = 0; i < r.timed.size(); ++i) {
    if (r.trace[i] == "unload MazeForm") escapeAt = TimeOf(r.timed[i]);
  }
  const long last = TimeOf(r.timed.back());
  EXPECT_GT(escapeAt, 0);
  EXPECT_LE(last - escapeAt, 100);  // left within a frame of the key, not after the strip
  EXPECT_TRUE(Contains(r.trace, "setting Maze Skill 2"));
  EXPECT_TRUE(Contains(r.trace, "setting Maze Scenario 0"));
  EXPECT_TRUE(Contains(r.trace, "show MenuForm"));
}

// The options dialog lies centred: (180, 130), 440 x 340.
const std::string kOpenOptions = "click 760 560\nwait 50\n";
const std::string kEasy = "click 272 215\nwait 20\n";
const std::string kHard = "click 528 215\nwait 20\n";
const std::string kRight = "click 520 340\nwait 20\n";
const std::string kOk = "click 335 430\nwait 50\n";
const std::string kCancel = "click 465 430\nwait 50\n";

TEST(Maze, TheOptionsChangeTheSkillAtOnceAndCancelChangesNothing) {
  Scenario s;
  const std::string prefix = kOpenMaze + kOpenOptions + kEasy + kOk;
  const Way way = FindWay(s, prefix, 11);
  EXPECT_GE(way.size, 5);
  EXPECT_LE(way.size, 7);

  const Result r = s.Run(kOpenMaze + "shot before.png\n" + kOpenOptions + kHard + kRight +
                         "shot dialog.png\n" + kCancel +
                         "shot after.png\n"
                         "key F1\nwait 20\nkey Escape\nwait 20\nshot after2.png\nwait 10\n");
  EXPECT_EQ(Count(r.trace, "show MazeOptions"), 2);
  EXPECT_EQ(Count(r.trace, "unload MazeOptions"), 2);
  const auto before = s.Shot("before.png");
  EXPECT_FALSE(SameRegion(before, s.Shot("dialog.png"), 180, 130, 440, 340));
  EXPECT_TRUE(SameRegion(before, s.Shot("after.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(before, s.Shot("after2.png"), 0, 0, 800, 600));
}

TEST(Maze, TheChoiceIsStoredAtTheEndAndReadBackAtTheNextLaunch) {
  Scenario s;
  Result r = s.Run(kOpenMaze + kOpenOptions + kEasy + kRight + kOk + "key Escape\nwait 50\n");
  EXPECT_TRUE(Contains(r.trace, "setting Maze Skill 1"));
  EXPECT_TRUE(Contains(r.trace, "setting Maze Scenario 1"));

  // The next launch (the settings folder is the same) starts easy, with the Wasp.
  const Way way = FindWay(s, kOpenMaze, 0);
  EXPECT_GE(way.size, 5);
  EXPECT_LE(way.size, 7);
  const int panel = way.size * CellSize(way.size);
  const auto shot = s.Shot("way.png", "way");
  const auto wasp = Picture("Gfx/Maze/WaspMenu.bmp");
  int same = 0;
  for (int y = 0; y < 420; ++y) {
    for (int x = 0; x < 120; ++x) {
      same += platform::GetPixel(shot, panel + 50 + x, 50 + y) == platform::GetPixel(wasp, x, y);
    }
  }
  EXPECT_EQ(same, 120 * 420);
}

// The ending runs by elapsed time also while the 32-bit clock wraps: the virtual clock starts
// at 10000 + seed, so this seed wraps it three seconds into the run, amid the ending.
TEST(Maze, TheEndingTakesItsTimeAcrossTheClocksWrap) {
  constexpr unsigned kWrapSeed = 2147483648u - 10000 - 3000;
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, kWrapSeed);
  const Result r =
      s.Run(kOpenMaze + Keys(way.directions) + "wait 8000\nkey Escape\nwait 50\n", kWrapSeed);
  ASSERT_EQ(r.status, 0) << r.errors;
  long doneAt = 0, nextAt = 0;
  for (std::size_t i = 0; i < r.timed.size(); ++i) {
    if (r.trace[i] == kDone) doneAt = TimeOf(r.timed[i]);
    if (doneAt && !nextAt && r.trace[i] == "sound 1 1 Sfx\\Silence.wav")
      nextAt = TimeOf(r.timed[i]);
  }
  ASSERT_GT(doneAt, 0);
  EXPECT_LT(doneAt, 2147483648L);  // the ending started before the wrap
  EXPECT_GT(nextAt, 2147483648L);  // and ended after it
  EXPECT_GE(nextAt - doneAt, 6857);
  EXPECT_LE(nextAt - doneAt, 6857 + 20);
}

// Next presses, both option dialogs' ways out, an ending, leaving and coming back: every time
// the menu shows, as many surfaces live as when it first showed.
TEST(Maze, TheSurfaceCountAtTheMenuNeverChanges) {
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, 6);
  std::string play = Keys(way.directions) + "wait 7500\n";
  for (int i = 0; i < 5; ++i) play += "click 760 500\nwait 30\n";  // Next
  play += kOpenOptions + kCancel + kOpenOptions + kEasy + kRight + kOk + kOpenOptions + kHard +
          kOk + "key F1\nwait 20\nkey Escape\nwait 20\n";
  const Result r =
      s.Run(kOpenMaze + play + "key Escape\nwait 700\n" + "click 400 325\nwait 300\n" +
                "click 760 500\nwait 30\nclick 700 560\nwait 700\nkey Escape\nwait 50\n",
            6);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.trace, kDone), 1);
  EXPECT_EQ(Count(r.trace, "show MazeOptions"), 4);
  const std::vector<int> counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_EQ(counts[1], counts[0]);
  EXPECT_EQ(counts[2], counts[0]);
}

}  // namespace
}  // namespace scenario
