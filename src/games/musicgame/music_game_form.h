// The Music game: four band members stand below the stage; each one put on the stage plays its
// solo, and when the band is complete the lights come on, the band plays its song and the
// audience cheers. Samples, solos, songs and the cheer play through the media channel.
#pragma once
#include <cstdint>
#include <string>

#include "games/musicgame/music_model.h"
#include "gameutil/gameutil.h"
#include "shell/drag_gesture.h"
#include "shell/game_form.h"

namespace musicgame {

class MusicGameForm final : public shell::GameForm {
 public:
  MusicGameForm(platform::Runtime& runtime, platform::Form& menu);

  // All members back below the stage, the stage dark, the next song chosen.
  void ResetForm();

  void Form_Load() override;
  void Form_Click() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // The program must end: leave at once, even while a sound plays or a key is held.
  void StopGame() override { EndGame(); }

 private:
  void LoadImages();
  void DrawStage();
  bool OnStopButton(const GameUtil::Point& p) const;
  void ClickAt(int x, int y);
  void DropMusician();
  void AnimateSolo(int member);
  void PlaySongAnimation();
  void PlaySelectionSound(int member);
  void PlaySingleSound(int member);
  void PlayMedia(const std::string& file);
  bool IsMediaPlaying();
  void SpaceKey();
  void EnterKey();
  void EndGame();

  BandModel band_;
  int song_ = -1;  // the round's song number: its samples, solos and song
  bool soloPlaying_ = false;
  bool songPlaying_ = false;
  bool allOnStage_ = false;
  bool keyReleased_ = true;
  // True for the whole song and cheer, also after a key has cut the song (songPlaying_ false).
  bool bandPlaying_ = false;
  bool ended_ = false;
  // A member pressed on is picked up at once and dropped where a drag lets go.
  shell::DragGesture drag_;
  // With the sound switched off the media files are opened but not played; their time runs on
  // the clock instead, so the band still plays (silently) for as long as each sound lasts.
  bool silentMedia_ = false;
  std::int32_t silentStart_ = 0;

  std::int32_t sceneSurface_ = 0;
  std::int32_t lowBorderSurface_ = 0;
  GameUtil::Sprite stopButton_;
};

}  // namespace musicgame
