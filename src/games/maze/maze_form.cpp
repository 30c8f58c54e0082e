#include "games/maze/maze_form.h"

#include <algorithm>

#include "games/maze/maze_options.h"
#include "games/maze/maze_scenarios.h"
#include "gameutil/numeric.h"
#include "platform/input.h"

namespace maze {

using GameUtil::NearestInt;
using GameUtil::Sprite;
using platform::Rop;

namespace {

constexpr platform::Colour kPanelColour = platform::Rgb(203, 185, 156);
constexpr const char* kFacing[4] = {"E", "S", "W", "N"};
constexpr int kScenarioCount = static_cast<int>(Scenarios.size());

}  // namespace

MazeForm::MazeForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "MazeForm", "Maze"),
      model_([](std::int16_t lo, std::int16_t hi) { return GameUtil::RandomRange(lo, hi); }) {}

void MazeForm::GetScenarioString(std::int16_t index, std::string& name) const {
  name = index >= 0 && index < kScenarioCount ? std::string(Scenarios[index].name) : "";
}

Sprite MazeForm::LoadPair(const std::string& picture, const std::string& mask, int size) {
  Sprite s;
  s.imageSurface = LoadSurface(picture);
  s.maskSurface = LoadSurface(mask);
  s.width = size;
  s.height = size;
  s.scale = 1.0;
  return s;
}

void MazeForm::Form_Load() {
  skill_ = 2;
  scenario_ = 0;
  currentScenario_ = 0;
  stopButton_ = LoadButton("Stop", 675, 537.5);
  optionsButton_ = LoadButton("Options", 737.5, 537.5);
  nextButton_ = LoadButton("Next", 737.5, 475);
  for (int d : {East, West, North, South}) {
    arrowSprites_[d] = LoadPair(std::string("Gfx\\Maze\\Arrow") + kFacing[d] + ".bmp",
                                std::string("Gfx\\Maze\\ArrowMask") + kFacing[d] + ".bmp", 40);
  }
  quitRequested_ = false;
  GameUtil::Randomize(GameUtil::GetTimeMs());
  // The grown-up's last choice comes back; anything out of range gives the first-time values.
  const int storedSkill = ReadSetting("Skill", 2);
  const int storedScenario = ReadSetting("Scenario", 0);
  skill_ = static_cast<std::int16_t>(storedSkill >= 1 && storedSkill <= 3 ? storedSkill : 2);
  scenario_ = static_cast<std::int16_t>(
      storedScenario >= -1 && storedScenario < kScenarioCount ? storedScenario : 0);
  ResetForm();
}

void MazeForm::ResetForm() {
  GameUtil::StopAllSounds();
  ready_ = false;
  currentScenario_ =
      scenario_ == -1 ? static_cast<std::int16_t>(GameUtil::RandomRange(0, 10)) : scenario_;
  LoadScenarioGraphics(currentScenario_);
  model_.Generate(skill_);
  endingRunning_ = false;
  BackColor = platform::kWhite;
  Cls();
  DrawMaze();
  ready_ = true;
}

void MazeForm::LoadScenarioGraphics(std::int16_t index) {
  FreeSurface(menuPictureSurface_);
  FreeSurface(targetSprite_.imageSurface);
  FreeSurface(targetSprite_.maskSurface);
  for (Sprite& figure : figureSprites_) {
    FreeSurface(figure.imageSurface);
    FreeSurface(figure.maskSurface);
  }
  FreeSurface(endingSprite_.imageSurface);
  FreeSurface(endingSprite_.maskSurface);

  const MazeScenario& scenario = Scenarios[std::clamp<int>(index, 0, kScenarioCount - 1)];
  const std::string name(scenario.name);
  spriteSize_ = skill_ == 1 ? 80 : 40;
  const std::string big = skill_ == 1 ? "Big" : "";
  const std::string base = "Gfx\\Maze\\" + name;

  menuPictureSurface_ = LoadSurface(base + "Menu.bmp");
  targetSprite_ = LoadPair(base + big + "Target.bmp", base + big + "TargetMask.bmp", spriteSize_);
  for (int d : {East, South, West, North}) {
    figureSprites_[d] = LoadPair(base + big + kFacing[d] + ".bmp",
                                 base + big + "Mask" + kFacing[d] + ".bmp", spriteSize_);
  }
  endingSprite_.imageSurface = LoadSurface(base + "Ending.bmp");
  endingSprite_.maskSurface = LoadSurface(base + "EndingMask.bmp");
  endingSprite_.frameWidth = scenario.frameWidth;
  endingSprite_.frameHeight = scenario.frameHeight;
  endingSprite_.width = scenario.frameWidth;
  endingSprite_.height = scenario.frameHeight;
  endingSprite_.frameCount = scenario.frameCount;
  if (scenario.setsTiming) {
    endingSprite_.frameDuration = scenario.frameDuration;
    endingSprite_.looping = scenario.looping ? GameUtil::True : GameUtil::False;
  }
  endingSprite_.frame = 0;
  endingSprite_.vx = EndingSpeed;
}

void MazeForm::DrawCell(int cx, int cy, int px, int py, bool partial) {
  const MazeCell& cell = model_.cells[cy][cx];
  const int w = model_.cellWidth;
  const int h = model_.cellHeight;
  const int t = skill_ == 1 ? 2 : skill_ == 2 ? 1 : 0;
  const auto floor = static_cast<platform::Colour>(model_.mazeColour);
  if (partial) {
    FilledBox(px + t, py + t, px + w - 1 - t, py + h - 1 - t, floor);
  } else {
    FilledBox(px, py, px + w - 1, py + h - 1, floor);
  }
  const platform::Colour black = platform::kBlack;
  if (cell.wall[East]) FilledBox(px + w - 1 - t, py, px + w - 1, py + h, black);
  if (cell.wall[South]) FilledBox(px, py + h - 1 - t, px + w, py + h - 1, black);
  if (cell.wall[West]) FilledBox(px, py, px + t, py + h, black);
  if (cell.wall[North]) FilledBox(px, py, px + w, py + t, black);
  DrawWidth = 1;
  if (cell.edge[East]) Line(px + w, py, px + w, py + h, black);
  if (cell.edge[South]) Line(px, py + h, px + w, py + h, black);
  if (cell.edge[West]) Line(px, py, px, py + h, black);
  if (cell.edge[North]) Line(px, py, px + w, py, black);
  if (model_.showPath && cell.pathDirection != NotOnPath) {
    const Sprite& arrow = arrowSprites_[cell.pathDirection & 3];
    const int ax = NearestInt(px + w / 2.0 - 20);
    const int ay = NearestInt(py + h / 2.0 - 20);
    GameUtil::DrawMasked(Image(), ax, ay, 40, 40, arrow.imageSurface, arrow.maskSurface, 0, 0);
  }
}

void MazeForm::DrawCentred(const Sprite& sprite, int cellX, int cellY) {
  const double cw = model_.cellWidth;
  const double ch = model_.cellHeight;
  const int x = NearestInt(cw * cellX + cw / 2 - sprite.width / 2.0);
  const int y = NearestInt(ch * cellY + ch / 2 - sprite.height / 2.0);
  GameUtil::DrawMasked(Image(), x, y, sprite.width, sprite.height, sprite.imageSurface,
                       sprite.maskSurface, 0, 0);
}

void MazeForm::DrawTargetAndFigure() {
  DrawCentred(targetSprite_, model_.targetX, model_.targetY);
  DrawCentred(figureSprites_[model_.figureDirection & 3], model_.figureX, model_.figureY);
}

void MazeForm::DrawMaze() {
  const int mazeWidth = model_.columns * model_.cellWidth;
  FilledBox(mazeWidth + 1, 0, 800, 600, kPanelColour);
  GameUtil::BitBlt(Image(), mazeWidth + 50, 50, 120, 420, menuPictureSurface_, 0, 0, Rop::Copy);
  for (int y = model_.rows - 1; y >= 0; --y) {
    for (int x = 0; x < model_.columns; ++x) {
      DrawCell(x, y, model_.cellWidth * x, model_.cellHeight * y, false);
    }
  }
  DrawTargetAndFigure();
  DrawPair(stopButton_);
  DrawPair(optionsButton_);
  DrawPair(nextButton_);
  if (endingRunning_) {
    const Sprite& e = endingSprite_;
    const int x = NearestInt(e.x);
    const int y = NearestInt(e.y);
    GameUtil::DrawMasked(Image(), x, y, e.frameWidth, e.frameHeight, e.imageSurface, e.maskSurface,
                         e.frame * e.frameWidth, 0);
  }
  Refresh();
}

void MazeForm::MoveFigure(int direction) {
  if (endingRunning_) return;
  const int oldX = model_.figureX;
  const int oldY = model_.figureY;
  const bool moved = model_.StepFigure(direction);
  GameUtil::PlayGameSound(moved ? "Sfx\\Maze\\Move.wav" : "Sfx\\Maze\\WallHit.wav", 0, 1);
  model_.figureDirection = static_cast<std::int16_t>(direction);
  DrawCell(oldX, oldY, model_.cellWidth * oldX, model_.cellHeight * oldY, true);
  DrawTargetAndFigure();
  if (model_.FigureOnTarget()) {
    endingSprite_.x = 800;
    // The place is drawn with the frame's width, as the game always did.
    endingSprite_.y =
        GameUtil::RandomRange(0, static_cast<std::int16_t>(600 - endingSprite_.frameWidth));
    previousFrameTime_ = GameUtil::GetTimeMs();
    endingRunning_ = true;
    PlayEnding();
  }
}

void MazeForm::PlayEnding() {
  GameUtil::PlayGameSound("Sfx\\Maze\\LevelDone.wav", 0, 1);
  Sprite& e = endingSprite_;
  e.lastFrameTime = GameUtil::GetTimeMs();
  e.frame = 0;
  while (e.x > -160) {
    if (!endingRunning_) {
      if (quitRequested_) EndGame();
      return;
    }
    const std::int32_t now = GameUtil::GetTimeMs();
    if (GameUtil::ElapsedMs(now, e.lastFrameTime) > e.frameDuration) {
      if (e.looping == GameUtil::True) {
        e.frame = e.frameCount > 0 ? (e.frame + 1) % e.frameCount : 0;
      } else if (e.frame < e.frameCount - 1) {
        ++e.frame;
      }
      e.lastFrameTime = now;
    }
    const std::int32_t elapsed = GameUtil::ElapsedMs(now, previousFrameTime_);
    previousFrameTime_ = now;
    e.x -= elapsed / 1000.0 * e.vx;
    DrawMaze();
    runtime().DoEvents();
  }
  if (endingRunning_) {
    ResetForm();
  } else if (quitRequested_) {
    EndGame();
  }
}

void MazeForm::ShowOptions() {
  MazeOptions dialog(runtime(), *this);
  dialog.ShowModal();
  // A choice made with OK takes effect at once, with a new maze.
  if (dialog.Confirmed() && Loaded()) ResetForm();
}

void MazeForm::StopGame() {
  if (!endingRunning_) {
    EndGame();
  } else {
    endingRunning_ = false;
    quitRequested_ = true;
  }
}

void MazeForm::Form_Click() {
  if (PointerOn(stopButton_)) {
    StopGame();
  } else if (PointerOn(optionsButton_)) {
    if (ready_) ShowOptions();
  } else if (PointerOn(nextButton_)) {
    if (ready_) ResetForm();
  }
}

void MazeForm::Form_KeyDown(int& keyCode, int) {
  if (!keyReleased_) return;
  keyReleased_ = false;
  using namespace platform::Keys;
  switch (keyCode) {
    case kEscape:
      StopGame();
      break;
    case kSpace:
      model_.figureDirection = static_cast<std::int16_t>(NextClockwise(model_.figureDirection));
      DrawMaze();
      break;
    case kEnter:
      MoveFigure(model_.figureDirection);
      break;
    case kBackspace:
      if (!endingRunning_) {
        if (model_.showPath) {
          model_.showPath = false;
        } else {
          model_.ShowPath();
          model_.showPath = true;
        }
        DrawMaze();
      }
      break;
    case kUp:
      if (!endingRunning_) MoveFigure(North);
      break;
    case kDown:
      if (!endingRunning_) MoveFigure(South);
      break;
    case kRight:
      if (!endingRunning_) MoveFigure(East);
      break;
    case kLeft:
      if (!endingRunning_) MoveFigure(West);
      break;
    case kF1:
      if (ready_) {
        ShowOptions();
        keyReleased_ = true;  // the key's release went to the dialog
      }
      break;
    default:
      break;
  }
}

void MazeForm::Form_KeyUp(int&, int) {
  keyReleased_ = true;
}

void MazeForm::EndGame() {
  GameUtil::StopAllSounds();
  FreeAllSurfaces();
  menuPictureSurface_ = 0;
  WriteSetting("Skill", skill_);
  WriteSetting("Scenario", scenario_);
  ShowMenuAndUnload();
}

}  // namespace maze
