#include "games/dominotrain/dominotrain_form.h"

#include "games/dominotrain/dominotrain_options.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace dominotrain {

using GameUtil::Point;
using GameUtil::Sprite;

namespace {

const std::string kSounds = "Sfx\\DominoTrain\\";
constexpr std::int32_t kFlagsWait = 0;
constexpr std::int32_t kFlagsAsync = 1;
constexpr std::int32_t kFlagsLoop = 131081;

void Play(const std::string& name, std::int32_t flags) {
  GameUtil::PlayGameSound(kSounds + name, 0, flags);
}

}  // namespace

DominoTrainForm::DominoTrainForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "DominoTrainForm", "DominoTrain"),
      startGameTimer_(*this, 0, [this] { startGameTimer_Timer(); }) {
  model_.onNotEnoughSymbols = [this] {
    this->runtime().MessageBox("Kidplay", "Not enough symbols!",
                               platform::MessageIcon::Information);
  };
}

DominoTrainForm::~DominoTrainForm() {
  ReleaseCars();
}

void DominoTrainForm::Form_Load() {
  LoadImages();
  ResetForm();
}

void DominoTrainForm::ResetForm() {
  GameUtil::StopAllSounds();
  selectedSlot_ = -1;
  draggedCar_ = -1;
  resetRequested_ = false;
  trainReady_ = false;
  trainMoving_ = false;
  dragging_ = false;
  drag_.Cancel();
  model_.symbolRangeIndex = 0;
  BackColor = platform::Rgb(static_cast<int>(GameUtil::RandomRange(180, 255)),
                            static_cast<int>(GameUtil::RandomRange(180, 255)),
                            static_cast<int>(GameUtil::RandomRange(180, 255)));
  if (carsCreated_) ReleaseCars();

  model_.NewTrain(wagonCount_);
  cars_.assign(model_.cars.size(), Sprite{});
  const CarPlan& loco = model_.cars[0];
  BuildCar(0, "Train.bmp", "TrainMask.bmp", kLocoWidth, kLocoHeight, kCarFrames, loco.front,
           loco.rear);
  cars_[0].x = kLocoStartX;
  cars_[0].y = kTrackBottom - kLocoHeight;
  cars_[0].frame = 0;
  cars_[0].frameDuration = kLocoFrameDuration;
  cars_[0].frameCount = kLocoRunningFrames;
  for (int i = 1; i < static_cast<int>(cars_.size()); ++i) {
    const CarPlan& plan = model_.cars[i];
    BuildCar(i, "Wagon.bmp", "WagonMask.bmp", kWagonWidth, kWagonHeight, kCarFrames, plan.front,
             plan.rear);
    cars_[i].frame = 0;
    cars_[i].frameDuration = kWagonFrameDuration;
    cars_[i].frameCount = kCarFrames;
    const Slot& slot = model_.slots[model_.SlotOf(static_cast<std::int16_t>(i))];
    cars_[i].x = slot.x;
    cars_[i].y = slot.y;
  }
  carsCreated_ = true;
  startGameTimer_.SetInterval(100);
  startGameTimer_.SetEnabled(true);
  DrawScene();
}

void DominoTrainForm::startGameTimer_Timer() {
  startGameTimer_.SetEnabled(false);
  Play("TrainHornLong.wav", kFlagsAsync);
  MoveTrain(kDriveInDistance, kDriveInSpeed);
}

bool DominoTrainForm::MoveTrain(std::int16_t dx, double speed) {
  if (trainMoving_ || cars_.empty()) return false;
  trainMoving_ = true;
  Sprite& loco = cars_[0];
  const TrainMovement move(loco.x, dx);
  std::int32_t last = GameUtil::GetTimeMs();
  loco.lastFrameTime = last;
  loco.frame = 0;
  while (move.Running(loco.x) && trainMoving_) {
    const std::int32_t now = GameUtil::GetTimeMs();
    for (std::int16_t index : model_.trainOrder) {
      if (index < 0) continue;
      Sprite& car = cars_[index];
      if (GameUtil::ElapsedMs(now, car.lastFrameTime) > car.frameDuration) {
        car.frame = car.frameCount > 0 ? (car.frame + 1) % car.frameCount : 0;
        car.lastFrameTime = now;
      }
    }
    loco.x = TrainMovement::Step(loco.x, GameUtil::ElapsedMs(now, last), speed);
    last = now;
    DrawScene();
    runtime().DoEvents();
  }
  if (ended_) return false;
  loco.x = move.Settle(loco.x);
  // A stop wins over a new train asked for during the same movement.
  if (abortRequested_) {
    EndGame();
    return false;
  }
  if (resetRequested_) {
    ResetForm();
    return false;
  }
  loco.frame = kLocoStandingFrame;
  trainMoving_ = false;
  trainReady_ = true;
  DrawScene();
  return true;
}

void DominoTrainForm::PickUpWagonAt(const Point& p) {
  selectedSlot_ = -1;
  const int slot = model_.SlotAt(p.X, p.Y);
  if (slot >= 0) {
    dragging_ = true;
    draggedCar_ = model_.slots[slot].occupant;
    // It hangs centred on the pointer at once, not only after the pointer moves.
    cars_[draggedCar_].x = p.X - kWagonWidth / 2;
    cars_[draggedCar_].y = p.Y - kWagonHeight / 2;
  }
  DrawScene();
}

void DominoTrainForm::Form_MouseDown(int button, int, double x, double y) {
  drag_.Press(button, x, y);
  // Only where the click would pick a wagon up; everything else is left to the click.
  if (ended_ || abortRequested_ || dragging_ || trainMoving_ || !trainReady_) return;
  if (PointerOn(stopButton_) || PointerOn(optionsButton_) || PointerOn(nextButton_)) return;
  const Point p = CursorPos();
  if (model_.SlotAt(p.X, p.Y) < 0) return;
  PickUpWagonAt(p);
  if (dragging_) drag_.PickedUp(draggedCar_);
}

void DominoTrainForm::Form_MouseUp(int button, int, double x, double y) {
  // Letting go after a drag drops the wagon there, over a button too: it couples or goes back.
  drag_.Release(button, x, y, [this](int car) {
    if (ended_ || abortRequested_ || !dragging_ || draggedCar_ != car) return;
    DropWagon(CursorPos());
  });
}

void DominoTrainForm::Form_MouseMove(int, int, double x, double y) {
  drag_.Move(x, y);
  if (!dragging_ || draggedCar_ <= 0) return;
  const Point p = CursorPos();
  Sprite& wagon = cars_[draggedCar_];
  wagon.x = p.X - wagon.width / 2;
  wagon.y = p.Y - wagon.height / 2;
  DrawScene();
}

bool DominoTrainForm::DropWagon(const Point& p) {
  bool coupled = false;
  if (dragging_ && draggedCar_ > 0) {
    Sprite& wagon = cars_[draggedCar_];
    const bool onTrack = GameUtil::PointInRect(p.X, p.Y, kDropZone) == GameUtil::True;
    if (onTrack && model_.Fits(draggedCar_)) {
      wagon.x = GameUtil::RoundHalfEven(cars_[0].x) + model_.CoupledWidth();
      wagon.y = kTrackBottom - wagon.height;
      wagon.lastFrameTime = GameUtil::GetTimeMs();
      model_.Couple(draggedCar_);
      coupled = true;
    } else {
      const int slot = model_.SlotOf(draggedCar_);
      if (slot >= 0) {
        wagon.x = model_.slots[slot].x;
        wagon.y = model_.slots[slot].y;
      }
      Play("Wrong.wav", kFlagsWait);
    }
    dragging_ = false;
  }
  DrawScene();
  if (!coupled) {
    Play("Swisch.wav", kFlagsAsync);
    return false;
  }
  Play("Connect.wav", kFlagsWait);
  if (!model_.Complete()) {
    // The train pulls forward by the new wagon, so the next coupling happens at the same place.
    Play("TrainHornShort.wav", kFlagsAsync);
    MoveTrain(static_cast<std::int16_t>(-cars_[draggedCar_].width), kPullSpeed);
  } else {
    LeaveAndComeAgain();
  }
  return true;
}

void DominoTrainForm::LeaveAndComeAgain() {
  Play("TrainMoveOut.wav", kFlagsAsync);
  if (!MoveTrain(model_.LeaveDistance(cars_[0].x), kLeaveSpeed)) return;
  cars_[0].x = kPassStartX;
  Play("TrainMovingLooped.wav", kFlagsLoop);
  if (!MoveTrain(model_.PassDistance(), kPassSpeed)) return;
  GameUtil::PlayGameSound("Sfx\\Silence.wav", 0, kFlagsAsync);
  ResetForm();
}

void DominoTrainForm::NextTrain() {
  if (dragging_) return;
  if (trainMoving_) {
    resetRequested_ = true;  // the new train follows when the movement ends
  } else {
    ResetForm();
  }
}

void DominoTrainForm::StopRequested() {
  if (trainMoving_) {
    // The running movement stops where it is and ends the game on its next pass.
    trainMoving_ = false;
    abortRequested_ = true;
  } else {
    EndGame();
  }
}

void DominoTrainForm::ShowOptions() {
  const std::int16_t before = wagonCount_;
  DominoTrainOptions dialog(runtime(), *this);
  dialog.ShowModal();
  if (!Loaded() || ended_ || !dialog.Confirmed() || wagonCount_ == before) return;
  // A new level shows at once with a new train.
  if (trainMoving_) {
    resetRequested_ = true;
  } else {
    ResetForm();
  }
}

void DominoTrainForm::Form_Click() {
  if (drag_.ClaimClick()) return;         // its press picked a wagon up, its release dropped it
  if (ended_ || abortRequested_) return;  // the game is on its way out
  const Point p = CursorPos();
  if (PointerOn(stopButton_)) {
    if (!dragging_) StopRequested();
  } else if (PointerOn(optionsButton_)) {
    if (!dragging_) ShowOptions();
  } else if (PointerOn(nextButton_)) {
    NextTrain();
  } else if (!dragging_ && !trainMoving_ && trainReady_) {
    PickUpWagonAt(p);
  } else if (dragging_) {
    DropWagon(p);
  }
}

void DominoTrainForm::Form_KeyDown(int& keyCode, int) {
  if (keyHeld_ || ended_ || abortRequested_) return;
  keyHeld_ = true;
  using namespace platform::Keys;
  switch (keyCode) {
    case kEscape:
      StopRequested();
      break;
    case kSpace:
      if (!trainMoving_ && !dragging_ && trainReady_) {
        const int next = model_.NextOccupiedSlot(selectedSlot_);
        if (next >= 0) {
          selectedSlot_ = next;
          DrawScene();
          Play("Select.wav", kFlagsAsync);
        }
      }
      break;
    case kEnter:
      if (trainReady_ && selectedSlot_ != -1 && !dragging_ && !trainMoving_) {
        const int selected = selectedSlot_;
        dragging_ = true;
        draggedCar_ = model_.slots[selected].occupant;
        selectedSlot_ = -1;
        if (!DropWagon(kDropZoneCentre) && !ended_) {
          selectedSlot_ = selected;
          DrawScene();
        }
      }
      break;
    case kF1:
      ShowOptions();
      keyHeld_ = false;  // the key's release went to the dialog
      break;
    case kRight:
      keyHeld_ = false;
      NextTrain();
      break;
    default:
      break;
  }
}

void DominoTrainForm::Form_KeyUp(int&, int) {
  keyHeld_ = false;
}

void DominoTrainForm::EndGame() {
  if (ended_) return;
  ended_ = true;
  abortRequested_ = true;
  dragging_ = false;
  drag_.Cancel();
  trainMoving_ = false;  // a movement that is still running stops on its next pass
  startGameTimer_.SetEnabled(false);
  GameUtil::StopAllSounds();
  ReleaseCars();
  FreeAllSurfaces();
  backgroundSurface_ = 0;
  for (Sprite& symbol : symbolSprites_) symbol.imageSurface = 0;
  WriteSetting("NrOfWagons", wagonCount_);
  ShowMenuAndUnload();
}

}  // namespace dominotrain
