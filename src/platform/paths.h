// Program-relative file names: backslashes and any letter case, as the games write them.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// Resolves a name like "Gfx\Maze\mouseN.bmp" against `base`: "\" and "/" both separate
// components, "." is skipped, each component matches an existing entry ignoring letter case
// (an exact match wins). A component that matches nothing is kept as written, so the result
// names where the file would be. Absolute names are taken as they are. Nothing when the name
// is empty or a ".." would leave `base`.
std::optional<std::filesystem::path> ResolvePath(const std::filesystem::path& base,
                                                 std::string_view name);

}  // namespace platform
