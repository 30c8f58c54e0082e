#include "platform/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/file_read.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

using Section = SettingsSection;
using Document = SettingsDocument;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

Section* FindSection(Document& doc, std::string_view name) {
  for (Section& s : doc)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

std::string* FindKey(Section& section, std::string_view key) {
  for (auto& [k, v] : section.keys)
    if (SameName(k, key)) return &v;
  return nullptr;
}

}  // namespace

Document ParseSettings(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Document doc;
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      std::string_view name = Trim(line.substr(1, close - 1));
      if (name.empty()) {
        current = nullptr;
        continue;
      }
      current = FindSection(doc, name);
      if (!current) current = &doc.emplace_back(Section{std::string(name), {}});
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!current || eq == std::string_view::npos) continue;
    std::string_view key = Trim(line.substr(0, eq));
    if (key.empty() || FindKey(*current, key)) continue;
    current->keys.emplace_back(std::string(key), std::string(Trim(line.substr(eq + 1))));
  }
  return doc;
}

std::string SerialiseSettings(const Document& doc) {
  std::string out;
  for (const Section& s : doc) {
    if (!out.empty()) out += '\n';
    out += '[' + s.name + "]\n";
    for (const auto& [k, v] : s.keys) out += k + '=' + v + '\n';
  }
  return out;
}

namespace {

// The file's text; an empty text for a missing file, nothing (with the reason) when it exists
// but cannot be read, so that a save does not replace keys it never saw.
std::optional<std::string> ReadFile(const fs::path& file, std::string* problem) {
  ReadProblem why = ReadProblem::kNone;
  std::optional<std::string> text = ReadBoundedText(file, FileLimits::kSettings, &why);
  if (why == ReadProblem::kMissing) return std::string();
  if (!text && problem) {
    *problem =
        "cannot read " + file.string() + ": " + DescribeReadProblem(why, FileLimits::kSettings);
  }
  return text;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the text to a fresh file beside `file` and renames it over `file`, so a reader sees
// either the old or the new contents, never a half-written file.
bool ReplaceFile(const fs::path& file, const std::string& text, int* error) {
  static std::atomic<unsigned> counter{0};
  const fs::path temp =
      file.parent_path() / (file.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                            std::to_string(counter++));
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = errno;
    return false;
  }
  bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
  if (!ok) *error = errno;
  if (::close(fd) != 0 && ok) {
    *error = errno;
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), file.c_str()) != 0) {
    *error = errno;
    ok = false;
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

// Names and values that would not read back as written: line breaks or NULs anywhere, "]" in
// a section name, "=" in a key, blanks at either end (reading trims them).
bool Storable(const std::string& section, const std::string& key, const std::string& value) {
  const auto hasBreak = [](const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
  };
  const auto trimmed = [](const std::string& s) { return Trim(s).size() == s.size(); };
  return !section.empty() && !key.empty() && !hasBreak(section) && !hasBreak(key) &&
         !hasBreak(value) && section.find(']') == std::string::npos &&
         key.find('=') == std::string::npos && key.front() != '[' && trimmed(section) &&
         trimmed(key) && trimmed(value);
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path SettingsStore::DefaultFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config == '/') return fs::path(config) / "Kidplay" / "settings.ini";
  const char* home = std::getenv("HOME");
  const fs::path base = home && *home ? fs::path(home) : fs::path(".");
  return base / ".config" / "Kidplay" / "settings.ini";
}

std::string SettingsStore::GetSetting(const std::string& section, const std::string& key,
                                      const std::string& fallback, std::string* problem) const {
  try {
    const std::optional<std::string> text = ReadFile(file_, problem);
    if (!text) return fallback;
    Document doc = ParseSettings(*text);
    Section* s = FindSection(doc, Trim(section));
    const std::string* value = s ? FindKey(*s, Trim(key)) : nullptr;
    return value ? *value : fallback;
  } catch (const std::exception&) {
    return fallback;
  }
}

bool SettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                const std::string& value, std::string* problem) {
  auto fail = [&](const std::string& why) {
    if (problem) *problem = why;
    return false;
  };
  try {
    if (!Storable(section, key, value) || file_.filename().empty())
      return fail("cannot store " + section + " " + key + " in " + file_.string());
    std::string readProblem;
    const std::optional<std::string> text = ReadFile(file_, &readProblem);
    if (!text) return fail(readProblem);
    Document doc = ParseSettings(*text);
    Section* s = FindSection(doc, section);
    if (!s) s = &doc.emplace_back(Section{section, {}});
    if (std::string* existing = FindKey(*s, key)) {
      *existing = value;
    } else {
      s->keys.emplace_back(key, value);
    }
    std::error_code ec;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);
    if (ec) return fail("cannot write " + file_.string() + ": " + ec.message());
    int error = 0;
    if (!ReplaceFile(file_, SerialiseSettings(doc), &error))
      return fail("cannot write " + file_.string() + ": " + std::strerror(error));
    return true;
  } catch (const std::exception& e) {
    return fail("cannot write " + file_.string() + ": " + e.what());
  }
}

}  // namespace platform
