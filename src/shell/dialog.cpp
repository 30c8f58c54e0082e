#include "shell/dialog.h"

#include <algorithm>
#include <cmath>

#include "gameutil/gameutil.h"
#include "platform/draw.h"
#include "platform/input.h"

namespace shell {

using platform::Rgb;

namespace {

constexpr platform::Colour kFace = Rgb(255, 247, 228);
constexpr platform::Colour kBorder = Rgb(120, 84, 48);
constexpr platform::Colour kFrameFace = Rgb(244, 228, 196);
constexpr platform::Colour kLight = Rgb(255, 255, 255);
constexpr platform::Colour kShadow = Rgb(150, 120, 90);
constexpr platform::Colour kSelected = Rgb(255, 150, 0);
constexpr platform::Colour kFocus = Rgb(30, 110, 230);

// A raised (or, when `in`, pressed-in) edge around a block.
void Bevel(platform::Surface& s, int x, int y, int w, int h, bool in) {
  const platform::Colour top = in ? kShadow : kLight;
  const platform::Colour bottom = in ? kLight : kShadow;
  for (int i = 0; i < 3; ++i) {
    platform::FillBox(s, x + i, y + i, x + w - 1 - i, y + i, top);
    platform::FillBox(s, x + i, y + i, x + i, y + h - 1 - i, top);
    platform::FillBox(s, x + i, y + h - 1 - i, x + w - 1 - i, y + h - 1 - i, bottom);
    platform::FillBox(s, x + w - 1 - i, y + i, x + w - 1 - i, y + h - 1 - i, bottom);
  }
}

}  // namespace

Dialog::Control MakeControl(Dialog::Kind kind, const std::string& name, int x, int y, int width,
                            int height, int group) {
  Dialog::Control c;
  c.kind = kind;
  c.name = name;
  c.x = x;
  c.y = y;
  c.width = width;
  c.height = height;
  c.group = group;
  return c;
}

Dialog::Dialog(platform::Runtime& runtime, std::string name, int width, int height)
    : Form(runtime, std::move(name), (800 - width) / 2, (600 - height) / 2, width, height) {
  BackColor = kFace;
}

Dialog::~Dialog() {
  FreePictures();
}

void Dialog::FreePictures() {
  for (Control& c : controls_) GameUtil::DeleteGeneratedDC(c.picture);
}

int Dialog::AddFrame(const std::string& name, int x, int y, int width, int height) {
  controls_.push_back(MakeControl(Kind::Frame, name, x, y, width, height));
  return static_cast<int>(controls_.size()) - 1;
}

int Dialog::AddButton(const std::string& name, int x, int y, int width, int height,
                      const std::string& picture, std::function<void()> onClick) {
  Control c = MakeControl(Kind::Button, name, x, y, width, height);
  c.picture = GameUtil::GenerateDC(picture);
  c.onClick = std::move(onClick);
  controls_.push_back(std::move(c));
  const int index = static_cast<int>(controls_.size()) - 1;
  if (focus_ < 0) focus_ = index;
  return index;
}

int Dialog::AddOption(const std::string& name, int group, int x, int y, int width, int height,
                      const std::string& picture) {
  Control c = MakeControl(Kind::Option, name, x, y, width, height, group);
  c.picture = GameUtil::GenerateDC(picture);
  controls_.push_back(std::move(c));
  const int index = static_cast<int>(controls_.size()) - 1;
  if (focus_ < 0) focus_ = index;
  return index;
}

int Dialog::AddColourOption(const std::string& name, int group, int x, int y, int width, int height,
                            platform::Colour face) {
  Control c = MakeControl(Kind::Option, name, x, y, width, height, group);
  c.hasFace = true;
  c.face = face;
  controls_.push_back(std::move(c));
  const int index = static_cast<int>(controls_.size()) - 1;
  if (focus_ < 0) focus_ = index;
  return index;
}

int Dialog::AddPictureBox(const std::string& name, int x, int y, int width, int height) {
  controls_.push_back(MakeControl(Kind::Picture, name, x, y, width, height));
  return static_cast<int>(controls_.size()) - 1;
}

void Dialog::SetPicture(int control, const std::string& path) {
  Control& c = controls_.at(control);
  GameUtil::DeleteGeneratedDC(c.picture);
  c.picture = GameUtil::GenerateDC(path);
  if (Loaded()) Redraw();
}

void Dialog::Select(int option) {
  const int group = controls_.at(option).group;
  for (Control& c : controls_) {
    if (c.kind == Kind::Option && c.group == group) c.selected = false;
  }
  controls_[option].selected = true;
  if (Loaded()) Redraw();
}

int Dialog::SelectedIn(int group) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& c = controls_[i];
    if (c.kind == Kind::Option && c.group == group && c.selected) return static_cast<int>(i);
  }
  return -1;
}

void Dialog::SetFocus(int control) {
  if (Focusable(control)) focus_ = control;
  if (Loaded()) Redraw();
}

bool Dialog::Focusable(int control) const {
  if (control < 0 || control >= static_cast<int>(controls_.size())) return false;
  const Kind kind = controls_[control].kind;
  return kind == Kind::Button || kind == Kind::Option;
}

void Dialog::Redraw() {
  platform::Surface& s = Image();
  s.Fill(platform::ToPixel(kFace));
  platform::DrawBox(s, 1, 1, Width() - 2, Height() - 2, 3, kBorder);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].kind == Kind::Frame) DrawControl(static_cast<int>(i));
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].kind != Kind::Frame) DrawControl(static_cast<int>(i));
  }
  Refresh();
}

void Dialog::DrawControl(int index) {
  platform::Surface& s = Image();
  const Control& c = controls_[index];
  DrawControlFace(s, c, pressed_ == index);
  if (c.kind == Kind::Frame) return;
  if (index == focus_) {
    for (int x = c.x - 9; x < c.x + c.width + 9; x += 8) {
      platform::FillBox(s, x, c.y - 9, std::min(x + 4, c.x + c.width + 8), c.y - 8, kFocus);
      platform::FillBox(s, x, c.y + c.height + 7, std::min(x + 4, c.x + c.width + 8),
                        c.y + c.height + 8, kFocus);
    }
    for (int y = c.y - 9; y < c.y + c.height + 9; y += 8) {
      platform::FillBox(s, c.x - 9, y, c.x - 8, std::min(y + 4, c.y + c.height + 8), kFocus);
      platform::FillBox(s, c.x + c.width + 7, y, c.x + c.width + 8,
                        std::min(y + 4, c.y + c.height + 8), kFocus);
    }
  }
}

void DrawControlFace(platform::Surface& s, const Dialog::Control& c, bool pressed) {
  using Kind = Dialog::Kind;
  if (c.kind == Kind::Frame) {
    platform::FillBox(s, c.x, c.y, c.x + c.width - 1, c.y + c.height - 1, kFrameFace);
    platform::DrawBox(s, c.x, c.y, c.x + c.width - 1, c.y + c.height - 1, 2, kShadow);
    return;
  }
  const bool in = c.selected || pressed;
  const bool whole = c.inset <= 0 && c.kind != Kind::Picture;
  if (c.kind == Kind::Picture) {
    platform::FillBox(s, c.x, c.y, c.x + c.width - 1, c.y + c.height - 1, kLight);
    Bevel(s, c.x, c.y, c.width, c.height, true);
  } else {
    if (c.selected) {
      platform::FillBox(s, c.x - 5, c.y - 5, c.x + c.width + 4, c.y + c.height + 4, kSelected);
    }
    platform::FillBox(s, c.x, c.y, c.x + c.width - 1, c.y + c.height - 1,
                      c.hasFace ? c.face : kFace);
    if (!whole) Bevel(s, c.x, c.y, c.width, c.height, in);
  }
  // The picture sits in the middle: shrunk to fit, or enlarged by whole steps so it stays
  // crisp. Pressed in, it moves down and right a little.
  const int shift = in && c.kind != Kind::Picture ? 2 : 0;
  const platform::Surface* picture = GameUtil::SurfaceOf(c.picture);
  if (picture && !picture->empty() && whole) {
    // A whole-face picture keeps its size, centred (and cut to the control when larger);
    // pushed in, it moves and its far edges are cut off.
    const int pw = picture->width();
    const int ph = picture->height();
    const int w = std::min(pw, c.width) - shift;
    const int h = std::min(ph, c.height) - shift;
    GameUtil::BitBlt(s, c.x + std::max(0, (c.width - pw) / 2) + shift,
                     c.y + std::max(0, (c.height - ph) / 2) + shift, w, h, c.picture,
                     std::max(0, (pw - c.width) / 2), std::max(0, (ph - c.height) / 2),
                     platform::Rop::Copy);
  } else if (picture && !picture->empty()) {
    const int innerW = c.width - 2 * c.inset;
    const int innerH = c.height - 2 * c.inset;
    const double fit = std::min(static_cast<double>(innerW) / picture->width(),
                                static_cast<double>(innerH) / picture->height());
    const double scale = fit >= 1 ? std::floor(fit) : fit;
    const int w = std::max(1, static_cast<int>(picture->width() * scale));
    const int h = std::max(1, static_cast<int>(picture->height() * scale));
    GameUtil::StretchBlt(s, c.x + (c.width - w) / 2 + shift, c.y + (c.height - h) / 2 + shift, w, h,
                         c.picture, 0, 0, picture->width(), picture->height(), platform::Rop::Copy);
  }
  if (whole) Bevel(s, c.x, c.y, c.width, c.height, in);
}

int Dialog::ControlAt(double x, double y) const {
  for (int i = static_cast<int>(controls_.size()) - 1; i >= 0; --i) {
    const Control& c = controls_[i];
    if (!Focusable(i)) continue;
    if (x >= c.x && y >= c.y && x < c.x + c.width && y < c.y + c.height) return i;
  }
  return -1;
}

void Dialog::Press(int control) {
  if (!Focusable(control)) return;
  Control& c = controls_[control];
  focus_ = control;
  if (c.kind == Kind::Option) {
    Select(control);
    return;
  }
  Redraw();
  if (c.onClick) {
    auto onClick = c.onClick;  // the handler may close the dialog
    onClick();
  }
}

void Dialog::MoveFocus(int step) {
  const int n = static_cast<int>(controls_.size());
  if (n == 0) return;
  int next = focus_;
  for (int tries = 0; tries < n; ++tries) {
    next = ((next + step) % n + n) % n;
    if (Focusable(next)) {
      focus_ = next;
      break;
    }
  }
  Redraw();
}

void Dialog::Form_MouseDown(int button, int, double x, double y) {
  if (button != platform::Buttons::kLeft) return;
  pressed_ = ControlAt(x, y);
  if (pressed_ >= 0) Redraw();
}

void Dialog::Form_MouseUp(int button, int, double x, double y) {
  if (button != platform::Buttons::kLeft) return;
  const int was = pressed_;
  pressed_ = -1;
  // A press counts when it is released over the same control.
  if (was >= 0 && ControlAt(x, y) == was) {
    Press(was);
  } else if (was >= 0) {
    Redraw();
  }
}

void Dialog::Form_KeyDown(int& keyCode, int shift) {
  if (keyLatch_) return;
  keyLatch_ = true;
  using namespace platform::Keys;
  switch (keyCode) {
    case kTab:
      MoveFocus((shift & 1) ? -1 : 1);
      break;
    case kRight:
    case kDown:
      MoveFocus(1);
      break;
    case kLeft:
    case kUp:
      MoveFocus(-1);
      break;
    case kSpace:
    case kEnter:
      Press(focus_);
      break;
    case kEscape:
      Form_QueryClose();
      break;
    default:
      break;
  }
}

void Dialog::Form_KeyUp(int&, int) {
  keyLatch_ = false;
}

void Dialog::Form_QueryClose() {
  if (cancel_ >= 0) {
    Press(cancel_);
  } else {
    Unload();
  }
}

void Dialog::Form_Unload() {
  FreePictures();
}

}  // namespace shell
