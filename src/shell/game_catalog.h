// The eight games behind the menu's icons, in icon order.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "platform/form.h"
#include "platform/runtime.h"

namespace shell {

struct GameEntry {
  std::string formName;     // "MazeForm"
  std::string contextWord;  // "Maze": the error context and settings section while it runs
  std::string iconPath;     // its menu picture
  // Creates the game's form afresh (owned by the runtime); empty while the game is not built,
  // which opens a placeholder screen instead.
  std::function<platform::Form&(platform::Runtime&, platform::Form& menu)> create;
};

using GameCatalog = std::array<GameEntry, 8>;

// The catalog with every game's names and pictures and no forms yet.
GameCatalog BaseCatalog();

}  // namespace shell
