// Making a scene: the complete picture, the picture with the holes, every piece with its mask
// and the preview, all from one description (see scene_description.h).
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "image.h"
#include "manifest.h"

namespace forge {

// The files of a scene entry, by program path, from its bundle (BundleScene). The pieces are
// cut from their drawings with the hard alpha edge of sprites and laid on the background in the
// order the description gives, exactly as the program draws them (mask AND, picture PAINT); the
// holes are the union of the pieces' opaque pixels.
std::map<std::string, std::vector<std::uint8_t>> MakeScene(const Entry& scene,
                                                           const std::string& bundle);

// The holes' look: the hole colour, darker along the upper and left edges and lighter along the
// lower and right ones, so a hole reads as a hollow. `hole` marks the pixels (row by row).
void CutHoles(Rgb& picture, const std::vector<char>& hole, std::uint32_t colour);

}  // namespace forge
