#include "png.h"

#include <cairo.h>

#include <cstring>

namespace forge {
namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

struct Reading {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

cairo_status_t Take(void* closure, unsigned char* data, unsigned int length) {
  auto* r = static_cast<Reading*>(closure);
  if (r->bytes->size() - r->at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r->bytes->data() + r->at, length);
  r->at += length;
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Image& img) {
  // The drawing's pixels are cairo's own ARGB32 layout, so a surface is filled row by row.
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.width, img.height);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < img.height; ++y) {
    std::memcpy(data + static_cast<std::size_t>(y) * stride,
                &img.argb[static_cast<std::size_t>(y) * img.width],
                static_cast<std::size_t>(img.width) * 4);
  }
  cairo_surface_mark_dirty(s);
  std::vector<std::uint8_t> out;
  const cairo_status_t status = cairo_surface_write_to_png_stream(s, &Append, &out);
  cairo_surface_destroy(s);
  if (status != CAIRO_STATUS_SUCCESS) out.clear();
  return out;
}

std::optional<Image> DecodePng(const std::vector<std::uint8_t>& bytes) {
  Reading reading{&bytes};
  cairo_surface_t* s = cairo_image_surface_create_from_png_stream(&Take, &reading);
  std::optional<Image> img;
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
      cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32) {
    img = Image{cairo_image_surface_get_width(s), cairo_image_surface_get_height(s), {}};
    img->argb.resize(static_cast<std::size_t>(img->width) * img->height);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < img->height; ++y) {
      std::memcpy(&img->argb[static_cast<std::size_t>(y) * img->width],
                  data + static_cast<std::size_t>(y) * stride,
                  static_cast<std::size_t>(img->width) * 4);
    }
  }
  cairo_surface_destroy(s);
  return img;
}

}  // namespace forge
