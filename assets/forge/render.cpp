#include "render.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "manifest.h"

namespace forge {
namespace {

struct GObjectUnref {
  void operator()(gpointer p) const { g_object_unref(p); }
};

// The drawing's own size in pixels: width/height when given in absolute units, else the
// viewBox.
bool IntrinsicSize(RsvgHandle* h, double& w, double& hgt) {
  gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
  RsvgLength lw, lh;
  RsvgRectangle viewBox;
  rsvg_handle_get_intrinsic_dimensions(h, &hasWidth, &lw, &hasHeight, &lh, &hasViewBox, &viewBox);
  if (rsvg_handle_get_intrinsic_size_in_pixels(h, &w, &hgt) && w > 0 && hgt > 0) return true;
  if (hasViewBox && viewBox.width > 0 && viewBox.height > 0) {
    w = viewBox.width;
    hgt = viewBox.height;
    return true;
  }
  return false;
}

}  // namespace

Image RenderSvg(const std::string& svg, const std::string& name, int width, int height, int rotate,
                char flip) {
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, GObjectUnref> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
  if (!handle) {
    std::string message = error ? error->message : "unknown error";
    if (error) g_error_free(error);
    throw ForgeError(name + ": cannot read the SVG: " + message);
  }
  double iw = 0, ih = 0;
  if (!IntrinsicSize(handle.get(), iw, ih)) {
    throw ForgeError(name + ": the SVG has no width/height or viewBox");
  }

  // The drawing is rendered upright at the size it will have once turned, then mirrored and
  // turned pixel by pixel: quarter turns and mirrors are exact permutations of pixels.
  const bool sideways = rotate == 90 || rotate == 270;
  const int tw = sideways ? height : width;
  const int th = sideways ? width : height;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, tw / iw, th / ih);
  RsvgRectangle viewport{0, 0, iw, ih};
  gboolean ok = rsvg_handle_render_document(handle.get(), cr, &viewport, &error);
  cairo_destroy(cr);
  cairo_surface_flush(surface);

  Image upright{tw, th, std::vector<std::uint32_t>(static_cast<size_t>(tw) * th)};
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < th; ++y) {
    std::memcpy(&upright.argb[static_cast<size_t>(y) * tw], data + static_cast<size_t>(y) * stride,
                static_cast<size_t>(tw) * 4);
  }
  cairo_surface_destroy(surface);
  if (!ok) {
    std::string message = error ? error->message : "unknown error";
    if (error) g_error_free(error);
    throw ForgeError(name + ": cannot draw the SVG: " + message);
  }
  return Turn(Mirror(std::move(upright), flip), rotate);
}

}  // namespace forge
