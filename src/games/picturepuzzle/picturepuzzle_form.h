// The Picture puzzle: a scene shown whole on the left and with holes on the right; the child
// carries the missing pieces from the tray into their holes, with the mouse or the keyboard.
#pragma once
#include <cstdint>

#include "games/picturepuzzle/puzzle_model.h"
#include "gameutil/gameutil.h"
#include "shell/drag_gesture.h"
#include "shell/game_form.h"

namespace picturepuzzle {

class PicturePuzzleForm final : public shell::GameForm {
 public:
  PicturePuzzleForm(platform::Runtime& runtime, platform::Form& menu);
  ~PicturePuzzleForm() override;

  // The options the dialog reads and sets.
  std::int32_t scenario() const { return scenario_; }
  void set_scenario(std::int32_t value) { scenario_ = value; }
  std::int32_t snapDistance() const { return model_.snapDistance; }
  void set_snapDistance(std::int32_t value) { model_.snapDistance = value; }

  // Starts a new puzzle of the current scene.
  void ResetForm();

  void Form_Load() override;
  void Form_Click() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // The window's close button leaves the game as Escape does.
  void Form_QueryClose() override;

 private:
  void InitPuzzleForm();
  void SetUpScene(std::int32_t index);
  void DrawPuzzle();
  void FramePiece(std::int32_t slot);
  void ClickAt(int x, int y);
  void FreePieces();
  void CelebrateDone();
  void WaitMs(std::int32_t ms);
  void ShowOptions();
  void SpaceKey();
  void EnterKey();
  void EndGame();

  PuzzleModel model_;
  std::int32_t scenario_ = 0;
  bool keyReleased_ = true;
  bool escapeDown_ = false;  // Escape went down on this form (not on a dialog)
  bool leaving_ = false;
  // A piece pressed on is picked up at once and dropped where a drag lets go.
  shell::DragGesture drag_;

  std::int32_t sourceSurface_ = 0;
  std::int32_t targetSurface_ = 0;  // made empty and filled, so not tracked by GameForm
  std::int32_t trayBackground_ = 0;
  std::int32_t topBorder_ = 0;
  std::int32_t lowBorder_ = 0;
  GameUtil::Sprite star_;
  GameUtil::Sprite optionsButton_;
  GameUtil::Sprite stopButton_;
  GameUtil::Sprite nextButton_;
};

}  // namespace picturepuzzle
