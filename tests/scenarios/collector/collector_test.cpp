// The Collector played through replay scripts: the game reports each fruit that starts falling,
// so a script can stand the child out of the way, or walk it under the wanted apples.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collector_play.h"

namespace scenario {
namespace {

using namespace scenario::collector;

const std::string kOpenGame = "click 550 150";  // the menu's Collector icon
const std::string kStop = "click 700 563";
const std::string kOptions = "click 763 563";
// The options dialog (kShortDialog) lies centred: (180, 185), 440 x 230.
const std::string kSlow = "click 272 270";
const std::string kFast = "click 528 270";
const std::string kOk = "click 335 375";
const std::string kCancel = "click 465 375";
const std::string kUnload = "unload CollectorForm";
const std::string kWon = "sound 1 1 Sfx\\Collector\\Won.wav";
const std::string kLost = "sound 1 1 Sfx\\Collector\\Lost.wav";

long Start(unsigned seed) {
  return 10000 + seed;
}

struct Pictures {
  platform::Surface standLeft = Picture("Gfx/Collector/StandingLeft.bmp");
  platform::Surface standLeftMask = Picture("Gfx/Collector/StandingLeftMask.bmp");
  platform::Surface standRight = Picture("Gfx/Collector/StandingRight.bmp");
  platform::Surface standRightMask = Picture("Gfx/Collector/StandingRightMask.bmp");
  platform::Surface apple = Picture("Gfx/Collector/Fruit0.bmp");
  platform::Surface appleMask = Picture("Gfx/Collector/Fruit0Mask.bmp");
  platform::Surface face = Picture("Gfx/Collector/Face.bmp");
  platform::Surface faceMask = Picture("Gfx/Collector/FaceMask.bmp");

  int Faces(const platform::Surface& shot) const {
    int n = 0;
    while (n < 3 && PictureAt(shot, face, faceMask, 5 + 40 * n, 5, 95)) ++n;
    return n;
  }
  int Apples(const platform::Surface& shot) const {
    int n = 0;
    while (n < 5 && PictureAt(shot, apple, appleMask, 750 - 40 * n, 5, 95)) ++n;
    return n;
  }
  // The standing child is drawn somewhere between x lo and hi (its feet may lie under the
  // buttons).
  bool Standing(const platform::Surface& shot, bool left, int lo, int hi) const {
    for (int x = lo; x <= hi; ++x) {
      if (left ? PictureAt(shot, standLeft, standLeftMask, x, 364, 95, 0, -1, 170)
               : PictureAt(shot, standRight, standRightMask, x, 364, 95, 0, -1, 170))
        return true;
    }
    return false;
  }
};

TEST(Collector, FiveApplesInTheBasketAreCelebratedAndNothingLeaks) {
  constexpr unsigned kSeed = 7;
  constexpr int kFrame = 25;
  Scenario s;
  s.SetExtraOptions("--frame-ms 25");
  Catching plan = PlanFiveCatches(s, kSeed, kFrame);
  ASSERT_EQ(plan.catchTimes.size(), 5u);
  ASSERT_LE(plan.missed, 2);
  const long last = plan.catchTimes.back();

  // The celebration plays out, the menu comes back; the game opens and closes once more.
  Timeline full = plan.steps;
  full.At(last + 1000, "shot won.png");
  full.At(last + 3700, kOpenGame);
  full.At(last + 4200, "key Escape");
  const Result r = s.Run(full.Script(last + 4500), kSeed);
  EXPECT_EQ(r.status, 0);
  std::vector<Event> catches;
  int lost = 0;
  for (const Event& e : ReadEvents(r)) {
    if (e.sound == "catch") catches.push_back(e);
    lost += e.sound == "ow1";
  }
  ASSERT_EQ(catches.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(catches[i].t, plan.catchTimes[i], 2 * kFrame) << i;
  EXPECT_EQ(lost, plan.missed);
  EXPECT_NEAR(FirstTime(r, kWon), last + 300, 2 * kFrame);
  EXPECT_EQ(FirstTime(r, kLost), -1);
  EXPECT_NEAR(FirstTime(r, kUnload), last + 3000, 2 * kFrame);
  EXPECT_EQ(Count(r.trace, "show CollectorForm"), 2);
  EXPECT_EQ(Count(r.trace, kUnload), 2);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));

  const Pictures pictures;
  const platform::Surface won = s.Shot("won.png");
  EXPECT_EQ(pictures.Apples(won), 5);
  EXPECT_EQ(pictures.Faces(won), 3 - plan.missed);

  // A click during the celebration goes to the menu at once.
  Timeline clicked = plan.steps;
  clicked.At(last + 800, "click 300 300");
  const Result c = s.Run(clicked.Script(last + 1000), kSeed);
  EXPECT_EQ(c.status, 0);
  EXPECT_NEAR(FirstTime(c, kUnload), last + 800, kFrame);
  EXPECT_NEAR(FirstTime(c, kWon), last + 300, 2 * kFrame);
}

TEST(Collector, ThreeLostApplesEndTheRoundGentlyAndTheFastSpeedIsKept) {
  constexpr unsigned kSeed = 2;
  constexpr int kFrame = 20;
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const long start = Start(kSeed);
  // The child walks to x 181 (1369 ms at 160 px/s) where no tree drops fruit on it; the first
  // fruit falls 5 s after the game opened, and while it falls the speed is set to fast.
  const long first = start + 5620;
  Timeline t(start);
  t.At(start + kOpen, kOpenGame);
  t.At(start + 1300, "keydown Left");
  t.At(start + 2669, "keyup Left");
  t.At(first + 200, "key F1");
  t.At(first + 400, "shot medium.png");
  t.At(first + 600, kFast);
  t.At(first + 1100, kOk);
  const Result r = s.Run(t.Script(start + 60000), kSeed);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(Count(r.trace, "show CollectorOptions"), 1);
  EXPECT_EQ(kShortDialog.Selected(s.Shot("medium.png")), 1);
  EXPECT_EQ(FirstTime(r, "setting Collector FallSpeed 60"), first + 1100);

  const std::vector<Fall> falls = ReadFalls(r);
  ASSERT_GE(falls.size(), 4u);
  EXPECT_EQ(falls[0].t, first);
  for (const Fall& f : falls) {
    const double base = f.t < first + 1100 ? 40 : 60;
    EXPECT_GE(f.vy, base) << f.t;
    EXPECT_LE(f.vy, base + 10) << f.t;
  }
  // A fruit given a new speed on its way down is where the old speed took it, the time the
  // dialog was open included.
  int acrossDialog = 0;
  for (const auto& [a, b] : NewSpeeds(falls)) {
    EXPECT_NEAR(b.y, a.y + a.vy * (b.t - a.t) / 1000, 0.01) << a.t << " " << b.t;
    acrossDialog += a.t < first + 200 && b.t > first + 1100;
  }
  EXPECT_GE(acrossDialog, 1);
  // Every fruit reaches the ground where the rules say, the dialog's second included; the third
  // lost apple ends the round.
  const std::vector<Event> events = ReadEvents(r);
  std::vector<Event> want = Predict(falls, 181, true, kFrame, {{first + 200, first + 1100}});
  int lost = 0;
  std::size_t n = 0;
  while (n < want.size() && lost < 3) lost += want[n++].sound == "ow1";
  ASSERT_EQ(lost, 3);
  want.resize(n);
  EXPECT_TRUE(SameEvents(want, events, kFrame));
  const long end = events.back().t;
  EXPECT_NEAR(FirstTime(r, kLost), end + 300, 2 * kFrame);
  EXPECT_EQ(FirstTime(r, kWon), -1);
  EXPECT_NEAR(FirstTime(r, kUnload), end + 2000, 2 * kFrame);
  EXPECT_EQ(FirstTime(r, "setting Collector FallSpeed 60", end), FirstTime(r, kUnload));

  // The same round, with a look at the lives and a key during the goodbye.
  long firstLost = 0;
  for (const Event& e : events) {
    if (e.sound == "ow1" && firstLost == 0) firstLost = e.t;
  }
  t.At(firstLost + 100, "shot lives.png");
  t.At(end + 1000, "shot goodbye.png");
  t.At(end + 1200, "key Space");
  const Result k = s.Run(t.Script(end + 1500), kSeed);
  EXPECT_EQ(k.status, 0);
  EXPECT_NEAR(FirstTime(k, kUnload), end + 1200, kFrame);
  const Pictures pictures;
  EXPECT_EQ(pictures.Faces(s.Shot("lives.png")), 2);
  EXPECT_EQ(pictures.Faces(s.Shot("goodbye.png")), 0);

  // The next launch starts fast; cancel changes nothing.
  Timeline next(start);
  next.At(start + kOpen, kOpenGame);
  next.At(start + 1500, kOptions);
  next.At(start + 1700, "shot fast.png");
  next.At(start + 1800, kSlow);
  next.At(start + 2000, kCancel);
  next.At(first + 100, "key Escape");
  const Result n2 = s.Run(next.Script(first + 300), kSeed);
  EXPECT_EQ(n2.status, 0);
  EXPECT_EQ(kShortDialog.Selected(s.Shot("fast.png")), 2);
  const std::vector<Fall> fast = ReadFalls(n2);
  ASSERT_EQ(fast.size(), 1u);
  EXPECT_GE(fast[0].vy, 60);
  EXPECT_LE(fast[0].vy, 70);
  EXPECT_EQ(CountPrefix(n2, "setting Collector FallSpeed"), 1);
  EXPECT_TRUE(Contains(n2.trace, "setting Collector FallSpeed 60"));
}

TEST(Collector, AFruitOfAnotherKindInTheBasketCostsNothing) {
  constexpr unsigned kSeed = 3;
  constexpr int kFrame = 20;
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const long start = Start(kSeed);
  // The child stands where it starts, at x 400 facing right, for half a minute.
  Timeline t(start);
  t.At(start + kOpen, kOpenGame);
  const Result r = s.Run(t.Script(start + 30000), kSeed);
  EXPECT_EQ(r.status, 0);
  const std::vector<Fall> falls = ReadFalls(r);
  const std::vector<Event> events = ReadEvents(r);
  std::vector<Event> want = Predict(falls, 400, false, kFrame);
  // What is still falling when the run ends does not count.
  while (!want.empty() && want.back().t > TimeOf(r.timed.back())) want.pop_back();
  EXPECT_TRUE(SameEvents(want, events, kFrame));
  long wrong = 0;
  for (const Event& e : events) {
    if (e.sound == "wrong" && wrong == 0) wrong = e.t;
  }
  ASSERT_GT(wrong, 0);

  // The status row (fruit and lives) is the same just before and after it.
  t.At(wrong - 10, "shot before.png");
  t.At(wrong + 30, "shot after.png");
  EXPECT_EQ(s.Run(t.Script(wrong + 100), kSeed).status, 0);
  EXPECT_TRUE(SameRegion(s.Shot("before.png"), s.Shot("after.png"), 0, 0, 800, 50));
}

TEST(Collector, AHeldKeyWalksOnWithoutStartingAgainAndTheEdgesStopTheChild) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const long start = Start(0);
  auto walk = [&](const std::string& name, bool repeats, bool again) {
    Timeline t(start);
    t.At(start + kOpen, kOpenGame);
    t.At(start + 1500, "keydown Left");
    if (repeats) {
      t.At(start + 1700, "keydown Left");
      t.At(start + 1900, "keydown Left");
    }
    if (again) {
      t.At(start + 1700, "keyup Left");
      t.At(start + 1700, "keydown Left");
    }
    t.At(start + 2000, "shot mid.png");
    t.At(start + 2100, "keyup Left");
    t.At(start + 2200, "shot stand.png");
    t.At(start + 2300, "keydown Left");
    t.At(start + 5300, "keyup Left");
    t.At(start + 5400, "shot left.png");
    t.At(start + 5500, "keydown Right");
    t.At(start + 10000, "keyup Right");
    t.At(start + 10100, "shot right.png");
    EXPECT_EQ(s.Run(t.Script(start + 10200), 0, {}, name).status, 0) << name;
  };
  walk("held", true, false);
  walk("plain", false, false);
  walk("again", false, true);
  const Pictures pictures;
  const auto mid = s.Shot("mid.png", "plain");
  EXPECT_TRUE(SameRegion(s.Shot("mid.png", "held"), mid, 0, 0, 800, 600));
  // Pressed anew, the walk starts again from its first frame.
  EXPECT_FALSE(SameRegion(s.Shot("mid.png", "again"), mid, 250, 364, 240, 216));
  // 600 ms at 160 px/s from x 400.
  for (const char* run : {"held", "plain"}) {
    EXPECT_TRUE(pictures.Standing(s.Shot("stand.png", run), true, 304, 304)) << run;
    EXPECT_TRUE(pictures.Standing(s.Shot("left.png", run), true, 0, 5)) << run;
    EXPECT_TRUE(pictures.Standing(s.Shot("right.png", run), false, 675, 680)) << run;
  }
}

TEST(Collector, EscapeAndTheStopButtonLeaveAtAnyTime) {
  Scenario s;
  const long start = Start(0);
  Timeline t(start);
  t.At(start + 600, kOpenGame);
  t.At(start + 800, "key Escape");  // before the game loop starts
  t.At(start + 1500, kOpenGame);
  t.At(start + 1700, kStop);  // likewise
  t.At(start + 2400, kOpenGame);
  t.At(start + 5000, kStop);  // while playing
  t.At(start + 5700, kOpenGame);
  t.At(start + 7000, "key F1");
  t.At(start + 7300, "key Escape");  // closes the dialog only
  t.At(start + 7600, "key Escape");
  t.At(start + 8300, kOpenGame);
  t.At(start + 9000, kOptions);
  t.At(start + 9300, kStop);  // outside the dialog: nothing
  t.At(start + 9600, kCancel);
  t.At(start + 9900, kStop);
  const Result r = s.Run(t.Script(start + 10200));
  EXPECT_EQ(r.status, 0);
  std::vector<long> unloads;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i] == kUnload) unloads.push_back(TimeOf(r.timed[i]) - start);
  }
  EXPECT_EQ(unloads, (std::vector<long>{800, 1700, 5000, 7600, 9900}));
  EXPECT_EQ(Count(r.trace, "show CollectorOptions"), 2);
  EXPECT_EQ(FirstTime(r, "unload CollectorOptions"), start + 7300);
  EXPECT_EQ(FirstTime(r, "unload CollectorOptions", start + 8000), start + 9600);
  EXPECT_TRUE(NoSurfaceLeaked(r, 5));
}

}  // namespace
}  // namespace scenario
