// The start-up form and hub: the picture menu with its bobbing logo, the eight game icons, the
// sound switch, the About view and the stop button that ends the program. Under the grown-up
// lock (--lock, or Lock=1 in section "Program" of the settings) only a two-second press of the
// stop button ends it: Escape and the window's close button do nothing, a signal still ends it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "gameutil/gameutil.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "shell/desktop_icons.h"
#include "shell/game_catalog.h"

namespace shell {

class MenuForm final : public platform::Form {
 public:
  MenuForm(platform::Runtime& runtime, GameCatalog catalog, DesktopIcons& desktopIcons);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_QueryClose() override;
  void Form_EndSession() override;

 private:
  void startLoopTimer_Timer();
  void RunMenu();
  void DrawMenu();
  void LoadMenuGraphics();
  void FreeMenuGraphics();
  void ShowLogoLetters(bool visible);
  void PlayJingle();
  void LaunchGame(int index);
  void QuitProgram();
  // Ends the loop towards QuitProgram, or quits at once when the loop is not running.
  void EndProgram();
  void DrawStopHold();
  static double DegToRad(double degrees);

  GameCatalog catalog_;
  DesktopIcons& desktopIcons_;
  platform::Timer startLoopTimer_;

  bool previousInstance_ = false;
  bool menuRunning_ = false;
  bool logoSequence_ = false;
  bool aboutShown_ = false;
  int hoverIcon_ = -1;
  bool hoverActive_ = false;
  int selectedGame_ = -1;
  bool keyLatch_ = false;
  std::int32_t logoPhase_ = 0;
  std::array<double, 361> sineTable_{};

  bool locked_ = false;
  // A press of the stop button under the lock: since when it is held.
  bool stopHeld_ = false;
  std::int32_t stopHeldSince_ = 0;

  bool graphicsLoaded_ = false;
  std::int32_t menuBackground_ = 0;
  std::array<GameUtil::Sprite, 7> logoLetters_;
  std::array<GameUtil::Sprite, 8> gameIcons_;
  GameUtil::Sprite hoverFrame_;
  GameUtil::Sprite stopButton_;
  GameUtil::Sprite soundOnIcon_;
  GameUtil::Sprite soundOffIcon_;
  GameUtil::Sprite aboutPicture_;
};

}  // namespace shell
