#include "games/collector/collector_form.h"

#include <cstdio>
#include <string>

#include "games/collector/collector_options.h"
#include "gameutil/numeric.h"
#include "platform/input.h"
#include "platform/runtime.h"

namespace collector {

using GameUtil::Sprite;
using GameUtil::True;
using platform::Rop;

namespace {

constexpr const char* kFolder = "Gfx\\Collector\\";

std::string Numbered(const char* name, int k, const char* suffix) {
  return std::string(kFolder) + name + std::to_string(k) + suffix;
}

// The three speeds the options offer; any other stored value gives the medium one.
std::int16_t KnownSpeed(int value) {
  return static_cast<std::int16_t>(value == 20 || value == 60 ? value : 40);
}

}  // namespace

CollectorForm::CollectorForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "CollectorForm", "Collector"),
      gameTime_(*this, 0, [this] { gameTime_Timer(); }) {}

CollectorForm::~CollectorForm() {
  FreeSurface(backgroundSurface_);
}

void CollectorForm::Form_Load() {
  SetMousePointer(platform::Pointer::kHourglass);
  // The orchard is copied into a picture of the form's own, which keeps the smashed fruit.
  std::int32_t orchard = GameUtil::GenerateDC(std::string(kFolder) + "Applegarden.bmp");
  backgroundSurface_ = GameUtil::GenerateEmptyDC(0, 800, 600);
  GameUtil::BitBlt(backgroundSurface_, 0, 0, 800, 600, orchard, 0, 0, Rop::Copy);
  GameUtil::DeleteGeneratedDC(orchard);
  stopButton_ = LoadButton("Stop", 675, 538);
  optionsButton_ = LoadButton("Options", 738, 538);

  for (int k = 0; k < kFruitKinds; ++k) {
    model_.fruitImages[k] = LoadSurface(Numbered("Fruit", k, ".bmp"));
    model_.fruitMasks[k] = LoadSurface(Numbered("Fruit", k, "Mask.bmp"));
    fruitGrayImages_[k] = LoadSurface(Numbered("Fruit", k, "Gray.bmp"));
  }

  const std::int32_t now = GameUtil::GetTimeMs();
  GameUtil::Randomize(now);
  model_.effects.playSound = [](const std::string& path, std::int32_t flags) {
    GameUtil::PlayGameSound(path, 0, flags);
  };
  model_.effects.stampFruit = [this](const Sprite& fruit) { StampFruit(fruit); };
  model_.effects.fruitStarted = [this](int index) { TraceFall(index); };
  model_.SetUpFallItems();
  model_.SetUpPile(LoadSurface(Numbered("fruitPile", model_.targetKind, ".bmp")),
                   LoadSurface(Numbered("fruitPile", model_.targetKind, "Mask.bmp")));

  faceImage_ = LoadSurface(std::string(kFolder) + "Face.bmp");
  faceMask_ = LoadSurface(std::string(kFolder) + "FaceMask.bmp");
  LoadFigure(kWalkLeft, "CollectorWalkLeft", "WalkingLeft", true);
  LoadFigure(kWalkRight, "CollectorWalkRight", "WalkingRight", true);
  LoadFigure(kStandingLeft, "CollectorStandingLeft", "StandingLeft", false);
  LoadFigure(kStandingRight, "CollectorStandingRight", "StandingRight", false);

  GameUtil::InitSprite(star_, LoadSurface(std::string(kFolder) + "Star.bmp"),
                       LoadSurface(std::string(kFolder) + "StarMask.bmp"), 4 * 64, 64, 0, 0, 4, 64,
                       64, 0, 0);
  const char* waving[2] = {"WavingLeft", "WavingRight"};
  for (int i = 0; i < 2; ++i) {
    wavingImages_[i] = LoadSurface(std::string(kFolder) + waving[i] + ".bmp");
    wavingMasks_[i] = LoadSurface(std::string(kFolder) + waving[i] + "Mask.bmp");
  }

  model_.lives = 3;
  model_.caughtCount = 0;
  // The grown-up's last choice of speed comes back.
  model_.fallSpeed = KnownSpeed(ReadSetting("FallSpeed", 40));
  const std::int32_t clock = GameUtil::GetTimeMs();
  model_.nextEventTime = static_cast<std::int32_t>(static_cast<std::uint32_t>(clock) + 5000u);
  passTime_ = lastPassTime_ = clock;
  // The orchard shows at once; the game itself starts half a second later.
  DrawFrame();
  SetMousePointer(platform::Pointer::kDefault);
  gameTime_.SetInterval(500);
  gameTime_.SetEnabled(true);
}

void CollectorForm::LoadFigure(int index, const char* name, const char* file, bool walking) {
  model_.SetUpFigure(index, name, LoadSurface(std::string(kFolder) + file + ".bmp"),
                     LoadSurface(std::string(kFolder) + file + "Mask.bmp"), walking);
}

void CollectorForm::gameTime_Timer() {
  // The game waits for an options dialog opened before it started.
  if (optionsOpen_) return;
  gameTime_.SetEnabled(false);
  if (endRequested_ || ended_) return;
  model_.running = true;
  loopActive_ = true;
  RunGameLoop();
  if (!endRequested_ && (model_.Won() || model_.Lost())) PlayEnding(model_.Won());
  loopActive_ = false;
  EndGame();
}

void CollectorForm::RunGameLoop() {
  do {
    passTime_ = GameUtil::GetTimeMs();
    HandleEvents();
    DrawFrame();
    lastPassTime_ = passTime_;
    runtime().DoEvents();
  } while (model_.running && !endRequested_);
}

void CollectorForm::DrawFrame() {
  // Everything moves by the time since the last pass, so an options dialog that kept the loop
  // waiting is made up for in one step.
  const double dt = GameUtil::ElapsedMs(passTime_, lastPassTime_) / 1000.0;
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, backgroundSurface_, 0, 0, Rop::Copy);
  for (int i = 0; i < kSpriteCount; ++i) {
    model_.Move(i, dt);
    if (model_.sprites[i].visible == True) GameUtil::DrawSprite(model_.sprites[i], Image());
    model_.StepFrame(i, passTime_);
  }
  DrawStatusRow();
  DrawButtons();
  Refresh();
}

void CollectorForm::DrawStatusRow() {
  const int kind = model_.targetKind;
  const std::int32_t mask = model_.fruitMasks[kind];
  // Five grey places for the wanted fruit, filled in colour from the right.
  for (int k = 0; k < 5; ++k) {
    GameUtil::DrawMasked(Image(), 750 - 40 * k, 5, kFruitSize, kFruitSize, fruitGrayImages_[kind],
                         mask, 0, 0);
  }
  for (int k = 0; k < model_.caughtCount && k < 5; ++k) {
    GameUtil::DrawMasked(Image(), 750 - 40 * k, 5, kFruitSize, kFruitSize, model_.fruitImages[kind],
                         mask, 0, 0);
  }
  for (int k = 0; k < model_.lives; ++k) {
    GameUtil::DrawMasked(Image(), 5 + 40 * k, 5, 31, 44, faceImage_, faceMask_, 0, 0);
  }
}

void CollectorForm::DrawButtons() {
  DrawPair(optionsButton_);
  DrawPair(stopButton_);
}

void CollectorForm::StampFruit(const Sprite& fruit) {
  const int x = GameUtil::NearestInt(fruit.x);
  const int y = GameUtil::NearestInt(fruit.y);
  GameUtil::DrawMasked(backgroundSurface_, x, y, fruit.frameWidth, fruit.frameHeight,
                       fruit.imageSurface, fruit.maskSurface, 0, 0);
}

void CollectorForm::TraceFall(int index) {
  // Headless runs name each fruit that starts falling, so a script can walk under it.
  const Sprite& s = model_.sprites[index];
  char line[96];
  std::snprintf(line, sizeof line, "collector fall %d %d %.3f %.3f %.3f", index,
                static_cast<int>(s.tag), s.x, s.y, s.vy);
  runtime().Trace(line);
}

void CollectorForm::SaveFallSpeed() {
  WriteSetting("FallSpeed", model_.fallSpeed);
}

void CollectorForm::ShowOptions() {
  if (optionsOpen_ || endingRunning_) return;
  optionsOpen_ = true;
  bool confirmed = false;
  {
    CollectorOptions dialog(runtime(), *this);
    dialog.ShowModal();
    confirmed = dialog.Confirmed();
  }
  optionsOpen_ = false;
  // The key that opened the dialog, or any key held meanwhile, was let go over the dialog.
  lastKey_ = -1;
  if (!Loaded() || ended_) return;
  if (confirmed) SaveFallSpeed();
  StopWalking();
}

void CollectorForm::StopWalking() {
  model_.StopWalking();
}

void CollectorForm::Form_Click() {
  if (endingRunning_) {
    endingRunning_ = false;
    return;
  }
  if (PointerOn(stopButton_)) {
    EndGame();
  } else if (PointerOn(optionsButton_)) {
    ShowOptions();
  }
}

void CollectorForm::Form_KeyDown(int& keyCode, int) {
  // A held key repeats; only a new key acts.
  if (keyCode == lastKey_) return;
  lastKey_ = keyCode;
  if (endingRunning_) {
    endingRunning_ = false;
    return;
  }
  using namespace platform::Keys;
  switch (keyCode) {
    case kEscape:
      EndGame();
      break;
    case kF1:
      ShowOptions();
      break;
    case kSpace:
    case kLeft:
      model_.Walk(true);
      break;
    case kEnter:
    case kRight:
      model_.Walk(false);
      break;
    default:
      break;
  }
}

void CollectorForm::Form_KeyUp(int& keyCode, int) {
  using namespace platform::Keys;
  if (keyCode == kSpace || keyCode == kLeft) {
    model_.Stand(true);
  } else if (keyCode == kEnter || keyCode == kRight) {
    model_.Stand(false);
  }
  lastKey_ = -1;
}

void CollectorForm::EndGame() {
  // Inside the loop or an ending, the loop finishes its pass and comes back here.
  if (loopActive_) {
    endRequested_ = true;
    model_.running = false;
    endingRunning_ = false;
    return;
  }
  if (ended_) return;
  ended_ = true;
  GameUtil::StopAllSounds();
  gameTime_.SetEnabled(false);
  model_.running = false;
  lastKey_ = -1;
  SaveFallSpeed();
  FreeAllSurfaces();
  FreeSurface(backgroundSurface_);
  for (Sprite& s : model_.sprites) {
    s.visible = GameUtil::False;
    s.imageSurface = s.maskSurface = 0;
  }
  ShowMenuAndUnload();
}

}  // namespace collector
