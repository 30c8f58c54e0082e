// The window the canvas is shown in. Only the SDL implementation exists; headless runs have none.
#pragma once
#include <memory>
#include <string>

#include "platform/cursor.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/surface.h"

namespace platform {

class Video {
 public:
  virtual ~Video() = default;
  // Shows the 800 x 600 canvas scaled into the window.
  virtual void Present(const Surface& canvas) = 0;
  // Takes the next input event, translated to canvas pixels and the program's key codes.
  virtual bool PollEvent(InputEvent& event) = 0;
  // Sleeps until an event arrives or `ms` have passed; a negative `ms` waits without a limit.
  virtual void WaitEvent(int ms) = 0;
  // Ends a WaitEvent early. Safe to call from any thread.
  virtual void Wake() = 0;
  // The pointer picture: a Pointer:: kind, with `custom` for Pointer::kCustom.
  virtual void SetPointer(int kind, const CursorImage* custom) = 0;
  virtual void SetPointerShown(bool shown) = 0;
  virtual void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

// Opens the window: fullscreen-desktop with the canvas letterboxed, or a normal 800 x 600
// window. Alt+Enter switches between the two. Nothing (with an error text) when it fails.
std::unique_ptr<Video> OpenSdlVideo(bool windowed, std::string* error);

}  // namespace platform
