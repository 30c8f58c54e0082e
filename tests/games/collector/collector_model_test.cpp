// The Collector's rules without a window: trees, respawning, starting fruit, the head, basket and
// ground tests at their borders, the edges, the pile and the walk.
#include "games/collector/collector_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "gameutil/gameutil.h"

namespace {

using collector::CollectorModel;
using GameUtil::Sprite;
using GameUtil::True;

constexpr int kTarget = 0;
constexpr double kFigureY = 364;

// A model as the form loads it, with made-up picture handles and a clock the test sets.
struct Game {
  std::int32_t now = 1000;
  CollectorModel m{[this] { return now; }};
  std::vector<std::pair<std::string, int>> sounds;
  std::vector<Sprite> stamped;
  std::vector<int> started;

  explicit Game(unsigned seed = 1) {
    GameUtil::Randomize(seed);
    for (int k = 0; k < collector::kFruitKinds; ++k) {
      m.fruitImages[k] = 100 + k;
      m.fruitMasks[k] = 200 + k;
    }
    m.effects.playSound = [this](const std::string& path, int flags) {
      sounds.emplace_back(path, flags);
    };
    m.effects.stampFruit = [this](const Sprite& s) { stamped.push_back(s); };
    m.effects.fruitStarted = [this](int i) { started.push_back(i); };
    m.SetUpFallItems();
    m.SetUpPile(300, 301);
    m.SetUpFigure(collector::kWalkLeft, "CollectorWalkLeft", 1, 2, true);
    m.SetUpFigure(collector::kWalkRight, "CollectorWalkRight", 3, 4, true);
    m.SetUpFigure(collector::kStandingLeft, "CollectorStandingLeft", 5, 6, false);
    m.SetUpFigure(collector::kStandingRight, "CollectorStandingRight", 7, 8, false);
    m.nextEventTime = now + 5000;
    m.running = true;
  }

  Sprite& fruit(int i) { return m.sprites[i]; }

  // The figure standing at x, facing one way; the other fruit hang high out of the way.
  void Stand(double x, bool left) {
    for (int i : {collector::kWalkLeft, collector::kWalkRight, collector::kStandingLeft,
                  collector::kStandingRight}) {
      m.sprites[i].x = x;
    }
    m.HideCollector();
    m.sprites[left ? collector::kStandingLeft : collector::kStandingRight].visible = True;
    for (int i = 0; i < collector::kFallItemCount; ++i) {
      fruit(i).x = 10 + 60 * i;
      fruit(i).y = 150;
      fruit(i).vy = 0;
    }
  }

  void Put(int i, double x, double y, int kind) {
    fruit(i).x = x;
    fruit(i).y = y;
    fruit(i).tag = kind;
    fruit(i).vy = 45;
  }

  void Pass() { m.HandleEvents(now); }
};

bool OnATree(const Sprite& s) {
  return s.vy == 0 && s.y >= 130 && s.y < 255;
}

TEST(CollectorModel, FruitHangsInTheThreeCrownsInTurnOverTheirWholeRange) {
  const int crowns[3][4] = {{5, 144, 205, 254}, {320, 499, 145, 234}, {580, 769, 130, 229}};
  Game g;
  g.m.treeCounter = 0;
  int seen[3][4] = {{INT_MAX, INT_MIN, INT_MAX, INT_MIN},
                    {INT_MAX, INT_MIN, INT_MAX, INT_MIN},
                    {INT_MAX, INT_MIN, INT_MAX, INT_MIN}};
  for (int n = 0; n < 9000; ++n) {
    const int tree = n % 3;
    ASSERT_EQ(g.m.treeCounter, tree);
    g.m.PlaceFallItem(0);
    const int x = static_cast<int>(g.fruit(0).x), y = static_cast<int>(g.fruit(0).y);
    ASSERT_TRUE(x == g.fruit(0).x && y == g.fruit(0).y);  // whole pixels
    seen[tree][0] = std::min(seen[tree][0], x);
    seen[tree][1] = std::max(seen[tree][1], x);
    seen[tree][2] = std::min(seen[tree][2], y);
    seen[tree][3] = std::max(seen[tree][3], y);
  }
  for (int t = 0; t < 3; ++t) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(seen[t][k], crowns[t][k]) << t << " " << k;
  }
}

TEST(CollectorModel, AtTheStartTheWantedFruitHangsOnATreeAndTheFruitDiffer) {
  std::set<int> placesX;
  for (unsigned seed = 0; seed < 300; ++seed) {
    Game g(seed);
    int wanted = 0;
    std::set<double> xs;
    for (int i = 0; i < collector::kFallItemCount; ++i) {
      const Sprite& s = g.fruit(i);
      wanted += s.tag == kTarget;
      EXPECT_EQ(s.imageSurface, 100 + s.tag);
      EXPECT_TRUE(OnATree(s)) << s.x << "," << s.y;
      xs.insert(s.x);
    }
    EXPECT_GE(wanted, 1) << seed;
    // Seven placements (six, then sprite 0 again) from one generator: no two share a place.
    EXPECT_GE(xs.size(), 5u) << seed;
    placesX.insert(static_cast<int>(g.fruit(0).x));
  }
  EXPECT_GT(placesX.size(), 100u);
}

TEST(CollectorModel, ARespawnedFruitIsTheWantedKindWhileAtMostThreeOfSixAre) {
  for (int wanted = 0; wanted <= 6; ++wanted) {
    std::set<int> kinds;
    for (unsigned seed = 0; seed < 200; ++seed) {
      Game g(seed);
      // Fruit 0 is the one coming back; its present kind counts too.
      for (int i = 0; i < collector::kFallItemCount; ++i) g.fruit(i).tag = i < wanted ? kTarget : 5;
      g.fruit(0).vy = 50;
      g.fruit(0).y = 500;
      const int tree = g.m.treeCounter;
      g.m.RespawnFallItem(0);
      const Sprite& s = g.fruit(0);
      kinds.insert(s.tag);
      EXPECT_EQ(s.imageSurface, 100 + s.tag);
      EXPECT_EQ(s.maskSurface, 200 + s.tag);
      EXPECT_TRUE(OnATree(s));
      EXPECT_EQ(g.m.treeCounter, (tree + 1) % 3);
    }
    if (wanted <= 3) {
      EXPECT_EQ(kinds, std::set<int>{kTarget}) << wanted;
    } else {
      EXPECT_EQ(kinds.size(), 10u) << wanted;
    }
  }
}

TEST(CollectorModel, NoSecondWantedFruitFallsWhileAnotherFruitCanBeDrawn) {
  int wantedStarts = 0;
  for (std::int16_t speed : {20, 40, 60}) {
    for (unsigned seed = 0; seed < 400; ++seed) {
      Game g(seed);
      g.m.fallSpeed = speed;
      // A random orchard: some fruit wanted, some already falling.
      bool wantedFalling = false;
      int others = 0;
      for (int i = 0; i < collector::kFallItemCount; ++i) {
        g.fruit(i).tag = GameUtil::Rnd() < 0.5 ? kTarget : 3;
        g.fruit(i).vy = GameUtil::Rnd() < 0.3 ? 45 : 0;
        wantedFalling |= g.fruit(i).tag == kTarget && g.fruit(i).vy > 0;
        others += g.fruit(i).tag != kTarget;
      }
      g.m.startEvent();
      ASSERT_EQ(g.started.size(), 1u);
      const Sprite& s = g.fruit(g.started[0]);
      EXPECT_GE(s.vy, speed);
      EXPECT_LE(s.vy, speed + 10);
      if (wantedFalling && others > 0) {
        EXPECT_NE(s.tag, kTarget) << seed;
      }
      wantedStarts += s.tag == kTarget;
    }
  }
  EXPECT_GT(wantedStarts, 100);  // with none falling, the wanted kind does start

  Game full;
  full.m.caughtCount = full.m.pileCapacity;
  full.m.startEvent();
  EXPECT_TRUE(full.started.empty());
}

TEST(CollectorModel, FruitStartsAfterItsTimeAndTheNextOneAndAHalfSecondsLater) {
  for (std::int32_t due : {15000, INT32_MAX}) {
    Game g;
    g.m.nextEventTime = due;
    g.now = due;
    g.Pass();
    EXPECT_TRUE(g.started.empty()) << due;
    // One millisecond later, across the clock's wrap for the second case.
    g.now = GameUtil::ElapsedMs(due, -1);
    g.Pass();
    EXPECT_EQ(g.started.size(), 1u) << due;
    EXPECT_EQ(GameUtil::ElapsedMs(g.m.nextEventTime, g.now), 1500) << due;
  }
}

struct Meeting {
  const char* name;
  bool facingLeft;
  double fruitMiddle;  // the fruit's centre x; the figure stands at 300
  double fruitY;
  int kind;
  const char* sound;  // "" for none; "ow" and "smash" match any of their three
  int flags;
  int caught, lives;  // after the pass (before: 0 and 3)
  bool stamped;
};

TEST(CollectorModel, FruitMeetsTheHeadTheBasketOrTheGroundAtTheExactBorders) {
  const Meeting cases[] = {
      {"hanging over the figure", false, 330, 254, kTarget, "", 0, 0, 3, false},
      {"head left, top", true, 360, 350, 4, "ow", 8193, 0, 3, false},
      {"head left, bottom", true, 420, 380, kTarget, "ow", 8193, 0, 3, false},
      {"head left, above", true, 380, 349.9, kTarget, "", 0, 0, 3, false},
      {"head left, below", true, 380, 380.1, kTarget, "", 0, 0, 3, false},
      {"head left, front half", true, 359.9, 360, kTarget, "", 0, 0, 3, false},
      {"head left, behind", true, 420.1, 360, kTarget, "", 0, 0, 3, false},
      {"head right, back edge", false, 300, 365, kTarget, "ow", 8193, 0, 3, false},
      {"head right, middle", false, 360, 365, kTarget, "ow", 8193, 0, 3, false},
      {"head right, front half", false, 360.1, 365, kTarget, "", 0, 0, 3, false},
      {"head right, behind", false, 299.9, 365, kTarget, "", 0, 0, 3, false},
      {"basket, top", true, 330, 430, kTarget, "Sfx\\Collector\\catch.wav", 8193, 1, 3, false},
      {"basket, bottom", false, 330, 480, kTarget, "Sfx\\Collector\\catch.wav", 8193, 1, 3, false},
      {"basket, above", true, 330, 429.9, kTarget, "", 0, 0, 3, false},
      {"basket, below", true, 330, 480.1, kTarget, "", 0, 0, 3, false},
      {"basket, back edge", true, 300, 450, kTarget, "Sfx\\Collector\\catch.wav", 8193, 1, 3,
       false},
      {"basket, outside back", true, 299.9, 450, kTarget, "", 0, 0, 3, false},
      {"basket, front edge", true, 437.5, 450, kTarget, "Sfx\\Collector\\catch.wav", 8193, 1, 3,
       false},
      {"basket, outside front", true, 437.6, 450, kTarget, "", 0, 0, 3, false},
      {"another kind caught", true, 330, 450, 6, "Sfx\\Collector\\wrong.wav", 8193, 0, 3, false},
      {"wanted on the ground", true, 100, 550, kTarget, "Sfx\\Collector\\ow1.wav", 17, 0, 2, true},
      {"another on the ground", true, 100, 560, 8, "smash", 17, 0, 3, true},
      {"just above the ground", true, 100, 549.9, kTarget, "", 0, 0, 3, false},
      {"past 550 over the basket", true, 330, 560, kTarget, "", 0, 0, 3, false},
  };
  for (const Meeting& c : cases) {
    SCOPED_TRACE(c.name);
    Game g;
    g.Stand(300, c.facingLeft);
    g.Put(0, c.fruitMiddle - 17.5, c.fruitY, c.kind);
    g.Pass();
    const std::string sound = g.sounds.empty() ? "" : g.sounds[0].first;
    ASSERT_LE(g.sounds.size(), 1u);
    if (std::string(c.sound) == "ow" || std::string(c.sound) == "smash") {
      EXPECT_TRUE(sound == std::string("Sfx\\Collector\\") + c.sound + "0.wav" ||
                  sound == std::string("Sfx\\Collector\\") + c.sound + "1.wav" ||
                  sound == std::string("Sfx\\Collector\\") + c.sound + "2.wav")
          << sound;
    } else {
      EXPECT_EQ(sound, c.sound);
    }
    if (!sound.empty()) {
      EXPECT_EQ(g.sounds[0].second, c.flags);
    }
    EXPECT_EQ(g.m.caughtCount, c.caught);
    EXPECT_EQ(g.m.lives, c.lives);
    EXPECT_EQ(g.stamped.size(), c.stamped ? 1u : 0u);
    // Whatever made a sound went back to a tree; everything else goes on as it was.
    EXPECT_EQ(OnATree(g.fruit(0)), !sound.empty());
    EXPECT_TRUE(g.m.running);
  }
}

TEST(CollectorModel, AFruitBelowTheBasketFallsOnAndIsSmashedWhereItIsOnceTheChildMoves) {
  Game g;
  g.Stand(300, true);
  g.Put(0, 312.5, 575.25, kTarget);
  g.Pass();
  EXPECT_TRUE(g.sounds.empty());
  EXPECT_EQ(g.fruit(0).y, 575.25);
  g.Stand(500, true);
  g.Put(0, 312.5, 575.25, kTarget);
  g.Pass();
  ASSERT_EQ(g.stamped.size(), 1u);
  EXPECT_EQ(g.stamped[0].x, 312.5);
  EXPECT_EQ(g.stamped[0].y, 575.25);
  EXPECT_EQ(g.stamped[0].imageSurface, 100 + kTarget);
  EXPECT_EQ(g.m.lives, 2);
}

TEST(CollectorModel, TheFifthCatchAndTheLastLifeEndTheRoundAtOnce) {
  struct End {
    const char* name;
    int caught, lives;
    double y;
    int caughtAfter, livesAfter;
    bool running;
  };
  const End ends[] = {
      {"fifth catch", 4, 3, 450, 5, 3, false},
      {"fourth catch", 2, 3, 450, 4, 3, true},
      {"last life", 4, 1, 560, 4, 0, false},
      {"two lives left", 0, 3, 560, 0, 1, true},
  };
  for (const End& e : ends) {
    SCOPED_TRACE(e.name);
    Game g;
    g.Stand(e.y > 500 ? 600 : 300, true);
    g.m.caughtCount = e.caught;
    g.m.lives = e.lives;
    // Two wanted fruit meet the basket (or the ground) in the same pass.
    g.Put(1, 320, e.y, kTarget);
    g.Put(2, e.y > 500 ? 100 : 330, e.y, kTarget);
    g.Pass();
    EXPECT_EQ(g.m.caughtCount, e.caughtAfter);
    EXPECT_EQ(g.m.lives, e.livesAfter);
    EXPECT_EQ(g.m.running, e.running);
    // The pass stops with the end: the second fruit is left where it was.
    EXPECT_EQ(g.fruit(2).y == e.y, !e.running);
  }
}

TEST(CollectorModel, TheFigureIsPutBackAt5Or675AndStandsThere) {
  struct Edge {
    double x, after;
  };
  for (const Edge e : {Edge{0, 5}, Edge{-40, 5}, Edge{0.5, 0.5}, Edge{679.9, 679.9}, Edge{680, 675},
                       Edge{900, 675}}) {
    Game g;
    g.m.sprites[collector::kWalkLeft].x = e.x;
    g.m.sprites[collector::kWalkRight].x = e.x;
    g.Pass();
    EXPECT_EQ(g.m.sprites[collector::kWalkLeft].x, e.after) << e.x;
    EXPECT_EQ(g.m.sprites[collector::kWalkRight].x, e.after) << e.x;
    // A key let go just after a step past the edge: the child stands inside.
    for (bool left : {true, false}) {
      Game h;
      h.m.Walk(left);
      h.m.sprites[collector::kWalkLeft].x = e.x;
      h.m.sprites[collector::kWalkRight].x = e.x;
      h.m.Stand(left);
      EXPECT_EQ(h.m.sprites[left ? collector::kStandingLeft : collector::kStandingRight].x, e.after)
          << e.x;
    }
  }
}

TEST(CollectorModel, ThePileRidesInTheBasketOfTheFigureShown) {
  struct Place {
    int figure, frame;
    double x, y;  // figure at (200, 364), two fruits caught
  };
  const Place places[] = {
      {collector::kStandingLeft, 0, 212, 426},  {collector::kWalkLeft, 0, 212, 431},
      {collector::kWalkLeft, 4, 212, 411},      {collector::kWalkLeft, 9, 212, 433},
      {collector::kStandingRight, 0, 270, 426}, {collector::kWalkRight, 0, 270, 431},
      {collector::kWalkRight, 5, 270, 411},     {collector::kWalkRight, 10, 270, 433},
  };
  for (const Place& p : places) {
    Game g;
    g.Stand(200, true);
    g.m.HideCollector();
    g.m.sprites[p.figure].visible = True;
    g.m.sprites[p.figure].frame = p.frame;
    g.m.caughtCount = 2;
    g.Pass();
    const Sprite& pile = g.m.sprites[collector::kFruitPile];
    EXPECT_EQ(pile.visible, True);
    EXPECT_EQ(pile.x, p.x) << p.figure << " " << p.frame;
    EXPECT_EQ(pile.y, p.y) << p.figure << " " << p.frame;
  }
  Game none;
  none.Pass();
  EXPECT_NE(none.m.sprites[collector::kFruitPile].visible, True);
}

TEST(CollectorModel, WalkingShowsOneStripThatStepsByTheClockAndStandingKeepsThePlace) {
  Game g;
  g.m.Walk(true);
  EXPECT_EQ(g.m.VisibleFigure(), collector::kWalkLeft);
  EXPECT_EQ(g.m.sprites[collector::kWalkRight].vx, -collector::kWalkSpeed);
  for (int i = 0; i < collector::kSpriteCount; ++i) g.m.Move(i, 0.25);
  EXPECT_EQ(g.m.sprites[collector::kWalkLeft].x, 360);

  // Frames step only when more than 30 ms have passed; the right strip runs backwards.
  Sprite& left = g.m.sprites[collector::kWalkLeft];
  left.frame = 19;
  left.lastFrameTime = g.now;
  g.m.StepFrame(collector::kWalkLeft, g.now + 30);
  EXPECT_EQ(left.frame, 19);
  g.m.StepFrame(collector::kWalkLeft, g.now + 31);
  EXPECT_EQ(left.frame, 0);
  g.m.Walk(false);
  Sprite& right = g.m.sprites[collector::kWalkRight];
  right.lastFrameTime = g.now - 31;
  g.m.StepFrame(collector::kWalkRight, g.now);
  EXPECT_EQ(right.frame, 19);

  g.m.StopWalking();
  EXPECT_EQ(g.m.VisibleFigure(), collector::kStandingRight);
  EXPECT_EQ(g.m.sprites[collector::kStandingRight].x, 360);
  EXPECT_EQ(g.m.sprites[collector::kWalkLeft].vx, 0);
  g.m.StopWalking();  // standing already: nothing changes
  EXPECT_EQ(g.m.VisibleFigure(), collector::kStandingRight);
}

}  // namespace
