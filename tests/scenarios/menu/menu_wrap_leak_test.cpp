// The menu and the placeholder games across the 32-bit clock's wrap, and the live surface
// count each time the menu comes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

constexpr int kIconCentre[8][2] = {{250, 150}, {550, 150}, {150, 325}, {400, 325},
                                   {650, 325}, {175, 500}, {400, 500}, {625, 500}};

std::string Click(int icon) {
  return "click " + std::to_string(kIconCentre[icon][0]) + " " +
         std::to_string(kIconCentre[icon][1]) + "\n";
}

// The virtual clock starts at 10000 + seed, so this seed has GetTimeMs wrap from 2^31 - 1 to
// -2^31 three seconds into the run: in the middle of the logo's letters.
constexpr unsigned kWrapSeed = 2147483648u - 10000 - 3000;

TEST(MenuAcrossTheClocksWrap, TheLogoKeepsItsTimingAndEveryScreenStillWorks) {
  const std::string logo =
      "wait 1010\nshot a.png\nwait 10\nshot b.png\n"
      "wait 3050\nshot c.png\nwait 10\nshot d.png\n"
      "wait 1430\nshot e.png\nwait 10\nshot f.png\n"
      "wait 2990\nshot g.png\nwait 10\nshot h.png\n";
  std::string games;
  for (int icon : {0, 1, 2, 3, 4, 5, 6, 7})
    games += Click(icon) + "wait 300\nkey Escape\nwait 700\n";
  Scenario s;
  const Result before = s.Run(logo + "wait 10\n", 0, {}, "before");
  const Result wrapped = s.Run(logo + games + "key Escape\nwait 50\n", kWrapSeed, {}, "wrapped");
  ASSERT_EQ(before.status, 0);
  ASSERT_EQ(wrapped.status, 0) << wrapped.errors;
  // The same frames at the same times after the menu showed, before and across the wrap.
  for (const char* shot :
       {"a.png", "b.png", "c.png", "d.png", "e.png", "f.png", "g.png", "h.png"}) {
    EXPECT_TRUE(SameRegion(s.Shot(shot, "before"), s.Shot(shot, "wrapped"), 0, 0, 800, 600))
        << shot;
  }
  EXPECT_EQ(Count(wrapped.trace, "show MenuForm"), 9);
  EXPECT_EQ(wrapped.trace.back(), "quit");
}

// Every game entered and left with Escape (each game's own tests play it and leave by its stop
// button), the About view, the sound switch: the menu comes back to the count it first showed
// with.
TEST(MenuSurfaces, TheCountAtTheMenuNeverChanges) {
  std::string script =
      "wait 600\nclick 20 200\nwait 50\nclick 20 200\nwait 50\n"
      "click 760 500\nwait 50\nclick 760 500\nwait 50\n";
  for (int icon = 0; icon < 8; ++icon) script += Click(icon) + "wait 300\nkey Escape\nwait 700\n";
  Scenario s;
  const Result r = s.Run(script + "key Escape\nwait 50\n");
  ASSERT_EQ(r.status, 0);
  const std::vector<int> counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 9u);
  for (std::size_t i = 1; i < counts.size(); ++i) EXPECT_EQ(counts[i], counts[0]) << i;
}

}  // namespace
}  // namespace scenario
