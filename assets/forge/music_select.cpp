#include "music_select.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace forge {
namespace {

bool Number(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && std::isfinite(out);
}

std::vector<std::string> SplitAt(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::istringstream in(s);
  std::string part;
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!s.empty() && s.back() == sep) parts.push_back("");
  return parts;
}

// "A-B" with 0 <= A < B <= 2000.
bool BeatRange(const std::string& s, double& from, double& to) {
  const std::vector<std::string> ends = SplitAt(s, '-');
  return ends.size() == 2 && Number(ends[0], from) && Number(ends[1], to) && from >= 0 &&
         to > from && to <= 2000;
}

// "1,2,10": distinct channels 1..16.
bool ChannelList(const std::string& s, std::vector<int>& channels) {
  channels.clear();
  for (const std::string& part : SplitAt(s, ',')) {
    double v = 0;
    if (!Number(part, v) || v != std::floor(v) || v < 1 || v > 16) return false;
    if (std::find(channels.begin(), channels.end(), static_cast<int>(v)) != channels.end()) {
      return false;
    }
    channels.push_back(static_cast<int>(v));
  }
  return !channels.empty();
}

}  // namespace

bool IsMusicOption(const std::string& key) {
  return key == "channels" || key == "beats" || key == "tail" || key == "soundfont" ||
         key == "level";
}

std::string CheckMusicOption(const std::string& key, const std::string& value) {
  double a = 0, b = 0;
  std::vector<int> channels;
  if (key == "channels") {
    return ChannelList(value, channels) ? "" : "channels= lists channels 1..16 (channels=1,10)";
  }
  if (key == "beats") {
    return BeatRange(value, a, b) ? "" : "beats= is a range A-B of beats (beats=8-16)";
  }
  if (key == "tail") {
    return Number(value, a) && a >= 0 && a <= 10 ? "" : "tail= is 0..10 seconds";
  }
  if (key == "soundfont") {
    return SoundFontFile(value).empty() ? "soundfont= is timgm6mb or musescore" : "";
  }
  if (key == "level") {
    return Number(value, a) && a >= -40 && a <= -3 ? "" : "level= is -40..-3 dBFS";
  }
  return "unknown option '" + key + "'";
}

MusicSelection ReadMusicSelection(const std::map<std::string, std::string>& options) {
  MusicSelection s;
  for (const auto& [key, value] : options) {
    if (key == "channels") {
      ChannelList(value, s.channels);
    } else if (key == "beats") {
      BeatRange(value, s.from, s.to);
    } else if (key == "tail") {
      Number(value, s.tail);
    } else if (key == "soundfont") {
      s.soundFont = SoundFontFile(value);
    } else if (key == "level") {
      Number(value, s.level);
    }
  }
  return s;
}

Score SelectPart(const Score& whole, const MusicSelection& s, const std::string& name) {
  Score part = whole;
  part.notes.clear();
  double end = whole.length;
  for (const Note& n : whole.notes) end = std::max(end, n.start + n.length);
  const double to = s.to < 0 ? end : s.to;
  for (const Note& n : whole.notes) {
    const bool channel = s.channels.empty() || std::find(s.channels.begin(), s.channels.end(),
                                                         n.channel) != s.channels.end();
    if (!channel || n.start < s.from || n.start >= to) continue;
    Note kept = n;
    kept.start = n.start - s.from;
    kept.length = std::min(n.length, to - n.start);
    part.notes.push_back(kept);
  }
  if (part.notes.empty()) throw ForgeError(name + ": the chosen channels and beats hold no notes");
  part.length = to - s.from;
  if (s.tail >= 0) part.tail = s.tail;
  return part;
}

std::string SoundFontFile(const std::string& name) {
  if (name == "timgm6mb") return "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (name == "musescore") return "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3";
  return "";
}

}  // namespace forge
