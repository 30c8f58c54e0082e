#include "platform/paths.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

// Program paths ("Gfx\Maze\mouseN.bmp") found below a folder whatever their letter case, never
// above it. (The program's own folder is found in every scenario run, which loads the forge's
// files.)
TEST(ResolvePath, MatchesEachComponentIgnoringCaseAndKeepsTheRestAsWritten) {
  TempFolder tmp;
  tmp.Write("Gfx/Maze/mouseN.bmp", "x");
  tmp.Write("Gfx/Maze/MouseN.bmp", "y");
  const std::pair<const char*, const char*> cases[] = {
      {"gfx\\MAZE\\mouseN.bmp", "Gfx/Maze/mouseN.bmp"},
      {"GFX/maze//.\\MouseN.bmp", "Gfx/Maze/MouseN.bmp"},
      {".\\Gfx\\\\Maze\\..\\maze\\mouseN.bmp", "Gfx/Maze/mouseN.bmp"},
      // Neither spelled exactly: the choice must not depend on directory order.
      {"gfx\\maze\\MOUSEN.BMP", "Gfx/Maze/MouseN.bmp"},
      {"gfx\\Missing\\GFX\\x.BMP", "Gfx/Missing/GFX/x.BMP"},
      {"gfx\\maze\\none.bmp", "Gfx/Maze/none.bmp"},
      {"Gfx\\..\\gfx", "Gfx"},
      {"/etc/Passwd", "/etc/Passwd"},  // an absolute name is taken as it is
      {"", nullptr},
      {"..\\x.bmp", nullptr},
      {"Gfx\\..\\..\\x.bmp", nullptr},
  };
  for (const auto& [name, want] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(platform::ResolvePath(tmp.path(), name),
              want ? std::optional(tmp.path() / want) : std::nullopt);
  }
}

}  // namespace
