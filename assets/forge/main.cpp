// kidplay_forge: makes every picture, cursor, sound and data file of the program from the text
// sources in assets/ (see assets/README.md).
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include "cache.h"
#include "make.h"
#include "manifest.h"
#include "scene_description.h"
#include "sheet.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCacheName = ".forge-cache";

struct Options {
  fs::path assets = FORGE_ASSETS_DIR;
  fs::path out;
  fs::path sheets;
  int jobs = 2;
  int zoom = 1;
  bool force = false;
  bool check = false;
};

void Usage(std::ostream& o) {
  o << "usage: kidplay_forge [--assets DIR] [--out DIR] [--jobs N] [--force] [--check]\n"
       "                     [--contact-sheets DIR] [--zoom N]\n"
       "Makes the program's Gfx/, Sfx/ and Data/ files from assets/manifest.txt.\n"
       "  --assets DIR           the folder holding manifest.txt (default " FORGE_ASSETS_DIR
       ")\n"
       "  --out DIR              the program's folder (default: this program's folder)\n"
       "  --jobs N               worker threads (default 2)\n"
       "  --force                ignore the cache and make everything again\n"
       "  --check                only read and check the manifest and its sources\n"
       "  --contact-sheets DIR   afterwards write one PNG per picture folder into DIR\n"
       "  --zoom N               draw the pictures on the sheets N times larger (1..8)\n";
}

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--help" || a == "-h") {
      Usage(std::cout);
      std::exit(0);
    } else if (a == "--force") {
      o.force = true;
    } else if (a == "--check") {
      o.check = true;
    } else if (a == "--assets" || a == "--out" || a == "--contact-sheets") {
      const char* v = value();
      if (!v) return false;
      (a == "--assets" ? o.assets : a == "--out" ? o.out : o.sheets) = v;
    } else if (a == "--jobs" || a == "--zoom") {
      const char* v = value();
      int n = v ? std::atoi(v) : 0;
      if (n < 1 || n > (a == "--jobs" ? 64 : 8)) return false;
      (a == "--jobs" ? o.jobs : o.zoom) = n;
    } else {
      return false;
    }
  }
  return true;
}

std::optional<std::string> ReadText(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The forge's own executable is part of every key: a changed forge makes everything again.
std::uint64_t SelfHash() {
  auto self = ReadText("/proc/self/exe");
  return forge::Hash(self ? *self : std::string("unknown"));
}

struct Job {
  const forge::Entry* entry;
  std::optional<std::string> source;  // nothing when it cannot be read
  std::uint64_t hash;
};

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!ParseArgs(argc, argv, opt)) {
    Usage(std::cerr);
    return 2;
  }
  if (opt.out.empty()) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    opt.out = ec ? fs::current_path() : self.parent_path();
  }

  std::vector<forge::Entry> entries;
  std::vector<Job> jobs;
  try {
    entries = forge::ReadManifestFile(opt.assets);
    const std::uint64_t self = SelfHash();
    for (const forge::Entry& e : entries) {
      auto source = ReadText(opt.assets / e.source);
      if (source && e.kind == forge::Kind::Scene) {
        source = forge::BundleScene(e, *source,
                                    [&](const std::string& f) { return ReadText(opt.assets / f); });
      }
      std::uint64_t h = forge::Hash(e.line, self);
      if (source) h = forge::Hash(*source, forge::Hash("\n", h));
      jobs.push_back({&e, std::move(source), h});
    }
  } catch (const std::exception& err) {
    std::cerr << "kidplay_forge: " << err.what() << "\n";
    return 1;
  }
  // A missing source fails its own entry only; the others are still made.
  int missing = 0;
  for (const Job& j : jobs) {
    if (!j.source) {
      std::cerr << "kidplay_forge: " << j.entry->where << ": cannot read the source '"
                << j.entry->source << "'\n";
      ++missing;
    }
  }
  if (opt.check) {
    std::cout << "kidplay_forge: " << entries.size() << " entries, " << missing
              << " sources missing\n";
    return missing ? 1 : 0;
  }

  const fs::path cacheFile = opt.out / kCacheName;
  forge::Cache old = opt.force ? forge::Cache{} : forge::LoadCache(cacheFile);
  forge::Cache fresh;
  std::vector<Job*> todo;
  for (Job& j : jobs) {
    if (!j.source) continue;
    const std::vector<std::string> outputs = j.entry->Outputs();
    auto it = old.find(outputs.front());
    bool upToDate = it != old.end() && it->second.hash == j.hash && it->second.outputs == outputs;
    for (const std::string& o : outputs) upToDate = upToDate && fs::exists(opt.out / o);
    if (upToDate) {
      fresh[outputs.front()] = it->second;
    } else {
      todo.push_back(&j);
    }
  }

  std::mutex lock;
  std::atomic<size_t> next{0};
  int failures = missing;
  auto worker = [&]() {
    for (size_t i; (i = next++) < todo.size();) {
      const Job& j = *todo[i];
      try {
        forge::Made made = forge::MakeEntry(*j.entry, *j.source);
        for (const auto& [path, bytes] : made.files) forge::WriteFileAtomic(opt.out / path, bytes);
        std::lock_guard<std::mutex> g(lock);
        for (const std::string& w : made.warnings) std::cerr << "warning: " << w << "\n";
        fresh[j.entry->path] = forge::CacheRecord{j.hash, j.entry->Outputs()};
      } catch (const std::exception& err) {
        std::lock_guard<std::mutex> g(lock);
        std::cerr << "kidplay_forge: " << j.entry->where << ": " << j.entry->path << ": "
                  << err.what() << "\n";
        ++failures;
      }
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < opt.jobs && static_cast<size_t>(t) < todo.size(); ++t) {
    threads.emplace_back(worker);
  }
  worker();
  for (std::thread& t : threads) t.join();

  // Files made by an earlier run that no entry makes any more are removed.
  std::set<std::string> current;
  for (const forge::Entry& e : entries) {
    for (const std::string& o : e.Outputs()) current.insert(o);
  }
  int removed = 0;
  for (const auto& [key, record] : old) {
    for (const std::string& o : record.outputs) {
      std::error_code ec;
      if (!current.count(o) && fs::remove(opt.out / o, ec)) ++removed;
    }
  }
  if (!forge::SaveCache(cacheFile, fresh)) {
    std::cerr << "kidplay_forge: cannot write " << cacheFile.string() << "\n";
  }
  std::cout << "kidplay_forge: " << todo.size() - (failures - missing) << " made, "
            << jobs.size() - todo.size() - missing << " up to date"
            << (removed ? ", " + std::to_string(removed) + " old files removed" : "")
            << (failures ? ", " + std::to_string(failures) + " FAILED" : "") << "\n";

  if (!opt.sheets.empty()) forge::WriteContactSheets(entries, opt.out, opt.sheets, opt.zoom);
  return failures ? 1 : 0;
}
