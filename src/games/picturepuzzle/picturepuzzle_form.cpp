#include "games/picturepuzzle/picturepuzzle_form.h"

#include <string>

#include "games/picturepuzzle/picturepuzzle_options.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace picturepuzzle {

using GameUtil::Sprite;
using platform::Rop;

namespace {

constexpr const char* kFolder = "Gfx\\PicturePuzzle\\";
constexpr platform::Colour kFrameColour = platform::Rgb(0, 0, 230);
constexpr int kStarSize = 65;

void Play(const char* name) {
  GameUtil::PlayGameSound(std::string("Sfx\\PicturePuzzle\\") + name, 0, 1);
}

}  // namespace

PicturePuzzleForm::PicturePuzzleForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "PicturePuzzleForm", "PicturePuzzle") {}

PicturePuzzleForm::~PicturePuzzleForm() {
  GameUtil::DeleteGeneratedDC(targetSurface_);
}

void PicturePuzzleForm::Form_Load() {
  InitPuzzleForm();
  ResetForm();
}

void PicturePuzzleForm::InitPuzzleForm() {
  scenario_ = 0;
  model_.snapDistance = kSnapMedium;
  leaving_ = false;
  trayBackground_ = LoadSurface(std::string(kFolder) + "Background.bmp");
  topBorder_ = LoadSurface(std::string(kFolder) + "TopBorder.bmp");
  lowBorder_ = LoadSurface(std::string(kFolder) + "LowBorder.bmp");
  optionsButton_ = LoadButton("Options", 738, 538);
  stopButton_ = LoadButton("Stop", 675, 538);
  nextButton_ = LoadButton("Next", 738, 475);
  star_.imageSurface = LoadSurface(std::string(kFolder) + "Star.bmp");
  star_.maskSurface = LoadSurface(std::string(kFolder) + "StarMask.bmp");
  keyReleased_ = true;
  GameUtil::Randomize(GameUtil::GetTimeMs());
}

void PicturePuzzleForm::ResetForm() {
  GameUtil::StopAllSounds();
  FreeSurface(sourceSurface_);
  FreeSurface(targetSurface_);
  FreePieces();
  model_.ClearSlots();
  drag_.Cancel();
  SetUpScene(scenario_);
  DrawPuzzle();
}

void PicturePuzzleForm::SetUpScene(std::int32_t index) {
  if (index < 0 || index >= kSceneCount) return;
  const SceneInfo& scene = Scenes[index];
  const std::string folder = std::string(kFolder) + scene.name + "\\";
  sourceSurface_ = LoadSurface(folder + scene.name + "Source.bmp");
  // The picture with the holes is copied into a surface of its own.
  targetSurface_ = GameUtil::GenerateEmptyDC(0, kPictureSize, kPictureSize);
  std::int32_t holes = GameUtil::GenerateDC(folder + scene.name + "Target.bmp");
  GameUtil::BitBlt(targetSurface_, 0, 0, kPictureSize, kPictureSize, holes, 0, 0, Rop::Copy);
  GameUtil::DeleteGeneratedDC(holes);
  for (int i = 0; i < scene.pieceCount; ++i) {
    const PieceInfo& info = scene.pieces[i];
    const std::int32_t picture = LoadSurface(folder + info.name + ".bmp");
    const std::int32_t mask = LoadSurface(folder + info.name + "Mask.bmp");
    GameUtil::InitSprite(model_.pieces[i], picture, mask, info.width, info.height, 0, 0, 0, 0, 0, 0,
                         0);
  }
  model_.StartScene(index);
}

void PicturePuzzleForm::DrawPuzzle() {
  platform::Surface& image = Image();
  // A picture that could not be loaded leaves a plain gap, not what was drawn there before.
  if (!sourceSurface_ || !targetSurface_ || !trayBackground_ || !topBorder_ || !lowBorder_) Cls();
  GameUtil::BitBlt(image, 0, 0, kPictureSize, kPictureSize, sourceSurface_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(image, kTargetLeft, 0, kPictureSize, kPictureSize, targetSurface_, 0, 0,
                   Rop::Copy);
  GameUtil::BitBlt(image, 0, 405, 800, 200, trayBackground_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(image, 395, 0, 10, 400, topBorder_, 0, 0, Rop::Copy);
  GameUtil::BitBlt(image, 0, 395, 800, 10, lowBorder_, 0, 0, Rop::Copy);
  for (const Sprite& piece : model_.pieces) GameUtil::DrawSprite(piece, image);
  DrawPair(optionsButton_);
  DrawPair(stopButton_);
  DrawPair(nextButton_);
  Refresh();
}

void PicturePuzzleForm::FramePiece(std::int32_t slot) {
  const Sprite& p = model_.pieces[slot];
  const int x = GameUtil::NearestInt(p.x);
  const int y = GameUtil::NearestInt(p.y);
  DrawWidth = 4;
  Box(x - 1, y - 1, x + p.width + 1, y + p.height + 1, kFrameColour);
  Refresh();
}

void PicturePuzzleForm::FreePieces() {
  for (Sprite& piece : model_.pieces) {
    piece.visible = GameUtil::False;
    FreeSurface(piece.imageSurface);
    FreeSurface(piece.maskSurface);
  }
}

void PicturePuzzleForm::ClickAt(int x, int y) {
  if (const auto dropped = model_.Click(x, y)) {
    switch (*dropped) {
      case DropResult::Placed:
        DrawPuzzle();
        Play("Correct.wav");
        break;
      case DropResult::BackToTray:
        DrawPuzzle();  // the row was rebuilt
        Play("back.wav");
        break;
      case DropResult::Wrong:
        Play("Wrong.wav");
        break;
    }
  }
  if (model_.puzzleDone) {
    Play("done.wav");
    CelebrateDone();
  }
}

void PicturePuzzleForm::CelebrateDone() {
  // Two rows of stars over the tray, the lower first, one star every 350 ms.
  for (const int top : {510, 430}) {
    int x = 30;
    while (x <= 600 && model_.puzzleDone) {
      const int y = static_cast<int>(GameUtil::RandomRange(static_cast<std::int16_t>(top),
                                                           static_cast<std::int16_t>(top + 5)));
      GameUtil::DrawMasked(Image(), x, y, kStarSize, kStarSize, star_.imageSurface,
                           star_.maskSurface, 0, 0);
      Refresh();
      x += 75 + static_cast<int>(GameUtil::FloorInt(GameUtil::Rnd() * 10.0)) + 1;
      WaitMs(350);
    }
    if (!model_.puzzleDone) return;
  }
}

void PicturePuzzleForm::WaitMs(std::int32_t ms) {
  const std::int32_t start = GameUtil::GetTimeMs();
  while (model_.puzzleDone && GameUtil::ElapsedMs(GameUtil::GetTimeMs(), start) < ms) {
    runtime().DoEvents();
  }
}

void PicturePuzzleForm::ShowOptions() {
  PicturePuzzleOptions dialog(runtime(), *this);
  dialog.ShowModal();
  // A choice made with OK takes effect at once, with a new puzzle.
  if (dialog.Confirmed() && Loaded() && !leaving_) ResetForm();
}

void PicturePuzzleForm::Form_MouseDown(int button, int, double x, double y) {
  drag_.Press(button, x, y);
  // Only where the click would pick a piece up; everything else is left to the click.
  if (leaving_ || model_.puzzleDone || model_.selectedPiece >= 0) return;
  if (PointerOn(stopButton_) || PointerOn(optionsButton_) || PointerOn(nextButton_)) return;
  const GameUtil::Point p = CursorPos();
  if (p.Y <= 400 || model_.PieceAt(p.X, p.Y) < 0) return;
  ClickAt(p.X, p.Y);
  if (model_.selectedPiece >= 0) drag_.PickedUp(model_.selectedPiece);
}

void PicturePuzzleForm::Form_MouseUp(int button, int, double x, double y) {
  // Letting go after a drag drops the piece there, as a second click would (over a button too):
  // it snaps in, goes back to the tray, or stays on the pointer after a wrong place.
  drag_.Release(button, x, y, [this, x, y](int piece) {
    if (leaving_ || model_.selectedPiece != piece) return;
    model_.Carry(x, y);
    DrawPuzzle();
    const GameUtil::Point p = CursorPos();
    ClickAt(p.X, p.Y);
  });
}

void PicturePuzzleForm::Form_MouseMove(int, int, double x, double y) {
  drag_.Move(x, y);
  if (model_.selectedPiece < 0) return;
  model_.Carry(x, y);
  DrawPuzzle();
}

void PicturePuzzleForm::Form_Click() {
  if (drag_.ClaimClick()) return;  // its press picked a piece up, its release dropped it
  const GameUtil::Point p = CursorPos();
  if (PointerOn(stopButton_)) {
    EndGame();
    return;
  }
  if (PointerOn(optionsButton_)) {
    ShowOptions();
    return;
  }
  if (PointerOn(nextButton_)) ResetForm();
  if (!model_.puzzleDone) ClickAt(p.X, p.Y);
}

void PicturePuzzleForm::SpaceKey() {
  Play("Select.wav");
  if (!model_.placing) {
    const bool framed = model_.StepHighlight();
    DrawPuzzle();
    if (framed) FramePiece(model_.highlightedPiece);
  } else {
    model_.MoveToNextPlace();
    DrawPuzzle();
  }
}

void PicturePuzzleForm::EnterKey() {
  if (model_.placing) {
    const GameUtil::Point p = model_.CarriedPosition();
    ClickAt(p.X, p.Y);
  } else if (model_.highlightedPiece >= 0 && model_.highlightedPiece < kSlotCount) {
    model_.LiftHighlighted(GameUtil::Rnd());
    DrawPuzzle();
  }
}

void PicturePuzzleForm::Form_KeyDown(int& keyCode, int) {
  escapeDown_ = keyCode == platform::Keys::kEscape;
  if (!keyReleased_) return;
  keyReleased_ = false;
  using namespace platform::Keys;
  if (keyCode == kF1) {
    ShowOptions();
    keyReleased_ = true;  // the key's release went to the dialog
    return;
  }
  if (model_.puzzleDone) {
    ResetForm();
    return;
  }
  switch (keyCode) {
    case kRight:
      ResetForm();
      break;
    case kSpace:
      SpaceKey();
      break;
    case kEnter:
      EnterKey();
      break;
    default:
      break;
  }
}

void PicturePuzzleForm::Form_KeyPress(int& keyAscii) {
  // Only an Escape pressed on this form: the one that closed the options dialog comes here
  // without its key going down here first.
  if (keyAscii == platform::Keys::kEscape && escapeDown_) EndGame();
}

void PicturePuzzleForm::Form_KeyUp(int&, int) {
  keyReleased_ = true;
  escapeDown_ = false;
}

void PicturePuzzleForm::Form_QueryClose() {
  EndGame();
}

void PicturePuzzleForm::EndGame() {
  if (leaving_) return;
  leaving_ = true;
  drag_.Cancel();
  model_.puzzleDone = false;  // ends the stars at their next check
  GameUtil::StopAllSounds();
  FreePieces();
  FreeSurface(sourceSurface_);
  FreeSurface(targetSurface_);
  FreeAllSurfaces();
  trayBackground_ = topBorder_ = lowBorder_ = 0;
  star_.imageSurface = star_.maskSurface = 0;
  ShowMenuAndUnload();
}

}  // namespace picturepuzzle
