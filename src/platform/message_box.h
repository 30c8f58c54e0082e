// Kinds of message box icon.
#pragma once

namespace platform {

enum class MessageIcon { Error, Exclamation, Information };

}  // namespace platform
