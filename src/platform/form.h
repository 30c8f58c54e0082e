// A form: one screen or dialog with its own persistent picture, drawing state, event handlers
// and timers. Handlers are virtual methods named like the events they answer.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/cursor.h"
#include "platform/surface.h"

namespace platform {

class Runtime;
class Form;

// Mouse pointer kinds of a form.
namespace Pointer {
constexpr int kDefault = 0;
constexpr int kCross = 2;
constexpr int kHourglass = 11;
constexpr int kCustom = 99;
}  // namespace Pointer

// A timer fires its handler every `interval` ms while enabled and its form is loaded.
class Timer {
 public:
  // A timer of `owner`, disabled until SetEnabled(true).
  Timer(Form& owner, int interval, std::function<void()> handler);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetInterval(int ms);
  int Interval() const { return interval_; }

 private:
  friend class Runtime;
  Form& owner_;
  int interval_;
  bool enabled_ = false;
  bool running_ = false;
  std::int64_t due_ = 0;
  std::function<void()> handler_;
};

class Form {
 public:
  // A form of the given size at (left, top) on the 800 x 600 canvas; `name` is the name the
  // trace uses ("MenuForm", "MazeOptions").
  Form(Runtime& runtime, std::string name, int left = 0, int top = 0, int width = 800,
       int height = 600);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  Runtime& runtime() { return runtime_; }

  // Loads the form (Form_Load) on first use, makes it visible and the front form, and fires
  // Form_Activate.
  void Show();
  // Shows the form as a modal dialog and returns once it has been hidden or unloaded.
  void ShowModal();
  void Hide();
  // Fires Form_Unload and takes the form off the screen. A form the runtime owns is deleted
  // once no handler of it runs any more.
  void Unload();
  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }

  // Event handlers. Pointer positions are form pixels.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload() {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseMove(int /*buttons*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
  virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
  virtual void Form_KeyPress(int& /*keyAscii*/) {}
  // The window's close button: by default the form unloads itself.
  virtual void Form_QueryClose() { Unload(); }
  // The program is asked to end from outside (SIGTERM at a logout or shutdown, SIGINT): the
  // front form is told, and after it each form that comes to the front, until none is left.
  // By default the same as the close button.
  virtual void Form_EndSession() { Form_QueryClose(); }

  // The persistent picture and the drawing state.
  Surface& Image() { return image_; }
  const Surface& Image() const { return image_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  void Move(int left, int top);

  Colour BackColor = kWhite;
  Colour ForeColor = kBlack;
  Colour FillColor = kBlack;
  bool FillSolid = false;  // filled shapes use FillColor when true
  int DrawWidth = 1;
  double CurrentX = 0;
  double CurrentY = 0;
  int FontSize = 13;  // pixels
  bool FontBold = false;

  // Clears the picture to BackColor and puts the current position at (0, 0).
  void Cls();
  // A line in colour c (ForeColor when omitted) with DrawWidth; the current position moves to
  // its end.
  void Line(int x1, int y1, int x2, int y2);
  void Line(int x1, int y1, int x2, int y2, Colour c);
  // A rectangle outline (DrawWidth) or a filled box, corners included.
  void Box(int x1, int y1, int x2, int y2, Colour c);
  void FilledBox(int x1, int y1, int x2, int y2, Colour c);
  // A circle: filled with FillColor when FillSolid, outlined in colour c.
  void Circle(int x, int y, int r, Colour c);
  // Text at the current position in ForeColor; the current position moves below it.
  void Print(const std::string& text);
  // Shows the picture on the screen now.
  void Refresh();

  // The mouse pointer shown over this form: Pointer::kDefault, kHourglass, kCross or kCustom
  // with the picture of SetMouseIcon.
  void SetMousePointer(int kind);
  int MousePointer() const { return mousePointer_; }
  // Loads a ".cur" file (a program path) as the custom pointer; false if it cannot be read.
  bool SetMouseIcon(const std::string& path);
  const CursorImage* MouseIcon() const { return mouseIcon_.get(); }

 private:
  friend class Runtime;
  Runtime& runtime_;
  std::string name_;
  Surface image_;
  int left_;
  int top_;
  bool loaded_ = false;
  bool visible_ = false;
  bool ownedByRuntime_ = false;
  std::uint64_t serial_;  // counts up over the forms of a run, never reused
  int mousePointer_ = Pointer::kDefault;
  std::unique_ptr<CursorImage> mouseIcon_;
};

}  // namespace platform
