// The SDL window: the 800 x 600 canvas scaled and letterboxed into a fullscreen-desktop window
// (or shown in a normal window), input translated to canvas pixels and the program's key codes.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/video.h"

namespace platform {
namespace {

int KeyCodeOf(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_BACKSPACE:
      return Keys::kBackspace;
    case SDLK_TAB:
      return Keys::kTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return Keys::kEnter;
    case SDLK_ESCAPE:
      return Keys::kEscape;
    case SDLK_SPACE:
      return Keys::kSpace;
    case SDLK_LEFT:
      return Keys::kLeft;
    case SDLK_UP:
      return Keys::kUp;
    case SDLK_RIGHT:
      return Keys::kRight;
    case SDLK_DOWN:
      return Keys::kDown;
    case SDLK_DELETE:
      return Keys::kDelete;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return Keys::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return Keys::kControl;
    default:
      break;
  }
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return Keys::kF1 + static_cast<int>(sym - SDLK_F1);
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + static_cast<int>(sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + static_cast<int>(sym - SDLK_0);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return '1' + static_cast<int>(sym - SDLK_KP_1);
  if (sym == SDLK_KP_0) return '0';
  return 0;
}

int ShiftOf(Uint16 mod) {
  return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

int ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return Buttons::kLeft;
    case SDL_BUTTON_RIGHT:
      return Buttons::kRight;
    case SDL_BUTTON_MIDDLE:
      return Buttons::kMiddle;
    default:
      return 0;
  }
}

class SdlVideo final : public Video {
 public:
  ~SdlVideo() override {
    FreeCursor();
    for (SDL_Cursor* c : systemCursors_) {
      if (c) SDL_FreeCursor(c);
    }
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool Open(bool windowed, std::string* error) {
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // Touchscreens drive the program as a mouse does: a tap clicks, a drag moves with the
    // button held.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "1");
    // SIGTERM and SIGINT are the runtime's: SDL would turn them into the close button.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      if (error) *error = std::string("no display: ") + SDL_GetError();
      return false;
    }
    // Without a display SDL falls back to drivers that show nothing; the program would run
    // unseen for ever. Headless runs have their own way and never come here.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
      if (error)
        *error = std::string("no display: SDL has only its ") + driver +
                 " video driver here, which shows nothing (set DISPLAY or WAYLAND_DISPLAY, or "
                 "use --headless --script FILE)";
      return false;
    }
    // The first user event type carries key characters (Translate); the wake-up takes the next.
    if (const Uint32 first = SDL_RegisterEvents(2); first != static_cast<Uint32>(-1))
      wakeEvent_ = first + 1;
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    int w = kCanvasWidth, h = kCanvasHeight;
    SDL_DisplayMode desktop;
    if (!windowed) {
      flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
      // Made at the desktop's size from the start, the window covers the screen even where no
      // window manager carries out the fullscreen request.
      if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        x = 0;
        y = 0;
        w = desktop.w;
        h = desktop.h;
      }
    }
    window_ = SDL_CreateWindow("Kidplay", x, y, w, h, flags);
    if (!window_) return Fail(error);
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) return Fail(error);
    SDL_RenderSetLogicalSize(renderer_, kCanvasWidth, kCanvasHeight);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 kCanvasWidth, kCanvasHeight);
    if (!texture_) return Fail(error);
    systemCursors_[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    systemCursors_[1] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    systemCursors_[2] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR);
    return true;
  }

  void Present(const Surface& canvas) override {
    if (canvas.width() != kCanvasWidth || canvas.height() != kCanvasHeight) return;
    SDL_UpdateTexture(texture_, nullptr, canvas.data(), kCanvasWidth * 4);
    hasPicture_ = true;
    Redraw();
  }

  bool PollEvent(InputEvent& out) override {
    if (doubleClick_) {
      doubleClick_ = false;
      out = InputEvent{};
      out.kind = InputEvent::Kind::DblClick;
      return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (Translate(e, out)) return true;
    }
    return false;
  }

  void WaitEvent(int ms) override {
    if (ms < 0) {
      SDL_WaitEvent(nullptr);
    } else if (ms > 0) {
      SDL_WaitEventTimeout(nullptr, ms);
    }
  }

  void Wake() override {
    if (wakeEvent_ == static_cast<Uint32>(-1)) return;
    SDL_Event e{};
    e.type = wakeEvent_;
    SDL_PushEvent(&e);
  }

  void SetPointer(int kind, const CursorImage* custom) override {
    pointerKind_ = kind;
    pointerImage_ = kind == Pointer::kCustom ? custom : nullptr;
    ApplyPointer();
  }

  void SetPointerShown(bool shown) override { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

  void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) override {
    Uint32 flags = icon == MessageIcon::Error         ? SDL_MESSAGEBOX_ERROR
                   : icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING
                                                      : SDL_MESSAGEBOX_INFORMATION;
    // A fullscreen window would cover the box: leave fullscreen while it is open.
    const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (full) SetFullscreen(false);
    SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), window_);
    if (full) SetFullscreen(true);
    SDL_FlushEvents(SDL_MOUSEMOTION, SDL_MOUSEWHEEL);
  }

 private:
  // Shows the texture's picture again: the runtime shows a frame only when its picture changed,
  // so a window uncovered or resized is redrawn here.
  void Redraw() {
    if (!hasPicture_) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  bool Fail(std::string* error) {
    if (error) *error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }

  void SetFullscreen(bool full) {
    SDL_SetWindowFullscreen(window_, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!full) {
      SDL_SetWindowSize(window_, kCanvasWidth, kCanvasHeight);
      SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    ApplyPointer();
  }

  // The canvas scale: how many window pixels one canvas pixel covers.
  float Scale() const {
    float sx = 1, sy = 1;
    SDL_RenderGetScale(renderer_, &sx, &sy);
    return std::max(0.1f, std::min(sx, sy));
  }

  static bool OnCanvas(int x, int y) {
    return x >= 0 && y >= 0 && x < kCanvasWidth && y < kCanvasHeight;
  }

  bool Translate(const SDL_Event& e, InputEvent& out) {
    out = InputEvent{};
    switch (e.type) {
      case SDL_QUIT:
        out.kind = InputEvent::Kind::Quit;
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) ApplyPointer();
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_EXPOSED) {
          Redraw();
        }
        return false;
      case SDL_MOUSEMOTION:
        // Outside the canvas (the letterbox bars) the pointer sticks to the nearest edge.
        out.kind = InputEvent::Kind::MouseMove;
        out.x = std::clamp(e.motion.x, 0, kCanvasWidth - 1);
        out.y = std::clamp(e.motion.y, 0, kCanvasHeight - 1);
        out.shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        out.button = ButtonOf(e.button.button);
        if (out.button == 0) return false;
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        // A press in the letterbox bars is ignored; its release only ends a press that began
        // on the canvas.
        if (down && !OnCanvas(e.button.x, e.button.y)) return false;
        if (down) {
          pressed_ |= out.button;
        } else {
          if (!(pressed_ & out.button)) return false;
          pressed_ &= ~out.button;
        }
        out.kind = down ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
        // The second click of a pair (by the system's double-click time and distance) is
        // followed by a double-click event once its own click has been handled.
        if (!down && out.button == Buttons::kLeft && e.button.clicks >= 2 &&
            e.button.clicks % 2 == 0)
          doubleClick_ = true;
        out.x = std::clamp(e.button.x, 0, kCanvasWidth - 1);
        out.y = std::clamp(e.button.y, 0, kCanvasHeight - 1);
        out.shift = ShiftOf(SDL_GetModState());
        return true;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const SDL_Keycode sym = e.key.keysym.sym;
        if (e.type == SDL_KEYDOWN && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER) &&
            (e.key.keysym.mod & KMOD_ALT)) {
          if (!e.key.repeat) {
            const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
            SetFullscreen(!full);
          }
          altEnterHeld_ = true;
          return false;
        }
        if (e.type == SDL_KEYUP && altEnterHeld_ && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER)) {
          altEnterHeld_ = false;
          return false;
        }
        const int code = KeyCodeOf(sym);
        if (code == 0) return false;
        out.key = code;
        out.shift = ShiftOf(e.key.keysym.mod);
        if (e.type == SDL_KEYUP) {
          out.kind = InputEvent::Kind::KeyUp;
          return true;
        }
        out.kind = InputEvent::Kind::KeyDown;
        // The character event follows the key-down; it is queued for the next poll.
        if (auto ch = KeyCharacter(code, (out.shift & 1) != 0)) {
          SDL_Event press{};
          press.type = SDL_USEREVENT;
          press.user.code = *ch;
          SDL_PushEvent(&press);
        }
        return true;
      }
      case SDL_USEREVENT:
        out.kind = InputEvent::Kind::KeyPress;
        out.key = e.user.code;
        return true;
      default:
        return false;
    }
  }

  static bool SameImage(const CursorImage& a, const CursorImage& b) {
    return a.width == b.width && a.height == b.height && a.hotX == b.hotX && a.hotY == b.hotY &&
           a.argb == b.argb;
  }

  void FreeCursor() {
    if (customCursor_) SDL_FreeCursor(customCursor_);
    customCursor_ = nullptr;
  }

  // Hardware cursors are not scaled with the canvas: scale the picture and hot spot ourselves.
  void ApplyPointer() {
    if (pointerKind_ == Pointer::kCustom && pointerImage_ && !pointerImage_->argb.empty()) {
      const float scale = Scale();
      const CursorImage& wanted = *pointerImage_;
      if (customCursor_ && appliedScale_ == scale && SameImage(applied_, wanted)) {
        SDL_SetCursor(customCursor_);
        return;
      }
      const CursorImage& img = *pointerImage_;
      const int w = std::max(1, static_cast<int>(std::lround(img.width * scale)));
      const int h = std::max(1, static_cast<int>(std::lround(img.height * scale)));
      SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
      if (s) {
        for (int y = 0; y < h; ++y) {
          auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
          const int sy = std::min(img.height - 1, static_cast<int>(y / scale));
          for (int x = 0; x < w; ++x) {
            const int sx = std::min(img.width - 1, static_cast<int>(x / scale));
            row[x] = img.argb[static_cast<std::size_t>(sy) * img.width + sx];
          }
        }
        SDL_Cursor* cursor = SDL_CreateColorCursor(s, static_cast<int>(img.hotX * scale),
                                                   static_cast<int>(img.hotY * scale));
        SDL_FreeSurface(s);
        if (cursor) {  // NULL on drivers without colour cursors: keep the arrow then
          FreeCursor();
          customCursor_ = cursor;
          applied_ = img;
          appliedScale_ = scale;
          SDL_SetCursor(customCursor_);
          return;
        }
      }
    }
    const int index = pointerKind_ == Pointer::kHourglass ? 1
                      : pointerKind_ == Pointer::kCross   ? 2
                                                          : 0;
    if (systemCursors_[index]) SDL_SetCursor(systemCursors_[index]);
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Cursor* systemCursors_[3] = {nullptr, nullptr, nullptr};
  SDL_Cursor* customCursor_ = nullptr;
  CursorImage applied_;
  float appliedScale_ = 0;
  int pointerKind_ = Pointer::kDefault;
  const CursorImage* pointerImage_ = nullptr;
  int pressed_ = 0;
  bool altEnterHeld_ = false;
  bool doubleClick_ = false;
  Uint32 wakeEvent_ = static_cast<Uint32>(-1);
  bool hasPicture_ = false;
};

}  // namespace

std::unique_ptr<Video> OpenSdlVideo(bool windowed, std::string* error) {
  auto video = std::make_unique<SdlVideo>();
  if (!video->Open(windowed, error)) return nullptr;
  return video;
}

}  // namespace platform
