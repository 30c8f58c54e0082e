#include "music.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>

namespace forge {
namespace {

double Number(const std::string& s, const std::string& where, const std::string& what) {
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size() || !std::isfinite(v)) {
    throw ForgeError(where + "bad number '" + s + "' for " + what);
  }
  return v;
}

int Whole(const std::string& s, const std::string& where, const std::string& what, int lo, int hi) {
  double v = Number(s, where, what);
  if (v != std::floor(v) || v < lo || v > hi) {
    throw ForgeError(where + what + " is a whole number " + std::to_string(lo) + ".." +
                     std::to_string(hi));
  }
  return static_cast<int>(v);
}

void Check(bool ok, const std::string& where, const std::string& what) {
  if (!ok) throw ForgeError(where + what);
}

}  // namespace

double Score::Seconds() const {
  double end = length;
  for (const Note& n : notes) end = std::max(end, n.start + n.length);
  return end * SecondsPerBeat() + tail;
}

int ParseNoteName(const std::string& s) {
  if (s.empty()) return -1;
  if (std::isdigit(static_cast<unsigned char>(s[0]))) {
    if (s.size() > 3) return -1;
    for (char c : s) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    }
    int v = std::stoi(s);
    return v <= 127 ? v : -1;
  }
  static const int steps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  if (letter < 'A' || letter > 'G') return -1;
  int key = steps[letter - 'A'];
  size_t i = 1;
  if (i < s.size() && (s[i] == '#' || s[i] == 'b')) {
    key += s[i] == '#' ? 1 : -1;
    ++i;
  }
  std::string octave = s.substr(i);
  if (octave.empty() || octave.size() > 2) return -1;
  bool negative = octave[0] == '-';
  std::string digits = negative ? octave.substr(1) : octave;
  if (digits.size() != 1 || !std::isdigit(static_cast<unsigned char>(digits[0]))) return -1;
  int o = (digits[0] - '0') * (negative ? -1 : 1);
  int v = (o + 1) * 12 + key;
  return v >= 0 && v <= 127 ? v : -1;
}

Score ParseScore(const std::string& text, const std::string& name) {
  Score score;
  std::map<std::string, bool> seen;
  ForEachWordLine(text, name, [&](const std::vector<std::string>& w, const std::string& where) {
    const std::string& key = w[0];
    if (key == "tempo" || key == "tail" || key == "length" || key == "gain" || key == "reverb" ||
        key == "chorus") {
      Check(w.size() == 2, where, key + " takes one value");
      Check(!seen[key], where, key + " given twice");
      seen[key] = true;
      if (key == "reverb" || key == "chorus") {
        Check(w[1] == "on" || w[1] == "off", where, key + " is on or off");
        (key == "reverb" ? score.reverb : score.chorus) = w[1] == "on";
        return;
      }
      double v = Number(w[1], where, key);
      if (key == "tempo") {
        Check(v >= 20 && v <= 400, where, "tempo is 20..400");
        score.tempo = v;
      } else if (key == "tail") {
        Check(v >= 0 && v <= 10, where, "tail is 0..10 seconds");
        score.tail = v;
      } else if (key == "length") {
        Check(v > 0 && v <= 2000, where, "length is above 0 and at most 2000 beats");
        score.length = v;
      } else {
        Check(v > 0 && v <= 10, where, "gain is above 0 and at most 10");
        score.gain = v;
      }
    } else if (key == "channel") {
      Check(w.size() >= 2 && w.size() % 2 == 0, where, "channel N [program P] [volume V] [pan P]");
      ChannelSetup c;
      c.channel = Whole(w[1], where, "the channel", 1, 16);
      for (const ChannelSetup& other : score.channels) {
        Check(other.channel != c.channel, where, "channel " + w[1] + " set up twice");
      }
      for (size_t i = 2; i < w.size(); i += 2) {
        if (w[i] == "program") {
          c.program = Whole(w[i + 1], where, "program", 1, 128);
          c.hasProgram = true;
        } else if (w[i] == "volume") {
          c.volume = Whole(w[i + 1], where, "volume", 0, 127);
        } else if (w[i] == "pan") {
          c.pan = Whole(w[i + 1], where, "pan", 0, 127);
        } else {
          throw ForgeError(where + "unknown channel setting '" + w[i] + "'");
        }
      }
      score.channels.push_back(c);
    } else if (key == "note") {
      Check(w.size() == 5 || w.size() == 6, where, "note CHANNEL START LENGTH NOTE [VELOCITY]");
      Note n;
      n.channel = Whole(w[1], where, "the channel", 1, 16);
      n.start = Number(w[2], where, "the start");
      n.length = Number(w[3], where, "the length");
      Check(n.start >= 0 && n.start <= 2000 && n.length > 0 && n.length <= 2000, where,
            "start >= 0 and length above 0 (beats, at most 2000)");
      n.key = ParseNoteName(w[4]);
      Check(n.key >= 0, where, "bad note '" + w[4] + "'");
      if (w.size() == 6) n.velocity = Whole(w[5], where, "velocity", 1, 127);
      score.notes.push_back(n);
    } else if (key == "seq") {
      Check(w.size() >= 5, where, "seq CHANNEL START VELOCITY TOKEN...");
      int channel = Whole(w[1], where, "the channel", 1, 16);
      double at = Number(w[2], where, "the start");
      Check(at >= 0 && at <= 2000, where, "start is 0..2000 beats");
      int velocity = Whole(w[3], where, "velocity", 1, 127);
      for (size_t i = 4; i < w.size(); ++i) {
        size_t slash = w[i].rfind('/');
        Check(slash != std::string::npos, where, "token '" + w[i] + "' needs /BEATS");
        double beats = Number(w[i].substr(slash + 1), where, "the beats of " + w[i]);
        Check(beats > 0 && beats <= 2000, where, "beats are above 0");
        std::string chord = w[i].substr(0, slash);
        if (chord != "r") {
          std::istringstream keys(chord);
          std::string one;
          int count = 0;
          while (std::getline(keys, one, '+')) {
            int k = ParseNoteName(one);
            Check(k >= 0, where, "bad note '" + one + "' in '" + w[i] + "'");
            score.notes.push_back(Note{channel, at, beats, k, velocity});
            ++count;
          }
          Check(count > 0 && chord.back() != '+', where, "bad chord '" + chord + "'");
        }
        at += beats;
        Check(at <= 4000, where, "the sequence runs too long");
      }
    } else {
      throw ForgeError(where + "unknown line '" + key + "'");
    }
  });
  if (score.notes.empty()) throw ForgeError(name + ": no notes");
  Check(score.Seconds() <= 300, name + ": ", "music lasts at most 300 s");
  return score;
}

}  // namespace forge
