#include "games/scratch/scene_table.h"

#include "games/scratch/scene_scripts.h"

namespace scratch {

namespace {

using namespace scripts;

// name, picture, frames, frame width, frame height, ms per frame, first frame, x, y, shown
std::array<SceneSpec, kSceneCount> MakeTable() {
  return {{
      {"Space",
       "Space",
       false,
       {{"Satelite", "Satelite", 4, 225, 250, 150, 0, 40, 110, true},
        {"Ship", "Ship", 3, 435, 160, 100, 0, 365, 340, true},
        {"Rock1", "Rock", 0, 80, 80, 0, 0, -80, 0, true},
        {"Rock2", "Rock", 0, 80, 80, 0, 0, 0, -80, true},
        {"Rock3", "Rock", 0, 80, 80, 0, 0, 410, 220, true}},
       PlaceSpace,
       StartSpace,
       StepSpace},
      {"Ocean",
       "Ocean",
       true,
       {{"Crab", "Crab", 0, 92, 64, 0, 0, 265, 430, true},
        {"Shark", "Shark", 0, 216, 82, 0, 0, 0, 0, true},
        {"BlueFish", "BlueFish", 0, 218, 156, 0, 0, 0, 0, true},
        {"YellowFish", "YellowFish", 0, 145, 103, 0, 0, 0, 0, true},
        {"Fishes", "Fishes", 0, 80, 60, 0, 0, 0, 0, true},
        {"Superfish", "Superfish", 0, 267, 190, 0, 0, 0, 0, true},
        {"Bubble1", "Bubble", 0, 92, 64, 0, 0, 400, 400, true},
        {"Bubble2", "Bubble", 0, 92, 64, 0, 0, 390, 430, true},
        {"Bubble3", "Bubble", 0, 92, 64, 0, 0, 415, 415, true}},
       PlaceOcean,
       StartOcean,
       StepOcean},
      {"Oasis",
       "Jungle",
       false,
       {{"Hippo", "Hippo", 0, 141, 92, 0, 0, 85, 350, true},
        {"GirafEat", "GirafEat", 10, 320, 240, 200, 3, 250, 230, true},
        {"GirafWalk", "GirafWalk", 10, 320, 240, 120, 8, 400, 270, true},
        {"Snake", "Snake", 10, 320, 240, 100, 0, 500, 360, true}},
       nullptr,
       StartOasis,
       StepOasis},
      {"Airport",
       "Airport",
       false,
       {{"PlaneStair", "PlaneStair", 0, 133, 158, 0, 0, 667, 200, true},
        {"CargoCar", "CargoCar", 0, 368, 139, 0, 0, 150, 300, true},
        {"Plane", "Plane", 0, 365, 151, 0, 0, 0, 400, true}},
       nullptr,
       StartAirport,
       StepAirport},
      {"Castle",
       "Castle",
       false,
       {{"Dragon", "Dragon", 0, 149, 79, 0, 0, 450, 20, true},
        {"Drawbridge", "Drawbridge", 4, 260, 300, 250, 0, 320, 280, false},
        {"Crocodile", "Crocodile", 0, 95, 22, 0, 0, 280, 525, true},
        {"Flags", "Flags", 7, 360, 139, 500, 0, 228, 124, false},
        {"Cloud", "Cloud", 0, 195, 83, 0, 0, 200, 50, true}},
       nullptr,
       StartCastle,
       StepCastle},
      {"Racing",
       "Racing",
       true,
       {{"Chopper", "Chopper", 9, 218, 86, 50, 0, 450, 75, true, false, 2180},
        {"YellowCar", "YellowCar", 0, 326, 109, 0, 0, 440, 350, true},
        {"RedCar", "RedCar", 0, 326, 109, 0, 0, 440, 420, true}},
       nullptr,
       StartRacing,
       StepRacing},
      {"Firestation",
       "Firestation",
       true,
       {{"Car", "Car", 5, 270, 244, 100, 0, 180, 180, true},
        {"Door", "Door", 5, 299, 358, 600, 0, 172, 70, true},
        {"Light", "Light", 6, 81, 125, 100, 0, 485, 110, true},
        {"Firetruck", "Firetruck", 0, 668, 458, 0, 0, 75, 60, true}},
       nullptr,
       StartFirestation,
       StepFirestation},
      {"Dollhouse",
       "Dollhouse",
       false,
       {{"Tv", "Tv", 5, 102, 73, 200, 0, 626, 149, true},
        {"Washmachine", "Washmachine", 5, 69, 77, 300, 0, 595, 326, true}},
       nullptr,
       StartDollhouse,
       StepDollhouse},
      {"Road",
       "Road",
       false,
       {{"Cloud", "Cloud", 0, 209, 101, 0, 0, 20, 5, true},
        {"Bird", "Bird", 3, 73, 54, 250, 0, 670, 30, true},
        {"Uboat", "Uboat", 0, 157, 74, 0, 0, 570, 500, true},
        {"Ship", "Ship", 0, 150, 51, 0, 0, 450, 289, true},
        {"Smoke", "Smoke", 3, 56, 45, 750, 2, 435, 240, true, true}},
       nullptr,
       StartRoad,
       StepRoad},
      {"Christmas",
       "Christmas",
       false,
       {{"Santa", "Santa", 0, 197, 97, 0, 0, 300, 60, true},
        {"Snowman", "Snowman", 0, 135, 191, 0, 0, 75, 240, true},
        {"Smoke", "Smoke", 5, 169, 136, 500, 0, 625, 50, true},
        {"Moon", "Moon", 0, 142, 179, 200, 0, 20, 10, true}},
       nullptr,
       StartChristmas,
       StepChristmas},
      {"Cornfield",
       "Cornfield",
       true,
       {{"RabbitSmall", "RabbitSmall", 0, 40, 40, 0, 0, 300, 280, true},
        {"Rabbit", "Rabbit", 5, 60, 48, 200, 0, 360, 285, true},
        {"Tractor", "Tractor", 0, 368, 140, 0, 0, 225, 255, true},
        {"Smoke", "Smoke", 4, 69, 60, 300, 0, 510, 200, true},
        {"Crows", "Crows", 3, 191, 114, 200, 0, 500, 5, true}},
       nullptr,
       StartCornfield,
       StepCornfield},
      {"Harbor",
       "Harbor",
       false,
       {{"Container2", "Container", 0, 248, 134, 0, 0, 1190, 380, false},
        {"Ship", "Ship", 0, 1031, 405, 0, 0, 0, -8, true},
        {"Crane", "Crane", 0, 22, 406, 0, 0, 870, -12, true},
        {"Truck", "Truck", 0, 709, 156, 0, 0, 600, 390, true},
        {"Container", "Container", 0, 248, 134, 0, 0, 985, 380, true}},
       nullptr,
       StartHarbor,
       StepHarbor},
  }};
}

std::string Folder(const SceneSpec& scene) {
  return std::string("Gfx\\Scratch\\") + scene.folder + "\\";
}

}  // namespace

const std::array<SceneSpec, kSceneCount>& SceneTable() {
  static const std::array<SceneSpec, kSceneCount> table = MakeTable();
  return table;
}

std::string BackgroundPath(const SceneSpec& scene) {
  return Folder(scene) + scene.folder + ".bmp";
}

std::string SpritePicturePath(const SceneSpec& scene, const SpriteSpec& sprite) {
  return Folder(scene) + sprite.picture + ".bmp";
}

std::string SpriteMaskPath(const SceneSpec& scene, const SpriteSpec& sprite) {
  return Folder(scene) + sprite.picture + "Mask.bmp";
}

std::string SoundPath(const SceneSpec& scene) {
  return std::string("Sfx\\Scratch\\") + scene.sound + ".wav";
}

}  // namespace scratch
