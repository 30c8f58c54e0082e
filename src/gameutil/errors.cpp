#include "gameutil/gameutil.h"

namespace GameUtil {

namespace {
std::string errorContext;
}

void SetErrorContext(const std::string& context) {
  errorContext = context;
}

std::string GetErrorContext() {
  return errorContext;
}

void ShowError(const std::string& context, const std::string& message) {
  if (Host* host = GetHost()) {
    host->ShowMessage("Error", context + ":" + message, platform::MessageIcon::Exclamation);
  }
}

}  // namespace GameUtil
