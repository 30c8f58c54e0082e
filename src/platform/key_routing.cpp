#include "platform/key_routing.h"

namespace platform {

bool KeyRouting::Down(int key, const Form* front) {
  const auto [it, first] = held_.try_emplace(key, front);
  lastDownHandled_ = first || it->second == front;
  return lastDownHandled_;
}

void KeyRouting::Up(int key) {
  held_.erase(key);
}

void KeyRouting::Forget(const Form* form) {
  for (auto& [key, owner] : held_) {
    if (owner == form) owner = nullptr;
  }
}

}  // namespace platform
