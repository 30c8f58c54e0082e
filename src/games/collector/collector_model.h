// The rules of the Collector without a window: the sprite table, fruit hanging on three trees
// and falling, the figure walking along the ground with its pile, and one pass of the game
// (head, basket and ground tests). The form draws what this model holds.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "gameutil/gameutil.h"

namespace collector {

constexpr int kSpriteCount = 14;
constexpr int kFallItemCount = 6;
constexpr int kFruitKinds = 10;
constexpr int kFrameCount = 20;

// The fixed places of the table: fruit 0-5, then these; 11-13 stay empty.
constexpr int kFruitPile = 6;
constexpr int kWalkLeft = 7;
constexpr int kWalkRight = 8;
constexpr int kStandingLeft = 9;
constexpr int kStandingRight = 10;

constexpr double kWalkSpeed = 160;  // pixels per second
constexpr int kFigureWidth = 120;
constexpr int kFigureHeight = 216;
constexpr int kFruitSize = 35;

// How far the basket rides up (negative) or down per frame of the walk, one table per facing.
extern const std::array<std::int32_t, kFrameCount> leftBobTable;
extern const std::array<std::int32_t, kFrameCount> rightBobTable;

// What a pass makes happen outside the model; any of them may be left empty.
struct PassEffects {
  std::function<void(const std::string& path, std::int32_t flags)> playSound;
  // A fruit reached the ground: it stays drawn into the background where it lies.
  std::function<void(const GameUtil::Sprite& fruit)> stampFruit;
  // startEvent set fruit `index` falling (or gave it a new speed).
  std::function<void(int index)> fruitStarted;
};

// The fruit's middle lies under the head: the back half of the figure, which holds the
// basket out in front, while the fruit's top is 350-380.
bool HitsHead(const GameUtil::Sprite& fruit, double figureX, bool facingLeft);
// The fruit is over the figure's width, where the basket can catch it.
bool OverBasket(const GameUtil::Sprite& fruit, double figureX);
bool InBasketHeight(const GameUtil::Sprite& fruit);

class CollectorModel {
 public:
  // The clock of the rules (GetTimeMs); tests give their own.
  explicit CollectorModel(std::function<std::int32_t()> clock = GameUtil::GetTimeMs);

  std::array<GameUtil::Sprite, kSpriteCount> sprites;
  std::array<std::int32_t, kFruitKinds> fruitImages{};
  std::array<std::int32_t, kFruitKinds> fruitMasks{};

  std::int16_t fallSpeed = 40;
  std::int32_t targetKind = 0;
  std::int32_t caughtCount = 0;
  std::int32_t pileCapacity = 5;
  std::int32_t lives = 3;
  std::int32_t nextEventTime = 0;
  std::int16_t treeCounter = 0;
  bool running = false;
  PassEffects effects;

  // Steps 4 and 5 of loading: six fruit of random kinds on the trees, sprite 0 respawned so
  // that the wanted kind hangs there. The fruit pictures must be set first.
  void SetUpFallItems();
  // The pile picture and the four figure strips (step 7), standing at (400, 364) facing right.
  void SetUpPile(std::int32_t image, std::int32_t mask);
  void SetUpFigure(int index, const char* name, std::int32_t image, std::int32_t mask,
                   bool walking);

  // The first index whose name is `name`, or -1.
  int FindSprite(std::string_view name) const;
  void startEvent();
  void PlaceFallItem(int index);
  void RespawnFallItem(int index);
  // One pass of the rules at `passTime`.
  void HandleEvents(std::int32_t passTime);
  // The motion of one sprite over `dt` seconds, and its frame step at `passTime`.
  void Move(int index, double dt);
  void StepFrame(int index, std::int32_t passTime);

  // Key-down of a walking key, and its key-up.
  void Walk(bool left);
  void Stand(bool left);
  void HideCollector();
  void StopWalking();

  // The figure sprite that is shown (standing or walking), or -1.
  int VisibleFigure() const;
  // Puts the pile in the basket of the figure that is shown.
  void PlacePile();
  bool Won() const { return caughtCount >= pileCapacity; }
  bool Lost() const { return lives <= 0; }

 private:
  void KeepOnScreen();
  // Returns false when the pass must stop (the round has ended).
  bool TestFruit(GameUtil::Sprite& fruit, int index);
  void Play(const std::string& path, std::int32_t flags);
  int RandomKind() const;

  std::function<std::int32_t()> clock_;
};

}  // namespace collector
