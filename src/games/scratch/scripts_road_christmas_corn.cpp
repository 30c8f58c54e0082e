// Road: a steamer and a submarine pass the coast road while a bird flaps by.
// Christmas: Santa's sleigh flies off over the village and the snowman hops about.
// Cornfield: the tractor drives off with its plough, the crows fly over, the rabbit hops away.
#include "games/scratch/scene_scripts.h"

namespace scratch::scripts {

using GameUtil::Sprite;

void StartRoad(ScriptStep& step) {
  SetVelocity(step, "Cloud", 10, 0);
  SetVelocity(step, "Bird", -75, 0);
  SetVelocity(step, "Uboat", 35, 0);
  SetVelocity(step, "Ship", 20, 0);
  SetVelocity(step, "Smoke", 20, 0);
}

StepResult StepRoad(ScriptStep& step) {
  Sprite* bird = step.Find("Bird");
  Sprite* ship = step.Find("Ship");
  if (!bird || !ship) return StepResult::Ended;
  // The wings go down and up again: frames 0, 1, 2, 1, 0, ...
  if (bird->frame == 2) bird->reverse = GameUtil::True;
  if (bird->frame == 0) bird->reverse = GameUtil::False;
  return ship->x > 800 ? StepResult::Ended : StepResult::Going;
}

void StartChristmas(ScriptStep& step) {
  SetVelocity(step, "Santa", 50, -20);
  SetVelocity(step, "Snowman", -60, 100);
}

StepResult StepChristmas(ScriptStep& step) {
  Sprite* santa = step.Find("Santa");
  Sprite* snowman = step.Find("Snowman");
  if (!santa || !snowman) return StepResult::Ended;
  // Every half second the snowman turns: up one way, down, up the other way, down.
  if (step.Passed(4, step.lastStepTime)) {
    if (step.phase == 0) {
      snowman->vx = -snowman->vx;
      snowman->vy = -snowman->vy;
      step.phase = 1;
    } else {
      snowman->vy = -snowman->vy;
      step.phase = 0;
    }
    step.Arm(4, 500);
  }
  return santa->x > 800 ? StepResult::Ended : StepResult::Going;
}

void StartCornfield(ScriptStep& step) {
  SetVelocity(step, "Rabbit", -20, 0);
  SetVelocity(step, "Tractor", 40, 0);
  SetVelocity(step, "Smoke", 40, 0);
  SetVelocity(step, "Crows", -60, 0);
}

StepResult StepCornfield(ScriptStep& step) {
  Sprite* rabbit = step.Find("Rabbit");
  if (!rabbit) return StepResult::Ended;
  return rabbit->x + rabbit->frameWidth < 0 ? StepResult::Ended : StepResult::Going;
}

}  // namespace scratch::scripts
