#include "scene.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <numbers>

#include "make.h"
#include "scene_description.h"

namespace forge {
namespace {

constexpr double kPi = std::numbers::pi;

std::uint32_t Scale(std::uint32_t rgb, double f) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = ((rgb >> shift) & 0xFF) * f;
    out |= static_cast<std::uint32_t>(std::clamp(c + 0.5, 0.0, 255.0)) << shift;
  }
  return out;
}

std::uint32_t Lighten(std::uint32_t rgb, double share) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = ((rgb >> shift) & 0xFF) * (1 - share) + 255 * share;
    out |= static_cast<std::uint32_t>(c + 0.5) << shift;
  }
  return out;
}

// A drawing of the description rendered at its size, as a plain one-frame entry.
Image Draw(const std::string& source, const std::string& svg, int w, int h, char flip,
           const std::map<std::string, double>& vars) {
  Entry e;
  e.source = source;
  e.width = w;
  e.height = h;
  e.flip = flip;
  e.vars = vars;
  return DrawEntry(e, svg);
}

// The preview: the complete picture scaled into a rounded tile with an outline, like the other
// games' scenario icons.
Rgb Preview(const Rgb& picture, int w, int h) {
  cairo_surface_t* src =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
  cairo_surface_flush(src);
  unsigned char* data = cairo_image_surface_get_data(src);
  int stride = cairo_image_surface_get_stride(src);
  for (int y = 0; y < picture.height; ++y) {
    std::memcpy(data + static_cast<size_t>(y) * stride,
                &picture.rgb[static_cast<size_t>(y) * picture.width],
                static_cast<size_t>(picture.width) * 4);
  }
  cairo_surface_mark_dirty(src);

  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_rgb(cr, 1.0, 0xFD / 255.0, 0xF4 / 255.0);
  cairo_paint(cr);
  const double inset = 3, r = std::min(w, h) * 0.15;
  auto tile = [&] {
    cairo_new_path(cr);
    cairo_arc(cr, w - inset - r, inset + r, r, -kPi / 2, 0);
    cairo_arc(cr, w - inset - r, h - inset - r, r, 0, kPi / 2);
    cairo_arc(cr, inset + r, h - inset - r, r, kPi / 2, kPi);
    cairo_arc(cr, inset + r, inset + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  tile();
  cairo_clip(cr);
  cairo_scale(cr, static_cast<double>(w) / picture.width, static_cast<double>(h) / picture.height);
  cairo_set_source_surface(cr, src, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
  tile();
  cairo_set_source_rgb(cr, 0x2E / 255.0, 0x2A / 255.0, 0x40 / 255.0);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_destroy(cr);
  cairo_surface_flush(out);

  Rgb icon{w, h, std::vector<std::uint32_t>(static_cast<size_t>(w) * h)};
  data = cairo_image_surface_get_data(out);
  stride = cairo_image_surface_get_stride(out);
  for (int y = 0; y < h; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) icon.rgb[static_cast<size_t>(y) * w + x] = row[x] & 0xFFFFFF;
  }
  cairo_surface_destroy(out);
  cairo_surface_destroy(src);
  return icon;
}

}  // namespace

void CutHoles(Rgb& picture, const std::vector<char>& hole, std::uint32_t colour) {
  const int w = picture.width, h = picture.height;
  // Beyond the picture's border a hole goes on, so no rim is drawn along it.
  auto inside = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h || hole[static_cast<size_t>(y) * w + x];
  };
  // How near an edge lies in the direction (dx, dy): 1 for the next pixel, up to `reach`;
  // 0 when there is none that near.
  auto edge = [&](int x, int y, int dx, int dy, int reach) {
    for (int k = 1; k <= reach; ++k) {
      if (!inside(x + dx * k, y) || !inside(x, y + dy * k) || !inside(x + dx * k, y + dy * k)) {
        return k;
      }
    }
    return 0;
  };
  for (int y = 0; y < h; ++y) {
    // A faint fall of light from the top of the picture to its bottom.
    const std::uint32_t base = Scale(colour, 0.9 + 0.2 * y / std::max(1, h - 1));
    for (int x = 0; x < w; ++x) {
      if (!hole[static_cast<size_t>(y) * w + x]) continue;
      std::uint32_t c = base;
      if (const int k = edge(x, y, -1, -1, 4); k > 0) {
        c = Scale(base, k <= 2 ? 0.55 : 0.75);
      } else if (edge(x, y, 1, 1, 2) > 0) {
        c = Lighten(base, 0.22);
      }
      picture.rgb[static_cast<size_t>(y) * w + x] = c;
    }
  }
}

std::map<std::string, std::vector<std::uint8_t>> MakeScene(const Entry& scene,
                                                           const std::string& bundle) {
  const std::map<std::string, std::string> texts = UnbundleScene(bundle);
  auto text = [&](const std::string& path) -> const std::string& {
    auto it = texts.find(path);
    if (it == texts.end()) throw ForgeError(scene.source + ": '" + path + "' is not bundled");
    return it->second;
  };
  const SceneDescription d = ParseScene(text(scene.source), scene.source);
  // The parts in the order ReadSceneParts lists them, so the paths are the manifest's.
  Entry listed = scene;
  ReadSceneParts(listed, [&](const std::string& path) { return std::optional(text(path)); });
  const size_t firstPiece = listed.parts.size() - d.pieces.size();

  std::map<std::string, std::vector<std::uint8_t>> files;
  const int w = scene.width, h = scene.height;
  const Rgb background =
      Flatten(Draw(d.background, text(d.background), w, h, 0, d.backgroundVars), 0xFFFFFF);
  Rgb complete = background;
  std::vector<char> hole(static_cast<size_t>(w) * h, 0);
  for (size_t i = 0; i < d.pieces.size(); ++i) {
    const ScenePiece& p = d.pieces[i];
    const Entry& part = listed.parts[firstPiece + i];
    Rgb picture, mask;
    SplitMask(Draw(p.source, text(p.source), p.width, p.height, p.flip, p.vars), picture, mask);
    files[part.path] = EncodeBmp(picture);
    files[part.mask] = EncodeBmp(mask);
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const int sx = p.x + x, sy = p.y + y;
        const size_t from = static_cast<size_t>(y) * p.width + x;
        if (sx < 0 || sy < 0 || sx >= w || sy >= h || mask.rgb[from] != 0) continue;
        const size_t to = static_cast<size_t>(sy) * w + sx;
        complete.rgb[to] = picture.rgb[from];
        hole[to] = 1;
      }
    }
  }
  Rgb target = background;
  CutHoles(target, hole, d.hole);
  files[scene.path] = EncodeBmp(complete);
  files[d.target] = EncodeBmp(target);
  if (!d.icon.empty()) files[d.icon] = EncodeBmp(Preview(complete, d.iconWidth, d.iconHeight));
  return files;
}

}  // namespace forge
