// Harbor: the truck brings a container, the crane lifts it off, carries it over the ship and
// lowers it into the hold, and the ship sails away with it.
#include "games/scratch/scene_scripts.h"

namespace scratch::scripts {

using GameUtil::Sprite;

void StartHarbor(ScriptStep& step) {
  SetVelocity(step, "Truck", -60, 0);
  SetVelocity(step, "Container", -60, 0);
}

StepResult StepHarbor(ScriptStep& step) {
  Sprite* truck = step.Find("Truck");
  Sprite* container = step.Find("Container");
  Sprite* crane = step.Find("Crane");
  Sprite* loaded = step.Find("Container2");
  Sprite* ship = step.Find("Ship");
  if (!truck || !container || !crane || !loaded || !ship) return StepResult::Ended;
  switch (step.phase) {
    case 0:  // the truck drives up to the crane
      if (truck->x <= 75) {
        truck->vx = 0;
        container->vx = 0;
        crane->vx = -50;
        step.phase = 1;
      }
      break;
    case 1:  // the hook comes over the container
      if (crane->x <= 575) {
        crane->vx = 0;
        crane->vy = -50;
        container->vy = -50;
        step.phase = 2;
      }
      break;
    case 2:  // up it goes; the empty truck leaves
      if (crane->y + crane->frameHeight <= 50) {
        crane->vy = 0;
        container->vy = 0;
        crane->vx = -50;
        container->vx = -50;
        truck->vx = -110;
        step.phase = 3;
      }
      break;
    case 3:  // over the hold it is swapped for the copy drawn behind the ship's hull
      if (container->x <= 80) {
        crane->vx = 0;
        container->vx = 0;
        loaded->x = container->x;
        loaded->y = container->y;
        loaded->visible = GameUtil::True;
        container->visible = GameUtil::False;
        crane->vy = 40;
        loaded->vy = 40;
        step.phase = 4;
      }
      break;
    case 4:  // down into the hold
      if (loaded->y >= 160) {
        crane->vy = -15;
        loaded->vy = 0;
        crane->vx = 80;
        ship->vx = -60;
        loaded->vx = -60;
        step.phase = 5;
      }
      break;
    default:  // the ship sails away
      if (ship->x + ship->frameWidth < 0) {
        step.phase = 0;
        return StepResult::Ended;
      }
      break;
  }
  return StepResult::Going;
}

}  // namespace scratch::scripts
