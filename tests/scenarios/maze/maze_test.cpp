// The Maze game played through replay scripts: the way is read from the arrows that Backspace
// shows on a screenshot, then walked with the arrow keys in a second run with the same seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

const char* const kKeys[4] = {"Right", "Down", "Left", "Up"};  // east, south, west, north
constexpr int kDx[4] = {1, 0, -1, 0};
constexpr int kDy[4] = {0, 1, 0, -1};
const std::string kMove = "sound 1 1 Sfx\\Maze\\Move.wav";
const std::string kWall = "sound 1 1 Sfx\\Maze\\WallHit.wav";
const std::string kDone = "sound 1 1 Sfx\\Maze\\LevelDone.wav";
const std::string kOpenMaze = Open(Game::Maze, 300);
const std::string kOptions = Click(760, 560, 50);
const OptionsDialog& kDialog = kTallDialog;

int CellSize(int n) {
  return static_cast<int>(std::nearbyint(600.0 / n));
}

// Which way arrow is drawn on a cell of an n x n maze, if any.
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
      if (PictureAt(shot, picture_[d], mask_[d], ax, ay, 95)) return d;
    }
    return -1;
  }

 private:
  platform::Surface picture_[4], mask_[4];
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
    std::optional<std::vector<std::pair<int, int>>> trails[2];
    const int firsts[2] = {2, 3};  // west, north
    for (int i = 0; i < 2; ++i) {
      const int nx = n - 1 + kDx[firsts[i]], ny = n - 1 + kDy[firsts[i]];
      if (arrows.At(shot, n, nx, ny) >= 0) trails[i] = Follow(arrows, shot, n, nx, ny);
    }
    for (int i = 0; i < 2; ++i) {
      if (!trails[i] || trails[i]->size() < 2) continue;
      const auto& other = trails[1 - i];
      if (other &&
          std::find(trails[i]->begin(), trails[i]->end(), other->front()) == trails[i]->end())
        continue;
      Way way{n, {firsts[i]}};
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

std::string Walk(const std::vector<int>& directions) {
  std::string script;
  for (int d : directions) script += Keys(kKeys[d], 1, 30);
  return script;
}

// The way of the maze that opens with this script prefix and seed (its run is named "way").
Way FindWay(Scenario& s, const std::string& prefix, unsigned seed, Result* run = nullptr) {
  const Result r =
      s.Run(prefix + "key Backspace\nwait 20\nshot way.png\nwait 10\n", seed, {}, "way");
  if (run) *run = r;
  const auto way = ReadWay(s.Shot("way.png", "way"));
  EXPECT_TRUE(way.has_value()) << "no way found in the screenshot";
  return way ? *way : Way{};
}

// Milliseconds from the ending's sound to the next maze, which silences it.
std::pair<long, long> Ending(const Result& r) {
  const long done = FirstTime(r, kDone);
  return {done, done < 0 ? -1 : FirstTime(r, "sound 1 1 Sfx\\Silence.wav", done)};
}

// Walking the way, the ending and the next maze; then Next presses, every way out of the
// options dialog, leaving and coming back: the menu always returns to the same surface count.
TEST(Maze, ReachingTheTargetPlaysTheEndingThenANewMazeAndNothingLeaks) {
  Scenario s;
  const Way way = FindWay(s, kOpenMaze, 3);
  ASSERT_GE(way.size, 8);  // the medium band at first
  ASSERT_LE(way.size, 10);
  std::string script =
      kOpenMaze + Walk(way.directions) + "wait 3000\nshot ending.png\nwait 4500\nshot new.png\n" +
      Click(760, 500, 30) + Click(760, 500, 30) + kOptions + kDialog.Cancel() + kOptions +
      kDialog.Option(0) + kDialog.Right() + kDialog.Ok() + kOptions + kDialog.Option(2) +
      kDialog.Ok() + "key F1\nwait 20\nkey Escape\nwait 20\nkey Escape\nwait 700\n" +
      IconClick(Game::Maze) + Wait(300) + Click(760, 500, 30) + Click(700, 560, 700) +
      "key Escape\nwait 50\n";
  const Result r = s.Run(script, 3);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.trace, kMove), static_cast<int>(way.directions.size()));
  EXPECT_EQ(Count(r.trace, kWall), 0);
  ASSERT_EQ(Count(r.trace, kDone), 1);
  // The strip crosses the screen by elapsed time: about 6.9 s, then the next maze.
  const auto [done, next] = Ending(r);
  EXPECT_GE(next - done, 6800);
  EXPECT_LE(next - done, 6950);
  EXPECT_FALSE(SameRegion(s.Shot("ending.png"), s.Shot("new.png"), 0, 0, 600, 600));
  EXPECT_EQ(Count(r.trace, "show MazeOptions"), 4);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
}

// 960 pixels at 140 a second; the loop notices the end at its next pass and checks the place
// before it lets time pass again, so up to two frames late. The virtual clock starts at
// 10000 + seed: the second seed wraps the 32-bit clock three seconds in, amid the ending.
TEST(Maze, TheEndingTakesItsTimeAtAnyFrameRateAndAcrossTheClocksWrap) {
  constexpr unsigned kWrapSeed = 2147483648u - 10000 - 3000;
  for (const auto& [frameMs, seed] : {std::pair{7, 4u}, {37, kWrapSeed}}) {
    SCOPED_TRACE(frameMs);
    Scenario s;
    s.SetExtraOptions("--frame-ms " + std::to_string(frameMs));
    const Way way = FindWay(s, kOpenMaze, seed);
    const Result r =
        s.Run(kOpenMaze + Walk(way.directions) + "wait 8000\nkey Escape\nwait 50\n", seed);
    ASSERT_EQ(r.status, 0) << r.errors;
    const auto [done, next] = Ending(r);
    ASSERT_GT(done, 0);
    EXPECT_GE(next - done, 6857);
    EXPECT_LE(next - done, 6857 + 2 * frameMs);
    if (seed == kWrapSeed) {
      EXPECT_LT(done, 2147483648L);  // the ending started before the wrap
      EXPECT_GT(next, 2147483648L);  // and ended after it
    }
  }
}

TEST(Maze, AWallHitTurnsTheFigureBackspaceTogglesTheArrowsAndAHeldKeyMovesOneCell) {
  Scenario s;
  // East of the starting cell is the maze's edge.
  const std::string hit = kOpenMaze + "shot before.png\nkey Right\nwait 20\nshot after.png\n";
  Result r;
  const Way way = FindWay(s, hit, 5, &r);
  ASSERT_FALSE(way.directions.empty());
  EXPECT_EQ(Count(r.trace, kWall), 1);
  EXPECT_EQ(Count(r.trace, kMove), 0);
  const auto before = s.Shot("before.png", "way"), after = s.Shot("after.png", "way");
  const int c = CellSize(way.size), last = way.size - 1;
  // Only the figure's own cell changed: it now faces the wall.
  EXPECT_FALSE(SameRegion(before, after, c * last, c * last, c, c));
  EXPECT_TRUE(SameRegion(before, after, 0, 0, c * last, 600));

  const std::string key = kKeys[way.directions[0]];
  r = s.Run(hit +
                "shot plain.png\nkey Backspace\nwait 20\nshot arrows.png\n"
                "key Backspace\nwait 20\nshot hidden.png\nkeydown " +
                key + "\nwait 50\nkeydown " + key + "\nkeydown " + key + "\nkeyup " + key +
                "\nwait 20\n",
            5);
  const auto plain = s.Shot("plain.png");
  EXPECT_FALSE(SameRegion(plain, s.Shot("arrows.png"), 0, 0, 600, 600));
  EXPECT_TRUE(SameRegion(plain, s.Shot("hidden.png"), 0, 0, 800, 600));
  EXPECT_EQ(Count(r.trace, kMove), 1);
}

// Cancel and Escape change nothing; OK changes the skill band at once; Escape during the ending
// leaves at once and stores the choice, which the next launch reads back (easy, the Wasp).
TEST(Maze, TheOptionsTakeEffectAtOnceAreStoredAndComeBackAtTheNextLaunch) {
  Scenario s;
  const std::string chosen = kOpenMaze + "shot before.png\n" + kOptions + kDialog.Option(2) +
                             kDialog.Right() + "shot dialog.png\n" + kDialog.Cancel() +
                             "shot after.png\nkey F1\nwait 20\nkey Escape\nwait 20\n"
                             "shot after2.png\n" +
                             kOptions + kDialog.Option(0) + kDialog.Right() + kDialog.Ok();
  Result r;
  Way way = FindWay(s, chosen, 11, &r);
  EXPECT_GE(way.size, 5);
  EXPECT_LE(way.size, 7);
  EXPECT_EQ(Count(r.trace, "show MazeOptions"), 3);
  const auto before = s.Shot("before.png", "way");
  EXPECT_FALSE(SameRegion(before, s.Shot("dialog.png", "way"), 180, 130, 440, 340));
  EXPECT_TRUE(SameRegion(before, s.Shot("after.png", "way"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(before, s.Shot("after2.png", "way"), 0, 0, 800, 600));

  r = s.Run(chosen + Walk(way.directions) + "wait 1000\nkey Escape\nwait 100\n", 11);
  ASSERT_EQ(Count(r.trace, kDone), 1);
  const long left = FirstTime(r, "unload MazeForm");
  EXPECT_GT(left, 0);
  EXPECT_LE(TimeOf(r.timed.back()) - left, 100);  // within a frame of the key, not after the strip
  EXPECT_TRUE(Contains(r.trace, "setting Maze Skill 1"));
  EXPECT_TRUE(Contains(r.trace, "setting Maze Scenario 1"));
  EXPECT_TRUE(Contains(r.trace, "show MenuForm"));

  way = FindWay(s, kOpenMaze, 0);
  EXPECT_GE(way.size, 5);
  EXPECT_LE(way.size, 7);
  const int panel = way.size * CellSize(way.size);
  const auto shot = s.Shot("way.png", "way");
  const auto wasp = Picture("Gfx/Maze/WaspMenu.bmp");
  int same = 0;
  for (int y = 0; y < 420; ++y) {
    for (int x = 0; x < 120; ++x)
      same += platform::GetPixel(shot, panel + 50 + x, 50 + y) == platform::GetPixel(wasp, x, y);
  }
  EXPECT_EQ(same, 120 * 420);
}

}  // namespace
}  // namespace scenario
