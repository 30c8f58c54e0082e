#include "games/lightpaint/light_paint_form.h"

#include "games/lightpaint/colour_chooser.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace lightpaint {

using platform::Rop;

namespace {

constexpr int kColourGroup = 0;
constexpr int kWidthGroup = 1;
constexpr int kFillAreaGroup = 2;
constexpr int kEraserGroup = 3;
// The pen starts black and medium wide.
constexpr int kStartColour = 1;
constexpr int kStartWidth = 1;
constexpr int kFlashMs = 150;

}  // namespace

LightPaintForm::LightPaintForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "LightPaintForm", "LightPaint") {}

LightPaintForm::~LightPaintForm() {
  // Empty surfaces are not among the tracked pictures the base class frees.
  GameUtil::DeleteGeneratedDC(undoSurface_);
  GameUtil::DeleteGeneratedDC(canvasCopy_);
}

void LightPaintForm::Form_Load() {
  BackColor = platform::kWhite;
  ForeColor = platform::kBlack;
  Cls();
  GameUtil::Randomize(GameUtil::GetTimeMs());
  toolBorder_ = LoadSurface("Gfx\\LightPaint\\ToolBorder.bmp");
  colorBorder_ = LoadSurface("Gfx\\LightPaint\\ColorBorder.bmp");
  toolBackground_ = LoadSurface("Gfx\\LightPaint\\Background.bmp");
  colorBackground_ = LoadSurface("Gfx\\LightPaint\\ColorBackground.bmp");
  // 800 - 50 x 1.25 and 600 - 50 x 1.25.
  stopButton_ = LoadButton("Stop", 737.5, 537.5);
  AddControls();
  const auto palette = StartingPalette();
  for (int i = 0; i < 8; ++i) controls_.SetFace(colorBtn_[i], palette[i]);
  controls_.Select(colorBtn_[kStartColour]);
  ForeColor = palette[kStartColour];
  controls_.Select(drawWidthBtn_[kStartWidth]);
  ApplyDrawWidth();
  cursorKind_ = platform::Pointer::kCross;
  flashTimer_ = std::make_unique<platform::Timer>(*this, kFlashMs, [this] { EndFlash(); });
  DrawFrame();
  canvasCopy_ = GameUtil::GenerateEmptyDC(0, 800, 600);
  undoSurface_ = GameUtil::GenerateEmptyDC(0, 800, 600);
  CanvasToSurface(canvasCopy_);
  SaveUndo();
  Refresh();
}

void LightPaintForm::AddControls() {
  for (int i = 0; i < kColourButtons; ++i) {
    const Place p = ColourButtonPlace(i);
    const std::string face = i == kRainbowButton ? "Gfx\\LightPaint\\Effect.bmp" : "";
    colorBtn_[i] = controls_.AddOption(p.name, kColourGroup, p.x, p.y, p.width, p.height, face,
                                       [this, i] { colorBtn_Click(i); });
  }
  const Place splash = SplashButtonPlace();
  splashBtn_ = controls_.AddButton(splash.name, splash.x, splash.y, splash.width, splash.height,
                                   "Gfx\\Lightpaint\\Splash.bmp", [this] { splashBtn_Click(); });
  for (const Place& p : ToolStripLayout()) {
    auto button = [&](const std::string& picture, std::function<void()> onClick) {
      return controls_.AddButton(p.name, p.x, p.y, p.width, p.height, picture, std::move(onClick));
    };
    if (p.name == "undoBtn") {
      undoBtn_ = button("Gfx\\LightPaint\\Undo.bmp", [this] { undoBtn_Click(); });
    } else if (p.name == "leftShapeBtn") {
      button("Gfx\\Buttons\\LeftArrow.bmp", [this] { leftShapeBtn_Click(); });
    } else if (p.name == "shapeBtn") {
      shapeBtn_ = button(ShapeIconPath(shapeIndex_), [this] { shapeBtn_Click(); });
    } else if (p.name == "rightShapeBtn") {
      button("Gfx\\Buttons\\RightArrow.bmp", [this] { rightShapeBtn_Click(); });
    } else if (p.name == "leftBgBtn") {
      button("Gfx\\Buttons\\LeftArrow.bmp", [this] { leftBgBtn_Click(); });
    } else if (p.name == "bgBtn") {
      bgBtn_ = button(BackgroundIconPath(bgIndex_), [this] { bgBtn_Click(); });
    } else if (p.name == "rightBgBtn") {
      button("Gfx\\Buttons\\RightArrow.bmp", [this] { rightBgBtn_Click(); });
    } else if (p.name == "fillAreaFrame") {
      controls_.AddFrame(p.name, p.x, p.y, p.width, p.height);
      fillAreaBtn_ =
          controls_.AddOption("fillAreaBtn", kFillAreaGroup, p.x, p.y, p.width, p.height,
                              "Gfx\\LightPaint\\FillArea.bmp", [this] { fillAreaBtn_Click(); });
    } else if (p.name == "fillFrame") {
      controls_.AddFrame(p.name, p.x, p.y, p.width, p.height);
      fillBtn_ = controls_.AddButton("fillBtn", p.x, p.y, p.width, p.height,
                                     "Gfx\\LightPaint\\Fill.bmp", [this] { fillBtn_Click(); });
    } else if (p.name == "eraserFrame") {
      controls_.AddFrame(p.name, p.x, p.y, p.width, p.height);
      eraserBtn_ =
          controls_.AddOption("eraserBtn", kEraserGroup, p.x, p.y, p.width, p.height,
                              "Gfx\\LightPaint\\Eraser.bmp", [this] { eraserBtn_Click(); });
    } else if (p.name == "Frame1") {
      controls_.AddFrame(p.name, p.x, p.y, p.width, p.height);
      static const char* const kWidths[] = {"Small", "Medium", "Large"};
      for (int i = 0; i < 3; ++i) {
        const Place w = DrawWidthButtonPlace(p, i);
        drawWidthBtn_[i] =
            controls_.AddOption(w.name, kWidthGroup, w.x, w.y, w.width, w.height,
                                std::string("Gfx\\LightPaint\\DrawWidth") + kWidths[i] + ".bmp",
                                [this, i] { drawWidthBtn_Click(i); });
      }
    } else if (p.name == "printBtn") {
      printBtn_ = button("Gfx\\LightPaint\\Print.bmp", [this] { printBtn_Click(); });
    }
  }
}

void LightPaintForm::DrawFrame() {
  platform::Surface& s = Image();
  GameUtil::BitBlt(s, 0, 500, 800, 10, toolBorder_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(s, 60, 0, 10, 500, colorBorder_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(s, 0, 510, 800, 90, toolBackground_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(s, 0, 0, 60, 500, colorBackground_, 0, 0, Rop::Copy);
  controls_.Draw(s);
  DrawPair(stopButton_);
}

void LightPaintForm::CanvasToSurface(std::int32_t surface) {
  if (platform::Surface* dst = GameUtil::SurfaceOf(surface))
    platform::Blit(*dst, kCanvasLeft, 0, kCanvasWidth, kCanvasHeight, Image(), kCanvasLeft, 0,
                   Rop::Copy);
}

void LightPaintForm::SurfaceToCanvas(std::int32_t surface) {
  GameUtil::BitBlt(Image(), kCanvasLeft, 0, kCanvasWidth, kCanvasHeight, surface, kCanvasLeft, 0,
                   Rop::Copy);
}

void LightPaintForm::SaveUndo() {
  if (platform::Surface* undo = GameUtil::SurfaceOf(undoSurface_))
    platform::Blit(*undo, 0, 0, 800, 600, Image(), 0, 0, Rop::Copy);
}

void LightPaintForm::Undo() {
  EndFlash();
  HidePreview();
  // The controls keep their present state: only the painting goes back.
  SurfaceToCanvas(undoSurface_);
  KeepCanvasCopy();
  DrawFrame();
  Refresh();
}

void LightPaintForm::Form_MouseDown(int button, int, double x, double y) {
  EndFlash();
  if (button != platform::Buttons::kLeft) return;
  strokeOnCanvas_ = false;
  if (controls_.MouseDown(x, y)) {
    DrawFrame();
    Refresh();
    return;
  }
  const int px = GameUtil::NearestInt(x);
  const int py = GameUtil::NearestInt(y);
  // The stroke starts here, not wherever the pointer was last seen (a touchscreen jumps).
  lastX_ = static_cast<std::int16_t>(px);
  lastY_ = static_cast<std::int16_t>(py);
  fillDone_ = false;
  if (!OnCanvas(px, py)) return;
  strokeOnCanvas_ = true;
  // A stamp takes its undo copy from the clean canvas when it is printed.
  if (!stampMode_) SaveUndo();
}

void LightPaintForm::Form_MouseUp(int button, int, double x, double y) {
  if (button != platform::Buttons::kLeft) return;
  if (controls_.MouseUp(x, y) && Loaded() && !leaving_) {
    DrawFrame();
    Refresh();
  }
}

void LightPaintForm::Form_MouseMove(int buttons, int, double x, double y) {
  const int px = GameUtil::NearestInt(x);
  const int py = GameUtil::NearestInt(y);
  if (flashing_) return;
  const bool on = OnCanvas(px, py);
  if (on && (buttons & platform::Buttons::kLeft) && strokeOnCanvas_) {
    switch (tool_) {
      case Tool::FillArea:
        FillArea(px, py);
        DrawFrame();
        Refresh();
        return;
      case Tool::Eraser:
        Erase(px, py);
        break;
      case Tool::Pen:
        PenStep(px, py);
        break;
      case Tool::Stamp:
        break;
    }
  }
  if (stampMode_) {
    if (on) {
      ShowPreview(px, py);
    } else {
      HidePreview();
    }
  }
  SetPointerFor(px, py);
  DrawFrame();
  lastX_ = static_cast<std::int16_t>(px);
  lastY_ = static_cast<std::int16_t>(py);
  Refresh();
}

void LightPaintForm::Form_Click() {
  const GameUtil::Point p = CursorPos();
  if (PointerOn(stopButton_)) {
    EndGame();
    return;
  }
  const bool stroke = strokeOnCanvas_;
  strokeOnCanvas_ = false;
  if (!stroke || !ClickOnCanvas(p.X, p.Y)) return;
  switch (tool_) {
    case Tool::FillArea:
      // A press that already filled here while it moved does not fill a second time.
      if (!(fillDone_ && lastFillX_ == p.X && lastFillY_ == p.Y)) FillArea(p.X, p.Y);
      break;
    case Tool::Eraser:
      Erase(p.X, p.Y);
      break;
    case Tool::Pen:
      platform::SetPixel(Image(), p.X, p.Y, PenColour());
      break;
    case Tool::Stamp:
      PrintStamp(p.X, p.Y);
      break;
  }
  DrawFrame();
  Refresh();
}

void LightPaintForm::Form_DblClick() {
  const GameUtil::Point p = CursorPos();
  const int control = controls_.ControlAt(p.X, p.Y);
  for (int i = 0; i < kColourButtons; ++i) {
    if (control >= 0 && control == colorBtn_[i]) colorBtn_DblClick(i);
  }
}

void LightPaintForm::Form_KeyPress(int& keyAscii) {
  if (keyAscii == platform::Keys::kEscape) {
    EndGame();
  } else if (keyAscii == platform::Keys::kBackspace) {
    Undo();
  }
}

void LightPaintForm::Form_QueryClose() {
  EndGame();
}

void LightPaintForm::colorBtn_Click(int index) {
  EndFlash();
  controls_.Select(colorBtn_[index]);
  if (tool_ == Tool::Eraser) ChooseTool(Tool::Pen);
  rainbowColour_ = index == kRainbowButton;
  if (!rainbowColour_) ForeColor = controls_.At(colorBtn_[index]).face;
  ApplyDrawWidth();
  // A new splash in the new colour.
  if (splashMode_) MakeSplash();
  DrawFrame();
  Refresh();
}

void LightPaintForm::colorBtn_DblClick(int index) {
  // The rainbow button has no colour of its own to change.
  if (index == kRainbowButton) return;
  EndFlash();
  ColourChooser chooser(runtime(), controls_.At(colorBtn_[index]).face);
  chooser.ShowModal();
  if (!Loaded() || leaving_ || !chooser.Confirmed()) return;
  controls_.SetFace(colorBtn_[index], chooser.Chosen());
  colorBtn_Click(index);
}

std::int64_t LightPaintForm::SelectedColour() const {
  const int selected = controls_.SelectedIn(kColourGroup);
  for (int i = 0; i < kRainbowButton; ++i) {
    if (colorBtn_[i] == selected) return controls_.At(selected).face;
  }
  return -1;
}

void LightPaintForm::ApplyDrawWidth() {
  int option = 0;
  for (int i = 0; i < 3; ++i) {
    if (controls_.Selected(drawWidthBtn_[i])) option = i;
  }
  DrawWidth = DrawWidthFor(option, SelectedColour() < 0);
}

void LightPaintForm::drawWidthBtn_Click(int index) {
  EndFlash();
  controls_.Select(drawWidthBtn_[index]);
  ApplyDrawWidth();
  ChooseTool(Tool::Pen);
  DrawFrame();
  Refresh();
}

void LightPaintForm::leftShapeBtn_Click() {
  shapeIndex_ = StepIndex(shapeIndex_, -1, kShapeCount);
  controls_.SetPicture(shapeBtn_, ShapeIconPath(shapeIndex_));
}

void LightPaintForm::rightShapeBtn_Click() {
  shapeIndex_ = StepIndex(shapeIndex_, 1, kShapeCount);
  controls_.SetPicture(shapeBtn_, ShapeIconPath(shapeIndex_));
}

void LightPaintForm::leftBgBtn_Click() {
  bgIndex_ = StepIndex(bgIndex_, -1, kBackgroundCount);
  controls_.SetPicture(bgBtn_, BackgroundIconPath(bgIndex_));
}

void LightPaintForm::rightBgBtn_Click() {
  bgIndex_ = StepIndex(bgIndex_, 1, kBackgroundCount);
  controls_.SetPicture(bgBtn_, BackgroundIconPath(bgIndex_));
}

void LightPaintForm::undoBtn_Click() {
  Undo();
}

void LightPaintForm::EndGame() {
  if (leaving_) return;
  leaving_ = true;
  GameUtil::StopAllSounds();
  if (flashTimer_) flashTimer_->SetEnabled(false);
  flashing_ = false;
  controls_.FreePictures();
  GameUtil::DeleteGeneratedDC(undoSurface_);
  GameUtil::DeleteGeneratedDC(canvasCopy_);
  FreeAllSurfaces();
  toolBorder_ = colorBorder_ = toolBackground_ = colorBackground_ = 0;
  bgPicture_ = stampPicture_ = stampMask_ = 0;
  stopButton_.imageSurface = stopButton_.maskSurface = 0;
  stampMode_ = false;
  ShowMenuAndUnload();
}

}  // namespace lightpaint
