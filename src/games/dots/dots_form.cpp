#include "games/dots/dots_form.h"

#include <algorithm>
#include <cmath>

#include "games/dots/dots_options.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace dots {

using GameUtil::NearestInt;
using GameUtil::Point;
using platform::Rop;

namespace {

// The dot pictures, in the order the options dialog steps through them.
const char* const kScenarios[] = {"fish", "house", "car",  "butterfly", "rocket", "cat",
                                  "boat", "star",  "bird", "flower",    "snail",  "duck"};

constexpr int kLabelSize = 15;

// The stored hit radius is used as it is when a child can play with it; anything else (a
// damaged or hand-edited file) gives the default.
std::int16_t UsableGridSize(int value) {
  return static_cast<std::int16_t>(value >= 5 && value <= 60 ? value : 20);
}

}  // namespace

DotsForm::DotsForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "DotsForm", "Dots"),
      scenarios_(std::begin(kScenarios), std::end(kScenarios)) {}

std::string DotsForm::GetScenarioString(std::int16_t index) const {
  return index >= 0 && index < static_cast<int>(scenarios_.size()) ? scenarios_[index] : "";
}

void DotsForm::Form_Load() {
  InitForm();
  ResetForm();
}

void DotsForm::InitForm() {
  DrawWidth = 3;
  FillSolid = true;
  dotsScenario_ = 0;
  gridSize_ = UsableGridSize(ReadSetting("GridSize", 20));
  stopButton_ = LoadButton("Stop", 675, 537.5);
  optionsButton_ = LoadButton("Options", 737.5, 537.5);
  nextButton_ = LoadButton("Next", 737.5, 475);
  leaving_ = false;
  GameUtil::Randomize(GameUtil::GetTimeMs());
}

void DotsForm::KeepOrLoad(std::int32_t& surface, std::string& loadedFile, const std::string& file) {
  // A picture that failed to load (0) is tried again, with its error box, as on a first load.
  if (surface != 0 && loadedFile == file) return;
  FreeSurface(surface);
  loadedFile = file;
  if (!file.empty()) surface = LoadSurface(PicturePath(file));
}

bool DotsForm::ReadScenario(std::int16_t index) {
  const auto file = runtime().Resolve(DotFilePath(GetScenarioString(index)));
  const ReadResult result =
      file ? ReadDotPictureFile(*file, picture_) : ReadDotPicture("", picture_);
  if (!result.playable) {
    KeepOrLoad(pictureSurface_, loadedImageFile_, "");
    KeepOrLoad(maskSurface_, loadedMaskFile_, "");
    KeepOrLoad(backgroundSurface_, loadedBackgroundFile_, "");
    return false;
  }
  // The pictures stay while the scenario stays: a new round of it loads nothing.
  KeepOrLoad(pictureSurface_, loadedImageFile_, picture_.imageFile);
  KeepOrLoad(maskSurface_, loadedMaskFile_, picture_.maskFile);
  KeepOrLoad(backgroundSurface_, loadedBackgroundFile_, picture_.backgroundFile);
  shownScenario_ = index;
  return true;
}

void DotsForm::ResetForm() {
  pictureComplete_ = false;
  currentDot_ = 0;
  lineStartDot_ = 0;
  dragging_ = false;
  BackColor = platform::Rgb(static_cast<int>(GameUtil::RandomRange(180, 255)),
                            static_cast<int>(GameUtil::RandomRange(180, 255)),
                            static_cast<int>(GameUtil::RandomRange(180, 255)));
  const int count = static_cast<int>(scenarios_.size());
  std::int16_t index = dotsScenario_;
  if (index < 0 || index >= count) {
    // A random picture, never the one just shown when there is another.
    index =
        static_cast<std::int16_t>(GameUtil::RandomRange(0, static_cast<std::int16_t>(count - 1)));
    if (count > 1 && index == shownScenario_)
      index = static_cast<std::int16_t>((index + 1) % count);
  }
  // A picture that cannot be played is passed over for the next one.
  bool ready = false;
  for (int tries = 0; tries < count && !ready; ++tries) {
    ready = ReadScenario(index);
    if (!ready) index = static_cast<std::int16_t>((index + 1) % count);
  }
  if (!ready) {
    picture_.dots.clear();
    shownScenario_ = -1;
  }
  DrawPicture();
}

void DotsForm::DrawPicture() {
  Cls();
  const auto& dots = picture_.dots;
  const int n = static_cast<int>(dots.size());
  if (!pictureComplete_ && n > 0) {
    FontSize = kLabelSize;
    FontBold = true;
    ForeColor = platform::kBlack;
    for (int i = 0; i < n; ++i) {
      const platform::Colour c = i == 0 ? platform::Rgb(255, 0, 0) : platform::kBlack;
      FillColor = c;
      Circle(dots[i].X, dots[i].Y, 3, c);
      CurrentX = dots[i].X + 3;
      CurrentY = dots[i].Y + 3;
      Print(std::to_string(i + 1));
    }
    for (int j = 0; j < currentDot_; ++j) {
      const Point& a = dots[j];
      const Point& b = dots[(j + 1) % n];
      Line(a.X, a.Y, b.X, b.Y, platform::kBlack);
    }
    if (dragging_) {
      const Point& a = dots[std::clamp<int>(lineStartDot_, 0, n - 1)];
      Line(a.X, a.Y, mousePoint_.X, mousePoint_.Y, platform::kBlack);
    }
  }
  if (pictureComplete_) {
    GameUtil::BitBlt(Image(), 0, 0, 800, 600, backgroundSurface_, 0, 0, Rop::Copy);
    const CompletionDraw at = CompletionPlace(completion_, picture_);
    const int w = picture_.pictureWidth;
    const int h = picture_.pictureHeight;
    GameUtil::DrawMasked(Image(), at.x, at.y, w, h, pictureSurface_, maskSurface_, at.frameLeft, 0);
  }
  DrawPair(stopButton_);
  DrawPair(optionsButton_);
  DrawPair(nextButton_);
  Refresh();
}

void DotsForm::StartDrag(const Point& p) {
  if (picture_.dots.empty()) return;
  if (GameUtil::Distance(p, picture_.dots[currentDot_]) < gridSize_) {
    lineStartDot_ = currentDot_;
    dragging_ = true;
  }
}

bool DotsForm::TryConnect(const Point& p) {
  const int n = static_cast<int>(picture_.dots.size());
  if (n == 0) return false;
  const Point& next = picture_.dots[(currentDot_ + 1) % n];
  bool connected = false;
  if (GameUtil::Distance(p, next) < gridSize_) {
    ++currentDot_;
    dragging_ = false;
    if (currentDot_ == n) {
      pictureComplete_ = true;
      PlayCompletion();
      return false;
    }
    connected = true;
  }
  if (!leaving_) {
    if (connected) {
      GameUtil::PlayGameSound("Sfx\\Dots\\rubduck3.wav", 0, 1);
    } else {
      GameUtil::PlayGameSound("Sfx\\Dots\\rubduck1.wav", 0, 1);
      dragging_ = false;
    }
    DrawPicture();
  }
  return connected;
}

void DotsForm::PlayCompletion() {
  if (!picture_.animSound.empty()) GameUtil::PlayGameSound(SoundPath(picture_.animSound), 0, 9);
  completion_ = StartCompletion(GameUtil::GetTimeMs());
  while (true) {
    if (!pictureComplete_ || leaving_) {
      GameUtil::StopAllSounds();
      if (leaving_) EndGame();
      return;
    }
    if (AdvanceCompletion(completion_, picture_, GameUtil::GetTimeMs())) ResetForm();
    DrawPicture();
    runtime().DoEvents();
  }
}

void DotsForm::NextPicture() {
  // A chosen picture steps on to the next in the list; random draws another one.
  if (dotsScenario_ >= 0)
    dotsScenario_ = static_cast<std::int16_t>((dotsScenario_ + 1) % scenarios_.size());
  ResetForm();
}

void DotsForm::ShowOptions() {
  const std::int16_t before = dotsScenario_;
  DotsOptions dialog(runtime(), *this);
  dialog.ShowModal();
  if (!dialog.Confirmed() || !Loaded()) return;
  SaveGridSize();
  if (dotsScenario_ != before) ResetForm();
}

void DotsForm::SaveGridSize() {
  WriteSetting("GridSize", gridSize_);
}

void DotsForm::Form_MouseDown(int, int, double x, double y) {
  if (pictureComplete_) return;
  const Point p{NearestInt(x), NearestInt(y)};
  if (dragging_) {
    if (TryConnect(p)) {
      dragging_ = true;
      lineStartDot_ = currentDot_;
    }
  } else {
    StartDrag(p);
  }
}

void DotsForm::Form_MouseMove(int, int, double, double) {
  if (!dragging_) return;
  mousePoint_ = CursorPos();
  DrawPicture();
}

void DotsForm::StopGame() {
  if (pictureComplete_) {
    leaving_ = true;
  } else {
    EndGame();
  }
}

void DotsForm::Form_Click() {
  if (PointerOn(stopButton_)) {
    StopGame();
  } else if (PointerOn(optionsButton_)) {
    ShowOptions();
  } else if (PointerOn(nextButton_)) {
    NextPicture();
  }
}

void DotsForm::Form_KeyDown(int& keyCode, int) {
  if (keyHeld_) return;
  keyHeld_ = true;
  using namespace platform::Keys;
  switch (keyCode) {
    case kEscape:
      StopGame();
      break;
    case kSpace:
      if (!pictureComplete_ && currentDot_ < static_cast<int>(picture_.dots.size())) {
        lineStartDot_ = currentDot_;
        dragging_ = true;
        const int n = static_cast<int>(picture_.dots.size());
        TryConnect(picture_.dots[(currentDot_ + 1) % n]);
      }
      break;
    case kRight:
      NextPicture();
      keyHeld_ = false;
      break;
    case kF1:
      ShowOptions();
      keyHeld_ = false;
      break;
    default:
      break;
  }
}

void DotsForm::Form_KeyUp(int&, int) {
  keyHeld_ = false;
}

void DotsForm::EndGame() {
  GameUtil::StopAllSounds();
  leaving_ = true;
  FreeAllSurfaces();
  pictureSurface_ = maskSurface_ = backgroundSurface_ = 0;
  ShowMenuAndUnload();
}

}  // namespace dots
