// Reading BMP pictures, writing and reading PNG screenshots.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

// Loads a Windows BMP file (any depth SDL understands) as a surface; nothing on any failure.
std::optional<Surface> LoadBmp(const std::string& path);
// The same for the bytes of a BMP file: the header is checked against its limits and the
// file's length before SDL decodes it.
std::optional<Surface> DecodeBmp(std::vector<std::uint8_t> bytes);

// Loads a PNG file (screenshots); nothing on any failure.
std::optional<Surface> LoadPng(const std::string& path);

// Writes the surface as a PNG file; false on failure.
bool SavePng(const Surface& s, const std::string& path);

}  // namespace platform
