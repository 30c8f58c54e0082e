// Work on the painting's pictures that needs no window: measuring and colouring stamps, random
// colours, and saving the painting as a PNG file in the user's pictures folder.
#pragma once
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/colour.h"
#include "platform/surface.h"

namespace lightpaint {

struct StampSize {
  int width = 0;
  int height = 0;
};

// A stamp picture's size, read pixel by pixel along its first row and first column until the
// pixel read lies outside the picture.
StampSize MeasureStamp(const platform::Surface& picture);

// Sets every pixel of the picture that is not black to `colour`, so a white splash takes it.
void ColourStamp(platform::Surface& picture, platform::Colour colour);

// A random colour: each of red, green and blue is floor(r * 255) for its own uniform r in
// [0, 1) from `next`.
platform::Colour RandomColour(const std::function<float()>& next);

// The folder paintings are saved in: Kidplay below the user's pictures folder, which is
// $XDG_PICTURES_DIR, else the XDG_PICTURES_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (or
// ~/.config/user-dirs.dirs), else ~/Pictures. `env` reads an environment variable.
std::filesystem::path PaintingsFolder(
    const std::function<std::optional<std::string>(const char*)>& env);

// "Painting 2024-05-01 14-03-22.png", or with " (2)", " (3)" ... before the extension when a
// file of that name is already in the folder.
std::filesystem::path NewPaintingFile(const std::filesystem::path& folder, const std::tm& when);

// Saves the picture as a new PNG file in the folder (made when missing). The file written, or
// nothing, with `error` saying why.
std::optional<std::filesystem::path> SavePainting(const platform::Surface& picture,
                                                  const std::filesystem::path& folder,
                                                  const std::tm& when, std::string* error);

}  // namespace lightpaint
