// The dialog toolkit's controls inside a game form: a set of picture buttons, option buttons
// and frames that the form owns, draws into its own picture and hands its pointer presses to.
// They look and press exactly as in the options dialogs.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/surface.h"
#include "shell/dialog.h"

namespace shell {

class ControlSet {
 public:
  using Control = Dialog::Control;
  using Kind = Dialog::Kind;

  ControlSet() = default;
  ~ControlSet();
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // Each returns the control's index. Pictures fill the whole face (they are drawn at their
  // own size under the raised edge); `picture` may be empty for a face of colour only.
  int AddFrame(const std::string& name, int x, int y, int width, int height);
  int AddButton(const std::string& name, int x, int y, int width, int height,
                const std::string& picture, std::function<void()> onClick);
  // An option button of `group`. With a click handler the handler decides what is selected;
  // without one a press selects it.
  int AddOption(const std::string& name, int group, int x, int y, int width, int height,
                const std::string& picture, std::function<void()> onClick = {});

  void SetPicture(int control, const std::string& path);
  void SetFace(int control, platform::Colour face);
  // Selects an option and deselects the others of its group.
  void Select(int option);
  // Shows a control selected (pushed in, ringed) or not, leaving the others as they are.
  void SetSelected(int control, bool selected);
  bool Selected(int control) const { return controls_.at(control).selected; }
  int SelectedIn(int group) const;
  const Control& At(int control) const { return controls_.at(control); }
  int Count() const { return static_cast<int>(controls_.size()); }
  // The index by name, or -1.
  int Find(const std::string& name) const;

  // The button or option under the point (form pixels), or -1.
  int ControlAt(double x, double y) const;

  // A press starts on a control (it shows pushed in); true when the point is on one.
  bool MouseDown(double x, double y);
  // The press ends: released over the same control, the control is pressed (its handler runs).
  // True when a press of this set was under way.
  bool MouseUp(double x, double y);
  bool Pressing() const { return pressed_ >= 0; }

  // Draws every control: frames first, then the rest in order.
  void Draw(platform::Surface& target) const;
  // Deletes every picture (the controls stay, without pictures).
  void FreePictures();

 private:
  int Add(Control c);
  void Press(int control);

  std::vector<Control> controls_;
  int pressed_ = -1;
};

}  // namespace shell
