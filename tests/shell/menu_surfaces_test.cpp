#include <gtest/gtest.h>

#include <vector>

#include "gameutil/gameutil.h"
#include "shell/desktop_icons.h"
#include "shell/game_form.h"
#include "shell/menu_form.h"
#include "shell/runtime_host.h"
#include "support/headless_run.h"

namespace shell {
namespace {

// The menu holds no pictures while a game runs, and every round trip gives back all it took.
TEST(MenuSurfaces, TheMenuHoldsNoSurfacesWhileAGameRunsAndFreesThemEachTime) {
  testsupport::HeadlessRun run(
      "wait 600\nclick 400 325\nwait 300\nkey Escape\nwait 700\nclick 150 325\nwait 300\n"
      "key Escape\nwait 700\nkey Escape\nwait 50\n",
      KIDPLAY_DIR);
  RuntimeHost host(run.rt());
  GameUtil::SetHost(&host);
  NoDesktopWindows windows;
  NoSharedMemory memory;
  DesktopIcons icons(windows, memory);

  const std::int32_t before = GameUtil::GetDCCount();
  std::vector<std::int32_t> atLaunch;
  GameCatalog catalog = BaseCatalog();
  for (auto& entry : catalog) {
    entry.create = [&, entry](platform::Runtime& rt, platform::Form& menu) -> platform::Form& {
      atLaunch.push_back(GameUtil::GetDCCount());
      return rt.Create<PlaceholderGameForm>(menu, entry.formName, entry.contextWord,
                                            entry.iconPath);
    };
  }
  auto& menu = run.rt().Create<MenuForm>(catalog, icons);
  menu.Show();
  EXPECT_EQ(run.rt().Run(), 0);
  GameUtil::SetHost(nullptr);

  EXPECT_EQ(atLaunch, (std::vector<std::int32_t>{before, before}));
  EXPECT_EQ(GameUtil::GetDCCount(), before);  // quitting freed the last menu pass too
  const auto trace = run.Trace();
  int boxes = 0;
  for (const auto& line : trace) boxes += line.find(" box ") != std::string::npos;
  EXPECT_EQ(boxes, 0) << "every menu picture was found";
}

}  // namespace
}  // namespace shell
