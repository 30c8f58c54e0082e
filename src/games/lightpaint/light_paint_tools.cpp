// The painting tools of the Light paint form: pen, eraser, area fill, whole fill, stamps with
// their preview, backgrounds and saving the painting.
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "games/lightpaint/light_paint_form.h"
#include "games/lightpaint/paint_pictures.h"
#include "gameutil/numeric.h"
#include "platform/draw.h"

namespace lightpaint {

using platform::Rop;

namespace {

platform::Colour Random() {
  return RandomColour([] { return GameUtil::Rnd(); });
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace

platform::Colour LightPaintForm::PenColour() {
  if (rainbowColour_) ForeColor = Random();
  return ForeColor;
}

void LightPaintForm::PenStep(int x, int y) {
  Line(lastX_, lastY_, x, y, PenColour());
}

void LightPaintForm::Erase(int x, int y) {
  if (!hasBackground_) {
    FilledBox(x, y, x + 31, y + 31, BackColor);
  } else {
    // Uncovers the background picture there.
    GameUtil::BitBlt(Image(), x, y, 30, 30, bgPicture_, x - kCanvasLeft, y, Rop::Copy);
  }
}

void LightPaintForm::FillArea(int x, int y) {
  const std::int64_t clicked = platform::GetPixel(Image(), x, y);
  if (clicked < 0) return;
  const std::int64_t selected = SelectedColour();
  const platform::Colour fill = selected >= 0 ? static_cast<platform::Colour>(selected) : Random();
  fillDone_ = true;
  lastFillX_ = x;
  lastFillY_ = y;
  if (fill == static_cast<platform::Colour>(clicked)) return;
  // The fill runs on the canvas alone, so it can never leak through the frame around it.
  if (scratch_.width() != kCanvasWidth) scratch_ = platform::Surface(kCanvasWidth, kCanvasHeight);
  platform::Blit(scratch_, 0, 0, kCanvasWidth, kCanvasHeight, Image(), kCanvasLeft, 0, Rop::Copy);
  platform::FloodFill(scratch_, x - kCanvasLeft, y, static_cast<platform::Colour>(clicked), fill);
  platform::Blit(Image(), kCanvasLeft, 0, kCanvasWidth, kCanvasHeight, scratch_, 0, 0, Rop::Copy);
}

void LightPaintForm::fillAreaBtn_Click() {
  EndFlash();
  ChooseTool(tool_ == Tool::FillArea ? Tool::Pen : Tool::FillArea);
}

void LightPaintForm::eraserBtn_Click() {
  EndFlash();
  ChooseTool(tool_ == Tool::Eraser ? Tool::Pen : Tool::Eraser);
}

void LightPaintForm::fillBtn_Click() {
  EndFlash();
  HidePreview();
  SaveUndo();
  const std::int64_t selected = SelectedColour();
  const platform::Colour fill = selected >= 0 ? static_cast<platform::Colour>(selected) : Random();
  FilledBox(kCanvasLeft, 0, kCanvasLeft + kCanvasWidth - 1, kCanvasHeight - 1, fill);
  KeepCanvasCopy();
}

void LightPaintForm::ChooseTool(Tool tool) {
  if (tool != Tool::Stamp && stampMode_) {
    HidePreview();
    FreeStamp();
    stampMode_ = false;
    splashMode_ = false;
  }
  tool_ = tool;
  if (tool == Tool::FillArea) {
    cursorKind_ = platform::Pointer::kCustom;
  } else if (tool != Tool::Stamp) {
    cursorKind_ = platform::Pointer::kCross;
  }
  ShowToolState();
}

void LightPaintForm::ShowToolState() {
  controls_.SetSelected(fillAreaBtn_, tool_ == Tool::FillArea);
  controls_.SetSelected(eraserBtn_, tool_ == Tool::Eraser);
  controls_.SetSelected(splashBtn_, tool_ == Tool::Stamp && splashMode_);
  controls_.SetSelected(shapeBtn_, tool_ == Tool::Stamp && !splashMode_);
}

void LightPaintForm::FreeStamp() {
  FreeSurface(stampPicture_);
  FreeSurface(stampMask_);
  stampWidth_ = stampHeight_ = 0;
}

void LightPaintForm::MakeSplash() {
  EndFlash();
  HidePreview();
  FreeStamp();
  const int k = std::min(3, static_cast<int>(GameUtil::Rnd() * 4));
  stampPicture_ = LoadSurface(SplashPath(k));
  stampMask_ = LoadSurface(SplashMaskPath(k));
  const platform::Surface* picture = GameUtil::SurfaceOf(stampPicture_);
  splashOriginal_ = picture ? *picture : platform::Surface();
  const StampSize size = MeasureStamp(splashOriginal_);
  stampWidth_ = size.width;
  stampHeight_ = size.height;
  tool_ = Tool::Stamp;
  stampMode_ = true;
  splashMode_ = true;
  ColourSplash();
  cursorKind_ = platform::Pointer::kDefault;
  CanvasToSurface(canvasCopy_);
  ShowToolState();
}

void LightPaintForm::ColourSplash() {
  platform::Surface* picture = GameUtil::SurfaceOf(stampPicture_);
  if (!splashMode_ || !picture) return;
  *picture = splashOriginal_;
  ColourStamp(*picture, PenColour());
}

void LightPaintForm::splashBtn_Click() {
  MakeSplash();
}

void LightPaintForm::shapeBtn_Click() {
  EndFlash();
  HidePreview();
  FreeStamp();
  splashMode_ = false;
  stampPicture_ = LoadSurface(ShapeImagePath(shapeIndex_));
  stampMask_ = LoadSurface(ShapeMaskPath(shapeIndex_));
  const platform::Surface* picture = GameUtil::SurfaceOf(stampPicture_);
  const StampSize size = picture ? MeasureStamp(*picture) : StampSize{};
  stampWidth_ = size.width;
  stampHeight_ = size.height;
  tool_ = Tool::Stamp;
  stampMode_ = true;
  cursorKind_ = platform::Pointer::kCross;
  CanvasToSurface(canvasCopy_);
  ShowToolState();
}

void LightPaintForm::ShowPreview(int x, int y) {
  SurfaceToCanvas(canvasCopy_);
  const int left = GameUtil::NearestInt(x - stampWidth_ / 2.0);
  const int top = GameUtil::NearestInt(y - stampHeight_ / 2.0);
  GameUtil::DrawMasked(Image(), left, top, stampWidth_, stampHeight_, stampPicture_, stampMask_, 0,
                       0);
  previewShown_ = true;
}

void LightPaintForm::HidePreview() {
  if (!previewShown_) return;
  SurfaceToCanvas(canvasCopy_);
  previewShown_ = false;
}

void LightPaintForm::KeepCanvasCopy() {
  if (stampMode_) CanvasToSurface(canvasCopy_);
}

void LightPaintForm::PrintStamp(int x, int y) {
  if (splashMode_) {
    PlaySplashSound();
  } else {
    PlayDefaultSound();
  }
  HidePreview();
  SaveUndo();
  platform::Surface* canvas = GameUtil::SurfaceOf(canvasCopy_);
  if (!canvas) return;
  const int left = GameUtil::NearestInt(x - stampWidth_ / 2.0);
  const int top = GameUtil::NearestInt(y - stampHeight_ / 2.0);
  GameUtil::DrawMasked(*canvas, left, top, stampWidth_, stampHeight_, stampPicture_, stampMask_, 0,
                       0);
  SurfaceToCanvas(canvasCopy_);
  // With the rainbow button every splash takes a colour of its own.
  if (rainbowColour_) ColourSplash();
}

void LightPaintForm::PlayDefaultSound() {
  GameUtil::PlayGameSound("Sfx\\Lightpaint\\Default.wav", 0, 1);
}

void LightPaintForm::PlaySplashSound() {
  GameUtil::PlayGameSound("Sfx\\Lightpaint\\Splash.wav", 0, 1);
}

void LightPaintForm::bgBtn_Click() {
  EndFlash();
  HidePreview();
  SaveUndo();
  if (tool_ == Tool::Eraser) ChooseTool(Tool::Pen);
  FreeSurface(bgPicture_);
  bgPicture_ = LoadSurface(BackgroundPath(bgIndex_));
  GameUtil::PlayGameSound("Sfx\\Lightpaint\\Background.wav", 0, 1);
  GameUtil::BitBlt(Image(), kCanvasLeft, 0, 800, 500, bgPicture_, 0, 0, Rop::Copy);
  hasBackground_ = bgPicture_ != 0;
  KeepCanvasCopy();
}

void LightPaintForm::SetPointerFor(int x, int y) {
  const int kind = OnCanvas(x, y) ? cursorKind_ : platform::Pointer::kDefault;
  if (kind == platform::Pointer::kCustom && !customPointerLoaded_) {
    customPointerLoaded_ = SetMouseIcon("Gfx\\Cursors\\FillArea.cur");
  }
  if (kind != shownPointer_) {
    shownPointer_ = kind;
    SetMousePointer(kind);
  }
}

void LightPaintForm::printBtn_Click() {
  EndFlash();
  HidePreview();
  platform::Surface painting(kCanvasWidth, kCanvasHeight);
  platform::Blit(painting, 0, 0, kCanvasWidth, kCanvasHeight, Image(), kCanvasLeft, 0, Rop::Copy);
  const std::filesystem::path folder = PaintingsFolder(Environment);
  const std::time_t now = std::time(nullptr);
  std::tm when{};
  localtime_r(&now, &when);
  std::string error;
  if (!SavePainting(painting, folder, when, &error)) {
    GameUtil::ShowError(GameUtil::GetErrorContext(), "The painting could not be saved in " +
                                                         folder.string() + " (" + error + ")");
    return;
  }
  GameUtil::PlayGameSound("Sfx\\Lightpaint\\Shutter.wav", 0, 1);
  // A short white flash, as a camera gives.
  flashSaved_ = std::move(painting);
  FilledBox(kCanvasLeft, 0, kCanvasLeft + kCanvasWidth - 1, kCanvasHeight - 1, platform::kWhite);
  flashing_ = true;
  flashTimer_->SetEnabled(true);
}

void LightPaintForm::EndFlash() {
  if (!flashing_) return;
  flashing_ = false;
  flashTimer_->SetEnabled(false);
  platform::Blit(Image(), kCanvasLeft, 0, kCanvasWidth, kCanvasHeight, flashSaved_, 0, 0,
                 Rop::Copy);
  flashSaved_ = platform::Surface();
  DrawFrame();
  Refresh();
}

}  // namespace lightpaint
