// The Picture puzzle's thirteen scenes: each piece's file name, size and place (its top-left
// corner in the picture with the holes), in slot order.
#pragma once
#include <array>
#include <cstdint>

namespace picturepuzzle {

constexpr int kSlotCount = 8;
constexpr int kSceneCount = 13;

struct PieceInfo {
  const char* name;  // "Gfx\PicturePuzzle\<scene>\<name>.bmp" with "<name>Mask.bmp"
  std::int32_t width;
  std::int32_t height;
  std::int32_t x;
  std::int32_t y;
};

struct SceneInfo {
  const char* name;  // "Gfx\PicturePuzzle\<name>\<name>Source.bmp" and "...Target.bmp"
  int pieceCount;
  std::array<PieceInfo, kSlotCount> pieces;
};

// clang-format off
inline constexpr std::array<SceneInfo, kSceneCount> Scenes = {{
    {"House", 6, {{{"Stair", 81, 31, 161, 317},
                   {"Door", 56, 84, 172, 233},
                   {"BushLeft", 88, 36, 75, 316},
                   {"BushRight", 89, 36, 240, 316},
                   {"WindowLeft", 49, 61, 104, 233},
                   {"WindowRight", 49, 61, 245, 233}}}},
    {"Table", 6, {{{"Flower", 112, 153, 145, 26},
                   {"Glass", 45, 66, 102, 131},
                   {"Knife", 49, 58, 236, 206},
                   {"Fork", 40, 49, 105, 206},
                   {"Plate", 121, 39, 134, 224},
                   {"Paper", 63, 60, 268, 153}}}},
    {"Space", 6, {{{"Moon", 45, 47, 80, 82},
                   {"Ship", 95, 40, 286, 151},
                   {"Sun", 116, 115, 270, 18},
                   {"Satelite", 130, 135, 42, 230},
                   {"Earth", 105, 100, 144, 140},
                   {"Jupiter", 46, 40, 281, 275}}}},
    {"Cake", 5, {{{"Cream", 374, 150, 9, 142},
                  {"Five", 93, 69, 131, 172},
                  {"LeftLights", 69, 215, 42, 8},
                  {"MiddleLight", 23, 160, 182, 5},
                  {"RightLights", 83, 209, 268, 16}}}},
    {"Tree", 5, {{{"Star", 42, 47, 168, 0},
                  {"Picture", 112, 121, 37, 8},
                  {"Parcel", 232, 61, 67, 336},
                  {"Candy", 108, 222, 156, 96},
                  {"Balls", 156, 213, 132, 94}}}},
    {"Room", 6, {{{"Drawer", 113, 109, 20, 66},
                  {"Picture", 72, 55, 146, 12},
                  {"Couch", 137, 120, 8, 160},
                  {"Table", 180, 91, 118, 182},
                  {"Lamp", 51, 180, 40, 199},
                  {"Tv", 116, 145, 239, 226}}}},
    {"Flowers", 6, {{{"BushLeft", 131, 80, 12, 171},
                     {"BushMiddle", 99, 76, 140, 173},
                     {"BushRight", 127, 95, 242, 156},
                     {"FlowerLeft", 107, 128, 26, 104},
                     {"FlowerMiddle", 86, 65, 137, 158},
                     {"FlowerRight", 118, 82, 222, 147}}}},
    {"Truck", 7, {{{"Cargo", 188, 89, 182, 113},
                   {"LeftWheel", 48, 48, 57, 206},
                   {"RightWheels", 100, 50, 252, 208},
                   {"Door", 44, 74, 114, 131},
                   {"BushLeft", 58, 37, 28, 318},
                   {"BushMiddle", 68, 53, 140, 308},
                   {"BushRight", 67, 39, 300, 314}}}},
    {"Northpole", 5, {{{"Ship", 183, 105, 142, 40},
                       {"Ice", 79, 25, 312, 120},
                       {"Man", 97, 166, 196, 131},
                       {"Boat", 142, 53, 1, 166},
                       {"Seal", 68, 46, 22, 332}}}},
    {"Dragon", 5, {{{"Bars", 88, 29, 108, 314},
                    {"Crown", 38, 39, 211, 320},
                    {"CandleStick", 65, 66, 270, 303},
                    {"MoneyBags", 83, 79, 0, 288},
                    {"Money", 208, 53, 107, 262}}}},
    {"Djungle", 5, {{{"Bird1", 73, 54, 250, 51},
                     {"Bird2", 73, 54, 42, 33},
                     {"Snake", 189, 51, 86, 332},
                     {"Giraffe", 133, 151, 14, 160},
                     {"Hippo", 141, 92, 222, 225}}}},
    {"Ocean", 5, {{{"Shark", 144, 55, 15, 10},
                   {"Crab", 62, 44, 56, 279},
                   {"Grass", 64, 77, 248, 226},
                   {"YellowFish", 96, 69, 285, 14},
                   {"BlueFish", 145, 104, 88, 93}}}},
    {"Garden", 5, {{{"TreeBush", 155, 181, 20, 78},
                    {"YellowBush", 87, 69, 190, 272},
                    {"TreeFoot", 73, 117, 276, 164},
                    {"TreeTop", 166, 164, 224, 0},
                    {"RedBush", 148, 115, -2, 230}}}},
}};
// clang-format on

}  // namespace picturepuzzle
