// Scene descriptions: a picture composed from a background drawing and pieces laid on it, which
// the forge writes as the complete picture, the picture with the pieces' holes, each piece with
// its mask and an optional small preview (the `scene` kind, see assets/README.md).
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "manifest.h"

namespace forge {

struct ScenePiece {
  std::string name;  // the file name without ".bmp"; its mask is NAME + "Mask.bmp"
  int width = 0;
  int height = 0;
  int x = 0;  // top-left corner in the scene, may lie slightly outside it
  int y = 0;
  std::string source;  // the drawing, relative to the assets folder
  char flip = 0;       // 0, 'h' or 'v'
  std::map<std::string, double> vars;
  std::string where;  // "file:line" for messages
};

struct SceneDescription {
  std::string target;  // program path of the picture with the holes
  std::string icon;    // program path of the preview, empty for none
  int iconWidth = 0;
  int iconHeight = 0;
  std::string background;  // the background drawing
  std::map<std::string, double> backgroundVars;
  unsigned hole = 0x4A4560;        // 0xRRGGBB of the holes
  std::vector<ScenePiece> pieces;  // in drawing order
};

// Reads a description; `name` is its path for messages. Throws ForgeError naming the line.
SceneDescription ParseScene(const std::string& text, const std::string& name);

// Reads the description of a scene entry and lists the files it writes besides the complete
// picture as plain entries in `scene.parts`: the picture with the holes, the preview, and each
// piece as a sprite in the complete picture's folder.
void ReadSceneParts(Entry& scene,
                    const std::function<std::optional<std::string>(const std::string&)>& readFile);

// Everything a scene is made from in one text (the description, then every drawing it names),
// so that the cache notices a change in any of them. Nothing when a drawing cannot be read (the
// missing file is reported on stderr).
std::optional<std::string> BundleScene(
    const Entry& scene, const std::string& description,
    const std::function<std::optional<std::string>(const std::string&)>& readFile);

// The files of a bundle by their source paths. Throws ForgeError when it is damaged.
std::map<std::string, std::string> UnbundleScene(const std::string& bundle);

}  // namespace forge
