// Oasis: a giraffe eats, another walks off and a snake slithers away past the hippo.
// Airport: the stair truck drives up, the baggage train leaves and the plane takes off.
// Castle: the dragon flies over, the crocodile swims up, the drawbridge comes down and the
// flags go up.
#include "games/scratch/scene_scripts.h"

namespace scratch::scripts {

using GameUtil::Sprite;

void StartOasis(ScriptStep& step) {
  SetVelocity(step, "GirafWalk", -100, 0);
  SetVelocity(step, "Snake", -60, 0);
}

StepResult StepOasis(ScriptStep& step) {
  Sprite* snake = step.Find("Snake");
  if (!snake) return StepResult::Ended;
  return snake->x + snake->frameWidth < 0 ? StepResult::Ended : StepResult::Going;
}

void StartAirport(ScriptStep& step) {
  SetVelocity(step, "PlaneStair", -40, 0);
}

StepResult StepAirport(ScriptStep& step) {
  Sprite* stair = step.Find("PlaneStair");
  Sprite* cargo = step.Find("CargoCar");
  Sprite* plane = step.Find("Plane");
  if (!stair || !cargo || !plane) return StepResult::Ended;
  if (stair->x <= 590) {
    stair->x = 590;
    stair->vx = 0;
    cargo->vx = 100;
  }
  if (cargo->x > 800) {
    // The runway is clear: the plane speeds up and, past x 200, climbs.
    plane->vx += 100 * step.dt;
    if (plane->x > 200) plane->vy -= 150 * step.dt;
    cargo->visible = GameUtil::False;
    cargo->vx = 0;
  }
  return plane->x > 800 ? StepResult::Ended : StepResult::Going;
}

void StartCastle(ScriptStep& step) {
  SetVelocity(step, "Dragon", -80, 0);
  SetVelocity(step, "Crocodile", 40, 0);
  SetVelocity(step, "Cloud", 20, 0);
}

StepResult StepCastle(ScriptStep& step) {
  switch (step.phase) {
    case 0: {
      Sprite* crocodile = step.Find("Crocodile");
      Sprite* bridge = step.Find("Drawbridge");
      if (!crocodile || !bridge) return StepResult::Ended;
      if (crocodile->x >= 570) {
        crocodile->vx = 0;
        bridge->visible = GameUtil::True;
        step.phase = 1;
      }
      break;
    }
    case 1: {
      Sprite* bridge = step.Find("Drawbridge");
      Sprite* flags = step.Find("Flags");
      if (!bridge || !flags) return StepResult::Ended;
      if (bridge->frame >= 3) {
        step.Stamp(*bridge);
        bridge->visible = GameUtil::False;
        flags->visible = GameUtil::True;
        step.phase = 2;
      }
      break;
    }
    case 2: {
      Sprite* flags = step.Find("Flags");
      if (!flags) return StepResult::Ended;
      if (flags->frame >= 6) {
        step.Stamp(*flags);
        flags->visible = GameUtil::False;
        step.Arm(2, 2500);
        step.phase = 3;
      }
      break;
    }
    default:
      if (step.Passed(2, step.clock)) return StepResult::Ended;
      break;
  }
  return StepResult::Going;
}

}  // namespace scratch::scripts
