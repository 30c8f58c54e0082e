// The per-user settings store: one INI file, one section per game, values as decimal text.
#pragma once
#include <filesystem>
#include <string>

namespace platform {

class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path file);

  // $XDG_CONFIG_HOME/Kidplay/settings.ini, else ~/.config/Kidplay/settings.ini.
  static std::filesystem::path DefaultFile();

  // Reads the file afresh; the default when the file, section or key is missing or unreadable.
  std::string GetSetting(const std::string& section, const std::string& key,
                         const std::string& fallback) const;

  // Rewrites the whole file atomically (temporary file, then rename), keeping every other
  // section and key that could be read. Returns false when the file could not be written.
  bool SaveSetting(const std::string& section, const std::string& key, const std::string& value);

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace platform
