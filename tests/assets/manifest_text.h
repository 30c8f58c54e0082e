// Manifests held in memory for the forge's reader, the top file named "m.txt".
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../../assets/forge/manifest.h"

namespace forge::test {

using Files = std::map<std::string, std::string>;

inline std::optional<std::string> Lookup(const Files& files, const std::string& name) {
  auto it = files.find(name);
  if (it == files.end()) return std::nullopt;
  return it->second;
}

inline std::vector<Entry> Parse(const Files& files) {
  return ReadManifest("m.txt", [&](const std::string& name) { return Lookup(files, name); });
}

// The message the reader refuses the files with; empty when it takes them.
inline std::string ErrorOf(const Files& files) {
  try {
    Parse(files);
  } catch (const ForgeError& e) {
    return e.what();
  }
  return "";
}

}  // namespace forge::test
