#include <algorithm>
#include <cctype>
#include <filesystem>
#include <new>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "gameutil/gameutil.h"
#include "platform/image_file.h"
#include "platform/paths.h"

namespace GameUtil {

namespace {

// Larger than any picture or back buffer the games make; a request beyond it is a mistake
// that should fail quietly rather than take gigabytes.
constexpr long long kMaxSide = 16384;
constexpr long long kMaxPixels = 64ll * 1024 * 1024;

// Surfaces by handle. Handles count up from 1 and are not handed out twice in a run (2^31
// creations would be needed to wrap). Node-based, so a surface stays put while others come
// and go.
std::unordered_map<std::int32_t, platform::Surface> surfaces;
std::int32_t nextHandle = 1;
std::int32_t liveSurfaceCount = 0;

std::int32_t Store(platform::Surface&& surface) {
  while (nextHandle == 0 || surfaces.count(nextHandle) != 0) ++nextHandle;
  const std::int32_t handle = nextHandle++;
  surfaces.emplace(handle, std::move(surface));
  ++liveSurfaceCount;
  return handle;
}

// Picture files that have failed to load this run, as program paths in one spelling. A screen
// that loads a missing picture every time it is shown would otherwise put up a new box each
// time, and a child could not get past them.
std::unordered_set<std::string> failedPictures;

// The box for a picture that failed, the first time that file fails in this run.
void ReportFailure(const std::string& path, const std::string& message) {
  std::string key = path;
  std::replace(key.begin(), key.end(), '\\', '/');
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (failedPictures.insert(key).second) ShowError(GetErrorContext(), message);
}

std::optional<std::string> ResolveProgramPath(const std::string& path) {
  if (Host* host = GetHost()) return host->ResolvePath(path);
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  if (ec) return std::nullopt;
  const auto resolved = platform::ResolvePath(cwd, path);
  if (!resolved) return std::nullopt;
  return resolved->string();
}

}  // namespace

std::int32_t GenerateDC(const std::string& path) {
  try {
    const std::optional<std::string> file = ResolveProgramPath(path);
    std::optional<platform::Surface> picture;
    if (file) picture = platform::LoadBmp(*file);
    if (!picture) {
      ReportFailure(path, "Failed to load image: " + path);
      return 0;
    }
    return Store(std::move(*picture));
  } catch (const std::bad_alloc&) {
    ReportFailure(path, "Failed to create compatible DC when trying to load " + path);
    return 0;
  }
}

void ForgetFailedPictures() {
  failedPictures.clear();
}

std::int32_t GenerateEmptyDC(std::int32_t reference, std::int16_t width, std::int16_t height) {
  // 0 stands for the screen; any other reference must be a live surface.
  if (reference != 0 && !SurfaceOf(reference)) return 0;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      static_cast<long long>(width) * height > kMaxPixels) {
    return 0;
  }
  try {
    return Store(platform::Surface(width, height, 0));
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

std::int32_t DeleteGeneratedDC(std::int32_t& handle) {
  if (handle == 0) return 1;
  if (surfaces.erase(handle) == 0) return 0;
  handle = 0;
  --liveSurfaceCount;
  return 1;
}

std::int32_t GetDCCount() {
  return liveSurfaceCount;
}

platform::Surface* SurfaceOf(std::int32_t handle) {
  if (handle == 0) return nullptr;
  const auto it = surfaces.find(handle);
  return it == surfaces.end() ? nullptr : &it->second;
}

void BitBlt(platform::Surface& target, int x, int y, int w, int h, std::int32_t source, int sx,
            int sy, platform::Rop rop) {
  if (const platform::Surface* src = SurfaceOf(source)) {
    platform::Blit(target, x, y, w, h, *src, sx, sy, rop);
  }
}

void BitBlt(std::int32_t target, int x, int y, int w, int h, std::int32_t source, int sx, int sy,
            platform::Rop rop) {
  if (platform::Surface* dst = SurfaceOf(target)) BitBlt(*dst, x, y, w, h, source, sx, sy, rop);
}

void StretchBlt(platform::Surface& target, int x, int y, int w, int h, std::int32_t source, int sx,
                int sy, int sw, int sh, platform::Rop rop) {
  if (const platform::Surface* src = SurfaceOf(source)) {
    platform::StretchBlit(target, x, y, w, h, *src, sx, sy, sw, sh, rop);
  }
}

void DrawMasked(platform::Surface& target, int x, int y, int w, int h, std::int32_t image,
                std::int32_t mask, int sx, int sy) {
  BitBlt(target, x, y, w, h, mask, sx, sy, platform::Rop::And);
  BitBlt(target, x, y, w, h, image, sx, sy, platform::Rop::Paint);
}

void DrawMasked(std::int32_t target, int x, int y, int w, int h, std::int32_t image,
                std::int32_t mask, int sx, int sy) {
  if (platform::Surface* dst = SurfaceOf(target)) DrawMasked(*dst, x, y, w, h, image, mask, sx, sy);
}

}  // namespace GameUtil
