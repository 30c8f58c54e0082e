#include "image.h"

#include <algorithm>
#include <cstring>

namespace forge {
namespace {

void Put16(std::vector<std::uint8_t>& b, unsigned v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

std::uint32_t Get16(const std::vector<std::uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void PutInfoHeader(std::vector<std::uint8_t>& b, int w, int h, int bits, std::uint32_t imageSize) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);  // planes
  Put16(b, bits);
  Put32(b, 0);  // BI_RGB
  Put32(b, imageSize);
  Put32(b, 2835);  // 72 dpi
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
}

}  // namespace

std::uint32_t Unpremultiply(std::uint32_t p) {
  std::uint32_t a = p >> 24;
  if (a == 0) return 0;
  if (a == 255) return p;
  auto channel = [&](int shift) {
    std::uint32_t c = (p >> shift) & 0xFF;
    return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) << shift;
  };
  return (a << 24) | channel(16) | channel(8) | channel(0);
}

Rgb Flatten(const Image& img, std::uint32_t bg) {
  Rgb out{img.width, img.height, std::vector<std::uint32_t>(img.argb.size())};
  for (size_t i = 0; i < img.argb.size(); ++i) {
    std::uint32_t p = img.argb[i];
    std::uint32_t inv = 255 - (p >> 24);
    std::uint32_t px = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      std::uint32_t c = ((p >> shift) & 0xFF) + (((bg >> shift) & 0xFF) * inv + 127) / 255;
      px |= std::min<std::uint32_t>(c, 255) << shift;
    }
    out.rgb[i] = px;
  }
  return out;
}

void SplitMask(const Image& img, Rgb& picture, Rgb& mask) {
  picture = Rgb{img.width, img.height, std::vector<std::uint32_t>(img.argb.size())};
  mask = picture;
  for (size_t i = 0; i < img.argb.size(); ++i) {
    std::uint32_t p = img.argb[i];
    bool opaque = (p >> 24) >= 128;
    picture.rgb[i] = opaque ? Unpremultiply(p) & 0xFFFFFF : 0;
    mask.rgb[i] = opaque ? 0 : 0xFFFFFF;
  }
}

void Paste(Image& whole, const Image& part, int x) {
  for (int y = 0; y < part.height && y < whole.height; ++y) {
    for (int i = 0; i < part.width && x + i < whole.width; ++i) {
      if (x + i < 0) continue;
      whole.argb[static_cast<size_t>(y) * whole.width + x + i] =
          part.argb[static_cast<size_t>(y) * part.width + i];
    }
  }
}

Image Mirror(Image img, char flip) {
  const size_t w = img.width, h = img.height;
  if (flip == 'h') {
    for (size_t y = 0; y < h; ++y) {
      std::reverse(img.argb.begin() + y * w, img.argb.begin() + (y + 1) * w);
    }
  } else if (flip == 'v') {
    for (size_t y = 0; y < h / 2; ++y) {
      std::swap_ranges(img.argb.begin() + y * w, img.argb.begin() + (y + 1) * w,
                       img.argb.begin() + (h - 1 - y) * w);
    }
  }
  return img;
}

Image Turn(const Image& img, int degrees) {
  if (degrees != 90 && degrees != 180 && degrees != 270) return img;
  const bool sideways = degrees != 180;
  Image out{sideways ? img.height : img.width, sideways ? img.width : img.height,
            std::vector<std::uint32_t>(img.argb.size())};
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      int nx, ny;
      if (degrees == 90) {  // clockwise: the left column becomes the top row
        nx = img.height - 1 - y;
        ny = x;
      } else if (degrees == 180) {
        nx = img.width - 1 - x;
        ny = img.height - 1 - y;
      } else {
        nx = y;
        ny = img.width - 1 - x;
      }
      out.argb[static_cast<size_t>(ny) * out.width + nx] =
          img.argb[static_cast<size_t>(y) * img.width + x];
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const Rgb& img) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(img.width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(img.height);
  std::vector<std::uint8_t> b;
  b.reserve(54 + imageSize);
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + imageSize);
  Put32(b, 0);
  Put32(b, 54);
  PutInfoHeader(b, img.width, img.height, 24, imageSize);
  for (int y = img.height - 1; y >= 0; --y) {
    size_t rowStart = b.size();
    for (int x = 0; x < img.width; ++x) {
      std::uint32_t p = img.rgb[static_cast<size_t>(y) * img.width + x];
      b.push_back(p & 0xFF);
      b.push_back((p >> 8) & 0xFF);
      b.push_back((p >> 16) & 0xFF);
    }
    b.resize(rowStart + stride, 0);
  }
  return b;
}

std::optional<Rgb> DecodeBmp(const std::vector<std::uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Get32(b, 14) < 40) return std::nullopt;
  std::uint32_t offset = Get32(b, 10);
  auto w = static_cast<std::int32_t>(Get32(b, 18));
  auto h = static_cast<std::int32_t>(Get32(b, 22));
  if (Get16(b, 28) != 24 || Get32(b, 30) != 0 || w <= 0 || h == 0 || w > 32768) {
    return std::nullopt;
  }
  bool topDown = h < 0;
  int height = topDown ? -h : h;
  if (height > 32768) return std::nullopt;
  size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  if (offset > b.size() || b.size() - offset < stride * height) return std::nullopt;
  Rgb img{w, height, std::vector<std::uint32_t>(static_cast<size_t>(w) * height)};
  for (int y = 0; y < height; ++y) {
    size_t row = offset + stride * (topDown ? y : height - 1 - y);
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &b[row + 3 * static_cast<size_t>(x)];
      img.rgb[static_cast<size_t>(y) * w + x] = p[0] | (p[1] << 8) | (p[2] << 16);
    }
  }
  return img;
}

std::vector<std::uint8_t> EncodeCursor(const Image& img, int hotX, int hotY) {
  const std::uint32_t xorSize = static_cast<std::uint32_t>(img.width) * img.height * 4;
  const std::uint32_t andStride = ((static_cast<std::uint32_t>(img.width) + 31) / 32) * 4;
  const std::uint32_t andSize = andStride * static_cast<std::uint32_t>(img.height);
  const std::uint32_t dataSize = 40 + xorSize + andSize;
  std::vector<std::uint8_t> b;
  // ICONDIR: reserved, type 2 = cursor, one image.
  Put16(b, 0);
  Put16(b, 2);
  Put16(b, 1);
  // The entry: sizes of 256 are written as 0; a cursor keeps its hot spot where an icon keeps
  // planes and bit count.
  b.push_back(img.width >= 256 ? 0 : img.width);
  b.push_back(img.height >= 256 ? 0 : img.height);
  b.push_back(0);
  b.push_back(0);
  Put16(b, hotX);
  Put16(b, hotY);
  Put32(b, dataSize);
  Put32(b, 22);
  // The DIB counts the XOR image and the AND mask together, so its height is doubled.
  PutInfoHeader(b, img.width, img.height * 2, 32, xorSize + andSize);
  for (int y = img.height - 1; y >= 0; --y) {
    for (int x = 0; x < img.width; ++x) {
      Put32(b, Unpremultiply(img.argb[static_cast<size_t>(y) * img.width + x]));
    }
  }
  for (int y = img.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(andStride, 0);
    for (int x = 0; x < img.width; ++x) {
      if ((img.argb[static_cast<size_t>(y) * img.width + x] >> 24) < 128) {
        row[x / 8] |= 0x80 >> (x % 8);
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

std::optional<Cursor> DecodeCursor(const std::vector<std::uint8_t>& b) {
  if (b.size() < 22 + 40 || Get16(b, 0) != 0 || Get16(b, 2) != 2 || Get16(b, 4) < 1) {
    return std::nullopt;
  }
  std::uint32_t offset = Get32(b, 18);
  if (offset > b.size() || b.size() - offset < 40) return std::nullopt;
  auto w = static_cast<std::int32_t>(Get32(b, offset + 4));
  auto h2 = static_cast<std::int32_t>(Get32(b, offset + 8));
  if (Get32(b, offset) != 40 || Get16(b, offset + 14) != 32 || w <= 0 || w > 256 || h2 <= 0 ||
      h2 > 512 || h2 % 2 != 0) {
    return std::nullopt;
  }
  int h = h2 / 2;
  size_t pixels = offset + 40;
  if (b.size() - pixels < static_cast<size_t>(w) * h * 4) return std::nullopt;
  Cursor c;
  c.hotX = static_cast<int>(Get16(b, 10));
  c.hotY = static_cast<int>(Get16(b, 12));
  c.image = Image{w, h, std::vector<std::uint32_t>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      c.image.argb[static_cast<size_t>(y) * w + x] =
          Get32(b, pixels + 4 * (static_cast<size_t>(h - 1 - y) * w + x));
    }
  }
  return c;
}

}  // namespace forge
