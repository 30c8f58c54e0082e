#include "games/musicgame/music_game_form.h"

#include <charconv>

#include "platform/input.h"

namespace musicgame {

using GameUtil::Sprite;

namespace {

struct MemberFiles {
  const char* picture;
  const char* mask;
  int frameDuration;   // ms
  const char* sample;  // "Sfx\MusicGame\Selection\" + this + song + ".wav"
  const char* solo;    // "Sfx\MusicGame\Single\" + this + song + ".wav"
};

constexpr MemberFiles kMembersFiles[kMembers] = {
    {"Gfx\\MusicGame\\Drummer.bmp", "Gfx\\MusicGame\\DrummerMask.bmp", 50, "drummer", "drums"},
    {"Gfx\\MusicGame\\Synth.bmp", "Gfx\\MusicGame\\SynthMask.bmp", 60, "synth", "synth"},
    {"Gfx\\MusicGame\\Basist.bmp", "Gfx\\MusicGame\\BasistMask.bmp", 75, "bass", "bass"},
    {"Gfx\\MusicGame\\Guitar.bmp", "Gfx\\MusicGame\\GuitarMask.bmp", 75, "guitar", "guitar"},
};

// A status reply as whole milliseconds; anything that is not a number reads as 0.
std::int64_t ReplyNumber(const std::string& reply) {
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(reply.data(), reply.data() + reply.size(), value);
  return ec == std::errc() ? value : 0;
}

int SendMedia(const std::string& command, std::string* reply = nullptr) {
  GameUtil::Host* host = GameUtil::GetHost();
  return host ? host->SendMediaCommand(command, reply) : 0;
}

}  // namespace

MusicGameForm::MusicGameForm(platform::Runtime& runtime, platform::Form& menu)
    : GameForm(runtime, menu, "MusicGameForm", "MusicGame") {}

void MusicGameForm::Form_Load() {
  LoadImages();
  GameUtil::Randomize(GameUtil::GetTimeMs());
  ResetForm();
}

void MusicGameForm::LoadImages() {
  lowBorderSurface_ = LoadSurface("Gfx\\MusicGame\\LowBorder.bmp");
  stopButton_ = LoadButton("Stop", 737.5, 537.5);
  for (int i = 0; i < kMembers; ++i) {
    const MemberFiles& files = kMembersFiles[i];
    Sprite& m = band_.musicians[i];
    const std::int32_t picture = LoadSurface(files.picture);
    const std::int32_t mask = LoadSurface(files.mask);
    GameUtil::InitSprite(m, picture, mask, kFrameSize * 15, kFrameSize, 0, 0, 15, kFrameSize,
                         kFrameSize, files.frameDuration, 0);
    m.visible = GameUtil::True;
  }
  soloPlaying_ = false;
  songPlaying_ = false;
  allOnStage_ = false;
  keyReleased_ = true;
}

void MusicGameForm::ResetForm() {
  band_.Reset();
  drag_.Cancel();
  soloPlaying_ = false;
  songPlaying_ = false;
  allOnStage_ = false;
  song_ = PickSong(song_, kSongs, [](int lo, int hi) {
    return static_cast<int>(
        GameUtil::RandomRange(static_cast<std::int16_t>(lo), static_cast<std::int16_t>(hi)));
  });
  FreeSurface(sceneSurface_);
  sceneSurface_ = LoadSurface("Gfx\\MusicGame\\Scene.bmp");
  DrawStage();
}

void MusicGameForm::DrawStage() {
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, sceneSurface_, 0, 0, platform::Rop::Copy);
  GameUtil::BitBlt(Image(), 0, 420, 800, 10, lowBorderSurface_, 0, 0, platform::Rop::Copy);
  for (const Sprite& m : band_.musicians) GameUtil::DrawSprite(m, Image());
  DrawPair(stopButton_);
  Refresh();
}

void MusicGameForm::PlayMedia(const std::string& file) {
  SendMedia("close all");
  SendMedia("open " + file + " TYPE waveaudio " + " ALIAS myAudio");
  if (Settings::soundOn == GameUtil::True) {
    silentMedia_ = false;
    SendMedia("play myAudio");
  } else {
    silentMedia_ = true;
    silentStart_ = GameUtil::GetTimeMs();
  }
}

bool MusicGameForm::IsMediaPlaying() {
  std::string reply;
  SendMedia("status myAudio length", &reply);
  const std::int64_t length = ReplyNumber(reply);
  reply.clear();
  SendMedia("status myAudio position", &reply);
  std::int64_t position = ReplyNumber(reply);
  if (silentMedia_) position = GameUtil::ElapsedMs(GameUtil::GetTimeMs(), silentStart_);
  if (position >= length) {
    SendMedia("close all");
    silentMedia_ = false;
    return false;
  }
  return true;
}

void MusicGameForm::PlaySelectionSound(int member) {
  if (member < 0 || member >= kMembers) {
    GameUtil::StopAllSounds();
    return;
  }
  PlayMedia(std::string("Sfx\\MusicGame\\Selection\\") + kMembersFiles[member].sample +
            std::to_string(song_) + ".wav");
}

void MusicGameForm::PlaySingleSound(int member) {
  if (member < 0 || member >= kMembers) {
    GameUtil::StopAllSounds();
    return;
  }
  PlayMedia(std::string("Sfx\\MusicGame\\Single\\") + kMembersFiles[member].solo +
            std::to_string(song_) + ".wav");
}

bool MusicGameForm::OnStopButton(const GameUtil::Point& p) const {
  return p.X > 738 && p.X < 788 && p.Y > 538 && p.Y < 588;
}

void MusicGameForm::Form_MouseDown(int button, int, double x, double y) {
  drag_.Press(button, x, y);
  // Only where the click would pick a member up; everything else is left to the click, which
  // also silences a sound that still plays.
  if (ended_ || soloPlaying_ || bandPlaying_ || band_.heldMusician >= 0) return;
  const GameUtil::Point p = CursorPos();
  if (OnStopButton(p) || p.Y <= 400 || band_.MembersAt(p.X, p.Y).empty()) return;
  if (IsMediaPlaying()) return;
  ClickAt(p.X, p.Y);
  if (band_.heldMusician >= 0) drag_.PickedUp(band_.heldMusician);
}

void MusicGameForm::Form_MouseUp(int button, int, double x, double y) {
  // Letting go after a drag drops the member there (over the stop button too), even while its
  // pick-up sample still plays: the drop's own sound cuts the sample, as every new sound does.
  drag_.Release(button, x, y, [this, x, y](int member) {
    if (ended_ || band_.heldMusician != member || band_.placingMode) return;
    band_.MoveHeld(static_cast<int>(x), static_cast<int>(y));
    DropMusician();
  });
}

void MusicGameForm::Form_MouseMove(int, int, double x, double y) {
  drag_.Move(x, y);
  // Only a member taken with the mouse follows the pointer; one being placed with the keys
  // stays on its stage place.
  if (band_.heldMusician < 0 || band_.placingMode || ended_) return;
  band_.MoveHeld(static_cast<int>(x), static_cast<int>(y));
  DrawStage();
}

void MusicGameForm::Form_Click() {
  if (drag_.ClaimClick()) return;  // its press picked a member up, its release dropped it
  if (ended_) return;
  if (IsMediaPlaying()) {
    GameUtil::StopAllSounds();
    return;
  }
  // A loop that has not yet seen its sound end finishes on its next pass.
  if (soloPlaying_ || bandPlaying_) return;
  const GameUtil::Point p = CursorPos();
  if (OnStopButton(p)) {
    EndGame();
  } else {
    ClickAt(p.X, p.Y);
  }
}

void MusicGameForm::ClickAt(int x, int y) {
  if (band_.heldMusician >= 0) {
    // A member being placed with the keys is put on its place as with Enter.
    if (band_.placingMode) band_.ConfirmPlace();
    DropMusician();
    return;
  }
  for (int i : band_.MembersAt(x, y)) {
    if (ended_) return;
    if (y > 400) {
      band_.Hold(i);
      PlaySelectionSound(i);
    } else {
      PlaySingleSound(i);
      AnimateSolo(i);
    }
  }
}

void MusicGameForm::DropMusician() {
  const int m = band_.heldMusician;
  switch (band_.DropHeld()) {
    case Drop::BackToRow:
      PlaySelectionSound(m);
      AnimateSolo(m);
      break;
    case Drop::OnStage:
      PlaySingleSound(m);
      AnimateSolo(m);
      break;
    case Drop::FullBand:
      allOnStage_ = true;
      FreeSurface(sceneSurface_);
      sceneSurface_ = LoadSurface("Gfx\\MusicGame\\LitScene.bmp");
      DrawStage();
      PlayMedia("Sfx\\MusicGame\\Music\\Song" + std::to_string(song_) + ".wav");
      PlaySongAnimation();
      break;
  }
}

void MusicGameForm::AnimateSolo(int member) {
  Sprite& m = band_.musicians[member];
  std::int32_t t = GameUtil::GetTimeMs();
  GameUtil::SetCursorVisible(GameUtil::False);
  soloPlaying_ = true;
  while (!ended_) {
    if (!IsMediaPlaying()) break;
    // One run through the strip, frame by frame on the clock.
    m.frame = 0;
    m.lastFrameTime = t;
    while (m.frame < m.frameCount - 1 && !ended_) {
      if (GameUtil::ElapsedMs(t, m.lastFrameTime) > m.frameDuration) {
        ++m.frame;
        m.lastFrameTime = GameUtil::GetTimeMs();
        DrawStage();
      }
      t = GameUtil::GetTimeMs();
      if (!IsMediaPlaying()) break;
      runtime().DoEvents();
    }
  }
  if (ended_) return;
  m.frame = 0;
  soloPlaying_ = false;
  DrawStage();
  GameUtil::SetCursorVisible(GameUtil::True);
}

void MusicGameForm::PlaySongAnimation() {
  songPlaying_ = true;
  bandPlaying_ = true;
  std::int32_t t = GameUtil::GetTimeMs();
  GameUtil::SetCursorVisible(GameUtil::False);
  for (Sprite& m : band_.musicians) {
    m.frame = 0;
    m.lastFrameTime = t;
  }
  bool playing = true;
  while (playing && !ended_) {
    if (!IsMediaPlaying()) break;
    for (Sprite& m : band_.musicians) {
      if (GameUtil::ElapsedMs(t, m.lastFrameTime) > m.frameDuration) {
        m.frame = m.frame + 1 >= m.frameCount ? 0 : m.frame + 1;
        m.lastFrameTime = GameUtil::GetTimeMs();
        DrawStage();
      }
      t = GameUtil::GetTimeMs();
      if (!IsMediaPlaying()) {
        playing = false;
        break;
      }
    }
    runtime().DoEvents();
  }
  if (ended_) return;
  for (Sprite& m : band_.musicians) m.frame = 0;
  DrawStage();
  if (allOnStage_) {
    PlayMedia("Sfx\\MusicGame\\Cheers.wav");
    while (!ended_ && IsMediaPlaying()) runtime().DoEvents();
    if (ended_) return;
  }
  ResetForm();
  songPlaying_ = false;
  bandPlaying_ = false;
  GameUtil::SetCursorVisible(GameUtil::True);
}

void MusicGameForm::Form_KeyDown(int& keyCode, int) {
  if (!keyReleased_ || ended_) return;
  keyReleased_ = false;
  if (songPlaying_) {
    // The song ends here; the cheer still follows.
    GameUtil::StopAllSounds();
    songPlaying_ = false;
    return;
  }
  if (IsMediaPlaying()) {
    GameUtil::StopAllSounds();
    return;
  }
  if (soloPlaying_ || bandPlaying_) return;
  using namespace platform::Keys;
  if (keyCode == kEscape) {
    EndGame();
    return;
  }
  // Nothing more once the band is complete, nor while a member hangs on the pointer.
  if (allOnStage_ || (band_.heldMusician >= 0 && !band_.placingMode)) return;
  if (keyCode == kSpace) {
    GameUtil::PlayGameSound("Sfx\\MusicGame\\Select.wav", 0, 1);
    SpaceKey();
  } else if (keyCode == kEnter) {
    EnterKey();
  }
}

void MusicGameForm::SpaceKey() {
  if (band_.placingMode) {
    band_.StepPlace();
    DrawStage();
    return;
  }
  const int framed = band_.StepSelection();
  DrawStage();
  if (framed < 0) return;
  const Sprite& m = band_.musicians[framed];
  const int x = static_cast<int>(m.x);
  const int y = static_cast<int>(m.y);
  DrawWidth = 4;
  Box(x, y, x + m.frameWidth, y + m.frameHeight, platform::kBlack);
  DrawWidth = 1;
  Refresh();
}

void MusicGameForm::EnterKey() {
  if (!band_.placingMode) {
    if (band_.TakeSelection()) DrawStage();
    return;
  }
  band_.ConfirmPlace();
  DropMusician();
}

void MusicGameForm::Form_KeyUp(int&, int) {
  keyReleased_ = true;
}

void MusicGameForm::EndGame() {
  if (ended_) return;
  ended_ = true;
  drag_.Cancel();
  GameUtil::StopAllSounds();
  silentMedia_ = false;
  while (IsMediaPlaying()) runtime().DoEvents();
  FreeAllSurfaces();
  sceneSurface_ = 0;
  lowBorderSurface_ = 0;
  stopButton_.imageSurface = stopButton_.maskSurface = 0;
  for (Sprite& m : band_.musicians) {
    m.visible = GameUtil::False;
    m.imageSurface = m.maskSurface = 0;
  }
  GameUtil::SetCursorVisible(GameUtil::True);
  ShowMenuAndUnload();
}

}  // namespace musicgame
