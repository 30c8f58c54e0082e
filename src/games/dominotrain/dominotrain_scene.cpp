// The Domino train's pictures: loading, building each car's picture strip with its symbols
// stamped on, and drawing the whole scene.
#include <string>

#include "games/dominotrain/dominotrain_form.h"
#include "gameutil/numeric.h"

namespace dominotrain {

using GameUtil::Sprite;
using platform::Rop;

namespace {

const std::string kFolder = "Gfx\\DominoTrain\\";

std::string SymbolFile(int n) {
  return kFolder + "Symbol" + (n < 10 ? "0" : "") + std::to_string(n) + ".bmp";
}

}  // namespace

void DominoTrainForm::LoadImages() {
  // The grown-up's last level comes back; anything but 3, 5 or 7 starts with 3.
  const int stored = ReadSetting("NrOfWagons", 3);
  wagonCount_ = static_cast<std::int16_t>(stored == 5 || stored == 7 ? stored : 3);
  stopButton_ = LoadButton("Stop", 675, 537.5);
  optionsButton_ = LoadButton("Options", 737.5, 537.5);
  nextButton_ = LoadButton("Next", 737.5, 475);
  backgroundSurface_ = LoadSurface(kFolder + "Background.bmp");
  LoadSymbols();
  model_.symbolRangeIndex = 0;
  keyHeld_ = false;
  abortRequested_ = false;
  carsCreated_ = false;
  trainReady_ = false;
  GameUtil::Randomize(GameUtil::GetTimeMs());
}

void DominoTrainForm::LoadSymbols() {
  for (int n = 0; n < kLoadedSymbols; ++n) {
    Sprite& s = symbolSprites_[n];
    s.imageSurface = LoadSurface(SymbolFile(n));
    s.width = kSymbolSize;
    s.height = kSymbolSize;
  }
}

void DominoTrainForm::BuildCar(int car, const std::string& picture, const std::string& mask,
                               int frameWidth, int frameHeight, int frames, std::int16_t front,
                               std::int16_t rear) {
  Sprite& s = cars_[car];
  s.width = frameWidth;
  s.height = frameHeight;
  s.frameWidth = frameWidth;
  s.frameHeight = frameHeight;
  s.frameCount = frames;
  s.scale = 1.0;
  s.imageSurface = GameUtil::GenerateEmptyDC(0, static_cast<std::int16_t>(frameWidth * frames),
                                             static_cast<std::int16_t>(frameHeight));
  std::int32_t loaded = GameUtil::GenerateDC(kFolder + picture);
  GameUtil::BitBlt(s.imageSurface, 0, 0, frameWidth * frames, frameHeight, loaded, 0, 0, Rop::Copy);
  GameUtil::DeleteGeneratedDC(loaded);
  s.maskSurface = GameUtil::GenerateDC(kFolder + mask);
  // Every frame carries the symbols; the car's mask stays as it is (the panels are opaque).
  for (int k = 0; k < frames; ++k) {
    const int y = frameHeight - kSymbolRise;
    if (front >= 0 && front < kSymbolTableSize) {
      GameUtil::BitBlt(s.imageSurface, frameWidth * k + kSymbolInset, y, kSymbolSize, kSymbolSize,
                       symbolSprites_[front].imageSurface, 0, 0, Rop::Copy);
    }
    if (rear >= 0 && rear < kSymbolTableSize) {
      GameUtil::BitBlt(s.imageSurface, frameWidth * (k + 1) - kSymbolSize - kSymbolInset, y,
                       kSymbolSize, kSymbolSize, symbolSprites_[rear].imageSurface, 0, 0,
                       Rop::Copy);
    }
  }
}

void DominoTrainForm::ReleaseCars() {
  // The table keeps its size: a movement loop may still hold on to the locomotive.
  for (Sprite& car : cars_) {
    GameUtil::DeleteGeneratedDC(car.imageSurface);
    GameUtil::DeleteGeneratedDC(car.maskSurface);
  }
  carsCreated_ = false;
}

void DominoTrainForm::DrawCar(const Sprite& car, int x, int y, int frame) {
  GameUtil::DrawMasked(Image(), x, y, car.width, car.height, car.imageSurface, car.maskSurface,
                       frame * car.width, 0);
}

void DominoTrainForm::DrawScene() {
  if (ended_) return;
  if (backgroundSurface_ != 0) {
    GameUtil::BitBlt(Image(), 0, 0, 800, 600, backgroundSurface_, 0, 0, Rop::Copy);
  } else {
    Cls();  // without its picture the scene stands on the train's own colour
  }
  if (!cars_.empty()) {
    // The train: every coupled car follows the locomotive without a gap.
    int x = static_cast<std::int16_t>(GameUtil::NearestInt(cars_[0].x));
    for (std::int16_t car : model_.trainOrder) {
      if (car < 0 || car >= static_cast<int>(cars_.size())) continue;
      const Sprite& c = cars_[car];
      DrawCar(c, x, GameUtil::NearestInt(c.y), c.frame);
      x += c.width;
    }
    // The grid, standing wagons in their first frame.
    for (const Slot& slot : model_.slots) {
      if (slot.occupant < 0 || (dragging_ && slot.occupant == draggedCar_)) continue;
      const Sprite& wagon = cars_[slot.occupant];
      DrawCar(wagon, GameUtil::NearestInt(wagon.x), GameUtil::NearestInt(wagon.y), 0);
    }
    if (selectedSlot_ >= 0 && selectedSlot_ < kSlotCount && !dragging_ &&
        model_.slots[selectedSlot_].occupant >= 0) {
      const Sprite& w = cars_[model_.slots[selectedSlot_].occupant];
      DrawWidth = 4;
      Box(GameUtil::NearestInt(w.x), GameUtil::NearestInt(w.y), GameUtil::NearestInt(w.x + w.width),
          GameUtil::NearestInt(w.y + w.height), platform::kWhite);
    }
    if (dragging_ && draggedCar_ > 0 && draggedCar_ < static_cast<int>(cars_.size())) {
      const Sprite& wagon = cars_[draggedCar_];
      DrawCar(wagon, GameUtil::NearestInt(wagon.x), GameUtil::NearestInt(wagon.y), 0);
    }
  }
  DrawPair(stopButton_);
  DrawPair(optionsButton_);
  DrawPair(nextButton_);
  Refresh();
}

}  // namespace dominotrain
