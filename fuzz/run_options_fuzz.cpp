// Feeds arbitrary command lines (arguments separated by NUL bytes) to the option parser and
// checks what it promises the program: a headless run always has its script, numbers lie in
// their ranges, and an error text stays short.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/run_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  std::string error;
  const auto options =
      platform::ParseRunOptions(static_cast<int>(argv.size()), argv.data(), &error);
  if (!options) {
    Require(!error.empty() && error.size() < 200);
    return 0;
  }
  if (options->help) return 0;
  Require(options->headless == !options->scriptFile.empty());
  Require(options->frameMs >= 1 && options->frameMs <= 1000);
  return 0;
}
