#include "shell/menu_form.h"

#include <cmath>
#include <filesystem>

#include "gameutil/numeric.h"
#include "platform/input.h"
#include "platform/words.h"
#include "shell/game_form.h"
#include "shell/hold_ring.h"

namespace shell {

using GameUtil::Sprite;
using GameUtil::True;
using platform::Rop;

namespace {

constexpr int kLetterCount = 7;
constexpr int kIconCount = 8;
constexpr const char* kJingle = "Sfx\\Menu\\menu_once";
constexpr std::int32_t kStopHoldMs = 2000;

// Lock=1 in section "Program"; any other value, or none, leaves the menu unlocked.
bool LockSetting(platform::Runtime& runtime) {
  return platform::WholeNumber<int>(runtime.GetSetting("Program", "Lock", "0")) == 1;
}

struct IconPlace {
  int x;
  int y;
};
constexpr std::array<IconPlace, kIconCount> kIconPlaces = {{
    {150, 75},
    {450, 75},
    {50, 250},
    {300, 250},
    {550, 250},
    {75, 425},
    {300, 425},
    {525, 425},
}};

// A single picture (and mask) at a place, drawn at scale 1 and visible.
Sprite MakeSprite(std::int32_t image, std::int32_t mask, int width, int height, double x,
                  double y) {
  Sprite s;
  GameUtil::InitSprite(s, image, mask, width, height, 0, 0, 0, width, height, 0, 0);
  s.x = x;
  s.y = y;
  s.visible = True;
  return s;
}

// Loads a picture, then its mask (in this order), as a sprite at a place.
Sprite LoadSprite(const std::string& picture, const std::string& mask, int width, int height,
                  double x, double y) {
  const std::int32_t image = GameUtil::GenerateDC(picture);
  const std::int32_t maskSurface = mask.empty() ? 0 : GameUtil::GenerateDC(mask);
  return MakeSprite(image, maskSurface, width, height, x, y);
}

bool Hit(const Sprite& s, const GameUtil::Point& p) {
  return GameUtil::PointInRect(p.X, p.Y, GameUtil::GetSpriteRect(s)) == True;
}

}  // namespace

MenuForm::MenuForm(platform::Runtime& runtime, GameCatalog catalog, DesktopIcons& desktopIcons)
    : Form(runtime, "MenuForm"),
      catalog_(std::move(catalog)),
      desktopIcons_(desktopIcons),
      startLoopTimer_(*this, 500, [this] { startLoopTimer_Timer(); }) {
  // Form_Initialize: is another copy already running?
  previousInstance_ = runtime.PreviousInstance();
}

double MenuForm::DegToRad(double degrees) {
  return degrees * 3.14159265358979 / 180;
}

void MenuForm::Form_Load() {
  if (previousInstance_) {
    Unload();
    return;
  }
  desktopIcons_.SaveDesktopIcons();
  GameUtil::SetDisplayMode(800, 600, 16);
  std::error_code ec;
  std::filesystem::current_path(runtime().ProgramFolder(), ec);
  SetMousePointer(platform::Pointer::kHourglass);
  GameUtil::SetErrorContext("Menu");
  Settings::soundOn = True;
  hoverActive_ = false;
  for (int d = 0; d <= 360; ++d) sineTable_[d] = std::sin(DegToRad(d));
  hoverIcon_ = -1;
  locked_ = runtime().Options().lock || LockSetting(runtime());
  BackColor = platform::kBlack;
  Cls();
}

void MenuForm::Form_Activate() {
  // The still picture (background, icons, buttons) shows at once; the loop, the jingle and the
  // logo wait for the timer as before, and the loop uses these pictures.
  LoadMenuGraphics();
  for (auto& letter : logoLetters_) letter.visible = GameUtil::False;
  DrawMenu();
  startLoopTimer_.SetEnabled(true);
}

void MenuForm::startLoopTimer_Timer() {
  startLoopTimer_.SetEnabled(false);
  RunMenu();
}

void MenuForm::PlayJingle() {
  GameUtil::PlayGameSound(std::string(kJingle) + "0.wav", 0, 1);
}

void MenuForm::RunMenu() {
  GameUtil::SetErrorContext("Menu");
  LoadMenuGraphics();
  SetMousePointer(platform::Pointer::kDefault);

  aboutShown_ = false;
  int nextLetter = 0;
  logoSequence_ = true;
  const std::int32_t start = GameUtil::GetTimeMs();
  std::int32_t lastLetter = start;
  GameUtil::Randomize(start);
  for (auto& letter : logoLetters_) letter.visible = GameUtil::False;

  PlayJingle();

  menuRunning_ = true;
  std::int32_t previous = start;
  while (menuRunning_) {
    const std::int32_t now = GameUtil::GetTimeMs();
    using GameUtil::ElapsedMs;
    // 200 degrees a second; kept within one turn (0 to 359), which changes no angle.
    logoPhase_ = static_cast<std::int32_t>(
        GameUtil::RoundHalfEven(logoPhase_ + ElapsedMs(now, previous) * 200.0 / 1000.0) % 360);
    if (logoPhase_ < 0) logoPhase_ += 360;
    if (logoSequence_) {
      if (nextLetter < kLetterCount && ElapsedMs(now, lastLetter) > 500) {
        logoLetters_[nextLetter].visible = True;
        ++nextLetter;
        lastLetter = now;
      }
      if (nextLetter == kLetterCount && ElapsedMs(now, start) > 5000) {
        int j = kLetterCount - 1;
        while (j >= 0 && logoLetters_[j].visible != True) --j;
        if (j >= 0 && ElapsedMs(now, start) > 5000 + (6 - j) * 500) {
          logoLetters_[j].visible = GameUtil::False;
          if (j == 0) logoSequence_ = false;
        }
      }
    }
    if (stopHeld_ && ElapsedMs(now, stopHeldSince_) >= kStopHoldMs) {
      stopHeld_ = false;
      selectedGame_ = -1;
      menuRunning_ = false;
    }
    DrawMenu();
    previous = now;
    runtime().DoEvents();
  }
  stopHeld_ = false;  // a press that outlasted a launch does not count on the way back

  BackColor = platform::kBlack;
  Cls();
  FreeMenuGraphics();
  GameUtil::StopAllSounds();
  if (selectedGame_ == -1) {
    QuitProgram();
  } else {
    LaunchGame(selectedGame_);
  }
}

void MenuForm::DrawMenu() {
  platform::Surface& target = Image();
  GameUtil::BitBlt(target, 0, 0, 800, 600, menuBackground_, 0, 0, Rop::Copy);
  if (!aboutShown_) {
    for (const Sprite& icon : gameIcons_) {
      GameUtil::BitBlt(target, static_cast<int>(icon.x), static_cast<int>(icon.y), icon.width,
                       icon.height, icon.imageSurface, 0, 0, Rop::Copy);
    }
    if (hoverIcon_ != -1) {
      hoverFrame_.x = gameIcons_[hoverIcon_].x;
      hoverFrame_.y = gameIcons_[hoverIcon_].y;
      GameUtil::DrawSprite(hoverFrame_, target);
    }
  } else {
    GameUtil::BitBlt(target, static_cast<int>(aboutPicture_.x), static_cast<int>(aboutPicture_.y),
                     aboutPicture_.width, aboutPicture_.height, aboutPicture_.imageSurface, 0, 0,
                     Rop::And);
  }
  if (logoSequence_ || aboutShown_) {
    for (int i = 0; i < kLetterCount; ++i) {
      const Sprite& letter = logoLetters_[i];
      if (letter.visible != True) continue;
      const int k = (360 * i / 6 + logoPhase_) % 360;
      const int dy = GameUtil::NearestInt(20 * sineTable_[k]);
      const int x = static_cast<int>(letter.x);
      const int y = static_cast<int>(letter.y) + dy;
      GameUtil::DrawMasked(target, x, y, 110, 120, letter.imageSurface, letter.maskSurface, 0, 0);
    }
  }
  GameUtil::DrawSprite(stopButton_, target);
  if (stopHeld_) DrawStopHold();
  GameUtil::DrawSprite(Settings::soundOn == True ? soundOnIcon_ : soundOffIcon_, target);
  Refresh();
}

void MenuForm::DrawStopHold() {
  const double held = GameUtil::ElapsedMs(GameUtil::GetTimeMs(), stopHeldSince_);
  // Around the middle of the button as drawn, clear of its corners and within the screen.
  const double cx = GameUtil::RoundHalfEven(stopButton_.x) + stopButton_.width / 2.0;
  const double cy = GameUtil::RoundHalfEven(stopButton_.y) + stopButton_.height / 2.0;
  DrawHoldRing(Image(), cx, cy, 26.5, 36, held / kStopHoldMs);
}

void MenuForm::LoadMenuGraphics() {
  if (graphicsLoaded_) return;
  graphicsLoaded_ = true;
  menuBackground_ = GameUtil::GenerateDC("Gfx\\Menu\\Bg.bmp");
  for (int i = 0; i < kLetterCount; ++i) {
    const std::string digit = std::to_string(i);
    logoLetters_[i] =
        LoadSprite("Gfx\\Menu\\Logo" + digit + ".bmp", "Gfx\\Menu\\LogoMask" + digit + ".bmp", 110,
                   120, 110 * i + 15, 20);
  }
  for (int i = 0; i < kIconCount; ++i) {
    gameIcons_[i] =
        LoadSprite(catalog_[i].iconPath, "", 200, 150, kIconPlaces[i].x, kIconPlaces[i].y);
  }
  hoverFrame_ = LoadSprite("Gfx\\Menu\\Frame.bmp", "Gfx\\Menu\\FrameMask.bmp", 200, 150, 0, 0);
  stopButton_ =
      LoadSprite("Gfx\\Buttons\\Stop.bmp", "Gfx\\Buttons\\StopMask.bmp", 50, 50, 737.5, 537.5);
  soundOnIcon_ =
      LoadSprite("Gfx\\Menu\\SoundOn.bmp", "Gfx\\Menu\\SoundMask.bmp", 50, 50, 737.5, 475);
  soundOffIcon_ =
      LoadSprite("Gfx\\Menu\\SoundOff.bmp", "Gfx\\Menu\\SoundMask.bmp", 50, 50, 737.5, 475);
  aboutPicture_ = LoadSprite("Gfx\\Menu\\About.bmp", "", 600, 420, 400 - 600 / 2, 180);
}

void MenuForm::FreeMenuGraphics() {
  graphicsLoaded_ = false;
  using GameUtil::DeleteGeneratedDC;
  DeleteGeneratedDC(menuBackground_);
  auto freeSprite = [](Sprite& s) {
    DeleteGeneratedDC(s.imageSurface);
    DeleteGeneratedDC(s.maskSurface);
  };
  for (auto& letter : logoLetters_) freeSprite(letter);
  for (auto& icon : gameIcons_) freeSprite(icon);
  freeSprite(hoverFrame_);
  freeSprite(stopButton_);
  freeSprite(soundOnIcon_);
  freeSprite(soundOffIcon_);
  freeSprite(aboutPicture_);
}

void MenuForm::ShowLogoLetters(bool visible) {
  if (logoSequence_) return;
  for (auto& letter : logoLetters_) letter.visible = visible ? True : GameUtil::False;
}

void MenuForm::Form_MouseDown(int button, int, double, double) {
  if (!locked_ || button != platform::Buttons::kLeft) return;
  const GameUtil::Point p{runtime().CursorX(), runtime().CursorY()};
  if (!Hit(stopButton_, p)) return;
  stopHeld_ = true;
  stopHeldSince_ = GameUtil::GetTimeMs();
}

void MenuForm::Form_MouseUp(int button, int, double, double) {
  if (button == platform::Buttons::kLeft) stopHeld_ = false;
}

void MenuForm::Form_MouseMove(int, int, double, double) {
  const GameUtil::Point p{runtime().CursorX(), runtime().CursorY()};
  // The press must stay on the stop button; once off it, coming back does not resume it.
  if (stopHeld_ && !Hit(stopButton_, p)) stopHeld_ = false;
  if (aboutShown_) return;
  for (int i = 0; i < kIconCount; ++i) {
    if (!Hit(gameIcons_[i], p)) continue;
    if (hoverActive_ && hoverIcon_ == i) return;
    SetMouseIcon("Gfx\\Cursors\\harrow.cur");
    SetMousePointer(platform::Pointer::kCustom);
    hoverActive_ = true;
    hoverIcon_ = i;
    return;
  }
  SetMousePointer(platform::Pointer::kDefault);
  hoverActive_ = false;
  hoverIcon_ = -1;
}

void MenuForm::Form_Click() {
  const GameUtil::Point p{runtime().CursorX(), runtime().CursorY()};
  if (Hit(stopButton_, p)) {
    if (locked_) return;  // only the long press ends a locked menu
    selectedGame_ = -1;
    menuRunning_ = false;
    return;
  }
  if (Hit(soundOnIcon_, p)) {
    if (Settings::soundOn == True) {
      GameUtil::StopAllSounds();
      Settings::soundOn = GameUtil::False;
    } else {
      Settings::soundOn = True;
      PlayJingle();
    }
    return;
  }
  if (aboutShown_) {
    aboutShown_ = false;
    ShowLogoLetters(false);
    return;
  }
  for (int i = 0; i < kIconCount; ++i) {
    if (Hit(gameIcons_[i], p)) {
      selectedGame_ = i;
      menuRunning_ = false;
      return;
    }
  }
  aboutShown_ = true;
  ShowLogoLetters(true);
}

void MenuForm::Form_KeyDown(int& keyCode, int) {
  if (keyLatch_) return;
  keyLatch_ = true;
  if (aboutShown_) {
    aboutShown_ = false;
    ShowLogoLetters(false);
    return;
  }
  switch (keyCode) {
    case platform::Keys::kEscape:
      if (locked_) break;
      selectedGame_ = -1;
      menuRunning_ = false;
      break;
    case platform::Keys::kSpace:
      hoverIcon_ = (hoverIcon_ + 1) % kIconCount;
      break;
    case platform::Keys::kEnter:
      if (hoverIcon_ != -1) {
        selectedGame_ = hoverIcon_;
        menuRunning_ = false;
      }
      break;
    case platform::Keys::kF1:
      aboutShown_ = true;
      ShowLogoLetters(true);
      break;
    default:
      break;
  }
}

void MenuForm::Form_KeyUp(int&, int) {
  keyLatch_ = false;
}

void MenuForm::Form_QueryClose() {
  // The window's close button works like the stop button, unless the menu is locked.
  if (!locked_) EndProgram();
}

void MenuForm::Form_EndSession() {
  EndProgram();
}

void MenuForm::EndProgram() {
  if (menuRunning_) {
    selectedGame_ = -1;
    menuRunning_ = false;
  } else if (Visible()) {
    startLoopTimer_.SetEnabled(false);
    QuitProgram();
  }
}

void MenuForm::LaunchGame(int index) {
  const GameEntry& entry = catalog_[index];
  GameUtil::SetErrorContext(entry.contextWord);
  SetMousePointer(platform::Pointer::kHourglass);
  platform::Form& game = entry.create
                             ? entry.create(runtime(), *this)
                             : runtime().Create<PlaceholderGameForm>(
                                   *this, entry.formName, entry.contextWord, entry.iconPath);
  game.Show();
  SetMousePointer(platform::Pointer::kDefault);
  Hide();
}

void MenuForm::QuitProgram() {
  FreeMenuGraphics();  // the still picture's, when the program ends before the loop began
  GameUtil::StopAllSounds();
  GameUtil::RestoreDisplayMode();
  desktopIcons_.RestoreDesktopIcons();
  Unload();
}

}  // namespace shell
