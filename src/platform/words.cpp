#include "platform/words.h"

namespace platform {

std::string Echo(std::string_view word) {
  constexpr std::size_t kMax = 40;
  std::string out;
  for (const char c : word.substr(0, kMax)) {
    const auto byte = static_cast<unsigned char>(c);
    out += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  if (word.size() > kMax) out += "...";
  return out;
}

}  // namespace platform
