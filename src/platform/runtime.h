// The running program: the clock, the forms and their event pump, timers, the screen, the
// pointer, sound, settings and the trace of headless runs.
#pragma once
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/audio.h"
#include "platform/display_mode.h"
#include "platform/form.h"
#include "platform/frame_pacer.h"
#include "platform/input.h"
#include "platform/instance_lock.h"
#include "platform/message_box.h"
#include "platform/press_owners.h"
#include "platform/quit_signals.h"
#include "platform/replay_script.h"
#include "platform/run_options.h"
#include "platform/settings.h"
#include "platform/video.h"

namespace platform {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;

// Thrown out of the pump when a headless script is used up; Run() catches it.
struct ScriptFinished {};

class Runtime {
 public:
  Runtime(RunOptions options, std::filesystem::path programFolder);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Reads the script (headless) or opens the window. False with a text when that fails.
  bool Start(std::string* error);

  bool Headless() const { return options_.headless; }
  // The command line the program was started with.
  const RunOptions& Options() const { return options_; }
  // Another copy of the program was running when this one started.
  bool PreviousInstance() const { return !lock_.has_value(); }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }

  // Milliseconds since start-up (virtual in headless runs).
  std::int64_t NowMs();

  // Creates a form the runtime owns and deletes after it has unloaded.
  template <typename F, typename... Args>
  F& Create(Args&&... args) {
    auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
    F& ref = *form;
    form->ownedByRuntime_ = true;
    owned_.push_back(std::move(form));
    return ref;
  }
  // The form that receives input: the innermost modal dialog, else the last form shown.
  Form* FrontForm();

  // One pass of a form's loop: lets time pass, runs pending input and due timers, shows the
  // screen if it changed. Never spins a core: real-time passes are paced to the display rate,
  // whatever input arrives.
  void DoEvents();
  // Runs until every form has unloaded or the script is used up; returns the exit status.
  int Run();

  // The screen as the visible forms make it up, bottom to top.
  Surface ComposeScreen() const;
  // Asks for the screen to be shown. It is shown by the pump, only when its picture changed
  // and at most once per display refresh, however often this is asked.
  void Present();
  // Frames shown so far (in a window, or headless with --trace-frames).
  std::int64_t FramesShown() const { return pacer_.FramesShown(); }
  // SIGTERM or SIGINT has asked the program to end. Each front form is told once, through
  // Form_EndSession, until none is left.
  bool EndRequested() const { return endRequested_; }

  // The pointer in canvas pixels.
  int CursorX() const { return cursorX_; }
  int CursorY() const { return cursorY_; }
  // The cursor display count: one show or hide call; returns the new count.
  int ShowCursor(bool show);
  // Puts the front form's pointer on the screen.
  void UpdatePointer();

  SoundSystem& Sound() { return *sound_; }
  DisplayDriver& Display() { return *display_; }
  void MessageBox(const std::string& title, const std::string& text, MessageIcon icon);
  std::optional<std::string> Resolve(std::string_view path) const;
  // Settings: a value that could not be stored stays in effect for the rest of the run, and
  // the first failure to read or write the file is told once on stderr.
  std::string GetSetting(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  void SaveSetting(const std::string& section, const std::string& key, const std::string& value);
  // One trace line, prefixed with the time (headless runs with --trace only).
  void Trace(const std::string& line);
  // Where the live surface count comes from; the trace shows it after every shown form.
  void SetSurfaceCounter(std::function<int()> counter) { surfaceCounter_ = std::move(counter); }

 private:
  friend class Form;
  friend class Timer;
  // Counts a handler as running for as long as it lives, so its form is not deleted under it.
  class HandlerScope {
   public:
    explicit HandlerScope(Runtime& runtime) : runtime_(runtime) { ++runtime_.handlerDepth_; }
    ~HandlerScope() { --runtime_.handlerDepth_; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

   private:
    Runtime& runtime_;
  };

  void FormShown(Form& form);
  void FormHidden(Form& form);
  void FormUnloaded(Form& form);
  void RunModal(Form& form);
  void AddTimer(Timer* t) { timers_.push_back(t); }
  void RemoveTimer(Timer* t);

  // Waits for the next thing to happen and handles it (top level and modal loops).
  void PumpIdle();
  // Handles everything due now: script steps or window events, then timers.
  void DispatchDue();
  void Dispatch(const InputEvent& event);
  void RunStep(const ScriptStep& step);
  void FireTimers();
  std::optional<std::int64_t> NextTimerDue() const;
  void CollectUnloaded();
  bool AnyFormLoaded() const;
  void FinishIfScriptUsedUp();
  // Notes a signal that arrived; whether the program must end and the front form was not told.
  void TakeSignals();
  bool FrontFormToTell();
  void TellFrontFormToEnd();
  // Whether frames are decided at all: in a window, and headless with --trace-frames.
  bool PacesFrames() const { return video_ != nullptr || options_.traceFrames; }
  void ShowFrameIfDue(std::int64_t now);
  void ShowFrame(std::int64_t now);
  // Shows a waiting frame at once, before the program blocks (a message box, a sound that
  // plays to its end).
  void ShowFrameBeforeBlocking();

  RunOptions options_;
  std::filesystem::path programFolder_;
  std::optional<InstanceLock> lock_;
  std::unique_ptr<Video> video_;
  std::unique_ptr<SoundSystem> sound_;
  std::unique_ptr<DisplayDriver> display_;
  SettingsStore settings_;
  std::map<std::pair<std::string, std::string>, std::string> unsavedSettings_;
  mutable bool settingsProblemTold_ = false;
  void TellSettingsProblem(const std::string& problem) const;
  std::ofstream traceFile_;
  bool traceToStdout_ = false;

  // Clock: real time counts from start-up; virtual time starts at a fixed value.
  std::int64_t startTicks_ = 0;
  std::int64_t virtualNow_ = 0;
  std::int64_t lastPass_ = 0;  // when the last real-time loop pass began
  FramePacer pacer_;
  std::vector<ScreenLayer> layers_;  // scratch: the screen's forms, bottom to top
  Surface canvas_;                   // scratch: the screen when forms overlap
  bool startupReported_ = false;
  std::unique_ptr<QuitSignals> quitSignals_;
  bool endRequested_ = false;
  std::uint64_t toldToEnd_ = 0;  // serial of the last form told to end

  Script script_;
  std::deque<InputEvent> pending_;  // input of the current step, not yet handled
  std::size_t nextStep_ = 0;
  std::int64_t scriptStart_ = 0;

  std::vector<std::unique_ptr<Form>> owned_;
  std::vector<Form*> shown_;  // visible forms, bottom to top
  std::vector<Form*> modal_;  // modal dialogs, outermost first
  std::vector<Timer*> timers_;
  int handlerDepth_ = 0;
  std::function<int()> surfaceCounter_;

  int cursorX_ = 0;
  int cursorY_ = 0;
  int buttonsHeld_ = 0;
  int downButton_ = 0;
  PressOwners owners_;
  int cursorCount_ = 0;
};

}  // namespace platform
