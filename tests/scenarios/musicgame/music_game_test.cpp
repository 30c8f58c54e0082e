// The Music game played through replay scripts, read back from the media commands in the trace
// ("mci open FILE TYPE waveaudio  ALIAS myAudio") and from screenshots.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/wav.h"
#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

// Opens the game from the menu; it shows at 10600.
const std::string kOpen = Open(Game::MusicGame);
const std::string kSelect = "sound 1 1 Sfx\\MusicGame\\Select.wav";
const char* const kSamples[4] = {"drummer", "synth", "bass", "guitar"};
const char* const kSolos[4] = {"drums", "synth", "bass", "guitar"};
const char* const kPictures[4] = {"Drummer", "Synth", "Basist", "Guitar"};

// The centre of member i in the row below the stage.
std::string ClickRow(int i) {
  return Click(130 + 190 * i, 515, 0);
}
// A held member dropped with its top-left corner at (x, y).
std::string DropAt(int x, int y) {
  return Click(x + 80, y + 80, 0);
}

struct Media {
  long time;
  std::string file;
};

// The files the media channel opened, in order.
std::vector<Media> Opened(const Result& r) {
  std::vector<Media> files;
  const std::string open = "mci open ";
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    const std::string& line = r.trace[i];
    if (line.rfind(open, 0) != 0) continue;
    EXPECT_EQ(line.substr(line.find(' ', open.size())), " TYPE waveaudio  ALIAS myAudio") << line;
    files.push_back(
        {TimeOf(r.timed[i]), line.substr(open.size(), line.find(' ', open.size()) - open.size())});
  }
  return files;
}

std::vector<std::string> Files(const std::vector<Media>& media) {
  std::vector<std::string> files;
  for (const Media& m : media) files.push_back(m.file);
  return files;
}

// The song number a sample, solo or song file belongs to; -1 for other files.
int SongOf(const std::string& file) {
  for (const char* folder : {"Selection\\", "Single\\", "Music\\"}) {
    if (file.find(std::string("Sfx\\MusicGame\\") + folder) == 0) {
      return file[file.size() - 5] - '0';
    }
  }
  return -1;
}

std::string Sample(int member, int song) {
  return std::string("Sfx\\MusicGame\\Selection\\") + kSamples[member] + std::to_string(song) +
         ".wav";
}
std::string Solo(int member, int song) {
  return std::string("Sfx\\MusicGame\\Single\\") + kSolos[member] + std::to_string(song) + ".wav";
}
std::string Song(int song) {
  return "Sfx\\MusicGame\\Music\\Song" + std::to_string(song) + ".wav";
}

// Length of a built sound in ms.
long LengthMs(const std::string& programPath) {
  std::string file = std::string(KIDPLAY_DIR) + "/" + programPath;
  for (char& c : file) c = c == '\\' ? '/' : c;
  const auto clip = platform::LoadWavFile(file);
  EXPECT_TRUE(clip.has_value()) << file;
  return clip ? static_cast<long>(clip->lengthMs) : 0;
}

// The first "close all" after `from`: where a loop found its sound at an end or a click or
// key stopped it.
long EndAfter(const Result& r, long from) {
  return FirstTime(r, "mci close all", from + 1);
}

// True when the screenshot shows frame `frame` of member i with its top-left corner at (x, y).
bool ShowsMember(const platform::Surface& shot, int member, int x, int y, int frame = 0) {
  const std::string base = std::string("Gfx/MusicGame/") + kPictures[member];
  return PictureAt(shot, Picture(base + ".bmp"), Picture(base + "Mask.bmp"), x, y, 98, frame * 160,
                   160, 160);
}

TEST(MusicGame, AFullBandByMouseBuildsOneSongThenPlaysItLitAndCheersAndStartsAgain) {
  Scenario s;
  // 15 ms passes tell the frame times apart: the drummer steps every 75 ms, the bassist and
  // the guitarist every 90.
  s.SetExtraOptions("--frame-ms 15");
  std::string script = kOpen + "shot start.png\n";
  const int stage[4][2] = {{80, 40}, {240, 120}, {400, 40}, {560, 120}};
  for (int i = 0; i < 4; ++i) {
    // The others keep their places in the row while members leave it.
    script += ClickRow(i) + Wait(2500) + DropAt(stage[i][0], stage[i][1]);
    // The first solo plays to its end, the next two are cut short by a click; the fourth
    // member completes the band and the song starts.
    if (i == 0) script += Wait(7500);
    if (i == 1 || i == 2) script += Wait(1000) + Click(700, 300, 0) + Wait(100);
  }
  script += Wait(1000) + "shot lit.png\n" + Wait(45000) + "shot again.png\n";
  // The next round's first pick-up; then leave, come back and leave.
  script += ClickRow(0) + Wait(2500) + "key Escape\n" + Wait(1000) + Click(400, 500, 0) +
            Wait(300) + "key Escape\n" + Wait(700);
  const Result r = s.Run(script, 11);
  ASSERT_EQ(r.status, 0);
  const std::vector<Media> media = Opened(r);
  ASSERT_EQ(media.size(), 10u) << ::testing::PrintToString(Files(media));
  const int n = SongOf(media[0].file);
  ASSERT_GE(n, 0);
  ASSERT_LE(n, 2);
  std::vector<std::string> want;
  for (int i = 0; i < 4; ++i) {
    want.push_back(Sample(i, n));
    want.push_back(i < 3 ? Solo(i, n) : Song(n));
  }
  want.push_back("Sfx\\MusicGame\\Cheers.wav");
  const std::vector<std::string> files = Files(media);
  EXPECT_EQ(want, std::vector<std::string>(files.begin(), files.begin() + 9));
  // Every open is followed by its play.
  EXPECT_EQ(Count(r.trace, "mci play myAudio"), 10);

  // The first solo played to its end, the song to its end, then the cheer.
  const long solo = LengthMs(Solo(0, n));
  EXPECT_NEAR(EndAfter(r, media[1].time) - media[1].time, solo, 45);
  const long song = LengthMs(Song(n));
  EXPECT_NEAR(media[8].time - media[7].time, song, 45);
  const long cheer = LengthMs("Sfx\\MusicGame\\Cheers.wav");
  EXPECT_NEAR(EndAfter(r, media[8].time) - media[8].time, cheer, 45);

  // The next round plays another song.
  const int next = SongOf(media[9].file);
  EXPECT_EQ(media[9].file, Sample(0, next));
  EXPECT_NE(next, n);

  // Dark at the start, lit with the band on the stage, dark again for the new round.
  const auto dark = Picture("Gfx/MusicGame/Scene.bmp");
  const auto lit = Picture("Gfx/MusicGame/LitScene.bmp");
  const auto start = s.Shot("start.png"), shotLit = s.Shot("lit.png"), again = s.Shot("again.png");
  EXPECT_TRUE(SameRegion(start, dark, 0, 0, 800, 30));
  EXPECT_TRUE(SameRegion(shotLit, lit, 0, 0, 800, 30));
  EXPECT_FALSE(SameRegion(dark, lit, 0, 0, 800, 30));
  EXPECT_TRUE(SameRegion(again, dark, 0, 0, 800, 30));
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(ShowsMember(start, i, 50 + 190 * i, 435)) << i;
    EXPECT_TRUE(ShowsMember(again, i, 50 + 190 * i, 435)) << i;
  }
  EXPECT_FALSE(ShowsMember(shotLit, 0, 50, 435));
  // A second into the song every member plays its strip at its own frame time: the drummer
  // (50 ms a frame) shows another frame than the bassist and the guitarist (75 ms), who keep
  // step.
  int frames[4] = {-1, -1, -1, -1};
  for (int i = 0; i < 4; ++i) {
    for (int f = 0; f < 15 && frames[i] < 0; ++f) {
      if (ShowsMember(shotLit, i, stage[i][0], stage[i][1], f)) frames[i] = f;
    }
    EXPECT_GE(frames[i], 0) << i;
  }
  EXPECT_NE(frames[0], frames[2]);
  EXPECT_EQ(frames[2], frames[3]);

  // Both visits ended at the menu with the same pictures alive.
  EXPECT_EQ(Count(r.trace, "unload MusicGameForm"), 2);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
}

TEST(MusicGame, TheKeysAndAClickBuildAFullBandAndAKeyCutsTheSongButNotTheCheer) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  // Space frames the first member below the stage; Enter takes it to the first free place, Space
  // moves it on to the next free one, Enter puts it there; a key cuts its solo short.
  std::string script = kOpen + "key Space\n" + Wait(50) + "shot framed.png\n" + "key Enter\n" +
                       Wait(50) + "shot place0.png\n" + "key Space\n" + Wait(50) +
                       "shot place1.png\n" + "key Enter\n" + Wait(500) + "key Space\n" + Wait(100);
  // The second is taken to place 0 with the keys; the mouse moves away without taking it along
  // and a click puts it there. The third finds places 0 and 1 used and goes to place 2.
  script += "key Space\nkey Enter\n" + Wait(50) + "move 600 500\n" + Wait(50) + "shot moved.png\n" +
            Click(600, 500, 0) + Wait(500) + "key Space\n" + Wait(100);
  script += "key Space\nkey Enter\n" + Wait(50) + "shot third.png\nkey Enter\n" + Wait(500) +
            "key Space\n" + Wait(100);
  // The fourth completes the band; a key 3 s into the song stops it and the cheer still comes;
  // Escape during the cheer only silences it, and after that it leaves.
  script += "key Space\nkey Enter\nkey Enter\n" + Wait(3000) + "key Enter\n" + Wait(1000) +
            "key Escape\n" + Wait(200) + "shot reset.png\n" + "key Escape\n" + Wait(500);
  const Result r = s.Run(script, 5);
  ASSERT_EQ(r.status, 0);
  const std::vector<Media> media = Opened(r);
  ASSERT_EQ(media.size(), 5u) << ::testing::PrintToString(Files(media));
  const int n = SongOf(media[0].file);
  // The fourth member plays no solo: the song starts at once.
  EXPECT_EQ(Files(media), (std::vector<std::string>{Solo(0, n), Solo(1, n), Solo(2, n), Song(n),
                                                    "Sfx\\MusicGame\\Cheers.wav"}));
  // Space while a solo plays only silences it: no Select sound for those presses.
  EXPECT_EQ(Count(r.trace, kSelect), 2 + 3);

  const auto framed = s.Shot("framed.png");
  EXPECT_EQ(platform::GetPixel(framed, 50, 500), platform::kBlack);
  EXPECT_EQ(platform::GetPixel(framed, 209, 500), platform::kBlack);
  EXPECT_EQ(platform::GetPixel(framed, 130, 436), platform::kBlack);
  EXPECT_NE(platform::GetPixel(framed, 240, 500), platform::kBlack);  // the synth: no frame
  EXPECT_TRUE(ShowsMember(s.Shot("place0.png"), 0, 140, 90));
  EXPECT_TRUE(ShowsMember(s.Shot("place1.png"), 0, 305, 40));
  const auto moved = s.Shot("moved.png");
  EXPECT_TRUE(ShowsMember(moved, 1, 140, 90));
  EXPECT_FALSE(ShowsMember(moved, 1, 520, 420));
  EXPECT_TRUE(ShowsMember(s.Shot("third.png"), 2, 510, 90));

  // The song stopped about 3 s in; the cheer followed at once and Escape cut it.
  const long songEnd = EndAfter(r, media[3].time);
  EXPECT_NEAR(songEnd - media[3].time, 3000, 100);
  EXPECT_LE(media[4].time - songEnd, 40);
  EXPECT_NEAR(EndAfter(r, media[4].time) - media[4].time, 1000, 100);
  const auto reset = s.Shot("reset.png");
  EXPECT_TRUE(SameRegion(reset, Picture("Gfx/MusicGame/Scene.bmp"), 0, 0, 800, 30));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(ShowsMember(reset, i, 50 + 190 * i, 435)) << i;
  // The first Escape was refused (a sound played); the second left.
  ASSERT_EQ(Count(r.trace, "unload MusicGameForm"), 1);
  EXPECT_GE(FirstTime(r, "unload MusicGameForm"), media[4].time + 1000 + 200);
}

TEST(MusicGame, ClicksDuringSoundsOnlySilenceThemAndAMemberDroppedOffTheStageGoesBack) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const std::string script =
      kOpen +
      // The synth is picked up; the click during its sample only stops it; the next click drops
      // it at x 64 (just off the stage): back to the row with its sample and a run of its
      // animation.
      ClickRow(1) + Wait(300) + DropAt(64, 100) + Wait(100) + DropAt(64, 100) + Wait(500) +
      "shot back.png\n" + Wait(2500) + "shot still.png\n" +
      // Picked up again and dropped at x 65: on the stage, with its solo; a click during the
      // solo only stops it. A click on it on the stage plays the solo again; Escape and the stop
      // button are refused while it plays and accepted after.
      ClickRow(1) + Wait(2500) + DropAt(65, 100) + Wait(500) + Click(700, 300, 0) + Wait(100) +
      Click(145, 180, 0) + Wait(500) + "key Escape\n" + Wait(100) + Click(145, 180, 0) + Wait(500) +
      Click(763, 563, 0) + Wait(100) + "shot stopped.png\n" + Click(763, 563, 0) + Wait(500);
  const Result r = s.Run(script, 3);
  ASSERT_EQ(r.status, 0);
  const std::vector<Media> media = Opened(r);
  const int n = SongOf(media.empty() ? "" : media[0].file);
  EXPECT_EQ(Files(media), (std::vector<std::string>{Sample(1, n), Sample(1, n), Sample(1, n),
                                                    Solo(1, n), Solo(1, n), Solo(1, n)}));
  // The sample was stopped by the first click, 300 ms in.
  EXPECT_NEAR(EndAfter(r, media[0].time) - media[0].time, 300, 40);
  // Back in the row, playing its strip while the sample sounds, then standing at frame 0.
  EXPECT_FALSE(ShowsMember(s.Shot("back.png"), 1, 240, 435));
  EXPECT_TRUE(ShowsMember(s.Shot("still.png"), 1, 240, 435));
  // The stop button was refused while the third solo played, then it ended the game.
  EXPECT_EQ(Count(r.trace, "unload MusicGameForm"), 1);
  EXPECT_TRUE(ShowsMember(s.Shot("stopped.png"), 1, 65, 100));
}

// Press on the member in the row whose centre is at x = `from`, carry it in two steps of
// 20 ms and let go with its top-left corner at (x, y).
std::string DragRow(int from, int x, int y) {
  return Drag({from, 515}, {x + 80, y + 80}, 2);
}

TEST(MusicGame, MembersCanBeDraggedWhileTheirSampleSoundsAndATapStillCarries) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const std::string silence = Wait(500) + Click(700, 300, 0) + Wait(100);
  const std::string script =
      kOpen +
      // The synth dragged onto the stage: its sample sounds from the press, and letting go puts
      // it there at once with its solo (no click is needed to silence the sample first).
      DragRow(320, 200, 60) + silence +
      // The drummer let go just off the stage goes back to the row, with its sample again; the
      // row closes up: drummer, bassist, guitarist.
      DragRow(130, 64, 60) + silence +
      // The guitarist let go over the stop button goes back too; the game goes on.
      DragRow(510, 683, 483) + silence +
      // A tap picks the bassist up: it hangs on the pointer while its sample plays on; Enter
      // leaves it there; a click drops it.
      "move 320 515\ndown\nup\n" + Wait(300) + "move 500 200\n" + Wait(20) + "shot tapped.png\n" +
      Wait(2500) + "key Enter\n" + Wait(20) + "shot keys.png\n" + DropAt(420, 120) + silence +
      "shot end.png\n";
  const Result r = s.Run(script, 4);
  ASSERT_EQ(r.status, 0);
  const std::vector<Media> media = Opened(r);
  const int n = SongOf(media.empty() ? "" : media[0].file);
  EXPECT_EQ(Files(media),
            (std::vector<std::string>{Sample(1, n), Solo(1, n), Sample(0, n), Sample(0, n),
                                      Sample(3, n), Sample(3, n), Sample(2, n), Solo(2, n)}));
  ASSERT_EQ(media.size(), 8u);
  // The drops came when the buttons came up, 60 ms after the presses, the samples still on.
  for (int k : {0, 2, 4}) {
    EXPECT_EQ(media[k + 1].time - media[k].time, 60) << k;
    EXPECT_GT(LengthMs(media[k].file), 60) << k;
  }
  // The tap left the sample playing to its end.
  EXPECT_GE(EndAfter(r, media[6].time) - media[6].time, LengthMs(Sample(2, n)));
  EXPECT_EQ(Count(r.trace, "unload MusicGameForm"), 0);

  EXPECT_TRUE(ShowsMember(s.Shot("tapped.png"), 2, 420, 120));
  EXPECT_TRUE(ShowsMember(s.Shot("keys.png"), 2, 420, 120));
  const auto end = s.Shot("end.png");
  EXPECT_TRUE(ShowsMember(end, 1, 200, 60));
  EXPECT_TRUE(ShowsMember(end, 2, 420, 120));
  EXPECT_TRUE(ShowsMember(end, 0, 50, 435));
  EXPECT_TRUE(ShowsMember(end, 3, 430, 435));
}

TEST(MusicGame, WithTheSoundOffTheBandStillPlaysForAsLongAsEachSound) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  const Result r =
      s.Run("wait 600\nclick 760 500\nwait 50\nclick 400 500\nwait 100\n" + ClickRow(2) +
                Wait(2500) + DropAt(300, 100) + Wait(2010) + "shot mid.png\n" + Wait(6000),
            7);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.trace, "mci play myAudio"), 0);
  const std::vector<Media> media = Opened(r);
  ASSERT_EQ(media.size(), 2u);
  const int n = SongOf(media[0].file);
  EXPECT_EQ(media[1].file, Solo(2, n));
  // The silent solo ran its whole length, the bassist playing along.
  const auto mid = s.Shot("mid.png");
  EXPECT_FALSE(ShowsMember(mid, 2, 300, 100));
  int frame = -1;
  for (int f = 1; f < 15 && frame < 0; ++f) frame = ShowsMember(mid, 2, 300, 100, f) ? f : -1;
  EXPECT_GT(frame, 0);
  EXPECT_NEAR(EndAfter(r, media[1].time) - media[1].time, LengthMs(Solo(2, n)), 45);
}

}  // namespace
}  // namespace scenario
