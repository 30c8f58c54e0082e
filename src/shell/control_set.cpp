#include "shell/control_set.h"

#include "gameutil/gameutil.h"

namespace shell {

namespace {

std::int32_t LoadPicture(const std::string& path) {
  return path.empty() ? 0 : GameUtil::GenerateDC(path);
}

}  // namespace

ControlSet::~ControlSet() {
  FreePictures();
}

int ControlSet::Add(Control c) {
  c.inset = 0;  // a picture of the set is the whole face
  controls_.push_back(std::move(c));
  return static_cast<int>(controls_.size()) - 1;
}

int ControlSet::AddFrame(const std::string& name, int x, int y, int width, int height) {
  return Add(MakeControl(Kind::Frame, name, x, y, width, height));
}

int ControlSet::AddButton(const std::string& name, int x, int y, int width, int height,
                          const std::string& picture, std::function<void()> onClick) {
  Control c = MakeControl(Kind::Button, name, x, y, width, height);
  c.picture = LoadPicture(picture);
  c.onClick = std::move(onClick);
  return Add(std::move(c));
}

int ControlSet::AddOption(const std::string& name, int group, int x, int y, int width, int height,
                          const std::string& picture, std::function<void()> onClick) {
  Control c = MakeControl(Kind::Option, name, x, y, width, height, group);
  c.picture = LoadPicture(picture);
  c.onClick = std::move(onClick);
  return Add(std::move(c));
}

void ControlSet::SetPicture(int control, const std::string& path) {
  Control& c = controls_.at(control);
  GameUtil::DeleteGeneratedDC(c.picture);
  c.picture = LoadPicture(path);
}

void ControlSet::SetFace(int control, platform::Colour face) {
  Control& c = controls_.at(control);
  c.hasFace = true;
  c.face = face;
}

void ControlSet::Select(int option) {
  const int group = controls_.at(option).group;
  for (Control& c : controls_) {
    if (c.kind == Kind::Option && c.group == group) c.selected = false;
  }
  controls_[option].selected = true;
}

void ControlSet::SetSelected(int control, bool selected) {
  controls_.at(control).selected = selected;
}

int ControlSet::SelectedIn(int group) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& c = controls_[i];
    if (c.kind == Kind::Option && c.group == group && c.selected) return static_cast<int>(i);
  }
  return -1;
}

int ControlSet::Find(const std::string& name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int ControlSet::ControlAt(double x, double y) const {
  // Later controls lie on top where neighbours overlap.
  for (int i = Count() - 1; i >= 0; --i) {
    const Control& c = controls_[i];
    if (c.kind != Kind::Button && c.kind != Kind::Option) continue;
    if (x >= c.x && y >= c.y && x < c.x + c.width && y < c.y + c.height) return i;
  }
  return -1;
}

bool ControlSet::MouseDown(double x, double y) {
  pressed_ = ControlAt(x, y);
  return pressed_ >= 0;
}

bool ControlSet::MouseUp(double x, double y) {
  const int was = pressed_;
  pressed_ = -1;
  if (was < 0) return false;
  if (ControlAt(x, y) == was) Press(was);
  return true;
}

void ControlSet::Press(int control) {
  const Control& c = controls_[control];
  if (c.kind == Kind::Option && !c.onClick) {
    Select(control);
    return;
  }
  if (c.onClick) {
    auto onClick = c.onClick;  // the handler may change the set
    onClick();
  }
}

void ControlSet::Draw(platform::Surface& target) const {
  for (const Control& c : controls_) {
    if (c.kind == Kind::Frame) DrawControlFace(target, c, false);
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& c = controls_[i];
    if (c.kind != Kind::Frame) DrawControlFace(target, c, pressed_ == static_cast<int>(i));
  }
}

void ControlSet::FreePictures() {
  for (Control& c : controls_) GameUtil::DeleteGeneratedDC(c.picture);
}

}  // namespace shell
