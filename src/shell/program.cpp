#include "shell/program.h"

#include <cstdio>
#include <string>

#include "gameutil/gameutil.h"
#include "platform/paths.h"
#include "platform/runtime.h"
#include "shell/runtime_host.h"

namespace shell {
namespace {

// Until the menu exists: an empty screen that Escape closes.
class EmptyForm final : public platform::Form {
 public:
  explicit EmptyForm(platform::Runtime& runtime) : Form(runtime, "EmptyForm") {}
  void Form_Load() override {
    BackColor = platform::kBlack;
    Cls();
  }
  void Form_KeyDown(int& keyCode, int) override {
    if (keyCode == platform::Keys::kEscape) Unload();
  }
};

}  // namespace

int RunProgram(int argc, const char* const* argv) {
  std::string error;
  auto options = platform::ParseRunOptions(argc, argv, &error);
  if (!options) {
    std::fprintf(stderr, "kidplay: %s\n", error.c_str());
    return 2;
  }
  platform::Runtime runtime(*options, platform::ExecutableFolder());
  if (!runtime.Start(&error)) {
    std::fprintf(stderr, "kidplay: %s\n", error.c_str());
    return options->headless ? 2 : 1;
  }
  RuntimeHost host(runtime);
  GameUtil::SetHost(&host);
  runtime.Create<EmptyForm>().Show();
  const int status = runtime.Run();
  GameUtil::SetHost(nullptr);
  return status;
}

}  // namespace shell
