#include "platform/runtime.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <limits>
#include <sstream>
#include <thread>

#include "platform/file_read.h"
#include "platform/image_file.h"
#include "platform/paths.h"
#include "platform/sdl_display.h"

namespace platform {
namespace {

// Virtual time starts here (plus the seed), so runs with different seeds see different clocks
// and therefore different random pictures.
constexpr std::int64_t kVirtualStart = 10000;
// Real-time loop passes, and frames, are at least this far apart (about 60 a second), so no
// loop spins a core and the screen is shown no more often than a display refreshes.
constexpr std::int64_t kPassMs = 16;

std::int64_t SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string Absolute(const std::string& path) {
  if (path.empty() || path == "-") return path;
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? path : abs.string();
}

}  // namespace

Runtime::Runtime(RunOptions options, std::filesystem::path programFolder)
    : options_(std::move(options)),
      programFolder_(std::move(programFolder)),
      settings_(SettingsStore::DefaultFile()),
      pacer_(kPassMs) {
  // The program changes its folder at start; names given on the command line stay valid.
  options_.scriptFile = Absolute(options_.scriptFile);
  options_.traceFile = Absolute(options_.traceFile);
  options_.shotsDir = Absolute(options_.shotsDir);
  lock_ = InstanceLock::Acquire(InstanceLock::DefaultFile());
  startTicks_ = SteadyMs();
  virtualNow_ = kVirtualStart + options_.seed;
  display_ = std::make_unique<SdlDisplayDriver>();
}

Runtime::~Runtime() {
  quitSignals_.reset();
  // Forms go first: their destructors still talk to the runtime.
  shown_.clear();
  modal_.clear();
  owned_.clear();
}

bool Runtime::Start(std::string* error) {
  if (options_.headless) {
    ReadProblem why = ReadProblem::kNone;
    const auto text = ReadBoundedText(options_.scriptFile, FileLimits::kScript, &why);
    if (!text) {
      if (error)
        *error = "cannot read the script " + options_.scriptFile + ": " +
                 DescribeReadProblem(why, FileLimits::kScript);
      return false;
    }
    std::string problem;
    auto script = ParseScript(*text, &problem);
    if (!script) {
      if (error) *error = options_.scriptFile + ": " + problem;
      return false;
    }
    script_ = std::move(*script);
    scriptStart_ = virtualNow_;
    if (options_.traceFile == "-") {
      traceToStdout_ = true;
    } else if (!options_.traceFile.empty()) {
      traceFile_.open(options_.traceFile, std::ios::trunc);
      if (!traceFile_) {
        if (error) *error = "cannot write the trace " + options_.traceFile;
        return false;
      }
    }
    if (!options_.shotsDir.empty()) {
      std::error_code ec;
      std::filesystem::create_directories(options_.shotsDir, ec);
    }
  } else if (!PreviousInstance()) {
    // A second copy opens no window (and below no sound device): it only ends.
    video_ = OpenSdlVideo(options_.windowed, error);
    if (!video_) return false;
  }
  SoundSystem::Hooks hooks;
  hooks.now = [this] { return NowMs(); };
  hooks.wait = [this](std::int64_t ms) {
    if (ms <= 0) return;
    ShowFrameBeforeBlocking();
    if (options_.headless) {
      virtualNow_ += ms;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
  };
  hooks.resolve = [this](std::string_view path) { return Resolve(path); };
  sound_ = std::make_unique<SoundSystem>(std::move(hooks), video_ != nullptr);
  // A signal wakes the window's event wait; headless runs never wait in real time.
  std::function<void()> wake;
  if (video_) wake = [video = video_.get()] { video->Wake(); };
  quitSignals_ = std::make_unique<QuitSignals>(std::move(wake));
  return true;
}

std::int64_t Runtime::NowMs() {
  return options_.headless ? virtualNow_ : SteadyMs() - startTicks_;
}

Form* Runtime::FrontForm() {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) {
    if ((*it)->Loaded() && (*it)->Visible()) return *it;
  }
  return shown_.empty() ? nullptr : shown_.back();
}

void Runtime::FormShown(Form& form) {
  shown_.erase(std::remove(shown_.begin(), shown_.end(), &form), shown_.end());
  shown_.push_back(&form);
  UpdatePointer();
}

void Runtime::FormHidden(Form& form) {
  shown_.erase(std::remove(shown_.begin(), shown_.end(), &form), shown_.end());
  UpdatePointer();
}

void Runtime::FormUnloaded(Form& form) {
  FormHidden(form);
  owners_.Forget(&form);
  // Deleted later, by the idle pump, once none of its handlers is running.
}

void Runtime::CollectUnloaded() {
  owned_.erase(std::remove_if(owned_.begin(), owned_.end(),
                              [](const std::unique_ptr<Form>& f) { return !f->Loaded(); }),
               owned_.end());
}

bool Runtime::AnyFormLoaded() const {
  for (const auto& f : owned_) {
    if (f->Loaded()) return true;
  }
  return !shown_.empty();
}

void Runtime::RunModal(Form& form) {
  modal_.push_back(&form);
  struct Leave {
    std::vector<Form*>& modal;
    Form* form;
    ~Leave() { modal.erase(std::remove(modal.begin(), modal.end(), form), modal.end()); }
  };
  {
    Leave leave{modal_, &form};
    HandlerScope scope(*this);
    form.Show();
    while (form.Loaded() && form.Visible()) PumpIdle();
  }
  UpdatePointer();
  Present();
}

void Runtime::RemoveTimer(Timer* t) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end());
}

std::optional<std::int64_t> Runtime::NextTimerDue() const {
  std::optional<std::int64_t> next;
  for (const Timer* t : timers_) {
    if (!t->enabled_ || t->running_ || !t->owner_.Loaded()) continue;
    if (!next || t->due_ < *next) next = t->due_;
  }
  return next;
}

void Runtime::FireTimers() {
  const std::vector<Timer*> snapshot = timers_;
  for (Timer* t : snapshot) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) continue;
    if (!t->enabled_ || t->running_ || !t->owner_.Loaded()) continue;
    const std::int64_t now = NowMs();
    if (now < t->due_) continue;
    t->due_ = now + std::max(1, t->interval_);
    t->running_ = true;
    {
      HandlerScope scope(*this);
      t->handler_();
    }
    // The handler may have deleted its timer (a dialog that closed).
    if (std::find(timers_.begin(), timers_.end(), t) != timers_.end()) t->running_ = false;
  }
}

void Runtime::FinishIfScriptUsedUp() {
  if (pending_.empty() && nextStep_ >= script_.steps.size() &&
      virtualNow_ >= scriptStart_ + script_.endAt) {
    Trace("end");
    throw ScriptFinished{};
  }
}

void Runtime::TakeSignals() {
  if (quitSignals_ && quitSignals_->Take()) {
    Trace("signal");
    endRequested_ = true;
    toldToEnd_ = 0;  // a second signal tells the front form again
  }
}

bool Runtime::FrontFormToTell() {
  TakeSignals();
  const Form* front = FrontForm();
  return endRequested_ && front && front->serial_ != toldToEnd_;
}

void Runtime::TellFrontFormToEnd() {
  // A form that leaves brings another to the front (a game shows the menu): that one is told
  // at once too, unless a modal dialog that left is still returning to its owner's handler;
  // the owner is told once that handler has seen the dialog go.
  while (Form* front = FrontForm()) {
    if (front->serial_ == toldToEnd_) return;
    if (std::any_of(modal_.begin(), modal_.end(),
                    [](const Form* f) { return !f->Loaded() || !f->Visible(); }))
      return;
    toldToEnd_ = front->serial_;
    HandlerScope scope(*this);
    front->Form_EndSession();
  }
}

void Runtime::DispatchDue() {
  if (FrontFormToTell()) TellFrontFormToEnd();
  if (options_.headless) {
    FinishIfScriptUsedUp();
    // A step's events are queued, so a loop that runs inside one of them (an animation
    // started by a key-down) still receives the rest (the key-up) through its own pump.
    while (true) {
      if (!pending_.empty()) {
        const InputEvent event = pending_.front();
        pending_.pop_front();
        Dispatch(event);
      } else if (nextStep_ < script_.steps.size() &&
                 scriptStart_ + script_.steps[nextStep_].at <= virtualNow_) {
        const ScriptStep step = script_.steps[nextStep_++];
        RunStep(step);
      } else {
        break;
      }
    }
  } else {
    InputEvent event;
    while (video_->PollEvent(event)) Dispatch(event);
  }
  FireTimers();
}

void Runtime::PumpIdle() {
  if (handlerDepth_ == 0) CollectUnloaded();
  // The next thing that happens by itself: a timer, or a frame that waits for its turn.
  std::optional<std::int64_t> next = NextTimerDue();
  if (PacesFrames() && pacer_.Pending() && (!next || pacer_.NextFrameAt() < *next))
    next = pacer_.NextFrameAt();
  if (options_.headless) {
    std::int64_t step = scriptStart_ + script_.endAt;
    if (nextStep_ < script_.steps.size()) step = scriptStart_ + script_.steps[nextStep_].at;
    if (!next || step < *next) next = step;
    // A signal is answered at once, before time moves on.
    if (!FrontFormToTell()) virtualNow_ = std::max(virtualNow_, *next);
    DispatchDue();
    ShowFrameIfDue(NowMs());
    return;
  }
  // Nothing due: sleep until input (or a signal) arrives.
  std::int64_t wait =
      next ? std::clamp<std::int64_t>(*next - NowMs(), 0, std::numeric_limits<int>::max()) : -1;
  if (FrontFormToTell()) wait = 0;
  if (wait != 0) video_->WaitEvent(static_cast<int>(wait));
  DispatchDue();
  // Handlers draw without showing; the screen catches up once the queue is empty.
  ShowFrameIfDue(NowMs());
}

void Runtime::DoEvents() {
  if (options_.headless) {
    virtualNow_ += options_.frameMs;
    DispatchDue();
    ShowFrameIfDue(virtualNow_);
    return;
  }
  // A plain sleep, not an event wait: input that arrives meanwhile waits for the end of the
  // pause, so a stream of pointer moves cannot speed the loop up.
  const std::int64_t wait = lastPass_ + kPassMs - NowMs();
  if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
  lastPass_ = NowMs();
  DispatchDue();
  // Passes are at least one refresh apart, so the frame drawn by each may show.
  ShowFrameIfDue(lastPass_);
}

int Runtime::Run() {
  try {
    while (AnyFormLoaded()) PumpIdle();
  } catch (const ScriptFinished&) {
    return 0;
  }
  CollectUnloaded();
  Trace("quit");
  return 0;
}

void Runtime::Dispatch(const InputEvent& queued) {
  using Kind = InputEvent::Kind;
  InputEvent e = queued;
  if (e.x < 0) e.x = cursorX_;
  if (e.y < 0) e.y = cursorY_;
  const bool pointer = e.kind == Kind::MouseMove || e.kind == Kind::MouseDown ||
                       e.kind == Kind::MouseUp || e.kind == Kind::Click;
  if (pointer) {
    cursorX_ = std::clamp(e.x, 0, kCanvasWidth - 1);
    cursorY_ = std::clamp(e.y, 0, kCanvasHeight - 1);
  }
  Form* front = FrontForm();
  if (!front) return;
  HandlerScope scope(*this);
  if (e.kind == Kind::Quit) {
    front->Form_QueryClose();
    return;
  }
  const double x = e.x - front->Left();
  const double y = e.y - front->Top();
  const bool inside = x >= 0 && y >= 0 && x < front->Width() && y < front->Height();
  // A button comes up wherever the pointer is, outside a dialog too; a press and release on the
  // same form is a click.
  bool clicked = false;
  if (e.kind == Kind::MouseUp) {
    buttonsHeld_ &= ~e.button;
    clicked = downButton_ == e.button && owners_.ButtonUpOnOwner(front);
    downButton_ = 0;
  }
  if (pointer && !inside) return;  // outside a dialog
  switch (e.kind) {
    case Kind::MouseMove:
      front->Form_MouseMove(buttonsHeld_, e.shift, x, y);
      break;
    case Kind::MouseDown:
      buttonsHeld_ |= e.button;
      downButton_ = e.button;
      owners_.ButtonDown(front);
      front->Form_MouseDown(e.button, e.shift, x, y);
      break;
    case Kind::MouseUp:
      front->Form_MouseUp(e.button, e.shift, x, y);
      if (clicked && front == FrontForm() && front->Loaded()) front->Form_Click();
      break;
    case Kind::Click:
      front->Form_Click();
      break;
    case Kind::DblClick:
      front->Form_DblClick();
      break;
    case Kind::KeyDown: {
      if (!owners_.KeyDown(e.key, front)) break;
      int key = e.key;
      front->Form_KeyDown(key, e.shift);
      break;
    }
    case Kind::KeyUp: {
      owners_.KeyUp(e.key);
      int key = e.key;
      front->Form_KeyUp(key, e.shift);
      break;
    }
    case Kind::KeyPress: {
      if (!owners_.PressFollows(front)) break;
      int key = e.key;
      front->Form_KeyPress(key);
      break;
    }
    case Kind::Quit:
      break;
  }
}

void Runtime::RunStep(const ScriptStep& step) {
  using Kind = InputEvent::Kind;
  // Pointer events without a place happen where the pointer is when they are handled.
  auto send = [this](Kind kind, int key = 0, int button = 0, int x = -1, int y = -1) {
    InputEvent e;
    e.kind = kind;
    e.key = key;
    e.button = button;
    e.x = x;
    e.y = y;
    pending_.push_back(e);
  };
  switch (step.kind) {
    case ScriptStep::Kind::Move:
      send(Kind::MouseMove, 0, 0, step.x, step.y);
      break;
    case ScriptStep::Kind::Down:
      send(Kind::MouseDown, 0, step.button);
      break;
    case ScriptStep::Kind::Up:
      send(Kind::MouseUp, 0, step.button);
      break;
    case ScriptStep::Kind::Click:
      send(Kind::MouseMove, 0, 0, step.x, step.y);
      send(Kind::MouseDown, 0, Buttons::kLeft);
      send(Kind::MouseUp, 0, Buttons::kLeft);
      break;
    case ScriptStep::Kind::Key:
      send(Kind::KeyDown, step.key);
      if (auto ch = KeyCharacter(step.key, false)) send(Kind::KeyPress, *ch);
      send(Kind::KeyUp, step.key);
      break;
    case ScriptStep::Kind::KeyDown:
      send(Kind::KeyDown, step.key);
      if (auto ch = KeyCharacter(step.key, false)) send(Kind::KeyPress, *ch);
      break;
    case ScriptStep::Kind::KeyUp:
      send(Kind::KeyUp, step.key);
      break;
    case ScriptStep::Kind::DblClick:
      send(Kind::DblClick);
      break;
    case ScriptStep::Kind::Shot: {
      std::filesystem::path file = step.file;
      if (file.is_relative() && !options_.shotsDir.empty()) file = options_.shotsDir / file;
      if (!SavePng(ComposeScreen(), file.string()))
        std::cerr << "kidplay: cannot write the screenshot " << file.string() << "\n";
      break;
    }
  }
}

Surface Runtime::ComposeScreen() const {
  Surface canvas(kCanvasWidth, kCanvasHeight, 0);
  for (const Form* f : shown_) {
    Blit(canvas, f->Left(), f->Top(), f->Width(), f->Height(), f->Image(), 0, 0, Rop::Copy);
  }
  return canvas;
}

void Runtime::Present() {
  if (PacesFrames()) pacer_.Request();
}

void Runtime::ShowFrameIfDue(std::int64_t now) {
  if (PacesFrames() && pacer_.Due(now)) ShowFrame(now);
}

void Runtime::ShowFrameBeforeBlocking() {
  if (PacesFrames() && pacer_.Pending()) ShowFrame(NowMs());
}

void Runtime::ShowFrame(std::int64_t now) {
  layers_.clear();
  for (const Form* f : shown_) {
    layers_.push_back(
        {f->serial_, f->Image().version(), f->Left(), f->Top(), f->Width(), f->Height()});
  }
  const auto picture = [this]() -> const Surface& {
    // With one full-screen form in front (the usual case) its picture is the screen.
    const Form* only = shown_.size() == 1 ? shown_.front() : nullptr;
    if (only && only->Left() == 0 && only->Top() == 0 && only->Width() == kCanvasWidth &&
        only->Height() == kCanvasHeight) {
      return only->Image();
    }
    canvas_ = ComposeScreen();
    return canvas_;
  };
  pacer_.Flush(layers_, now, picture, [this](const Surface& screen) {
    if (video_) video_->Present(screen);
    Trace("frame");
    if (options_.reportStartup && !startupReported_) {
      startupReported_ = true;
      // The CPU time beside it barely moves with other work on the machine.
      std::printf("startup: first frame %lld ms (CPU %lld ms)\n", static_cast<long long>(NowMs()),
                  static_cast<long long>(std::clock() * 1000.0 / CLOCKS_PER_SEC));
      std::fflush(stdout);
    }
  });
}

int Runtime::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  if (video_) video_->SetPointerShown(cursorCount_ >= 0);
  return cursorCount_;
}

void Runtime::UpdatePointer() {
  if (!video_) return;
  Form* front = FrontForm();
  if (!front) {
    video_->SetPointer(Pointer::kDefault, nullptr);
    return;
  }
  video_->SetPointer(front->MousePointer(), front->MouseIcon());
}

void Runtime::MessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
  ShowFrameBeforeBlocking();
  if (video_) {
    video_->MessageBox(title, text, icon);
  } else {
    Trace("box " + title + "|" + text);
  }
}

std::optional<std::string> Runtime::Resolve(std::string_view path) const {
  auto resolved = ResolvePath(programFolder_, path);
  if (!resolved) return std::nullopt;
  return resolved->string();
}

std::string Runtime::GetSetting(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  const auto unsaved = unsavedSettings_.find({section, key});
  if (unsaved != unsavedSettings_.end()) return unsaved->second;
  std::string problem;
  std::string value = settings_.GetSetting(section, key, fallback, &problem);
  if (!problem.empty()) TellSettingsProblem(problem);
  return value;
}

void Runtime::SaveSetting(const std::string& section, const std::string& key,
                          const std::string& value) {
  std::string problem;
  if (settings_.SaveSetting(section, key, value, &problem)) {
    unsavedSettings_.erase({section, key});
    Trace("setting " + section + " " + key + " " + value);
    return;
  }
  unsavedSettings_[{section, key}] = value;
  Trace("setting-failed " + section + " " + key + " " + value);
  TellSettingsProblem(problem);
}

void Runtime::TellSettingsProblem(const std::string& problem) const {
  if (settingsProblemTold_) return;
  settingsProblemTold_ = true;
  std::fprintf(stderr, "kidplay: settings: %s; options last only until the program ends\n",
               problem.c_str());
}

void Runtime::Trace(const std::string& line) {
  if (!options_.headless) return;
  const std::string text = std::to_string(NowMs()) + " " + line + "\n";
  if (traceToStdout_) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  } else if (traceFile_.is_open()) {
    traceFile_ << text << std::flush;
  }
}

}  // namespace platform
