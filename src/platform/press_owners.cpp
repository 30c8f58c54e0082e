#include "platform/press_owners.h"

namespace platform {

bool PressOwners::KeyDown(int key, const Form* front) {
  const auto [it, first] = keys_.try_emplace(key, front);
  const bool handled = first || it->second == front;
  lastDown_ = handled ? front : nullptr;
  return handled;
}

void PressOwners::KeyUp(int key) {
  keys_.erase(key);
}

void PressOwners::Forget(const Form* form) {
  for (auto& [key, owner] : keys_) {
    if (owner == form) owner = nullptr;
  }
  if (buttonOwner_ == form) buttonOwner_ = nullptr;
  if (lastDown_ == form) lastDown_ = nullptr;
}

}  // namespace platform
