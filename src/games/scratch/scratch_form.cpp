#include "games/scratch/scratch_form.h"

#include <algorithm>

#include "games/scratch/scratch_options.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace scratch {

using GameUtil::Sprite;
using platform::Rop;

namespace {

// Values outside the option sets give the first-time choice.
std::int32_t ValidPercent(int value) {
  return value == 25 || value == 50 || value == 75 ? value : 50;
}

std::int32_t ValidSize(int value) {
  return value == 36 || value == 56 || value == 76 ? value : 56;
}

std::int16_t ValidScenario(int value) {
  return static_cast<std::int16_t>(value >= 0 && value <= kSurpriseScene ? value : 0);
}

}  // namespace

ScratchForm::ScratchForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "ScratchForm", "Scratch"),
      CalcTimer(*this, 1000, [this] { CalcTimer_Timer(); }) {
  CalcTimer.SetEnabled(true);
}

ScratchForm::~ScratchForm() {
  // The two empty surfaces are not tracked by GameForm; a form that never ended its game (the
  // program closing mid-game) still gives them back.
  GameUtil::DeleteGeneratedDC(backgroundSurface_);
  GameUtil::DeleteGeneratedDC(sceneSurface_);
}

void ScratchForm::Form_Load() {
  LoadImages();
  ReadSettings();
  ResetForm();
}

void ScratchForm::ReadSettings() {
  scratchSize_ = ValidSize(ReadSetting("Size", 56));
  scenarioIndex_ = ValidScenario(ReadSetting("Scenario", 0));
  scratchPercent_ = ValidPercent(ReadSetting("Percent", 50));
}

void ScratchForm::SaveSettings() {
  WriteSetting("Size", scratchSize_);
  WriteSetting("Scenario", scenarioIndex_);
  WriteSetting("Percent", scratchPercent_);
}

void ScratchForm::ShowMessage(const std::string& text) {
  runtime().MessageBox("Kidplay", text, platform::MessageIcon::Information);
}

void ScratchForm::LoadImages() {
  stopButton_ = LoadButton("Stop", 675, 538);
  optionsButton_ = LoadButton("Options", 738, 538);
  scratchSurface_ = LoadSurface("Gfx\\Scratch\\ScratchSurface.bmp");
  if (stopButton_.imageSurface == 0 || stopButton_.maskSurface == 0 ||
      optionsButton_.imageSurface == 0 || optionsButton_.maskSurface == 0) {
    ShowMessage("Failed to load button images");
  }
  if (scratchSurface_ == 0) ShowMessage("Failed to scratch surface images");
  backgroundSurface_ = GameUtil::GenerateEmptyDC(0, 800, 600);
  sceneSurface_ = GameUtil::GenerateEmptyDC(0, 800, 600);
  if (backgroundSurface_ == 0 || sceneSurface_ == 0) ShowMessage("Failed to create background DC");
  keyReleased_ = true;
}

void ScratchForm::DrawButtons() {
  DrawPair(stopButton_);
  DrawPair(optionsButton_);
}

void ScratchForm::ResetForm() {
  CalcTimer.SetEnabled(false);
  animating_ = false;
  GameUtil::StopAllSounds();
  coverageMap_.Clear();
  coveragePercent_ = 0;
  revealCells_ = BuildRevealCells(scratchSize_);
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, scratchSurface_, 0, 0, Rop::Copy);
  DrawButtons();
  FreeSprites();
  GameUtil::Randomize(GameUtil::GetTimeMs());
  currentScene_ = ChooseScene();
  LoadScenario(currentScene_);
  SetMouseIcon("Gfx\\Cursors\\Surfacecursor.cur");
  SetMousePointer(platform::Pointer::kCustom);
  Refresh();
  CalcTimer.SetEnabled(true);
  GameUtil::SetCursorVisible(GameUtil::True);
}

void ScratchForm::Form_MouseMove(int buttons, int, double x, double y) {
  if (animating_ || buttons == 0) return;
  ScratchAt(x, y);
}

void ScratchForm::ScratchAt(double x, double y) {
  CalcTimer.SetEnabled(true);
  const int s = scratchSize_;
  const int left = SquareCorner(x, s);
  const int top = SquareCorner(y, s);
  GameUtil::BitBlt(Image(), left, top, s, s, sceneSurface_, left, top, Rop::Copy);
  DrawButtons();
  Refresh();
  MarkScratched(x, y);
}

void ScratchForm::MarkScratched(double x, double y) {
  const int s = scratchSize_;
  coverageMap_.MarkSquare(SquareCorner(x, s), SquareCorner(y, s), s);
}

void ScratchForm::CalcPercentage() {
  coveragePercent_ = coverageMap_.Percent();
}

void ScratchForm::CalcTimer_Timer() {
  // A running scene is not measured again: that would start it a second time inside itself.
  if (animating_) return;
  CalcPercentage();
  if (coveragePercent_ >= scratchPercent_) RevealScene();
}

void ScratchForm::RevealScene() {
  CalcTimer.SetEnabled(false);
  GameUtil::BitBlt(sceneSurface_, 0, 0, 800, 600, backgroundSurface_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, sceneSurface_, 0, 0, Rop::Copy);
  DrawButtons();
  Refresh();
  StartScenario(currentScene_);
  animating_ = true;
  RunAnimation();
}

void ScratchForm::RunAnimation() {
  stepTime_ = lastStepTime_ = GameUtil::GetTimeMs();
  do {
    stepTime_ = GameUtil::GetTimeMs();
    if (GameUtil::ElapsedMs(stepTime_, lastStepTime_) > 0) {
      DrawFrame();
      AnimateScenario();
    }
    runtime().DoEvents();
    lastStepTime_ = stepTime_;
  } while (animating_);
}

void ScratchForm::RevealRandomCell() {
  const std::int32_t saved = scratchSize_;
  CalcTimer.SetEnabled(false);
  scratchSize_ = GridFor(saved).spaceSide;
  const bool allRevealed = std::all_of(revealCells_.begin(), revealCells_.end(),
                                       [](const RevealCell& c) { return c.revealed; });
  if (allRevealed) {
    scratchSize_ = saved;
    RevealScene();
    return;
  }
  const int index = NextRevealCell(revealCells_, GameUtil::Rnd());
  RevealCell& cell = revealCells_[index];
  cell.revealed = true;
  const double half = scratchSize_ / 2.0;
  ScratchAt(static_cast<double>(GameUtil::RoundHalfEven(cell.left + half)),
            static_cast<double>(GameUtil::RoundHalfEven(cell.top + half)));
  scratchSize_ = saved;
}

void ScratchForm::Form_Click() {
  if (PointerOn(stopButton_)) {
    EndGame();
  } else if (PointerOn(optionsButton_)) {
    ShowOptions();
  }
}

void ScratchForm::ShowOptions() {
  CalcTimer.SetEnabled(false);
  // A playing scene hides the pointer; the grown-up needs it in the dialog.
  const bool wasAnimating = animating_;
  if (wasAnimating) GameUtil::SetCursorVisible(GameUtil::True);
  ScratchFormOptions dialog(runtime(), *this);
  dialog.ShowModal();
  if (!Loaded()) return;
  if (dialog.Confirmed()) {
    SaveSettings();
    ResetForm();
  } else if (animating_) {
    GameUtil::SetCursorVisible(GameUtil::False);
    // The time the dialog was open does not count: the scene goes on where it stopped.
    stepTime_ = GameUtil::GetTimeMs();
  }
  Form_GotFocus();
}

void ScratchForm::Form_GotFocus() {
  if (!animating_) CalcTimer.SetEnabled(true);
}

void ScratchForm::Form_KeyDown(int& keyCode, int) {
  if (!keyReleased_) return;
  keyReleased_ = false;
  using namespace platform::Keys;
  switch (keyCode) {
    case kF1:
      CalcTimer.SetEnabled(false);
      keyReleased_ = true;  // the key's release goes to the dialog
      ShowOptions();
      break;
    case kRight:
      animating_ = false;
      ResetForm();
      break;
    case kSpace:
      // While the scene plays there is nothing left to uncover.
      if (!animating_) RevealRandomCell();
      break;
    case kEscape:
      EndGame();
      break;
    default:
      break;
  }
}

void ScratchForm::Form_KeyUp(int&, int) {
  keyReleased_ = true;
}

void ScratchForm::Form_QueryClose() {
  EndGame();
}

void ScratchForm::FreeSprites() {
  scene_.Free([this](std::int32_t& handle) { FreeSurface(handle); });
}

void ScratchForm::EndGame() {
  GameUtil::StopAllSounds();
  animating_ = false;
  CalcTimer.SetEnabled(false);
  FreeSurface(stopButton_.imageSurface);
  FreeSurface(stopButton_.maskSurface);
  FreeSurface(optionsButton_.imageSurface);
  FreeSurface(optionsButton_.maskSurface);
  FreeSurface(scratchSurface_);
  FreeSurface(sceneSurface_);
  FreeSurface(backgroundSurface_);
  FreeSprites();
  FreeAllSurfaces();
  GameUtil::SetCursorVisible(GameUtil::True);
  SaveSettings();
  ShowMenuAndUnload();
}

}  // namespace scratch
