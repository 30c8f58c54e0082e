#include "support/scenario/game_helpers.h"

#include <filesystem>
#include <fstream>

namespace scenario {

namespace {

constexpr int kIcons[8][2] = {{250, 150}, {550, 150}, {150, 325}, {400, 325},
                              {650, 325}, {175, 500}, {400, 500}, {625, 500}};

}  // namespace

std::string At(int x, int y) {
  return std::to_string(x) + " " + std::to_string(y);
}

std::string IconClick(Game game) {
  const auto& icon = kIcons[static_cast<int>(game)];
  return "click " + At(icon[0], icon[1]) + "\n";
}

std::string Open(Game game, int waitMs) {
  return "wait 600\n" + IconClick(game) + Wait(waitMs);
}

std::string Click(int x, int y, int waitMs) {
  return "click " + At(x, y) + "\n" + Wait(waitMs);
}

std::string Wait(int ms) {
  return ms > 0 ? "wait " + std::to_string(ms) + "\n" : "";
}

std::string Keys(const std::string& key, int count, int waitMs) {
  std::string script;
  for (int i = 0; i < count; ++i) script += "key " + key + "\n" + Wait(waitMs);
  return script;
}

std::string Drag(std::pair<int, int> from, std::pair<int, int> to, int steps) {
  std::string script = "move " + At(from.first, from.second) + "\ndown\n";
  for (int i = 1; i <= steps; ++i) {
    script += "wait 20\nmove " +
              At(from.first + (to.first - from.first) * i / steps,
                 from.second + (to.second - from.second) * i / steps) +
              "\n";
  }
  return script + "wait 20\nup\nwait 20\n";
}

void WriteSettings(Scenario& s, const std::string& ini) {
  const auto dir = s.dir() / "config" / "Kidplay";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "settings.ini") << ini;
}

std::vector<long> TimesOf(const Result& r, const std::string& line) {
  std::vector<long> times;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i] == line) times.push_back(TimeOf(r.timed[i]));
  }
  return times;
}

long FirstTime(const Result& r, const std::string& line, long from) {
  for (long t : TimesOf(r, line)) {
    if (t >= from) return t;
  }
  return -1;
}

int CountPrefix(const Result& r, const std::string& prefix) {
  int n = 0;
  for (const std::string& line : r.trace) n += line.rfind(prefix, 0) == 0;
  return n;
}

bool PictureAt(const platform::Surface& shot, const platform::Surface& picture,
               const platform::Surface& mask, int x, int y, int percent, int srcX, int w, int h) {
  if (w < 0) w = picture.width();
  if (h < 0) h = picture.height();
  long opaque = 0, same = 0;
  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      if (platform::GetPixel(mask, srcX + px, py) != 0) continue;
      ++opaque;
      same +=
          platform::GetPixel(shot, x + px, y + py) == platform::GetPixel(picture, srcX + px, py);
    }
  }
  return opaque > 0 && same * 100 >= opaque * percent;
}

::testing::AssertionResult NoSurfaceLeaked(const Result& r, std::size_t visits) {
  const std::vector<int> counts = SurfacesAtMenu(r);
  if (counts.size() != visits + 1) {
    return ::testing::AssertionFailure()
           << "the menu showed " << counts.size() << " times, not " << visits + 1;
  }
  for (std::size_t i = 1; i < counts.size(); ++i) {
    if (counts[i] != counts[0]) {
      return ::testing::AssertionFailure() << "surfaces at the menu: " << counts[0] << " at first, "
                                           << counts[i] << " after visit " << i;
    }
  }
  return ::testing::AssertionSuccess();
}

bool Ringed(const platform::Surface& shot, int x, int y) {
  return platform::GetPixel(shot, x, y) == static_cast<std::int64_t>(platform::Rgb(255, 150, 0));
}

int OptionsDialog::Selected(const platform::Surface& shot) const {
  int found = -1;
  for (int i = 0; i < 3; ++i) {
    if (Ringed(shot, 221 + 128 * i, top + 85)) found = found == -1 ? i : -2;
  }
  return found;
}

}  // namespace scenario
