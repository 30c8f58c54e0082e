#include "manifest.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "music_select.h"
#include "scene_description.h"

namespace forge {
namespace {

std::vector<std::string> Split(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

bool ParseInt(const std::string& s, int& out) {
  if (s.empty() || s.size() > 6) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  out = std::stoi(s);
  return true;
}

// "WxH" or, for strips, "WxH*N"; all numbers positive.
bool ParseSize(const std::string& s, bool withFrames, Entry& e) {
  size_t x = s.find('x');
  if (x == std::string::npos) return false;
  std::string h = s.substr(x + 1);
  std::string n = "1";
  size_t star = h.find('*');
  if (withFrames) {
    if (star == std::string::npos) return false;
    n = h.substr(star + 1);
    h = h.substr(0, star);
  } else if (star != std::string::npos) {
    return false;
  }
  return ParseInt(s.substr(0, x), e.width) && ParseInt(h, e.height) && ParseInt(n, e.frames) &&
         e.width > 0 && e.height > 0 && e.frames > 0 && e.width <= 8192 && e.height <= 8192 &&
         static_cast<long>(e.width) * e.frames <= 32768;
}

bool ParseColour(const std::string& s, unsigned& out) {
  if (s.size() != 7 || s[0] != '#') return false;
  for (size_t i = 1; i < 7; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
  }
  out = static_cast<unsigned>(std::stoul(s.substr(1), nullptr, 16));
  return true;
}

bool ParseNumber(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && std::isfinite(out);
}

bool ValidPath(const std::string& p) {
  if (!(p.starts_with("Gfx/") || p.starts_with("Sfx/") || p.starts_with("Data/"))) return false;
  if (p.find('\\') != std::string::npos || p.find("//") != std::string::npos) return false;
  if (p.back() == '/') return false;
  std::istringstream parts(p);
  std::string part;
  while (std::getline(parts, part, '/')) {
    if (part == ".." || part == ".") return false;
  }
  return true;
}

bool ValidSource(const std::string& s) {
  if (s.empty() || s.front() == '/' || s.find('\\') != std::string::npos) return false;
  std::istringstream parts(s);
  std::string part;
  while (std::getline(parts, part, '/')) {
    if (part == "..") return false;
  }
  return true;
}

bool SvgKind(Kind k) {
  return k == Kind::Picture || k == Kind::Sprite || k == Kind::Strip || k == Kind::Cursor ||
         k == Kind::Png;
}

std::optional<Kind> ParseKind(const std::string& s) {
  static const std::map<std::string, Kind> kinds = {
      {"picture", Kind::Picture}, {"sprite", Kind::Sprite}, {"strip", Kind::Strip},
      {"cursor", Kind::Cursor},   {"sound", Kind::Sound},   {"music", Kind::Music},
      {"data", Kind::Data},       {"scene", Kind::Scene},    {"png", Kind::Png}};
  auto it = kinds.find(s);
  if (it == kinds.end()) return std::nullopt;
  return it->second;
}

class Reader {
 public:
  explicit Reader(const std::function<std::optional<std::string>(const std::string&)>& readFile)
      : readFile_(readFile) {}

  void Read(const std::string& file, const std::string& from) {
    if (std::find(chain_.begin(), chain_.end(), file) != chain_.end()) {
      throw ForgeError(from + "include of '" + file + "' makes a cycle");
    }
    std::optional<std::string> text = readFile_(file);
    if (!text) throw ForgeError(from + "cannot read '" + file + "'");
    chain_.push_back(file);
    std::istringstream in(*text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
      ++number;
      std::string where = file + ":" + std::to_string(number) + ": ";
      StripComment(raw);
      std::vector<std::string> words = Split(raw);
      if (words.empty()) continue;
      if (words[0] == "include") {
        if (words.size() != 2) throw ForgeError(where + "include takes one file");
        if (!ValidSource(words[1])) throw ForgeError(where + "bad include path '" + words[1] + "'");
        Read(words[1], where);
        continue;
      }
      entries.push_back(ParseEntry(words, where));
    }
    chain_.pop_back();
  }

  std::vector<Entry> entries;

 private:
  Entry ParseEntry(const std::vector<std::string>& w, const std::string& where) {
    auto fail = [&](const std::string& what) -> void { throw ForgeError(where + what); };
    if (w.size() < 4) fail("an entry needs PATH KIND SIZE SOURCE");
    Entry e;
    e.where = where.substr(0, where.size() - 2);
    e.path = w[0];
    e.source = w[3];
    for (const std::string& word : w) e.line += (e.line.empty() ? "" : " ") + word;
    if (!ValidPath(e.path)) {
      fail("bad path '" + e.path + "' (it must start with Gfx/, Sfx/ or Data/)");
    }
    std::optional<Kind> kind = ParseKind(w[1]);
    if (!kind) fail("unknown kind '" + w[1] + "'");
    e.kind = *kind;
    static const std::map<Kind, std::string> extensions = {
        {Kind::Picture, ".bmp"}, {Kind::Sprite, ".bmp"}, {Kind::Strip, ".bmp"},
        {Kind::Cursor, ".cur"},  {Kind::Sound, ".wav"},  {Kind::Music, ".wav"},
        {Kind::Scene, ".bmp"}, {Kind::Png, ".png"}};
    if (auto ext = extensions.find(e.kind);
        ext != extensions.end() && !Lower(e.path).ends_with(ext->second)) {
      fail("the path of a " + w[1] + " ends in " + ext->second);
    }
    if (!ValidSource(e.source)) fail("bad source path '" + e.source + "'");

    if (SvgKind(e.kind) || e.kind == Kind::Scene) {
      if (!ParseSize(w[2], e.kind == Kind::Strip, e)) {
        fail("bad size '" + w[2] + "' (expected " + (e.kind == Kind::Strip ? "WxH*N" : "WxH") +
             ")");
      }
      if (e.kind == Kind::Cursor && (e.width > 256 || e.height > 256)) {
        fail("a cursor is at most 256x256");
      }
    } else if (w[2] != "-") {
      fail("the size of a " + w[1] + " is '-'");
    }

    bool hasMask = e.kind == Kind::Sprite || e.kind == Kind::Strip;
    e.writesMask = hasMask;
    std::set<std::string> seen;
    for (size_t i = 4; i < w.size(); ++i) {
      const std::string& opt = w[i];
      size_t eq = opt.find('=');
      std::string key = opt.substr(0, eq);
      std::string value = eq == std::string::npos ? "" : opt.substr(eq + 1);
      if (!seen.insert(key).second) fail("option '" + key + "' given twice");
      bool svgOnly = key == "rotate" || key == "flip" || key.starts_with("var.");
      if (svgOnly && !SvgKind(e.kind)) fail("option '" + key + "' needs a drawing");
      if (key == "bg" && eq != std::string::npos) {
        if (e.kind != Kind::Picture) fail("bg= is for pictures");
        if (!ParseColour(value, e.bg)) fail("bad colour '" + value + "' (expected #RRGGBB)");
      } else if (key == "mask" && eq != std::string::npos) {
        if (!hasMask) fail("mask= is for sprites and strips");
        if (!ValidPath(value) || !Lower(value).ends_with(".bmp"))
          fail("bad mask path '" + value + "'");
        e.mask = value;
      } else if (key == "nomask" && eq == std::string::npos) {
        if (!hasMask) fail("nomask is for sprites and strips");
        e.writesMask = false;
      } else if (key == "rotate" && eq != std::string::npos) {
        if (value != "90" && value != "180" && value != "270") fail("rotate is 90, 180 or 270");
        e.rotate = std::stoi(value);
      } else if (key == "flip" && eq != std::string::npos) {
        if (value != "h" && value != "v") fail("flip is h or v");
        e.flip = value[0];
      } else if (key == "hot" && eq != std::string::npos) {
        if (e.kind != Kind::Cursor) fail("hot= is for cursors");
        size_t comma = value.find(',');
        if (comma == std::string::npos || !ParseInt(value.substr(0, comma), e.hotX) ||
            !ParseInt(value.substr(comma + 1), e.hotY) || e.hotX >= e.width || e.hotY >= e.height) {
          fail("bad hot spot '" + value + "' (expected X,Y inside the cursor)");
        }
      } else if (key.starts_with("var.") && eq != std::string::npos) {
        std::string name = key.substr(4);
        bool ok = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
        for (char c : name) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
        if (!ok || name == "f" || name == "n" || name == "t" || name == "pi") {
          fail("bad variable name '" + name + "'");
        }
        double v = 0;
        if (!ParseNumber(value, v)) fail("bad number '" + value + "' for " + key);
        e.vars[name] = v;
      } else if (e.kind == Kind::Music && IsMusicOption(key) && eq != std::string::npos) {
        const std::string problem = CheckMusicOption(key, value);
        if (!problem.empty()) fail(problem);
        e.musicOptions[key] = value;
      } else {
        fail("unknown option '" + opt + "'");
      }
    }
    if (hasMask && e.mask.empty()) {
      e.mask = DefaultMaskPath(e.path);
    }
    if (hasMask && Lower(e.mask) == Lower(e.path)) fail("the mask cannot be the picture itself");
    if (e.kind == Kind::Scene) ReadSceneParts(e, readFile_);
    return e;
  }

  const std::function<std::optional<std::string>(const std::string&)>& readFile_;
  std::vector<std::string> chain_;
};

}  // namespace

std::vector<std::string> Entry::Outputs() const {
  std::vector<std::string> out{path};
  if (writesMask) out.push_back(mask);
  for (const Entry& part : parts) {
    for (const std::string& o : part.Outputs()) out.push_back(o);
  }
  return out;
}

void StripComment(std::string& line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
      line.erase(i);
      return;
    }
  }
}

void ForEachWordLine(const std::string& text, const std::string& name,
                     const std::function<void(const std::vector<std::string>& words,
                                              const std::string& where)>& line) {
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    StripComment(raw);
    std::istringstream words(raw);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (!w.empty()) line(w, name + ":" + std::to_string(number) + ": ");
  }
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string DefaultMaskPath(const std::string& path) {
  size_t dot = path.rfind('.');
  return path.substr(0, dot) + "Mask" + path.substr(dot);
}

std::string KindName(Kind k) {
  switch (k) {
    case Kind::Picture:
      return "picture";
    case Kind::Sprite:
      return "sprite";
    case Kind::Strip:
      return "strip";
    case Kind::Cursor:
      return "cursor";
    case Kind::Sound:
      return "sound";
    case Kind::Music:
      return "music";
    case Kind::Data:
      return "data";
    case Kind::Scene:
      return "scene";
    case Kind::Png:
      return "png";
  }
  return "?";
}

std::vector<Entry> ReadManifest(
    const std::string& file,
    const std::function<std::optional<std::string>(const std::string&)>& readFile) {
  Reader reader(readFile);
  reader.Read(file, "");
  std::vector<Entry>& entries = reader.entries;

  // Outputs are unique ignoring letter case, because the program looks them up that way.
  std::map<std::string, const Entry*> owner;
  for (const Entry& e : entries) {
    for (const std::string& out : e.Outputs()) {
      auto [it, fresh] = owner.emplace(Lower(out), &e);
      if (!fresh) {
        throw ForgeError(e.where + ": '" + out + "' is also written by " + it->second->where);
      }
    }
  }
  // A picture that leaves its mask to another entry must name a mask that is written, at the
  // same size.
  for (const Entry& e : entries) {
    if (e.writesMask || (e.kind != Kind::Sprite && e.kind != Kind::Strip)) continue;
    auto it = owner.find(Lower(e.mask));
    if (it == owner.end() || it->second->mask != e.mask) {
      throw ForgeError(e.where + ": no entry writes the mask '" + e.mask + "'");
    }
    const Entry& m = *it->second;
    if (m.width * m.frames != e.width * e.frames || m.height != e.height) {
      throw ForgeError(e.where + ": the mask '" + e.mask + "' written by " + m.where +
                       " has another size");
    }
  }
  return entries;
}

std::vector<Entry> ReadManifestFile(const std::filesystem::path& assetsDir,
                                    const std::string& file) {
  return ReadManifest(file, [&](const std::string& rel) -> std::optional<std::string> {
    std::ifstream in(assetsDir / rel, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  });
}

}  // namespace forge
