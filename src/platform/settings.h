// The per-user settings store: one INI file, one section per game, values as decimal text.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A settings text as the store reads it: sections in file order, each with its keys in order.
struct SettingsSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
};
using SettingsDocument = std::vector<SettingsSection>;

// Everything that reads as "[Section]" or "Key=Value" below a section, names and values
// trimmed; other lines are skipped. A repeated section continues the first one; a repeated
// key keeps its first value. A byte-order mark at the start is skipped.
SettingsDocument ParseSettings(std::string_view text);
// The text that ParseSettings reads back as the same document.
std::string SerialiseSettings(const SettingsDocument& document);

class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path file);

  // $XDG_CONFIG_HOME/Kidplay/settings.ini, else ~/.config/Kidplay/settings.ini.
  static std::filesystem::path DefaultFile();

  // Reads the file afresh; the default when the file, section or key is missing or unreadable.
  // A file that is there but cannot be read (not a regular file, too large) also fills
  // `problem` with a line for the user.
  std::string GetSetting(const std::string& section, const std::string& key,
                         const std::string& fallback, std::string* problem = nullptr) const;

  // Rewrites the whole file atomically (temporary file, then rename), keeping every other
  // section and key that could be read. Returns false when the file could not be written, with
  // the reason in `problem`; a file that exists but cannot be read is never replaced.
  bool SaveSetting(const std::string& section, const std::string& key, const std::string& value,
                   std::string* problem = nullptr);

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace platform
