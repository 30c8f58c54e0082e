// Rendering a score with libfluidsynth, no audio driver: the synthesiser writes samples between
// note events.
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

#include "music.h"

namespace forge {
namespace {

constexpr int kRate = 44100;

struct Event {
  long frame;
  int order;  // note-offs before note-ons at the same frame, so repeated notes sound again
  int channel;
  int key;
  int velocity;
};

}  // namespace

std::vector<std::int16_t> RenderScore(const Score& s, const std::string& soundFont) {
  // fluidsynth sets up shared tables on first use without a lock: two renders at once can come
  // out clipped or too loud. One render at a time keeps the output the same on every run.
  static std::mutex oneAtATime;
  std::lock_guard<std::mutex> lock(oneAtATime);
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
      new_fluid_settings(), delete_fluid_settings);
  if (!settings) throw ForgeError("fluidsynth: cannot make settings");
  fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
  fluid_settings_setnum(settings.get(), "synth.gain", s.gain);
  fluid_settings_setint(settings.get(), "synth.reverb.active", s.reverb ? 1 : 0);
  fluid_settings_setint(settings.get(), "synth.chorus.active", s.chorus ? 1 : 0);
  fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
  // A compressed SoundFont is slow to decode whole: load only the samples this music uses.
  if (soundFont.ends_with(".sf3")) {
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
  }
  std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(
      new_fluid_synth(settings.get()), delete_fluid_synth);
  if (!synth) throw ForgeError("fluidsynth: cannot make a synthesiser");
  if (fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
    throw ForgeError("fluidsynth: cannot load the SoundFont " + soundFont);
  }
  for (const ChannelSetup& c : s.channels) {
    int ch = c.channel - 1;
    if (c.hasProgram && c.channel != 10) fluid_synth_program_change(synth.get(), ch, c.program - 1);
    fluid_synth_cc(synth.get(), ch, 7, c.volume);
    fluid_synth_cc(synth.get(), ch, 10, c.pan);
  }

  const double framesPerBeat = s.SecondsPerBeat() * kRate;
  std::vector<Event> events;
  for (const Note& n : s.notes) {
    long on = std::lround(n.start * framesPerBeat);
    long off = std::max(on + 1, std::lround((n.start + n.length) * framesPerBeat));
    events.push_back({on, 1, n.channel - 1, n.key, n.velocity});
    events.push_back({off, 0, n.channel - 1, n.key, 0});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.frame != b.frame ? a.frame < b.frame : a.order < b.order;
  });

  const long total = std::lround(s.Seconds() * kRate);
  std::vector<std::int16_t> out(static_cast<size_t>(total) * 2);
  long done = 0;
  auto renderTo = [&](long frame) {
    frame = std::min(frame, total);
    while (done < frame) {
      int count = static_cast<int>(std::min<long>(frame - done, 4096));
      std::int16_t* p = out.data() + 2 * done;
      fluid_synth_write_s16(synth.get(), count, p, 0, 2, p, 1, 2);
      done += count;
    }
  };
  for (const Event& e : events) {
    renderTo(e.frame);
    if (e.order == 1) {
      fluid_synth_noteon(synth.get(), e.channel, e.key, e.velocity);
    } else {
      fluid_synth_noteoff(synth.get(), e.channel, e.key);
    }
  }
  renderTo(total);
  return out;
}

}  // namespace forge
