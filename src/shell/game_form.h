// What every game form shares: created fresh on each launch, it loads its own pictures, and at
// its end it stops the sounds, deletes every surface it made, shows the menu and unloads itself.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace shell {

class GameForm : public platform::Form {
 public:
  // `menu` is shown again when the game ends; `section` names the game's settings.
  GameForm(platform::Runtime& runtime, platform::Form& menu, std::string formName,
           std::string section);
  ~GameForm() override;

  // The window's close button: the game ends as with Escape and the menu comes back.
  void Form_QueryClose() override;
  // The program is asked to end (SIGTERM at a logout or shutdown, SIGINT): the game leaves
  // through StopGame; the menu, which comes to the front then, ends the program.
  void Form_EndSession() override { StopGame(); }

  // The hook for a program that must end: leave the game exactly as its stop button does
  // (stop the sounds and loops, store the options it keeps, free the surfaces, show the menu
  // and unload). A game inside one of its own loops only asks the loop to end, as its stop
  // button does there. Called by the event pump, so also from a DoEvents of the game's loop.
  // The default presses Escape (Form_QueryClose); a game whose Escape can be ignored (a held
  // key latch, a game without Escape) overrides this with its stop button's code.
  virtual void StopGame() { Form_QueryClose(); }

 protected:
  // GenerateDC, remembered so that FreeAllSurfaces deletes it.
  std::int32_t LoadSurface(const std::string& path);
  // Deletes one surface (tracked or not) and zeroes the handle.
  void FreeSurface(std::int32_t& handle);
  void FreeAllSurfaces();

  // A 50 x 50 game button "Gfx\Buttons\<name>.bmp" with "<name>Mask.bmp" at (x, y).
  GameUtil::Sprite LoadButton(const std::string& name, double x, double y);
  // Draws a picture pair at the sprite's rounded place: mask AND, then picture PAINT.
  void DrawPair(const GameUtil::Sprite& sprite);
  // The pointer lies strictly inside the sprite's rectangle.
  bool PointerOn(const GameUtil::Sprite& sprite) const;
  GameUtil::Point CursorPos() const;

  // Settings of this game's section; a value that is not a whole number gives the default.
  int ReadSetting(const std::string& key, int fallback) const;
  void WriteSetting(const std::string& key, int value);

  // The last steps of every game's end: show the menu, then unload this form.
  void ShowMenuAndUnload();

 private:
  platform::Form& menu_;
  std::string section_;
  std::vector<std::int32_t> surfaces_;
};

// The screen of a game that is not built yet: its menu picture and the stop button, which (like
// Escape) leads back to the menu.
class PlaceholderGameForm final : public GameForm {
 public:
  PlaceholderGameForm(platform::Runtime& runtime, platform::Form& menu, std::string formName,
                      std::string section, std::string iconPath);
  void Form_Load() override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void StopGame() override { EndGame(); }

 private:
  void EndGame();
  std::string iconPath_;
  std::int32_t icon_ = 0;
  GameUtil::Sprite stopButton_;
  bool keyLatch_ = false;
};

}  // namespace shell
