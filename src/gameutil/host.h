// What the game library needs from the running program. The runtime provides it; tests give a
// fake one.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/display_mode.h"
#include "platform/message_box.h"

namespace GameUtil {

class Host {
 public:
  virtual ~Host() = default;
  // Milliseconds since the program started (real or virtual clock).
  virtual std::int64_t NowMs() = 0;
  // A modal message box; returns when it has been closed.
  virtual void ShowMessage(const std::string& title, const std::string& text,
                           platform::MessageIcon icon) = 0;
  // The wave channel: 1 on success, 0 when the sound cannot be played.
  virtual int PlaySound(const std::string& path, std::uint32_t flags) = 0;
  // The media channel: a command string, with its reply for status commands.
  virtual int SendMediaCommand(const std::string& command, std::string* reply) = 0;
  // The cursor display count: one show (true) or hide (false) call, returning the new count.
  virtual int ShowCursor(bool show) = 0;
  // A program path ("Gfx\Menu\Bg.bmp") as a file name.
  virtual std::optional<std::string> ResolvePath(std::string_view path) = 0;
  virtual platform::DisplayDriver& Display() = 0;
};

// The library talks to this host from now on (nullptr: no host; sounds fail, boxes vanish).
void SetHost(Host* host);
Host* GetHost();

}  // namespace GameUtil
