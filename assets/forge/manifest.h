// The manifest: one entry per output file, with its kind, size, source and options.
#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace forge {

// A mistake in the manifest or a source, already prefixed with "file:line: ".
struct ForgeError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Kind { Picture, Sprite, Strip, Cursor, Sound, Music, Data, Scene, Png };

struct Entry {
  std::string path;  // program path, forward slashes, as written
  Kind kind = Kind::Picture;
  int width = 0;  // one frame; 0 for sounds and data
  int height = 0;
  int frames = 1;
  std::string source;  // relative to the assets folder
  std::string mask;    // mask path for sprites and strips
  bool writesMask = false;
  unsigned bg = 0xFFFFFF;  // 0xRRGGBB under transparent parts of a picture
  int rotate = 0;          // 0, 90, 180, 270 clockwise
  char flip = 0;           // 0, 'h' or 'v'
  int hotX = 0, hotY = 0;
  std::map<std::string, double> vars;  // var.NAME=NUMBER
  std::string where;                   // "file:line" for messages
  std::string line;                    // the entry's text, whitespace normalised (for the cache)
  std::vector<Entry> parts;  // a scene's further files as plain entries (scene_description.h)

  // A music entry's part of its note file: channels=, beats=, tail=, soundfont=, level=
  // (music_select.h).
  std::map<std::string, std::string> musicOptions;

  // Every file this entry writes: the picture, then its mask when it writes one, then its parts'.
  std::vector<std::string> Outputs() const;
};

// Reads a manifest file. `readFile` gives a file's text by its path relative to the assets
// folder (nothing when it cannot be read), so tests can parse from memory. Checks every line,
// the include chain (no cycles) and that no two outputs share a path ignoring letter case.
std::vector<Entry> ReadManifest(
    const std::string& file,
    const std::function<std::optional<std::string>(const std::string&)>& readFile);

// Reads the manifest from disk under `assetsDir`.
std::vector<Entry> ReadManifestFile(const std::filesystem::path& assetsDir,
                                    const std::string& file = "manifest.txt");

// "Gfx/Buttons/Stop.bmp" -> "Gfx/Buttons/StopMask.bmp".
std::string DefaultMaskPath(const std::string& path);

std::string KindName(Kind k);

// Drops a comment: a '#' that begins a word (at the start of the line or after a blank) and
// everything after it. A '#' inside a word stays ("bg=#FFFFFF", "F#5").
void StripComment(std::string& line);

// Calls `line` with the words of every line of `text` that has any once comments are dropped,
// and with "NAME:NUMBER: ", the start of that line's error messages.
void ForEachWordLine(const std::string& text, const std::string& name,
                     const std::function<void(const std::vector<std::string>& words,
                                              const std::string& where)>& line);

// Lower-case copy, for comparing program paths.
std::string Lower(std::string s);

}  // namespace forge
