// Sound recipes and note files: reading them, and the synthesised samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "../../assets/forge/loudness.h"
#include "../../assets/forge/music.h"
#include "../../assets/forge/synth.h"

namespace forge {
namespace {

// Sign changes from negative to non-negative: one per period of a clean tone.
int RisingCrossings(const std::vector<float>& s, size_t from, size_t to) {
  int n = 0;
  for (size_t i = from + 1; i < to; ++i) n += s[i - 1] < 0 && s[i] >= 0;
  return n;
}

// The message a reader refuses a text with; empty when it takes it.
template <class Reader>
std::string ErrorOf(Reader read, const std::string& text, const std::string& name) {
  try {
    read(text, name);
  } catch (const ForgeError& e) {
    return e.what();
  }
  return "";
}

std::string RecipeError(const std::string& text) {
  return ErrorOf(ParseRecipe, text, "r.sound");
}

// A recipe's settings and voices with their options, comments ignored.
TEST(ForgeRecipe, ReadsSettingsVoicesAndComments) {
  Recipe r = ParseRecipe(
      "# a pop\n"
      "rate 11025\n"
      "gain 0.5   # quieter\n"
      "tone at=0.1 len=0.3 wave=square freq=440 to=220 glide=lin duty=0.25 amp=0.8\n"
      "noise len=0.2 lowpass=900 highpass=100 repeat=3 every=0.25\n",
      "pop.sound");
  EXPECT_TRUE(r.rate == 11025 && r.gain == 0.5);
  ASSERT_EQ(r.voices.size(), 2u);
  const Voice &t = r.voices[0], &n = r.voices[1];
  EXPECT_TRUE(!t.noise && t.wave == Wave::Square && !t.expGlide);
  EXPECT_TRUE(t.at == 0.1 && t.to == 220 && t.duty == 0.25);
  EXPECT_TRUE(n.noise && n.repeat == 3 && n.lowpass == 900);
  // Without a length the sound lasts until its last voice ends: 0.5 + 0.2 s.
  EXPECT_EQ(RenderVoices(r).size(), static_cast<size_t>(0.7 * 11025 + 0.5));
}

// Each malformed line of a recipe is refused with its file and line.
TEST(ForgeRecipe, MistakesNameTheirLine) {
  const char* bad[] = {
      "tone len=0.2",                       // no frequency
      "tone freq=440",                      // no length
      "noise len=0.2 freq=440",             // frequency on noise
      "tone len=0.2 freq=440 lowpass=100",  // filter on a tone
      "tone len=0.2 freq=440 wave=piano",   // unknown wave
      "tone len=0.2 freq=440 amp=2",        // too loud
      "tone len=0.2 freq=440 len=0.3",      // twice
      "tone len=0.2 freq=440 loud",         // not key=value
      "tone len=0.2 freq=44O",              // not a number
      "tone len=-1 freq=440",               // negative length
      "tone len=0.2 freq=440 repeat=3",     // repeat without every
      "tone len=0.2 freq=440 duty=1",       // duty out of range
      "rate 100",                           // rate out of range
      "volume 3",                           // unknown setting
      "length 1 2",                         // two values
  };
  for (const char* line : bad) {
    std::string error = RecipeError(std::string("length 1\n") + line + "\n");
    if (std::string(line).starts_with("length")) error = RecipeError(std::string("\n") + line);
    EXPECT_EQ(error.rfind("r.sound:2: ", 0), 0u) << line << " -> " << error;
  }
  EXPECT_NE(RecipeError("gain 0.5\nnormalize 0.8\ntone len=1 freq=100\n"), "");
  EXPECT_NE(RecipeError("level -18\ngain 0.5\ntone len=1 freq=100\n"), "");
  EXPECT_NE(RecipeError("level -18\nnormalize 0.8\ntone len=1 freq=100\n"), "");
  EXPECT_EQ(RecipeError("length 1\nlevel -2\n").rfind("r.sound:2: ", 0), 0u);
  EXPECT_EQ(RecipeError("length 1\nlevel -41\n").rfind("r.sound:2: ", 0), 0u);
  EXPECT_NE(RecipeError("# nothing to play and no length\n"), "");
}

// A tone has its frequency, and a glide moves it from the start to the end.
TEST(ForgeRecipe, ToneHasItsPitchAndGlidesToTheEnd) {
  Recipe steady = ParseRecipe("rate 22050\ntone len=1 freq=441 attack=0 release=0\n", "s");
  std::vector<float> s = RenderVoices(steady);
  ASSERT_EQ(s.size(), 22050u);
  EXPECT_NEAR(RisingCrossings(s, 0, s.size()), 441, 2);

  Recipe glide = ParseRecipe("tone len=1 freq=200 to=800 attack=0 release=0\n", "g");
  s = RenderVoices(glide);
  const size_t tenth = s.size() / 10;
  // Exponential glide: about 200 Hz at the start, about 800 Hz at the end.
  EXPECT_NEAR(RisingCrossings(s, 0, tenth) * 10, 230, 30);
  EXPECT_NEAR(RisingCrossings(s, s.size() - tenth, s.size()) * 10, 750, 60);
}

// A voice sounds from its start and for its length only, and again at each repeat.
TEST(ForgeRecipe, VoicesStartOnTimeAndRepeat) {
  Recipe r = ParseRecipe(
      "rate 10000\nlength 1\ntone at=0.25 len=0.1 freq=500 repeat=2 every=0.5 release=0\n", "r");
  std::vector<float> s = RenderVoices(r);
  auto loud = [&](double from, double to) {
    float peak = 0;
    for (size_t i = static_cast<size_t>(from * 10000); i < static_cast<size_t>(to * 10000); ++i) {
      peak = std::max(peak, std::fabs(s[i]));
    }
    return peak;
  };
  EXPECT_EQ(loud(0, 0.249), 0);
  EXPECT_GT(loud(0.26, 0.34), 0.4);
  EXPECT_EQ(loud(0.36, 0.749), 0);
  EXPECT_GT(loud(0.76, 0.84), 0.4);
  EXPECT_EQ(loud(0.86, 1), 0);
}

// The envelope rises, falls to its sustain and fades out on its times.
TEST(ForgeRecipe, EnvelopeRisesHoldsAndFades) {
  const Voice v{.len = 1, .attack = 0.1, .decay = 0.1, .sustain = 0.5, .release = 0.2};
  const std::pair<double, double> levels[] = {{-0.1, 0},    {0, 0},     {0.05, 0.5}, {0.1, 1},
                                              {0.15, 0.75}, {0.5, 0.5}, {0.9, 0.25}, {1, 0}};
  for (const auto& [time, level] : levels) {
    EXPECT_NEAR(Envelope(v, time), level, level == 0 ? 0 : 1e-9) << time;
  }
}

// Gain, normalize and level set the mix's strength; samples past full scale are counted.
TEST(ForgeRecipe, GainNormalizeAndClipping) {
  Recipe norm = ParseRecipe("normalize 0.5\ntone len=0.5 freq=300 amp=0.1\n", "n");
  std::vector<std::int16_t> s = RenderRecipe(norm);
  int peak = 0;
  for (std::int16_t x : s) peak = std::max(peak, std::abs(static_cast<int>(x)));
  EXPECT_NEAR(peak, 16384, 2);

  Recipe loud = ParseRecipe("gain 3\ntone len=0.5 freq=300 amp=1 wave=square\n", "l");
  int clipped = 0;
  s = RenderRecipe(loud, &clipped);
  EXPECT_GT(clipped, 1000);
  EXPECT_EQ(*std::max_element(s.begin(), s.end()), 32767);

  // level brings the mix to a loudness, whatever the voices' amplitudes.
  for (const char* amp : {"0.05", "0.9"}) {
    Recipe level = ParseRecipe(std::string("level -18\ntone len=0.5 freq=500 amp=") + amp +
                                   "\nnoise at=0.5 len=0.3 amp=0.02 lowpass=3000\n",
                               "v");
    EXPECT_EQ(level.level, -18);
    EXPECT_NEAR(Loudness(RenderRecipe(level), 1, level.rate), -18, 0.1) << amp;
  }

  Recipe silence = ParseRecipe("length 0.1\n", "q");
  s = RenderRecipe(silence);
  EXPECT_EQ(s.size(), 2205u);
  EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](std::int16_t x) { return x == 0; }));
}

// Note names with sharps and flats, MIDI numbers, and what is no note.
TEST(ForgeMusic, NoteNamesAndNumbers) {
  const std::pair<const char*, int> notes[] = {{"C4", 60}, {"A4", 69},  {"F#5", 78}, {"Bb3", 58},
                                               {"C-1", 0}, {"G9", 127}, {"36", 36},  {"G#9", -1},
                                               {"H4", -1}, {"C", -1},   {"C10", -1}, {"128", -1},
                                               {"", -1},   {"c#", -1},  {"E##4", -1}};
  for (const auto& [name, key] : notes) EXPECT_EQ(ParseNoteName(name), key) << name;
}

// Sequences place notes, chords and rests on their beats; the length and tail of the music.
TEST(ForgeMusic, SequencesPlaceNotesChordsAndRests) {
  Score s = ParseScore(
      "tempo 120\n"
      "channel 1 program 13 volume 90 pan 20\n"
      "seq 1 2 90 C4/1 r/0.5 C4+E4/2\n"
      "note 1 0 0.5 F#5  # a comment after a sharp\n",
      "m.music");
  std::vector<std::tuple<double, double, int, int>> notes;  // start, length, key, velocity
  for (const Note& n : s.notes) notes.emplace_back(n.start, n.length, n.key, n.velocity);
  EXPECT_EQ(notes, (std::vector<std::tuple<double, double, int, int>>{
                       {2, 1, 60, 90}, {3.5, 2, 60, 90}, {3.5, 2, 64, 90}, {0, 0.5, 78, 100}}));
  ASSERT_EQ(s.channels.size(), 1u);
  EXPECT_TRUE(s.channels[0].program == 13 && s.channels[0].volume == 90 && s.channels[0].pan == 20);
  // The last note ends on beat 5.5 = 2.75 s, then the default tail of 1 s.
  EXPECT_DOUBLE_EQ(s.Seconds(), 3.75);
  Score longer = ParseScore("length 16\ntail 0\nnote 1 0 1 C4\n", "l");
  EXPECT_DOUBLE_EQ(longer.Seconds(), 8);
}

// Each malformed line of a note file is refused with its file and line.
TEST(ForgeMusic, MistakesNameTheirLine) {
  const char* bad[] = {
      "channel 1 program 0",  // programs are 1..128
      "channel 17",           // channels are 1..16
      "channel 1 organ 5",    // unknown setting
      "note 1 0 0 C4",        // no length
      "note 1 0 1 X4",        // bad note
      "note 1 0 1 C4 200",    // velocity too high
      "seq 1 0 100 C4",       // token without length
      "seq 1 0 100 C4+/1",    // half a chord
      "tempo 5",              // too slow
      "reverb maybe",         // on or off
      "play C4",              // unknown line
  };
  for (const char* line : bad) {
    const std::string error = ErrorOf(ParseScore, "note 1 0 1 C4\n" + std::string(line), "m.music");
    EXPECT_EQ(error.rfind("m.music:2: ", 0), 0u) << line << " -> " << error;
  }
  EXPECT_THROW(ParseScore("channel 1 program 5\nchannel 1 volume 5\nnote 1 0 1 C4\n", "m"),
               ForgeError);
  EXPECT_THROW(ParseScore("tempo 100\n", "m"), ForgeError);  // no notes
}

}  // namespace
}  // namespace forge
