// Words the program reads from people, on its command line and in a replay script.
#pragma once
#include <string>
#include <string_view>

namespace platform {

// A word as an error message shows it: cut short, control characters as "?".
std::string Echo(std::string_view word);

}  // namespace platform
