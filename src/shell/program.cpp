#include "shell/program.h"

#include <cstdio>
#include <string>

#include "gameutil/gameutil.h"
#include "platform/paths.h"
#include "platform/runtime.h"
#include "shell/desktop_icons.h"
#include "shell/menu_form.h"
#include "shell/runtime_host.h"

namespace shell {

int RunProgram(int argc, const char* const* argv, GameCatalog catalog) {
  std::string error;
  auto options = platform::ParseRunOptions(argc, argv, &error);
  if (!options) {
    std::fprintf(stderr, "kidplay: %s\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(platform::RunUsage().c_str(), stdout);
    return 0;
  }
  platform::Runtime runtime(*options, platform::ExecutableFolder());
  if (!runtime.Start(&error)) {
    // "no display: ..." is a whole line of its own; other failures name the program.
    const bool noDisplay = error.rfind("no display: ", 0) == 0;
    std::fprintf(stderr, "%s%s\n", noDisplay ? "" : "kidplay: ", error.c_str());
    return options->headless ? 2 : 1;
  }
  if (runtime.PreviousInstance()) {
    std::fprintf(stderr, "kidplay: another copy is already running (it holds %s); this one ends\n",
                 platform::InstanceLock::DefaultFile().c_str());
  }
  RuntimeHost host(runtime);
  GameUtil::SetHost(&host);
  runtime.SetSurfaceCounter([] { return GameUtil::GetDCCount(); });
  NoDesktopWindows desktopWindows;
  NoSharedMemory sharedMemory;
  DesktopIcons desktopIcons(desktopWindows, sharedMemory);
  runtime.Create<MenuForm>(std::move(catalog), desktopIcons).Show();
  const int status = runtime.Run();
  GameUtil::SetHost(nullptr);
  return status;
}

}  // namespace shell
