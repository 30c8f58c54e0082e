#include "shell/game_form.h"

#include <algorithm>

#include "gameutil/numeric.h"
#include "platform/input.h"
#include "platform/words.h"

namespace shell {

using GameUtil::Sprite;

GameForm::GameForm(platform::Runtime& runtime, platform::Form& menu, std::string formName,
                   std::string section)
    : Form(runtime, std::move(formName)), menu_(menu), section_(std::move(section)) {}

GameForm::~GameForm() {
  FreeAllSurfaces();
}

void GameForm::Form_QueryClose() {
  int key = platform::Keys::kEscape;
  Form_KeyDown(key, 0);
  key = platform::Keys::kEscape;
  Form_KeyUp(key, 0);
}

std::int32_t GameForm::LoadSurface(const std::string& path) {
  const std::int32_t handle = GameUtil::GenerateDC(path);
  if (handle != 0) surfaces_.push_back(handle);
  return handle;
}

void GameForm::FreeSurface(std::int32_t& handle) {
  surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), handle), surfaces_.end());
  GameUtil::DeleteGeneratedDC(handle);
}

void GameForm::FreeAllSurfaces() {
  for (std::int32_t handle : surfaces_) GameUtil::DeleteGeneratedDC(handle);
  surfaces_.clear();
}

Sprite GameForm::LoadButton(const std::string& name, double x, double y) {
  Sprite s;
  s.imageSurface = LoadSurface("Gfx\\Buttons\\" + name + ".bmp");
  s.maskSurface = LoadSurface("Gfx\\Buttons\\" + name + "Mask.bmp");
  s.x = x;
  s.y = y;
  s.width = 50;
  s.height = 50;
  s.scale = 1.0;
  return s;
}

void GameForm::DrawPair(const Sprite& s) {
  const int x = GameUtil::NearestInt(s.x);
  const int y = GameUtil::NearestInt(s.y);
  GameUtil::DrawMasked(Image(), x, y, s.width, s.height, s.imageSurface, s.maskSurface, 0, 0);
}

GameUtil::Point GameForm::CursorPos() const {
  auto& rt = const_cast<GameForm*>(this)->runtime();
  return {rt.CursorX(), rt.CursorY()};
}

bool GameForm::PointerOn(const Sprite& s) const {
  const GameUtil::Point p = CursorPos();
  return GameUtil::PointInRect(p.X, p.Y, GameUtil::GetSpriteRect(s)) == GameUtil::True;
}

int GameForm::ReadSetting(const std::string& key, int fallback) const {
  auto& rt = const_cast<GameForm*>(this)->runtime();
  const std::string text = rt.GetSetting(section_, key, std::to_string(fallback));
  return platform::WholeNumber<int>(text).value_or(fallback);
}

void GameForm::WriteSetting(const std::string& key, int value) {
  runtime().SaveSetting(section_, key, std::to_string(value));
}

void GameForm::ShowMenuAndUnload() {
  menu_.Show();
  Unload();
}

PlaceholderGameForm::PlaceholderGameForm(platform::Runtime& runtime, platform::Form& menu,
                                         std::string formName, std::string section,
                                         std::string iconPath)
    : GameForm(runtime, menu, std::move(formName), std::move(section)),
      iconPath_(std::move(iconPath)) {}

void PlaceholderGameForm::Form_Load() {
  BackColor = platform::Rgb(250, 240, 200);
  Cls();
  icon_ = LoadSurface(iconPath_);
  stopButton_ = LoadButton("Stop", 675, 537.5);
  // The game's menu picture, twice its size, in the middle of the screen.
  GameUtil::StretchBlt(Image(), 200, 150, 400, 300, icon_, 0, 0, 200, 150, platform::Rop::Copy);
  DrawPair(stopButton_);
  Refresh();
}

void PlaceholderGameForm::EndGame() {
  GameUtil::StopAllSounds();
  FreeAllSurfaces();
  ShowMenuAndUnload();
}

void PlaceholderGameForm::Form_Click() {
  if (PointerOn(stopButton_)) EndGame();
}

void PlaceholderGameForm::Form_KeyDown(int& keyCode, int) {
  if (keyLatch_) return;
  keyLatch_ = true;
  if (keyCode == platform::Keys::kEscape) EndGame();
}

void PlaceholderGameForm::Form_KeyUp(int&, int) {
  keyLatch_ = false;
}

}  // namespace shell
