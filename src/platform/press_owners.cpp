#include "platform/press_owners.h"

namespace platform {

bool PressOwners::KeyDown(int key, const Form* front) {
  const auto [it, first] = keys_.try_emplace(key, front);
  lastDownHandled_ = first || it->second == front;
  return lastDownHandled_;
}

void PressOwners::KeyUp(int key) {
  keys_.erase(key);
}

void PressOwners::Forget(const Form* form) {
  for (auto& [key, owner] : keys_) {
    if (owner == form) owner = nullptr;
  }
  if (buttonOwner_ == form) buttonOwner_ = nullptr;
}

}  // namespace platform
