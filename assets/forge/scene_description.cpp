#include "scene_description.h"

#include <cctype>
#include <cmath>
#include <iostream>
#include <set>

namespace forge {
namespace {

bool ParseWhole(const std::string& s, int& out, bool allowNegative) {
  size_t start = allowNegative && !s.empty() && s[0] == '-' ? 1 : 0;
  if (s.size() <= start || s.size() - start > 5) return false;
  for (size_t i = start; i < s.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
  }
  out = std::stoi(s);
  return true;
}

// "WxH", both 1..2048.
bool ParsePieceSize(const std::string& s, int& w, int& h) {
  size_t x = s.find('x');
  return x != std::string::npos && ParseWhole(s.substr(0, x), w, false) &&
         ParseWhole(s.substr(x + 1), h, false) && w > 0 && h > 0 && w <= 2048 && h <= 2048;
}

// "X,Y", either may be negative.
bool ParsePlace(const std::string& s, int& x, int& y) {
  size_t comma = s.find(',');
  return comma != std::string::npos && ParseWhole(s.substr(0, comma), x, true) &&
         ParseWhole(s.substr(comma + 1), y, true);
}

bool ProgramPicturePath(const std::string& p) {
  if (!p.starts_with("Gfx/") || !Lower(p).ends_with(".bmp")) return false;
  if (p.find('\\') != std::string::npos || p.find("//") != std::string::npos) return false;
  return p.find("/../") == std::string::npos && p.find("/./") == std::string::npos;
}

bool SourcePath(const std::string& s) {
  return !s.empty() && s.front() != '/' && s.find('\\') == std::string::npos &&
         s.find("..") == std::string::npos;
}

bool PieceName(const std::string& s) {
  if (s.empty() || s.size() > 64) return false;
  for (char c : s) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

// `var.NAME=NUMBER`; for pieces `flip=h|v`, for the background `hole=#RRGGBB`.
void ParseOptions(const std::vector<std::string>& words, size_t from, const std::string& where,
                  std::map<std::string, double>& vars, char* flip, unsigned* hole) {
  for (size_t i = from; i < words.size(); ++i) {
    const std::string& w = words[i];
    const size_t eq = w.find('=');
    const std::string key = w.substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : w.substr(eq + 1);
    if (flip && key == "flip" && (value == "h" || value == "v")) {
      *flip = value[0];
    } else if (hole && key == "hole") {
      if (value.size() != 7 || value[0] != '#' ||
          value.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos) {
        throw ForgeError(where + "bad colour '" + value + "' (expected #RRGGBB)");
      }
      *hole = static_cast<unsigned>(std::stoul(value.substr(1), nullptr, 16));
    } else if (key.starts_with("var.") && key.size() > 4 && eq != std::string::npos) {
      char* end = nullptr;
      const double v = std::strtod(value.c_str(), &end);
      if (value.empty() || end != value.c_str() + value.size() || !std::isfinite(v)) {
        throw ForgeError(where + "bad number '" + value + "' for " + key);
      }
      vars[key.substr(4)] = v;
    } else {
      throw ForgeError(where + "unknown option '" + w + "'");
    }
  }
}

constexpr const char* kBundleMark = "@scene-file ";

}  // namespace

SceneDescription ParseScene(const std::string& text, const std::string& name) {
  SceneDescription d;
  std::set<std::string> seen, names;
  ForEachWordLine(text, name, [&](const std::vector<std::string>& w, const std::string& where) {
    const std::string& what = w[0];
    auto fail = [&](const std::string& why) { throw ForgeError(where + why); };
    if (what != "piece" && !seen.insert(what).second) fail("'" + what + "' given twice");
    if (what == "target") {
      if (w.size() != 2 || !ProgramPicturePath(w[1])) fail("target takes one Gfx/... .bmp path");
      d.target = w[1];
    } else if (what == "icon") {
      if (w.size() != 3 || !ProgramPicturePath(w[1]) ||
          !ParsePieceSize(w[2], d.iconWidth, d.iconHeight)) {
        fail("icon takes a Gfx/... .bmp path and a size WxH");
      }
      d.icon = w[1];
    } else if (what == "background") {
      if (w.size() < 2 || !SourcePath(w[1])) fail("background takes a drawing");
      d.background = w[1];
      ParseOptions(w, 2, where, d.backgroundVars, nullptr, &d.hole);
    } else if (what == "piece") {
      ScenePiece p;
      p.where = where.substr(0, where.size() - 2);
      if (w.size() < 5) fail("a piece needs NAME WxH X,Y DRAWING");
      if (!PieceName(w[1])) fail("bad piece name '" + w[1] + "'");
      if (!names.insert(Lower(w[1])).second) fail("piece '" + w[1] + "' given twice");
      if (!ParsePieceSize(w[2], p.width, p.height)) fail("bad size '" + w[2] + "' (expected WxH)");
      if (!ParsePlace(w[3], p.x, p.y)) fail("bad place '" + w[3] + "' (expected X,Y)");
      if (!SourcePath(w[4])) fail("bad drawing path '" + w[4] + "'");
      p.name = w[1];
      p.source = w[4];
      ParseOptions(w, 5, where, p.vars, &p.flip, nullptr);
      d.pieces.push_back(std::move(p));
    } else {
      fail("unknown line '" + what + "'");
    }
  });
  if (d.target.empty()) throw ForgeError(name + ": the target picture is missing");
  if (d.background.empty()) throw ForgeError(name + ": the background is missing");
  if (d.pieces.empty()) throw ForgeError(name + ": a scene needs at least one piece");
  return d;
}

void ReadSceneParts(Entry& scene,
                    const std::function<std::optional<std::string>(const std::string&)>& readFile) {
  const std::optional<std::string> text = readFile(scene.source);
  if (!text) throw ForgeError(scene.where + ": cannot read the scene '" + scene.source + "'");
  const SceneDescription d = ParseScene(*text, scene.source);
  const std::string folder = scene.path.substr(0, scene.path.rfind('/') + 1);

  auto plain = [&](Kind kind, const std::string& path, int w, int h, const std::string& source) {
    Entry part;
    part.kind = kind;
    part.path = path;
    part.width = w;
    part.height = h;
    part.source = source;
    part.where = scene.where;
    part.line = scene.line;
    return part;
  };
  scene.parts.clear();
  scene.parts.push_back(plain(Kind::Picture, d.target, scene.width, scene.height, d.background));
  if (!d.icon.empty()) {
    scene.parts.push_back(plain(Kind::Picture, d.icon, d.iconWidth, d.iconHeight, scene.source));
  }
  for (const ScenePiece& p : d.pieces) {
    Entry part = plain(Kind::Sprite, folder + p.name + ".bmp", p.width, p.height, p.source);
    part.mask = DefaultMaskPath(part.path);
    part.writesMask = true;
    part.flip = p.flip;
    part.vars = p.vars;
    part.where = p.where;
    scene.parts.push_back(std::move(part));
  }
}

std::optional<std::string> BundleScene(
    const Entry& scene, const std::string& description,
    const std::function<std::optional<std::string>(const std::string&)>& readFile) {
  std::string bundle;
  auto add = [&](const std::string& path, const std::string& text) {
    bundle += kBundleMark + path + " " + std::to_string(text.size()) + "\n" + text;
  };
  add(scene.source, description);
  std::set<std::string> drawings;
  const SceneDescription d = ParseScene(description, scene.source);
  drawings.insert(d.background);
  for (const ScenePiece& p : d.pieces) drawings.insert(p.source);
  for (const std::string& path : drawings) {
    const std::optional<std::string> text = readFile(path);
    if (!text) {
      std::cerr << "kidplay_forge: " << scene.where << ": cannot read the drawing '" << path
                << "'\n";
      return std::nullopt;
    }
    add(path, *text);
  }
  return bundle;
}

std::map<std::string, std::string> UnbundleScene(const std::string& bundle) {
  std::map<std::string, std::string> files;
  const std::string mark = kBundleMark;
  size_t at = 0;
  while (at < bundle.size()) {
    const size_t eol = bundle.find('\n', at);
    if (bundle.compare(at, mark.size(), mark) != 0 || eol == std::string::npos) {
      throw ForgeError("damaged scene bundle");
    }
    const std::string head = bundle.substr(at + mark.size(), eol - at - mark.size());
    const size_t space = head.rfind(' ');
    const std::string digits = space == std::string::npos ? "" : head.substr(space + 1);
    if (digits.empty() || digits.size() > 12 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
      throw ForgeError("damaged scene bundle");
    }
    const size_t length = std::stoull(digits);
    if (length > bundle.size() - eol - 1) throw ForgeError("damaged scene bundle");
    files[head.substr(0, space)] = bundle.substr(eol + 1, length);
    at = eol + 1 + length;
  }
  return files;
}

}  // namespace forge
