// The game library's view of the running program.
#pragma once
#include "gameutil/host.h"
#include "platform/runtime.h"

namespace shell {

class RuntimeHost final : public GameUtil::Host {
 public:
  explicit RuntimeHost(platform::Runtime& runtime) : runtime_(runtime) {}

  std::int64_t NowMs() override { return runtime_.NowMs(); }
  void ShowMessage(const std::string& title, const std::string& text,
                   platform::MessageIcon icon) override {
    runtime_.MessageBox(title, text, icon);
  }
  int PlaySound(const std::string& path, std::uint32_t flags) override;
  int SendMediaCommand(const std::string& command, std::string* reply) override;
  int ShowCursor(bool show) override { return runtime_.ShowCursor(show); }
  std::optional<std::string> ResolvePath(std::string_view path) override {
    return runtime_.Resolve(path);
  }
  platform::DisplayDriver& Display() override { return runtime_.Display(); }

 private:
  platform::Runtime& runtime_;
};

}  // namespace shell
