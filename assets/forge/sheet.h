// Contact sheets: one PNG per output folder showing every picture with its file name.
#pragma once
#include <filesystem>
#include <vector>

#include "manifest.h"

namespace forge {

// Reads the built files under `outDir` and writes DIR/Gfx_Menu.png etc. Returns the number of
// sheets written; files that cannot be read are shown as a red box and reported on stderr.
int WriteContactSheets(const std::vector<Entry>& entries, const std::filesystem::path& outDir,
                       const std::filesystem::path& sheetDir, int zoom);

}  // namespace forge
