// Reading BMP pictures, writing and reading PNG screenshots.
#pragma once
#include <optional>
#include <string>

#include "platform/surface.h"

namespace platform {

// Loads a Windows BMP file (any depth SDL understands) as a surface; nothing on any failure.
std::optional<Surface> LoadBmp(const std::string& path);

// Loads a PNG file (screenshots); nothing on any failure.
std::optional<Surface> LoadPng(const std::string& path);

// Writes the surface as a PNG file; false on failure.
bool SavePng(const Surface& s, const std::string& path);

}  // namespace platform
