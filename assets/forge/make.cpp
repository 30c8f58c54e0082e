#include "make.h"

#include <fstream>
#include <thread>

#include "music.h"
#include "music_select.h"
#include "png.h"
#include "render.h"
#include "scene.h"
#include "synth.h"
#include "wav.h"

namespace forge {

Variables FrameVariables(const Entry& e, int frame) {
  Variables vars;
  for (const auto& [name, value] : e.vars) vars[name] = value;
  vars["f"] = frame;
  vars["n"] = e.frames;
  vars["t"] = static_cast<double>(frame) / e.frames;
  return vars;
}

Image DrawEntry(const Entry& e, const std::string& svg) {
  Image whole{e.width * e.frames, e.height,
              std::vector<std::uint32_t>(static_cast<size_t>(e.width) * e.frames * e.height)};
  for (int f = 0; f < e.frames; ++f) {
    std::string text;
    try {
      text = Substitute(svg, FrameVariables(e, f));
    } catch (const ExprError& err) {
      throw ForgeError(e.source + ": " + err.what());
    }
    Paste(whole, RenderSvg(text, e.source, e.width, e.height, e.rotate, e.flip), f * e.width);
  }
  return whole;
}

Made MakeEntry(const Entry& e, const std::string& source) {
  Made made;
  auto& files = made.files;
  switch (e.kind) {
    case Kind::Picture:
      files[e.path] = EncodeBmp(Flatten(DrawEntry(e, source), e.bg));
      break;
    case Kind::Sprite:
    case Kind::Strip: {
      Rgb picture, mask;
      SplitMask(DrawEntry(e, source), picture, mask);
      files[e.path] = EncodeBmp(picture);
      if (e.writesMask) files[e.mask] = EncodeBmp(mask);
      break;
    }
    case Kind::Cursor:
      files[e.path] = EncodeCursor(DrawEntry(e, source), e.hotX, e.hotY);
      break;
    case Kind::Sound: {
      Recipe r = ParseRecipe(source, e.source);
      int clipped = 0;
      files[e.path] = EncodeWav(RenderRecipe(r, &clipped), 1, r.rate);
      if (clipped > 0) {
        made.warnings.push_back(e.source + ": " + std::to_string(clipped) +
                                " samples clipped; lower the gain or use normalize");
      }
      break;
    }
    case Kind::Music: {
      std::vector<std::int16_t> samples = RenderMusicEntry(e, source, made.warnings);
      size_t loud = 0;
      for (std::int16_t s : samples) loud += s >= 32767 || s <= -32767;
      if (loud > samples.size() / 10000) {
        made.warnings.push_back(e.source + ": " + std::to_string(loud) +
                                " samples at full scale; lower the gain");
      }
      files[e.path] = EncodeWav(samples, 2, 44100);
      break;
    }
    case Kind::Data:
      files[e.path] = std::vector<std::uint8_t>(source.begin(), source.end());
      break;
    case Kind::Scene:
      files = MakeScene(e, source);
      break;
    case Kind::Png:
      files[e.path] = EncodePng(DrawEntry(e, source));
      if (files[e.path].empty()) throw ForgeError(e.source + ": cannot encode the PNG");
      break;
  }
  return made;
}

void WriteFileAtomic(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::filesystem::path temp = file;
  temp += ".forge-tmp-" + std::to_string(std::hash<std::thread::id>{}(std::this_thread::get_id()));
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw ForgeError("cannot write " + temp.string());
  }
  std::filesystem::rename(temp, file);
}

}  // namespace forge
