// Making the files of one manifest entry.
#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "expr.h"
#include "image.h"
#include "manifest.h"

namespace forge {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The drawing of an SVG entry: every frame rendered (with its own f and t) and placed side by
// side. `svg` is the source text.
Image DrawEntry(const Entry& e, const std::string& svg);

// The variables of frame f of an entry: f, n, t and the entry's var.NAME values.
Variables FrameVariables(const Entry& e, int frame);

struct Made {
  std::map<std::string, std::vector<std::uint8_t>> files;  // path -> contents
  std::vector<std::string> warnings;                       // e.g. a sound that clips
};

// Makes the files of one entry from its source text.
Made MakeEntry(const Entry& e, const std::string& source);

// Writes a file through a temporary name and a rename, creating its folders.
void WriteFileAtomic(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace forge
