// The real menu over a headless run with the program's own pictures, set up as the program
// sets it up; games come from the catalog given.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "shell/desktop_icons.h"
#include "shell/game_catalog.h"
#include "shell/menu_form.h"
#include "shell/runtime_host.h"
#include "support/headless_run.h"

namespace testsupport {

class MenuRun {
 public:
  explicit MenuRun(const std::string& script) : run_(script, KIDPLAY_DIR), host_(run_.rt()) {
    GameUtil::SetHost(&host_);
    run_.rt().SetSurfaceCounter([] { return GameUtil::GetDCCount(); });
  }
  ~MenuRun() { GameUtil::SetHost(nullptr); }

  platform::Runtime& rt() { return run_.rt(); }
  // Shows the menu and runs the script; the exit status.
  int Run(shell::GameCatalog catalog = shell::BaseCatalog()) {
    run_.rt().Create<shell::MenuForm>(std::move(catalog), icons_).Show();
    return run_.rt().Run();
  }
  std::vector<std::string> Trace() const { return run_.Trace(); }

 private:
  HeadlessRun run_;
  shell::RuntimeHost host_;
  shell::NoDesktopWindows windows_;
  shell::NoSharedMemory memory_;
  shell::DesktopIcons icons_{windows_, memory_};
};

// The trace from the first line that is `line` on, without the times.
inline std::vector<std::string> TraceFrom(const std::vector<std::string>& trace,
                                          const std::string& line) {
  std::vector<std::string> rest;
  for (const std::string& timed : trace) {
    const std::string text = timed.substr(timed.find(' ') + 1);
    if (!rest.empty() || text == line) rest.push_back(text);
  }
  return rest;
}

}  // namespace testsupport
