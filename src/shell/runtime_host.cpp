#include "shell/runtime_host.h"

namespace shell {

int RuntimeHost::PlaySound(const std::string& path, std::uint32_t flags) {
  const int result = runtime_.Sound().PlaySound(path, flags);
  runtime_.Trace("sound " + std::to_string(flags) + " " + std::to_string(result) + " " + path);
  return result;
}

int RuntimeHost::SendMediaCommand(const std::string& command, std::string* reply) {
  runtime_.Trace("mci " + command);
  return runtime_.Sound().SendCommand(command, reply);
}

}  // namespace shell
