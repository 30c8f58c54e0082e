// How a round ends: a full basket is celebrated for three seconds (the child hops with its pile,
// the wanted fruit dance round it, stars twinkle); the last life gives a two-second goodbye wave.
// A click or a new key goes straight to the menu.
#include <algorithm>
#include <cmath>

#include "games/collector/collector_form.h"
#include "gameutil/numeric.h"

namespace collector {

using GameUtil::Sprite;
using GameUtil::True;
using platform::Rop;

namespace {

constexpr std::int32_t kCelebrationMs = 3000;
constexpr std::int32_t kGoodbyeMs = 2000;
// The ending's music waits a moment, so the last catch (or bump) is heard first.
constexpr std::int32_t kMusicDelayMs = 300;
constexpr double kPi = 3.14159265358979;

}  // namespace

void CollectorForm::PlayEnding(bool won) {
  // The figure stands still where it was, its pile in the basket.
  model_.StopWalking();
  model_.PlacePile();
  endingRunning_ = true;
  bool musicStarted = false;
  const std::int32_t start = GameUtil::GetTimeMs();
  const std::int32_t length = won ? kCelebrationMs : kGoodbyeMs;
  while (endingRunning_ && !endRequested_) {
    const std::int32_t elapsed = GameUtil::ElapsedMs(GameUtil::GetTimeMs(), start);
    if (elapsed >= length) break;
    if (!musicStarted && elapsed >= kMusicDelayMs) {
      GameUtil::PlayGameSound(won ? "Sfx\\Collector\\Won.wav" : "Sfx\\Collector\\Lost.wav", 0, 1);
      musicStarted = true;
    }
    if (won) {
      DrawCelebration(elapsed);
    } else {
      DrawGoodbye(elapsed);
    }
    runtime().DoEvents();
  }
  endingRunning_ = false;
}

void CollectorForm::DrawHangingFruit() {
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, backgroundSurface_, 0, 0, Rop::Copy);
  // Fruit still on the trees stays; fruit in the air is let go.
  for (int i = 0; i < kFallItemCount; ++i) {
    const Sprite& s = model_.sprites[i];
    if (s.vy == 0) GameUtil::DrawSprite(s, Image());
  }
}

void CollectorForm::DrawFigureAt(const Sprite& figure, double dy, std::int32_t image,
                                 std::int32_t mask, int frame) {
  const Sprite& pile = model_.sprites[kFruitPile];
  if (pile.visible == True) {
    GameUtil::DrawMasked(Image(), GameUtil::NearestInt(pile.x), GameUtil::NearestInt(pile.y + dy),
                         pile.width, pile.height, pile.imageSurface, pile.maskSurface, 0, 0);
  }
  GameUtil::DrawMasked(Image(), GameUtil::NearestInt(figure.x), GameUtil::NearestInt(figure.y + dy),
                       figure.frameWidth, figure.frameHeight, image, mask,
                       frame * figure.frameWidth, 0);
}

void CollectorForm::DrawCelebration(std::int32_t elapsed) {
  DrawHangingFruit();
  const int f = std::max(model_.VisibleFigure(), kStandingLeft);
  const Sprite& figure = model_.sprites[f];
  // Two hops a second.
  const double hop = -28 * std::abs(std::sin(kPi * elapsed / 500.0));
  DrawFigureAt(figure, hop, figure.imageSurface, figure.maskSurface, 0);

  // The five caught fruit dance in a ring round the child, joining one after the other, and
  // stars pop up round them and twinkle.
  const double cx = std::clamp(figure.x + 60, 160.0, 640.0);
  const double cy = figure.y + 70;
  const int kind = model_.targetKind;
  for (int k = 0; k < 5 && elapsed >= 150 * k; ++k) {
    const double angle = 2 * kPi * (elapsed / 1600.0 + k / 5.0);
    const double bounce = -14 * std::abs(std::sin(kPi * (elapsed / 300.0 + k / 5.0)));
    const int x = GameUtil::NearestInt(cx + 100 * std::cos(angle) - kFruitSize / 2.0);
    const int y = GameUtil::NearestInt(cy - 80 * std::sin(angle) + bounce - kFruitSize / 2.0);
    GameUtil::DrawMasked(Image(), x, y, kFruitSize, kFruitSize, model_.fruitImages[kind],
                         model_.fruitMasks[kind], 0, 0);
  }
  static constexpr int kStars[6][2] = {{-165, -40}, {160, -60},  {-140, 90},
                                       {150, 80},   {-70, -150}, {80, -160}};
  const int size = star_.frameWidth;
  for (int k = 0; k < 6 && elapsed >= 200 * k; ++k) {
    const int frame = (elapsed / 90 + k) % star_.frameCount;
    GameUtil::DrawMasked(Image(), GameUtil::NearestInt(cx + kStars[k][0] - size / 2.0),
                         GameUtil::NearestInt(cy + kStars[k][1] - size / 2.0), size, size,
                         star_.imageSurface, star_.maskSurface, frame * size, 0);
  }
  DrawStatusRow();
  DrawButtons();
  Refresh();
}

void CollectorForm::DrawGoodbye(std::int32_t elapsed) {
  DrawHangingFruit();
  const int f = std::max(model_.VisibleFigure(), kStandingLeft);
  const Sprite& figure = model_.sprites[f];
  const int facing = f == kStandingLeft ? 0 : 1;
  DrawFigureAt(figure, 0, wavingImages_[facing], wavingMasks_[facing], (elapsed / 250) % 2);
  DrawStatusRow();
  DrawButtons();
  Refresh();
}

}  // namespace collector
