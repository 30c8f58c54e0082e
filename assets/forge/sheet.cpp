#include "sheet.h"

#include <cairo.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

#include "image.h"
#include "png.h"

namespace forge {
namespace {

constexpr int kPad = 10;
constexpr int kLabel = 16;
constexpr std::uint32_t kSheetGrey = 0x9A9A9A;

std::uint32_t Checker(int x, int y) {
  return ((x / 8 + y / 8) % 2) ? 0xB8B8B8 : 0xD8D8D8;
}

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Blend(std::uint32_t straight, std::uint32_t under) {
  std::uint32_t a = straight >> 24;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    std::uint32_t c = (straight >> shift) & 0xFF, u = (under >> shift) & 0xFF;
    out |= ((c * a + u * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

struct Cell {
  std::string label;
  Rgb pixels;  // what the program would show, over a checker where transparent
  int hotX = -1, hotY = -1;
  bool broken = false;
};

Cell MakeCell(const Entry& e, const std::filesystem::path& outDir) {
  Cell cell;
  std::string name = e.path.substr(e.path.rfind('/') + 1);
  cell.label = name;
  if (e.kind == Kind::Strip) cell.label += " (" + std::to_string(e.frames) + " frames)";
  auto fail = [&](const std::string& why) {
    std::cerr << "contact sheet: " << e.path << ": " << why << "\n";
    cell.broken = true;
    cell.pixels = Rgb{std::max(e.width * e.frames, 20), std::max(e.height, 20), {}};
    cell.pixels.rgb.assign(static_cast<size_t>(cell.pixels.width) * cell.pixels.height, 0xE02020);
    return cell;
  };
  auto bytes = ReadBytes(outDir / e.path);
  if (!bytes) return fail("missing");
  if (e.kind == Kind::Cursor) {
    auto cur = DecodeCursor(*bytes);
    if (!cur) return fail("not a cursor this forge writes");
    cell.pixels = Rgb{cur->image.width, cur->image.height, {}};
    for (int y = 0; y < cur->image.height; ++y) {
      for (int x = 0; x < cur->image.width; ++x) {
        cell.pixels.rgb.push_back(
            Blend(cur->image.argb[static_cast<size_t>(y) * cur->image.width + x], Checker(x, y)));
      }
    }
    cell.hotX = cur->hotX;
    cell.hotY = cur->hotY;
    return cell;
  }
  if (e.kind == Kind::Png) {
    auto png = DecodePng(*bytes);
    if (!png) return fail("not a PNG with alpha");
    cell.pixels = Rgb{png->width, png->height, {}};
    for (int y = 0; y < png->height; ++y) {
      for (int x = 0; x < png->width; ++x) {
        cell.pixels.rgb.push_back(Blend(
            Unpremultiply(png->argb[static_cast<size_t>(y) * png->width + x]), Checker(x, y)));
      }
    }
    return cell;
  }
  auto picture = DecodeBmp(*bytes);
  if (!picture) return fail("not a 24-bit BMP");
  cell.pixels = *picture;
  if (e.kind == Kind::Sprite || e.kind == Kind::Strip) {
    auto maskBytes = ReadBytes(outDir / e.mask);
    std::optional<Rgb> mask = maskBytes ? DecodeBmp(*maskBytes) : std::nullopt;
    if (!mask || mask->width != picture->width || mask->height != picture->height) {
      return fail("mask missing or of another size");
    }
    // The program draws mask AND, then picture PAINT (OR).
    for (int y = 0; y < picture->height; ++y) {
      for (int x = 0; x < picture->width; ++x) {
        size_t i = static_cast<size_t>(y) * picture->width + x;
        cell.pixels.rgb[i] = (Checker(x, y) & mask->rgb[i]) | picture->rgb[i];
      }
    }
  }
  return cell;
}

cairo_surface_t* ToSurface(const Rgb& img) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < img.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < img.width; ++x) row[x] = img.rgb[static_cast<size_t>(y) * img.width + x];
  }
  cairo_surface_mark_dirty(s);
  return s;
}

bool WriteSheet(const std::vector<Cell>& cells, int zoom, const std::filesystem::path& file) {
  // Measure the labels with a scratch context, then lay the cells out in rows.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* m = cairo_create(scratch);
  cairo_select_font_face(m, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(m, 11);
  int sheetWidth = 1000;
  std::vector<int> widths;
  for (const Cell& c : cells) {
    cairo_text_extents_t ext;
    cairo_text_extents(m, c.label.c_str(), &ext);
    int w = std::max(c.pixels.width * zoom, static_cast<int>(ext.x_advance) + 2);
    widths.push_back(w);
    sheetWidth = std::max(sheetWidth, w + 2 * kPad);
  }
  cairo_destroy(m);
  cairo_surface_destroy(scratch);

  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = kPad, y = kPad, rowHeight = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (x > kPad && x + widths[i] + kPad > sheetWidth) {
      x = kPad;
      y += rowHeight + kPad;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += widths[i] + kPad;
    rowHeight = std::max(rowHeight, cells[i].pixels.height * zoom + kLabel);
  }
  int sheetHeight = y + rowHeight + kPad;

  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheetWidth, sheetHeight);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, ((kSheetGrey >> 16) & 0xFF) / 255.0, ((kSheetGrey >> 8) & 0xFF) / 255.0,
                       (kSheetGrey & 0xFF) / 255.0);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    cairo_surface_t* img = ToSurface(c.pixels);
    cairo_save(cr);
    cairo_translate(cr, places[i].x, places[i].y);
    cairo_scale(cr, zoom, zoom);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
    if (c.hotX >= 0) {
      double hx = places[i].x + (c.hotX + 0.5) * zoom, hy = places[i].y + (c.hotY + 0.5) * zoom;
      cairo_set_source_rgb(cr, 1, 0, 0);
      cairo_set_line_width(cr, 1);
      cairo_move_to(cr, hx - 4, hy);
      cairo_line_to(cr, hx + 4, hy);
      cairo_move_to(cr, hx, hy - 4);
      cairo_line_to(cr, hx, hy + 4);
      cairo_stroke(cr);
    }
    if (c.broken) {
      cairo_set_source_rgb(cr, 0.8, 0, 0);
    } else {
      cairo_set_source_rgb(cr, 0, 0, 0);
    }
    cairo_move_to(cr, places[i].x, places[i].y + c.pixels.height * zoom + 12);
    cairo_show_text(cr, c.label.c_str());
  }
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(sheet, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok;
}

}  // namespace

int WriteContactSheets(const std::vector<Entry>& entries, const std::filesystem::path& outDir,
                       const std::filesystem::path& sheetDir, int zoom) {
  std::map<std::string, std::vector<Cell>> folders;
  for (const Entry& e : entries) {
    if (e.kind == Kind::Sound || e.kind == Kind::Music || e.kind == Kind::Data) continue;
    std::vector<const Entry*> shown{&e};
    for (const Entry& part : e.parts) shown.push_back(&part);
    for (const Entry* s : shown) {
      std::string folder = s->path.substr(0, s->path.rfind('/'));
      std::replace(folder.begin(), folder.end(), '/', '_');
      folders[folder].push_back(MakeCell(*s, outDir));
    }
  }
  std::filesystem::create_directories(sheetDir);
  int written = 0;
  for (const auto& [folder, cells] : folders) {
    std::filesystem::path file = sheetDir / (folder + ".png");
    if (WriteSheet(cells, zoom, file)) {
      ++written;
      std::cout << "contact sheet " << file.string() << "\n";
    } else {
      std::cerr << "cannot write " << file.string() << "\n";
    }
  }
  return written;
}

}  // namespace forge
