#include "games/collector/collector_model.h"

#include <cmath>

namespace collector {

using GameUtil::Sprite;
using GameUtil::True;

const std::array<std::int32_t, kFrameCount> leftBobTable = {4, -2, -8, -14, -16, -14, -8, -2, 4, 6,
                                                            4, -2, -8, -14, -16, -14, -8, -2, 4, 6};
const std::array<std::int32_t, kFrameCount> rightBobTable = {
    4, 4, -2, -8, -14, -16, -14, -8, -2, 4, 6, 4, -2, -8, -14, -16, -14, -8, -2, 4};

namespace {

constexpr const char* kFallItem = "FallItem";
constexpr std::int32_t kHeadFlags = 8193;  // asynchronous, never waits for the channel
constexpr std::int32_t kGroundFlags = 17;  // asynchronous, never cuts a playing sound
constexpr double kHeadTop = 350, kHeadBottom = 380;
constexpr double kBasketTop = 430, kBasketBottom = 480;
constexpr double kGround = 550;

// A clock reading `ms` later, wrapping as the clock does.
std::int32_t Later(std::int32_t now, std::int32_t ms) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(now) +
                                   static_cast<std::uint32_t>(ms));
}

// Int(Rnd * n): a whole number 0..n-1.
int RandomBelow(int n) {
  return static_cast<int>(std::floor(static_cast<double>(GameUtil::Rnd()) * n));
}

std::string Numbered(const char* name, double n) {
  return std::string("Sfx\\Collector\\") + name + std::to_string(static_cast<int>(n)) + ".wav";
}

double Centre(const Sprite& fruit) {
  return fruit.x + fruit.frameWidth / 2.0;
}

}  // namespace

bool HitsHead(const Sprite& fruit, double figureX, bool facingLeft) {
  if (fruit.y < kHeadTop || fruit.y > kHeadBottom) return false;
  const double cx = Centre(fruit);
  const double half = kFigureWidth / 2.0;
  return facingLeft ? figureX + half <= cx && cx <= figureX + kFigureWidth
                    : figureX <= cx && cx <= figureX + half;
}

bool OverBasket(const Sprite& fruit, double figureX) {
  return Centre(fruit) >= figureX && figureX + kFigureWidth >= fruit.x;
}

bool InBasketHeight(const Sprite& fruit) {
  return fruit.y >= kBasketTop && fruit.y <= kBasketBottom;
}

CollectorModel::CollectorModel(std::function<std::int32_t()> clock) : clock_(std::move(clock)) {}

int CollectorModel::RandomKind() const {
  return RandomBelow(kFruitKinds);
}

void CollectorModel::SetUpFallItems() {
  for (int i = 0; i < kFallItemCount; ++i) {
    const int kind = RandomKind();
    Sprite& s = sprites[i];
    GameUtil::InitSprite(s, fruitImages[kind], fruitMasks[kind], kFruitSize, kFruitSize, 0, 0, 0,
                         kFruitSize, kFruitSize, 0, 0);
    s.tag = kind;
    s.name = kFallItem;
    s.visible = True;
    PlaceFallItem(i);
  }
  pileCapacity = 5;
  targetKind = 0;
  RespawnFallItem(FindSprite(kFallItem));
}

void CollectorModel::SetUpPile(std::int32_t image, std::int32_t mask) {
  Sprite& pile = sprites[kFruitPile];
  GameUtil::InitSprite(pile, image, mask, 40, 40, 0, 0, 0, 40, 20, 0, 0);
  pile.name = "FruitPile";
}

void CollectorModel::SetUpFigure(int index, const char* name, std::int32_t image, std::int32_t mask,
                                 bool walking) {
  Sprite& s = sprites[index];
  const int x = 800 / 2;
  const int y = 580 - kFigureHeight;
  if (walking) {
    GameUtil::InitSprite(s, image, mask, kFigureWidth * kFrameCount, kFigureHeight, x, y,
                         kFrameCount, kFigureWidth, kFigureHeight, 30, 0);
  } else {
    GameUtil::InitSprite(s, image, mask, kFigureWidth, kFigureHeight, x, y, 0, kFigureWidth,
                         kFigureHeight, 0, 0);
  }
  s.name = name;
  // The right-facing strips are drawn to run backwards.
  s.reverse = index == kWalkRight || index == kStandingRight ? True : GameUtil::False;
  s.visible = index == kStandingRight ? True : GameUtil::False;
}

int CollectorModel::FindSprite(std::string_view name) const {
  for (int i = 0; i < kSpriteCount; ++i) {
    if (sprites[i].name == name) return i;
  }
  return -1;
}

void CollectorModel::startEvent() {
  if (caughtCount >= pileCapacity) return;
  int i = RandomBelow(kFallItemCount);
  // While one fruit of the wanted kind falls, another fruit is drawn instead of a second one.
  if (sprites[i].tag == targetKind) {
    for (int j = 0; j < kFallItemCount; ++j) {
      if (sprites[j].vy > 0 && sprites[j].tag == targetKind) {
        for (int draws = 0; draws < 101 && sprites[i].tag == targetKind; ++draws) {
          i = RandomBelow(kFallItemCount);
        }
      }
    }
  }
  sprites[i].vy = GameUtil::RandomRange(fallSpeed, static_cast<std::int16_t>(fallSpeed + 10));
  if (effects.fruitStarted) effects.fruitStarted(i);
}

void CollectorModel::PlaceFallItem(int index) {
  if (index < 0 || index >= kSpriteCount) return;
  Sprite& s = sprites[index];
  switch (treeCounter) {
    case 0:
      s.x = RandomBelow(140) + 5;
      s.y = RandomBelow(50) + 205;
      break;
    case 1:
      s.x = RandomBelow(180) + 320;
      s.y = RandomBelow(90) + 145;
      break;
    default:
      s.x = RandomBelow(190) + 580;
      s.y = RandomBelow(100) + 130;
      break;
  }
  treeCounter = static_cast<std::int16_t>(treeCounter >= 2 ? 0 : treeCounter + 1);
}

void CollectorModel::RespawnFallItem(int index) {
  if (index < 0 || index >= kSpriteCount) return;
  int wanted = 0;
  for (const Sprite& s : sprites) {
    if (s.name == kFallItem && s.tag == targetKind) ++wanted;
  }
  const int kind = wanted <= 3 ? targetKind : RandomKind();
  Sprite& s = sprites[index];
  s.tag = kind;
  s.imageSurface = fruitImages[kind];
  s.maskSurface = fruitMasks[kind];
  s.vy = 0;
  PlaceFallItem(index);
}

void CollectorModel::Play(const std::string& path, std::int32_t flags) {
  if (effects.playSound) effects.playSound(path, flags);
}

void CollectorModel::HandleEvents(std::int32_t passTime) {
  if (GameUtil::ElapsedMs(passTime, nextEventTime) > 0) {
    startEvent();
    nextEventTime = Later(clock_(), 1500);
  }
  KeepOnScreen();
  PlacePile();
  for (int i = 0; i < kSpriteCount; ++i) {
    if (sprites[i].name == kFallItem && !TestFruit(sprites[i], i)) return;
  }
}

void CollectorModel::KeepOnScreen() {
  Sprite& left = sprites[kWalkLeft];
  Sprite& right = sprites[kWalkRight];
  if (left.x <= 0) {
    left.x = 5;
    right.x = 5;
  }
  if (right.x >= 800 - right.frameWidth) {
    left.x = 795 - left.frameWidth;
    right.x = 795 - right.frameWidth;
  }
}

int CollectorModel::VisibleFigure() const {
  for (int i : {kStandingLeft, kWalkLeft, kStandingRight, kWalkRight}) {
    if (sprites[i].visible == True) return i;
  }
  return -1;
}

void CollectorModel::PlacePile() {
  Sprite& pile = sprites[kFruitPile];
  pile.visible = caughtCount >= 1 ? True : GameUtil::False;
  const int f = VisibleFigure();
  if (caughtCount <= 0 || f < 0) return;
  const Sprite& figure = sprites[f];
  const bool left = f == kStandingLeft || f == kWalkLeft;
  const bool walking = f == kWalkLeft || f == kWalkRight;
  const auto& bob = left ? leftBobTable : rightBobTable;
  const std::int32_t frame = figure.frame >= 0 && figure.frame < kFrameCount ? figure.frame : 0;
  pile.x = figure.x + (left ? 12 : 70);
  pile.y = figure.y + (walking ? 65 : 60) - caughtCount + bob[frame];
}

bool CollectorModel::TestFruit(Sprite& fruit, int index) {
  const Sprite& walkLeft = sprites[kWalkLeft];
  const Sprite& walkRight = sprites[kWalkRight];
  const bool facingLeft = walkLeft.visible == True || sprites[kStandingLeft].visible == True;
  const bool facingRight = walkRight.visible == True || sprites[kStandingRight].visible == True;
  if (facingLeft && HitsHead(fruit, walkLeft.x, true)) {
    Play(Numbered("ow", GameUtil::RandomRange(0, 2)), kHeadFlags);
    RespawnFallItem(index);
  }
  if (facingRight && HitsHead(fruit, walkRight.x, false)) {
    Play(Numbered("ow", GameUtil::RandomRange(0, 2)), kHeadFlags);
    RespawnFallItem(index);
  }
  if (OverBasket(fruit, walkLeft.x)) {
    if (!InBasketHeight(fruit)) return true;
    if (fruit.tag == targetKind) {
      Play("Sfx\\Collector\\catch.wav", kHeadFlags);
      ++caughtCount;
    } else {
      Play("Sfx\\Collector\\wrong.wav", kHeadFlags);
    }
    RespawnFallItem(index);
    if (caughtCount == pileCapacity) {
      running = false;
      return false;
    }
  } else if (fruit.y >= kGround) {
    if (effects.stampFruit) effects.stampFruit(fruit);
    if (fruit.tag == targetKind) {
      --lives;
      Play("Sfx\\Collector\\ow1.wav", kGroundFlags);
    } else {
      Play(Numbered("smash", GameUtil::RandomRange(0, 2)), kGroundFlags);
    }
    RespawnFallItem(index);
    if (lives == 0) {
      running = false;
      return false;
    }
  }
  return true;
}

void CollectorModel::Move(int index, double dt) {
  Sprite& s = sprites[index];
  s.x += s.vx * dt;
  s.y += s.vy * dt;
}

void CollectorModel::StepFrame(int index, std::int32_t passTime) {
  Sprite& s = sprites[index];
  if (s.visible != True || s.frameCount <= 0) return;
  if (GameUtil::ElapsedMs(passTime, s.lastFrameTime) <= s.frameDuration) return;
  if (s.reverse == True) {
    s.frame = s.frame - 1 < 0 ? s.frameCount - 1 : s.frame - 1;
  } else {
    s.frame = s.frame + 1 > s.frameCount - 1 ? 0 : s.frame + 1;
  }
  s.lastFrameTime = clock_();
}

void CollectorModel::HideCollector() {
  for (int i : {kWalkLeft, kWalkRight, kStandingLeft, kStandingRight}) {
    sprites[i].visible = GameUtil::False;
  }
}

void CollectorModel::Walk(bool left) {
  HideCollector();
  Sprite& shown = sprites[left ? kWalkLeft : kWalkRight];
  shown.visible = True;
  shown.frame = 0;
  sprites[kWalkLeft].vx = left ? -kWalkSpeed : kWalkSpeed;
  sprites[kWalkRight].vx = left ? -kWalkSpeed : kWalkSpeed;
}

void CollectorModel::Stand(bool left) {
  sprites[kWalkLeft].vx = 0;
  sprites[kWalkRight].vx = 0;
  // A walk that has just stepped past an edge is put back first, so the child stands where
  // the rules see it.
  KeepOnScreen();
  const int walking = left ? kWalkLeft : kWalkRight;
  const int standing = left ? kStandingLeft : kStandingRight;
  sprites[standing].x = sprites[walking].x;
  HideCollector();
  sprites[standing].visible = True;
}

void CollectorModel::StopWalking() {
  if (sprites[kWalkLeft].visible == True) {
    Stand(true);
  } else if (sprites[kWalkRight].visible == True) {
    Stand(false);
  }
}

}  // namespace collector
