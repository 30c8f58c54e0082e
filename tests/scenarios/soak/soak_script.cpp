// The soak's scripts: clicks, drags, held keys, every key name, options dialogs, games left and
// started again. A replay script cannot see the screen, so every input that could end the
// program if it reached the menu (Escape, the menu's stop button) is sent only right after the
// game has been brought to the front again by clicking its menu icon.
#include <algorithm>

#include "soak.h"
#include "soak_input.h"

namespace soak {

namespace {

// The menu's loop starts half a second after it shows; before that a click or key there does
// nothing. The generator leans on both sides of that.
constexpr int kMenuAwakeMs = 1000;  // after this the menu has surely started its loop
constexpr int kBeforeMenuWakesMs = 300;
const Area kScreen{0, 0, 800, 600};
const Point kMiddle{400, 300};

// Pauses between acts: up to this percentage of them, the shortest and longest.
constexpr int kPauses[][3] = {{75, 30, 250}, {95, 250, 1200}, {100, 1200, 4000}};
const std::vector<std::string> kDialogKeys = {"Tab",  "Tab",   "Left",  "Right", "Up",
                                              "Down", "Space", "Space", "Enter"};

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : rng_(seed ^ 0x50A4C0FFEEull) {}

  Plan Make(std::uint32_t seed, int rounds, std::int64_t visitMs) {
    Plan plan;
    plan.seed = seed;
    w_.Comment("soak seed " + std::to_string(seed) + ", " + std::to_string(rounds) +
               " rounds of the eight games, " + std::to_string(visitMs) + " ms each");
    w_.Wait(kMenuAwakeMs);
    for (int round = 0; round < rounds; ++round) {
      std::vector<int> order(kGames);
      for (int i = 0; i < kGames; ++i) order[i] = i;
      for (int i = kGames - 1; i > 0; --i) std::swap(order[i], order[rng_.Range(0, i)]);
      for (int index : order) {
        const Game& g = GameAt(index);
        Visit visit{index, w_.Now()};
        w_.Comment(std::string("visit ") + g.form);
        if (rng_.Chance(30)) LaunchByKey(g);
        Resync(g);
        PlayVisit(g, visit.start + visitMs);
        // Leaves twice: the second time from a fresh start if the first one worked, or from
        // whatever kept the first one back (a dialog, a sound).
        if (g.HasDialog()) {
          ReleaseAll();
          w_.Click(g.dialog.cancel.Centre());
          w_.Wait(300);
        }
        Leave(g, rng_.Chance(40));
        w_.Wait(1500);
        // A plain Escape the second time: whatever game is in front, that leaves it.
        Leave(g, false, false);
        w_.Wait(1500);
        visit.end = w_.Now();
        plan.longestVisit = std::max(plan.longestVisit, visit.end - visit.start);
        plan.visits.push_back(visit);
      }
    }
    w_.Wait(3000);
    plan.script = w_.Text();
    return plan;
  }

 private:
  void PlayVisit(const Game& g, std::int64_t until) {
    while (w_.Now() < until) {
      ReleaseDueKeys();
      const Action a = static_cast<Action>(rng_.Pick(g.weights));
      // Buttons and menu clicks come with every held key let go first.
      if (a >= kNext) {
        for (const auto& [name, at] : holds_) w_.KeyUp(name);
        holds_.clear();
      }
      // Children press the same thing again and again.
      const int times = a <= kPlace && rng_.Chance(50) ? rng_.Range(2, 8) : 1;
      for (int i = 0; i < times; ++i) {
        if (i > 0) w_.Wait(rng_.Range(40, 200));
        Act(g, a);
      }
      const int kind = rng_.Range(0, 99);
      for (const auto& [below, shortest, longest] : kPauses) {
        if (kind < below) {
          w_.Wait(rng_.Range(shortest, longest));
          break;
        }
      }
    }
  }

  void Act(const Game& g, Action a) {
    switch (a) {
      case kTapKey:
        return TapKey(rng_.Any(g.keys));
      case kHoldKey:
        return HoldKey(rng_.Any(g.keys));
      case kAnyKey: {
        const std::string& name = AnyKeyButEscape();
        if (name == "F1" && g.HasDialog() && g.dialogOpeners.empty()) return DialogSession(g, true);
        return rng_.Chance(15) ? HoldKey(name) : TapKey(name);
      }
      case kClick:
        return ClickAt(PointIn(g, g.clickAreas));
      case kPlace: {
        w_.Click(PointIn(g, g.dragFrom));
        for (int moves = rng_.Range(0, 4); moves > 0; --moves) {
          w_.Wait(rng_.Range(30, 300));
          w_.Move(Jitter(kScreen));
        }
        w_.Wait(rng_.Range(100, 1200));
        return w_.Click(PointIn(g, g.dragTo));
      }
      case kDrag: {
        // Drawn in this order so that a seed gives the same script whatever the compiler.
        const int steps = rng_.Range(2, 16);
        const Point to = PointIn(g, g.dragTo);
        return DragBetween(g, PointIn(g, g.dragFrom), to, steps);
      }
      case kScribble:
        return Scribble(g);
      case kDblClick:
        if (!g.dialogOpeners.empty() && rng_.Chance(30)) return DialogSession(g, false);
        return w_.DblClick(PointIn(g, g.dblClickAreas.empty() ? g.clickAreas : g.dblClickAreas));
      case kHover:
        for (int moves = rng_.Range(1, 8); moves > 0; --moves) {
          w_.Move(Jitter(kScreen));
          w_.Wait(rng_.Range(10, 120));
        }
        return;
      case kRightClick:
        w_.Move(PointIn(g, g.clickAreas));
        w_.Down("right");
        w_.Wait(rng_.Range(30, 300));
        return w_.Up();
      case kIdle:
        return w_.Wait(rng_.Range(2000, 12000));
      case kNext:
        if (!g.HasNext()) return;
        Resync(g);
        return w_.Click(Jitter(g.next));
      case kOptions:
        return DialogSession(g, false);
      case kEscape:
      case kStop:
        return LeaveAndReturn(g, a == kStop);
      case kResync:
        return Resync(g);
    }
  }

  void ReleaseDueKeys() {
    std::erase_if(holds_, [&](const auto& hold) {
      if (hold.second > w_.Now()) return false;
      w_.KeyUp(hold.first);
      return true;
    });
  }

  // Lets go of the mouse button and every key still held, the last pressed first.
  void ReleaseAll() {
    w_.Up();
    for (auto hold = holds_.rbegin(); hold != holds_.rend(); ++hold) w_.KeyUp(hold->first);
    holds_.clear();
  }

  // A key still held from before comes up before it goes down again.
  void LetGo(const std::string& name) {
    std::erase_if(holds_, [&](const auto& hold) {
      if (hold.first != name) return false;
      w_.KeyUp(name);
      return true;
    });
  }

  Point Jitter(Area a) {
    return {a.x + rng_.Range(0, std::max(a.w - 1, 0)), a.y + rng_.Range(0, std::max(a.h - 1, 0))};
  }

  Point PointIn(const Game& g, const std::vector<Area>& areas) {
    const Area& a = areas.empty() ? kScreen : rng_.Any(areas);
    for (int tries = 0; tries < 20; ++tries) {
      const Point p = Jitter(a);
      if (FreeToPress(g, p)) return p;
    }
    return kMiddle;
  }

  const std::string& AnyKeyButEscape() {
    return kKeyNames[rng_.Range(0, static_cast<int>(kKeyNames.size()) - 2)];
  }

  void TapKey(const std::string& name) {
    LetGo(name);
    if (rng_.Chance(80)) return w_.Key(name);
    w_.KeyDown(name);
    w_.Wait(rng_.Range(20, 200));
    w_.KeyUp(name);
  }

  void HoldKey(const std::string& name) {
    LetGo(name);
    const int length = rng_.Range(200, 4000);
    w_.KeyDown(name);
    if (!rng_.Chance(70)) {
      // Held while other things happen.
      holds_.emplace_back(name, w_.Now() + length);
      return;
    }
    // Held on its own, with the keyboard's repeat after a moment.
    const bool repeat = rng_.Chance(60);
    const int every = rng_.Range(33, 90);
    int held = rng_.Range(250, 500);
    w_.Wait(std::min(held, length));
    while (repeat && held + every < length) {
      w_.KeyDown(name);
      w_.Wait(every);
      held += every;
    }
    if (held < length) w_.Wait(length - held);
    w_.KeyUp(name);
  }

  void ClickAt(Point p) {
    const int kind = rng_.Range(0, 99);
    if (kind < 80) return w_.Click(p);
    w_.Move(p);
    w_.Down();
    if (kind < 95) {
      // A slow press, perhaps with a little wobble before the button comes up.
      w_.Wait(rng_.Range(50, 900));
      if (rng_.Chance(40)) w_.Move({p.x + rng_.Range(-3, 3), p.y + rng_.Range(-3, 3)});
    } else {
      // A key pressed while the button is down.
      w_.Wait(rng_.Range(20, 300));
      TapKey(AnyKeyButEscape());
      w_.Wait(rng_.Range(20, 300));
    }
    w_.Up();
  }

  void DragBetween(const Game& g, Point from, Point to, int steps) {
    w_.Move(from);
    w_.Down();
    w_.Wait(rng_.Range(10, 200));
    for (int i = 1; i <= steps; ++i) {
      const Point p{from.x + (to.x - from.x) * i / steps + rng_.Range(-6, 6),
                    from.y + (to.y - from.y) * i / steps + rng_.Range(-6, 6)};
      w_.Move(i == steps && FreeToPress(g, to) ? to : p);
      w_.Wait(rng_.Range(8, 60));
    }
    // The button comes up where it may be pressed, never on a button of the game or the menu.
    if (!FreeToPress(g, to)) w_.Move(kMiddle);
    if (rng_.Chance(70)) w_.Wait(rng_.Range(10, 400));
    w_.Up();
  }

  void Scribble(const Game& g) {
    Point p = PointIn(g, g.dragFrom);
    w_.Move(p);
    w_.Down();
    for (int moves = rng_.Range(20, 140); moves > 0; --moves) {
      p = {std::clamp(p.x + rng_.Range(-40, 40), 0, 799),
           std::clamp(p.y + rng_.Range(-40, 40), 0, 599)};
      w_.Move(p);
      w_.Wait(rng_.Range(8, 40));
    }
    if (!FreeToPress(g, p)) w_.Move(kMiddle);
    w_.Up();
  }

  // Brings the game to the front whatever is showing: a first click on its icon starts it from
  // the menu (or does nothing in the game), a second one a second later does the same in case
  // the menu had only just shown and was not yet listening. With `silence`, the first click
  // silences a sound that still plays, and a key the cheer or a solo that the second click
  // started; both stay within the menu's sleep.
  void Resync(const Game& g, bool silence = false) {
    w_.Click(g.icon);
    w_.Wait(kMenuAwakeMs);
    w_.Click(g.icon);
    if (!silence) return w_.Wait(kBeforeMenuWakesMs);
    w_.Wait(150);
    w_.Key("A");
    w_.Wait(150);
  }

  // Escape or the stop button, sent only right after a resync, and so soon after it that a
  // menu that came up meanwhile is not yet listening.
  void Leave(const Game& g, bool byStop, bool heldKeyGuard = true) {
    ReleaseAll();
    Resync(g, g.silenceFirst);
    // Now and then the mouse button is down while Escape is pressed, and comes up later, maybe
    // over the menu. Not where a press may start a sound: Escape would only silence it.
    const bool pressed = !byStop && rng_.Chance(15) && !g.silenceFirst;
    if (pressed) {
      w_.Move(Jitter(kScreen));
      w_.Down();
    }
    if (byStop) {
      w_.Click(g.stop.Centre());
    } else if (g.escapeThroughHeldKey && heldKeyGuard) {
      w_.KeyDown("A");
      PressEscape();
      w_.KeyUp("A");
    } else {
      PressEscape();
    }
    if (pressed) {
      w_.Wait(rng_.Range(100, 1500));
      w_.Up();
    }
  }

  // Escape pressed, or now and then held on, so the keyboard repeats it after the game has gone.
  void PressEscape() {
    if (rng_.Chance(75)) return w_.Key("Escape");
    w_.KeyDown("Escape");
    w_.Wait(rng_.Range(300, 700));
    for (int i = rng_.Range(0, 30); i > 0; --i) {
      w_.KeyDown("Escape");
      w_.Wait(33);
    }
    w_.KeyUp("Escape");
  }

  // Leaves by accident and starts the game again.
  void LeaveAndReturn(const Game& g, bool byStop) {
    Leave(g, byStop);
    w_.Wait(1500);
    Resync(g);
  }

  // Starts a game from the menu by pointing at its icon and pressing Enter, then makes sure.
  void LaunchByKey(const Game& g) {
    w_.Move(g.icon);
    w_.Wait(rng_.Range(50, 400));
    if (rng_.Chance(60)) {
      w_.Key("Enter");
    } else {
      HoldKey("Enter");
    }
    w_.Wait(rng_.Range(300, 1000));
  }

  void DialogSession(const Game& g, bool fromKey) {
    if (!g.HasDialog()) return;
    const DialogShape& d = g.dialog;
    if (!g.dialogOpeners.empty()) {
      w_.DblClick(Jitter(rng_.Any(g.dialogOpeners)));
    } else if (fromKey || !g.HasOptions() || rng_.Chance(50)) {
      if (rng_.Chance(70)) {
        w_.Key("F1");
      } else {
        // Held: the key comes up over the dialog.
        w_.KeyDown("F1");
        w_.Wait(rng_.Range(50, 600));
        w_.KeyUp("F1");
      }
    } else {
      Resync(g);
      w_.Click(Jitter(g.options));
    }
    w_.Wait(rng_.Range(200, 800));
    for (int steps = rng_.Range(1, 10); steps > 0; --steps) {
      const int kind = rng_.Range(0, 99);
      if (kind < 45) {
        w_.Click(Jitter(rng_.Any(d.controls)));
      } else if (kind < 50) {
        // Pressed on a control, slid off the dialog, let go outside it.
        w_.Move(Jitter(rng_.Any(d.controls)));
        w_.Down();
        w_.Wait(rng_.Range(50, 400));
        const Point outside{rng_.Range(0, d.whole.x - 1), rng_.Range(0, 599)};
        w_.Move(outside);
        w_.Wait(rng_.Range(20, 300));
        w_.Up();
      } else if (kind < 65) {
        w_.Click(Jitter(d.whole));
      } else if (kind < 95) {
        TapKey(rng_.Any(kDialogKeys));
      } else {
        TapKey(std::string(1, static_cast<char>('A' + rng_.Range(0, 25))));
      }
      w_.Wait(rng_.Range(100, 1200));
    }
    const int close = rng_.Range(0, 99);
    if (close < 45) {
      w_.Click(Jitter(d.ok));
    } else if (close < 80) {
      w_.Click(Jitter(d.cancel));
    } else {
      // Escape cancels the dialog, or, if it never opened, leaves the game.
      LeaveAndReturn(g, false);
    }
    w_.Wait(rng_.Range(200, 800));
  }

  Rng rng_;
  Writer w_;
  // Keys held across other input, with the time they are let go.
  std::vector<std::pair<std::string, std::int64_t>> holds_;
};

}  // namespace

Plan MakePlan(std::uint32_t seed, int rounds, std::int64_t visitMs) {
  return Generator(seed).Make(seed, rounds, visitMs);
}

}  // namespace soak
