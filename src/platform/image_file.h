// Reading BMP pictures and writing PNG screenshots.
#pragma once
#include <optional>
#include <string>

#include "platform/surface.h"

namespace platform {

// Loads a Windows BMP file (any depth SDL understands) as a surface; nothing on any failure.
std::optional<Surface> LoadBmp(const std::string& path);

// Writes the surface as a PNG file; false on failure.
bool SavePng(const Surface& s, const std::string& path);

}  // namespace platform
