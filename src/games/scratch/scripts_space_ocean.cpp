// Space: a rocket speeds off to the left past a satellite while rocks tumble through.
// Ocean: fish, a shark and a crab swim about while bubbles rise and come back at the animals.
#include <cmath>
#include <string>

#include "games/scratch/scene_scripts.h"

namespace scratch::scripts {

using GameUtil::Sprite;

int RandomInt(int n) {
  return static_cast<int>(std::floor(GameUtil::Rnd() * static_cast<float>(n)));
}

bool SetVelocity(ScriptStep& step, const char* name, double vx, double vy) {
  Sprite* s = step.Find(name);
  if (!s) return false;
  s->vx = vx;
  s->vy = vy;
  return true;
}

void PlaceSpace(SpriteTable& sprites) {
  // Rock1 waits left of the field, Rock2 above it.
  sprites[2].x = -80 - RandomInt(160);
  sprites[3].x = RandomInt(300);
}

void StartSpace(ScriptStep& step) {
  GameUtil::Randomize(step.clock);
  for (const char* name : {"Rock1", "Rock2"}) {
    if (Sprite* rock = step.Find(name)) {
      rock->vx = RandomInt(100) + 100;
      rock->vy = RandomInt(100) + 50;
      rock->x = 1 - rock->frameWidth;
    }
  }
  if (Sprite* rock = step.Find("Rock3")) {
    rock->vx = RandomInt(100) + 50;
    rock->vy = RandomInt(50) + 50;
  }
}

StepResult StepSpace(ScriptStep& step) {
  Sprite* ship = step.Find("Ship");
  if (!ship) return StepResult::Ended;
  ship->vx -= 150 * step.dt;
  return ship->x < -10.0 * ship->frameWidth ? StepResult::Ended : StepResult::Going;
}

void PlaceOcean(SpriteTable& sprites) {
  // Shark, BlueFish, YellowFish, Fishes and Superfish start somewhere new each game.
  sprites[1].x = RandomInt(584);
  sprites[1].y = RandomInt(300);
  sprites[2].x = RandomInt(582);
  sprites[2].y = RandomInt(300);
  sprites[3].x = RandomInt(100);
  sprites[3].y = RandomInt(300);
  sprites[4].x = 800 - RandomInt(100) - 80;
  sprites[4].y = RandomInt(300) + 100;
  sprites[5].x = 800 - RandomInt(100) - 267;
  sprites[5].y = RandomInt(100) + 100;
}

void StartOcean(ScriptStep& step) {
  GameUtil::Randomize(step.clock);
  SetVelocity(step, "Crab", -30, 15);
  SetVelocity(step, "Shark", -(RandomInt(50) + 30), 0);
  SetVelocity(step, "BlueFish", -(RandomInt(100) + 25), 0);
  SetVelocity(step, "YellowFish", RandomInt(50) + 50, 0);
  SetVelocity(step, "Fishes", RandomInt(50) + 25, 0);
  SetVelocity(step, "Superfish", -RandomInt(80) - 45, 0);
  for (const char* name : {"Bubble1", "Bubble2", "Bubble3"}) SetVelocity(step, name, -30, -160);
}

StepResult StepOcean(ScriptStep& step) {
  Sprite* bubbles[3] = {step.Find("Bubble1"), step.Find("Bubble2"), step.Find("Bubble3")};
  Sprite* crab = step.Find("Crab");
  Sprite* yellow = step.Find("YellowFish");
  // The bubbles wobble from side to side, the crab bobs up and down.
  if (step.Passed(1, step.lastStepTime)) {
    for (Sprite* b : bubbles) {
      if (b) b->vx = -b->vx;
    }
    step.Arm(1, 150);
  }
  if (step.Passed(0, step.lastStepTime)) {
    if (crab) crab->vy = -crab->vy;
    step.Arm(0, 250);
  }
  // A bubble that has left the top comes back at an animal, rising at half its speed.
  Sprite* animals[4] = {step.Find("BlueFish"), step.Find("Shark"), yellow, crab};
  for (Sprite* b : bubbles) {
    if (!b || b->y + b->frameHeight >= 0) continue;
    GameUtil::Randomize(step.clock);
    b->vy /= 2;
    const int k = RandomInt(4);
    const Sprite* animal = animals[k];
    if (!animal) continue;
    b->x = animal->x + (k == 2 ? animal->frameWidth : 0);
    b->y = animal->y + animal->frameHeight / 2.0;
  }
  if (!yellow) return StepResult::Ended;
  return yellow->x > 800 ? StepResult::Ended : StepResult::Going;
}

}  // namespace scratch::scripts
