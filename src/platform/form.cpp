#include "platform/form.h"

#include <algorithm>

#include "platform/draw.h"
#include "platform/file_read.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace platform {

Timer::Timer(Form& owner, int interval, std::function<void()> handler)
    : owner_(owner), interval_(interval), handler_(std::move(handler)) {
  owner_.runtime().AddTimer(this);
}

Timer::~Timer() {
  owner_.runtime().RemoveTimer(this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = owner_.runtime().NowMs() + std::max(1, interval_);
  enabled_ = enabled;
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) due_ = owner_.runtime().NowMs() + std::max(1, interval_);
}

namespace {
std::uint64_t nextFormSerial = 1;
}  // namespace

Form::Form(Runtime& runtime, std::string name, int left, int top, int width, int height)
    : runtime_(runtime),
      name_(std::move(name)),
      image_(std::max(0, width), std::max(0, height), ToPixel(kWhite)),
      left_(left),
      top_(top),
      serial_(nextFormSerial++) {}

Form::~Form() {
  auto& shown = runtime_.shown_;
  shown.erase(std::remove(shown.begin(), shown.end(), this), shown.end());
  auto& modal = runtime_.modal_;
  modal.erase(std::remove(modal.begin(), modal.end(), this), modal.end());
}

void Form::Show() {
  if (!loaded_) {
    loaded_ = true;
    {
      Runtime::HandlerScope scope(runtime_);
      Form_Load();
    }
    if (!loaded_) return;  // unloaded itself while loading
  }
  if (!visible_) {
    visible_ = true;
    runtime_.Trace("show " + name_);
    // The live surface count after every show lets a test see a screen that leaks pictures.
    if (runtime_.surfaceCounter_)
      runtime_.Trace("surfaces " + std::to_string(runtime_.surfaceCounter_()));
  }
  runtime_.FormShown(*this);
  {
    Runtime::HandlerScope scope(runtime_);
    Form_Activate();
  }
  Refresh();
}

void Form::ShowModal() {
  runtime_.RunModal(*this);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  runtime_.FormHidden(*this);
  runtime_.Present();
}

void Form::Unload() {
  if (!loaded_) return;
  {
    Runtime::HandlerScope scope(runtime_);
    Form_Unload();
  }
  loaded_ = false;
  visible_ = false;
  runtime_.Trace("unload " + name_);
  runtime_.FormUnloaded(*this);
  runtime_.Present();
}

void Form::Move(int left, int top) {
  left_ = left;
  top_ = top;
}

void Form::Cls() {
  image_.Fill(ToPixel(BackColor));
  CurrentX = 0;
  CurrentY = 0;
}

void Form::Line(int x1, int y1, int x2, int y2) {
  Line(x1, y1, x2, y2, ForeColor);
}

void Form::Line(int x1, int y1, int x2, int y2, Colour c) {
  DrawLine(image_, x1, y1, x2, y2, std::max(1, DrawWidth), c);
  CurrentX = x2;
  CurrentY = y2;
}

void Form::Box(int x1, int y1, int x2, int y2, Colour c) {
  DrawBox(image_, x1, y1, x2, y2, std::max(1, DrawWidth), c);
  CurrentX = x2;
  CurrentY = y2;
}

void Form::FilledBox(int x1, int y1, int x2, int y2, Colour c) {
  FillBox(image_, x1, y1, x2, y2, c);
  CurrentX = x2;
  CurrentY = y2;
}

void Form::Circle(int x, int y, int r, Colour c) {
  if (FillSolid) FillCircle(image_, x, y, r, FillColor);
  DrawCircle(image_, x, y, r, std::max(1, DrawWidth), c);
  CurrentX = x;
  CurrentY = y;
}

void Form::Print(const std::string& text) {
  const TextExtent size = DrawText(image_, static_cast<int>(CurrentX), static_cast<int>(CurrentY),
                                   text, FontSize, FontBold, ForeColor);
  CurrentX = 0;
  CurrentY += size.height > 0 ? size.height : FontSize;
}

void Form::Refresh() {
  if (visible_) runtime_.Present();
}

void Form::SetMousePointer(int kind) {
  mousePointer_ = kind;
  if (runtime_.FrontForm() == this) runtime_.UpdatePointer();
}

bool Form::SetMouseIcon(const std::string& path) {
  auto file = runtime_.Resolve(path);
  if (!file) return false;
  const auto bytes = ReadBoundedFile(*file, FileLimits::kCursor);
  if (!bytes) return false;
  auto image = ParseCursor(*bytes);
  if (!image) return false;
  mouseIcon_ = std::make_unique<CursorImage>(std::move(*image));
  if (runtime_.FrontForm() == this) runtime_.UpdatePointer();
  return true;
}

}  // namespace platform
