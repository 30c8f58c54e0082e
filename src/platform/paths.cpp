#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !exe.empty()) return exe.parent_path();
  fs::path cwd = fs::current_path(ec);
  return ec ? fs::path(".") : cwd;
}

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::vector<std::string> SplitComponents(std::string_view name) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// The entry of `folder` that `component` names: the exact spelling when it exists, else the
// alphabetically first entry equal to it ignoring case (so the choice does not depend on the
// order the file system lists entries in); nothing when no entry matches.
std::optional<std::string> MatchEntry(const fs::path& folder, const std::string& component) {
  std::error_code ec;
  if (fs::exists(folder / component, ec)) return component;
  std::optional<std::string> best;
  fs::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::string entry = it->path().filename().string();
    if (EqualIgnoringCase(entry, component) && (!best || entry < *best)) best = entry;
  }
  return best;
}

}  // namespace

std::optional<std::filesystem::path> ResolvePath(const std::filesystem::path& base,
                                                 std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.front() == '/') return fs::path(name);

  std::vector<std::string> resolved;
  for (const std::string& component : SplitComponents(name)) {
    if (component == ".") continue;
    if (component == "..") {
      if (resolved.empty()) return std::nullopt;
      resolved.pop_back();
      continue;
    }
    fs::path folder = base;
    for (const std::string& part : resolved) folder /= part;
    // Once a component has matched nothing the folder does not exist, and every later
    // component is kept as written.
    std::error_code ec;
    std::optional<std::string> match;
    if (fs::is_directory(folder, ec)) match = MatchEntry(folder, component);
    resolved.push_back(match ? *match : component);
  }

  fs::path result = base;
  for (const std::string& part : resolved) result /= part;
  return result;
}

}  // namespace platform
