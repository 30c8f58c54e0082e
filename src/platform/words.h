// Words the program reads from people: on its command line, in a replay script, in the
// settings file.
#pragma once
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The word as a whole number of type T; nothing when it is anything else: a sign other than
// "-", a space, a fraction, trailing text, or a number beyond T.
template <typename T>
std::optional<T> WholeNumber(std::string_view word) {
  T value{};
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// A word as an error message shows it: cut short, control characters as "?".
std::string Echo(std::string_view word);

}  // namespace platform
