// Remembers which outputs were made from which inputs, so that a build redoes only what changed.
#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace forge {

// 64-bit FNV-1a, continued from `seed` (so several pieces can be chained).
std::uint64_t Hash(std::string_view data, std::uint64_t seed = 0xcbf29ce484222325ull);

struct CacheRecord {
  std::uint64_t hash = 0;
  std::vector<std::string> outputs;  // the files the entry wrote, picture first
};

// Keyed by the entry's first output path.
using Cache = std::map<std::string, CacheRecord>;

// A missing or damaged cache is empty: everything is simply made again.
Cache LoadCache(const std::filesystem::path& file);
// Written to a temporary file and renamed, so an interrupted build leaves a whole cache.
bool SaveCache(const std::filesystem::path& file, const Cache& cache);

}  // namespace forge
