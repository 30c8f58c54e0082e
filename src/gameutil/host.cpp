#include "gameutil/host.h"

namespace GameUtil {

namespace {
Host* currentHost = nullptr;
}

void SetHost(Host* host) {
  currentHost = host;
}

Host* GetHost() {
  return currentHost;
}

}  // namespace GameUtil
