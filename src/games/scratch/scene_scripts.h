// The scenes' scripts, one set of functions per scene (random places, first motions, step).
#pragma once
#include "games/scratch/sprite_table.h"

namespace scratch::scripts {

void PlaceSpace(SpriteTable& sprites);
void StartSpace(ScriptStep& step);
StepResult StepSpace(ScriptStep& step);

void PlaceOcean(SpriteTable& sprites);
void StartOcean(ScriptStep& step);
StepResult StepOcean(ScriptStep& step);

void StartOasis(ScriptStep& step);
StepResult StepOasis(ScriptStep& step);

void StartAirport(ScriptStep& step);
StepResult StepAirport(ScriptStep& step);

void StartCastle(ScriptStep& step);
StepResult StepCastle(ScriptStep& step);

void StartRacing(ScriptStep& step);
StepResult StepRacing(ScriptStep& step);

void StartFirestation(ScriptStep& step);
StepResult StepFirestation(ScriptStep& step);

void StartDollhouse(ScriptStep& step);
StepResult StepDollhouse(ScriptStep& step);

void StartRoad(ScriptStep& step);
StepResult StepRoad(ScriptStep& step);

void StartChristmas(ScriptStep& step);
StepResult StepChristmas(ScriptStep& step);

void StartCornfield(ScriptStep& step);
StepResult StepCornfield(ScriptStep& step);

void StartHarbor(ScriptStep& step);
StepResult StepHarbor(ScriptStep& step);

// Gives a named sprite a velocity; false when the table has no such sprite.
bool SetVelocity(ScriptStep& step, const char* name, double vx, double vy);
// Int(Rnd * n): a whole number 0 .. n - 1.
int RandomInt(int n);

}  // namespace scratch::scripts
