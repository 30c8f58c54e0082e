#include "gameutil/gameutil.h"

namespace Settings {
GameUtil::Boolean soundOn = GameUtil::True;
}

namespace GameUtil {

std::int32_t PlayGameSound(const std::string& path, std::int32_t /*module*/, std::int32_t flags) {
  if (Settings::soundOn != True) return 0;
  Host* host = GetHost();
  return host ? host->PlaySound(path, static_cast<std::uint32_t>(flags)) : 0;
}

void StopAllSounds() {
  // The short silent sound replaces whatever wave is playing or looping.
  PlayGameSound("Sfx\\Silence.wav", 0, 1);
  if (Host* host = GetHost()) host->SendMediaCommand("close all", nullptr);
}

}  // namespace GameUtil
