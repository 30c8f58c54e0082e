// Pixel buffers and the picture file formats the program reads: 24-bit BMP and 32-bit ".cur".
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace forge {

// Pixels as cairo draws them: 0xAARRGGBB with the colour premultiplied by alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

// Opaque pixels 0x00RRGGBB.
struct Rgb {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;
};

// Lays the drawing over a background colour (0xRRGGBB).
Rgb Flatten(const Image& img, std::uint32_t bg);

// Splits a drawing into a picture and its mask with a hard edge at alpha 128: opaque pixels get
// their un-premultiplied colour and a black mask, the others a black picture and a white mask.
void SplitMask(const Image& img, Rgb& picture, Rgb& mask);

// Places `part` into `whole` with its left edge at x (strips are built frame by frame).
void Paste(Image& whole, const Image& part, int x);

// Mirrors left-right ('h') or top-bottom ('v'); any other value leaves the image as it is.
Image Mirror(Image img, char flip);

// Turns clockwise by 90, 180 or 270 degrees (other values: unchanged).
Image Turn(const Image& img, int degrees);

// The colour of a premultiplied pixel with its alpha removed (0xAARRGGBB, straight).
std::uint32_t Unpremultiply(std::uint32_t argb);

// A bottom-up 24-bit uncompressed BMP (BITMAPINFOHEADER), rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp(const Rgb& img);
// Reads back what EncodeBmp writes (24-bit, uncompressed, either row order); nothing otherwise.
std::optional<Rgb> DecodeBmp(const std::vector<std::uint8_t>& bytes);

// A ".cur" file with one image: 32-bit straight BGRA with its AND mask (set where alpha < 128).
std::vector<std::uint8_t> EncodeCursor(const Image& img, int hotX, int hotY);

struct Cursor {
  Image image;  // straight (not premultiplied) 0xAARRGGBB
  int hotX = 0;
  int hotY = 0;
};
// Reads back what EncodeCursor writes; nothing for anything else.
std::optional<Cursor> DecodeCursor(const std::vector<std::uint8_t>& bytes);

}  // namespace forge
