#include "games/lightpaint/paint_pictures.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "platform/image_file.h"

namespace lightpaint {

namespace fs = std::filesystem;

StampSize MeasureStamp(const platform::Surface& picture) {
  StampSize size;
  while (platform::GetPixel(picture, size.width, 0) != -1) ++size.width;
  while (platform::GetPixel(picture, 0, size.height) != -1) ++size.height;
  return size;
}

void ColourStamp(platform::Surface& picture, platform::Colour colour) {
  const std::uint32_t pixel = platform::ToPixel(colour);
  for (int y = 0; y < picture.height(); ++y) {
    std::uint32_t* row = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) {
      if ((row[x] & 0xFFFFFF) != 0) row[x] = pixel;
    }
  }
}

platform::Colour RandomColour(const std::function<float()>& next) {
  const auto part = [&] { return static_cast<int>(std::floor(next() * 255.0f)); };
  const int r = part();
  const int g = part();
  const int b = part();
  return platform::Rgb(r, g, b);
}

namespace {

// The value of XDG_PICTURES_DIR in a user-dirs.dirs file ("$HOME/Pictures" style), if any.
std::optional<fs::path> FromUserDirs(const fs::path& file, const fs::path& home) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const std::string key = "XDG_PICTURES_DIR=";
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    std::string value = line.substr(start + key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      const std::string rest = value.substr(5);
      if (!rest.empty() && rest.front() != '/') continue;
      return rest.empty() || rest == "/" ? home : home / rest.substr(1);
    }
    if (!value.empty() && value.front() == '/') return fs::path(value);
  }
  return std::nullopt;
}

}  // namespace

fs::path PaintingsFolder(const std::function<std::optional<std::string>(const char*)>& env) {
  if (auto pictures = env("XDG_PICTURES_DIR"); pictures && !pictures->empty())
    return fs::path(*pictures) / "Kidplay";
  const fs::path home = env("HOME").value_or("");
  fs::path config = home / ".config";
  if (auto c = env("XDG_CONFIG_HOME"); c && !c->empty()) config = *c;
  if (!home.empty()) {
    // The home folder itself as the pictures folder means "not set up": use ~/Pictures then.
    if (auto dir = FromUserDirs(config / "user-dirs.dirs", home); dir && *dir != home)
      return *dir / "Kidplay";
  }
  return home / "Pictures" / "Kidplay";
}

fs::path NewPaintingFile(const fs::path& folder, const std::tm& when) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "Painting %04d-%02d-%02d %02d-%02d-%02d", when.tm_year + 1900,
                when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
  fs::path file = folder / (std::string(stamp) + ".png");
  for (int n = 2; n < 10000; ++n) {
    std::error_code ec;
    if (!fs::exists(file, ec) && !ec) break;
    file = folder / (std::string(stamp) + " (" + std::to_string(n) + ").png");
  }
  return file;
}

std::optional<fs::path> SavePainting(const platform::Surface& picture, const fs::path& folder,
                                     const std::tm& when, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    if (error) *error = ec.message();
    return std::nullopt;
  }
  const fs::path file = NewPaintingFile(folder, when);
  std::error_code exists;
  if (fs::exists(file, exists)) {
    if (error) *error = "too many paintings of the same second";
    return std::nullopt;
  }
  if (!platform::SavePng(picture, file.string())) {
    fs::remove(file, ec);
    if (error) *error = "the file cannot be written";
    return std::nullopt;
  }
  return file;
}

}  // namespace lightpaint
