// Racing: two cars race round and round while the camera helicopter crosses the sky.
// Firestation: the alarm light turns, the door rolls up on the waiting engine and the ladder
// truck drives off.
// Dollhouse: the television and the washing machine run for ten seconds.
#include "games/scratch/scene_scripts.h"

namespace scratch::scripts {

using GameUtil::Sprite;

namespace {

// A car that has left on the left comes round again from the right, fast.
void LapAgain(Sprite& car) {
  if (car.x + car.frameWidth >= 0) return;
  car.x = 800;
  car.vx = -400 - GameUtil::Rnd() * 200.0;
}

}  // namespace

void StartRacing(ScriptStep& step) {
  SetVelocity(step, "Chopper", -40, 0);
  SetVelocity(step, "YellowCar", -80, 0);
  SetVelocity(step, "RedCar", -60, 0);
}

StepResult StepRacing(ScriptStep& step) {
  Sprite* yellow = step.Find("YellowCar");
  Sprite* red = step.Find("RedCar");
  Sprite* chopper = step.Find("Chopper");
  if (!yellow || !red || !chopper) return StepResult::Ended;
  // Both cars speed up until the yellow one does 400 pixels a second. The speed-up is an
  // acceleration (pixels per second, each second), so it takes as long at any frame rate.
  if (yellow->vx > -400) {
    yellow->vx -= (RandomInt(50) + 50) * step.dt;
    red->vx -= (RandomInt(50) + 50) * step.dt;
  }
  LapAgain(*yellow);
  LapAgain(*red);
  return chopper->x + chopper->frameWidth < 0 ? StepResult::Ended : StepResult::Going;
}

void StartFirestation(ScriptStep& step) {
  SetVelocity(step, "Firetruck", -55, 0);
}

StepResult StepFirestation(ScriptStep& step) {
  Sprite* door = step.Find("Door");
  Sprite* truck = step.Find("Firetruck");
  if (!door || !truck) return StepResult::Ended;
  // The open door stays in the picture; once hidden it no longer steps, so once is enough.
  if (door->frame >= 4 && door->visible == GameUtil::True) {
    step.Stamp(*door);
    door->visible = GameUtil::False;
  }
  return truck->x + truck->frameWidth < 0 ? StepResult::Ended : StepResult::Going;
}

void StartDollhouse(ScriptStep&) {}

StepResult StepDollhouse(ScriptStep& step) {
  if (step.Passed(3, step.lastStepTime)) step.Arm(3, 10000);
  return step.Passed(3, step.clock) ? StepResult::Ended : StepResult::Going;
}

}  // namespace scratch::scripts
