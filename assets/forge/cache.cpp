#include "cache.h"

#include <fstream>
#include <sstream>

namespace forge {

std::uint64_t Hash(std::string_view data, std::uint64_t seed) {
  std::uint64_t h = seed;
  for (unsigned char c : data) {
    h ^= c;
    h *= 0x100000001b3ull;
  }
  return h;
}

Cache LoadCache(const std::filesystem::path& file) {
  Cache cache;
  std::ifstream in(file);
  std::string line;
  if (!std::getline(in, line) || line != "kidplay-forge-cache 1") return cache;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string hex;
    CacheRecord record;
    if (!std::getline(fields, hex, '\t') || hex.size() != 16) return {};
    try {
      record.hash = std::stoull(hex, nullptr, 16);
    } catch (const std::exception&) {
      return {};
    }
    for (std::string out; std::getline(fields, out, '\t');) record.outputs.push_back(out);
    if (record.outputs.empty()) return {};
    cache[record.outputs.front()] = record;
  }
  return cache;
}

bool SaveCache(const std::filesystem::path& file, const Cache& cache) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::trunc);
    out << "kidplay-forge-cache 1\n";
    for (const auto& [key, record] : cache) {
      char hex[17];
      std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(record.hash));
      out << hex;
      for (const std::string& o : record.outputs) out << '\t' << o;
      out << '\n';
    }
    if (!out.flush()) return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, file, ec);
  return !ec;
}

}  // namespace forge
