#include "platform/input.h"

#include <cctype>
#include <string>

namespace platform {

std::optional<int> KeyCodeFromName(std::string_view name) {
  struct Named {
    std::string_view name;
    int code;
  };
  static constexpr Named kNamed[] = {
      {"Escape", Keys::kEscape}, {"Enter", Keys::kEnter},
      {"Space", Keys::kSpace},   {"Backspace", Keys::kBackspace},
      {"Tab", Keys::kTab},       {"Left", Keys::kLeft},
      {"Right", Keys::kRight},   {"Up", Keys::kUp},
      {"Down", Keys::kDown},     {"F1", Keys::kF1},
  };
  for (const auto& n : kNamed) {
    if (n.name == name) return n.code;
  }
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= '0' && c <= '9') return c;
  }
  return std::nullopt;
}

std::optional<int> KeyCharacter(int keyCode, bool shifted) {
  switch (keyCode) {
    case Keys::kBackspace:
    case Keys::kTab:
    case Keys::kEnter:
    case Keys::kEscape:
    case Keys::kSpace:
      return keyCode;
    default:
      break;
  }
  if (keyCode >= 'A' && keyCode <= 'Z') return shifted ? keyCode : std::tolower(keyCode);
  if (keyCode >= '0' && keyCode <= '9') return keyCode;
  return std::nullopt;
}

}  // namespace platform
