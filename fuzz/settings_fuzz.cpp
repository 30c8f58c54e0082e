// Feeds arbitrary text to the settings parser. Whatever it reads, writing it out and reading
// that again gives the same sections, keys and values: a save never changes what it kept.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "platform/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const platform::SettingsDocument document = platform::ParseSettings(text);
  const platform::SettingsDocument again =
      platform::ParseSettings(platform::SerialiseSettings(document));
  fuzz::Require(again.size() == document.size());
  for (std::size_t i = 0; i < document.size(); ++i) {
    fuzz::Require(again[i].name == document[i].name);
    fuzz::Require(again[i].keys == document[i].keys);
  }
  return 0;
}
