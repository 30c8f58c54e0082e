// The small picture-only options dialogs: modal over the game, drawn in the program's window.
// Frames group controls; picture option buttons (one selected per group, shown pressed in);
// picture command buttons; picture boxes. Tab or the arrow keys move the focus, Space or Enter
// press the focused control, Escape cancels.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/runtime.h"

namespace shell {

class Dialog : public platform::Form {
 public:
  // A dialog of the given size, centred on the screen. `name` is its name in the trace.
  Dialog(platform::Runtime& runtime, std::string name, int width, int height);
  ~Dialog() override;

  enum class Kind { Frame, Button, Option, Picture };
  struct Control {
    Kind kind = Kind::Frame;
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int group = -1;
    bool selected = false;
    std::int32_t picture = 0;
    std::function<void()> onClick;
    // A colour of its own for the face (a colour swatch), else the dialogs' face colour.
    bool hasFace = false;
    platform::Colour face = 0;
    // The margin the picture is fitted into. 0: the picture is the whole face, drawn at its own
    // size under the edge.
    int inset = 4;
  };

  // Each returns the control's index.
  int AddFrame(const std::string& name, int x, int y, int width, int height);
  int AddButton(const std::string& name, int x, int y, int width, int height,
                const std::string& picture, std::function<void()> onClick);
  int AddOption(const std::string& name, int group, int x, int y, int width, int height,
                const std::string& picture);
  int AddPictureBox(const std::string& name, int x, int y, int width, int height);
  // An option without a picture whose face is the colour `face` (a colour swatch).
  int AddColourOption(const std::string& name, int group, int x, int y, int width, int height,
                      platform::Colour face);

  // Loads a new picture into a control (the old one is deleted).
  void SetPicture(int control, const std::string& path);
  // Selects an option; the others of its group are deselected.
  void Select(int option);
  // The index of the selected option of a group, or -1.
  int SelectedIn(int group) const;
  // The button Escape (and the window's close button) press.
  void SetCancelButton(int button) { cancel_ = button; }
  void SetFocus(int control);
  int Focus() const { return focus_; }
  const Control& At(int control) const { return controls_.at(control); }
  // Redraws the whole dialog and shows it.
  void Redraw();

  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void Form_Unload() override;
  void Form_QueryClose() override;

 private:
  int ControlAt(double x, double y) const;
  bool Focusable(int control) const;
  void MoveFocus(int step);
  void Press(int control);
  void DrawControl(int index);
  void FreePictures();

  std::vector<Control> controls_;
  int focus_ = -1;
  int pressed_ = -1;
  int cancel_ = -1;
  bool keyLatch_ = false;
};

// A control of `kind` at (x, y), of `group` (-1: none), without a picture, not selected.
Dialog::Control MakeControl(Dialog::Kind kind, const std::string& name, int x, int y, int width,
                            int height, int group = -1);

// Draws a control's face, edge, picture and selection as the dialogs show them (no focus mark);
// `pressed` shows it pushed in while the pointer holds it.
void DrawControlFace(platform::Surface& s, const Dialog::Control& c, bool pressed);

}  // namespace shell
