// The forge's scene descriptions: what a scene entry writes, the mistakes a description is
// refused for, and the bundle that carries all of a scene's sources to the maker.
#include <gtest/gtest.h>

#include "../../assets/forge/scene_description.h"
#include "manifest_text.h"

namespace forge {
namespace {

using test::ErrorOf;
using test::Files;
using test::Lookup;
using test::Parse;

const std::string kHouse =
    "# a house\n"
    "target Gfx/P/House/HouseTarget.bmp\n"
    "icon Gfx/P/Icon0.bmp 80x80\n"
    "background p/bg.svg hole=#102030 var.sun=2\n"
    "piece Door 56x84 172,233 p/door.svg\n"
    "piece Bush 88x36 -2,316 p/bush.svg flip=h var.r=1\n";

// A scene entry writes its complete picture, the one with holes, its icon and every piece
// with its mask, each a part with its own size and options.
TEST(ForgeScene, ASceneEntryWritesItsPicturesAndEveryPieceWithItsMask) {
  const auto entries =
      Parse({{"m.txt", "Gfx/P/House/HouseSource.bmp scene 395x395 p/house.scene\n"},
             {"p/house.scene", kHouse}});
  ASSERT_EQ(entries.size(), 1u);
  const Entry& scene = entries[0];
  EXPECT_EQ(scene.kind, Kind::Scene);
  EXPECT_EQ(scene.Outputs(),
            (std::vector<std::string>{"Gfx/P/House/HouseSource.bmp", "Gfx/P/House/HouseTarget.bmp",
                                      "Gfx/P/Icon0.bmp", "Gfx/P/House/Door.bmp",
                                      "Gfx/P/House/DoorMask.bmp", "Gfx/P/House/Bush.bmp",
                                      "Gfx/P/House/BushMask.bmp"}));
  ASSERT_EQ(scene.parts.size(), 4u);
  EXPECT_TRUE(scene.parts[0].kind == Kind::Picture && scene.parts[0].width == 395);
  EXPECT_TRUE(scene.parts[1].kind == Kind::Picture && scene.parts[1].width == 80);
  const Entry& bush = scene.parts[3];
  EXPECT_TRUE(bush.kind == Kind::Sprite && bush.width == 88 && bush.height == 36);
  EXPECT_EQ(bush.flip, 'h');
  EXPECT_DOUBLE_EQ(bush.vars.at("r"), 1);
  EXPECT_EQ(bush.where, "p/house.scene:6");

  const SceneDescription d = ParseScene(kHouse, "p/house.scene");
  EXPECT_EQ(d.hole, 0x102030u);
  EXPECT_DOUBLE_EQ(d.backgroundVars.at("sun"), 2);
  ASSERT_EQ(d.pieces.size(), 2u);
  EXPECT_TRUE(d.pieces[1].x == -2 && d.pieces[1].y == 316);  // places may lie outside
}

// Each malformed line of a scene description is refused with its file and line.
TEST(ForgeScene, MistakesInADescriptionNameItsLine) {
  const std::string head =
      "target Gfx/P/T.bmp\n"
      "background p/bg.svg\n";
  const char* bad[] = {
      "piece Door 56x84 172,233",                   // no drawing
      "piece Door 56x 172,233 p/d.svg",             // bad size
      "piece Door 0x84 172,233 p/d.svg",            // empty size
      "piece Door 56x84 172;233 p/d.svg",           // bad place
      "piece Do-or 56x84 1,1 p/d.svg",              // bad name
      "piece Door 56x84 1,1 ../d.svg",              // drawing climbs out
      "piece Door 56x84 1,1 p/d.svg rotate=90",     // unknown option
      "piece Door 56x84 1,1 p/d.svg var.x=abc",     // not a number
      "piece Door 56x84 1,1 p/d.svg hole=#102030",  // hole is the background's
      "piece door 5x5 1,1 p/d.svg",                 // the same piece twice (letter case)
      "target Gfx/P/U.bmp",                         // twice
      "icon Gfx/P/I.bmp",                           // no size
      "frame Gfx/P/F.bmp",                          // unknown line
  };
  for (const char* line : bad) {
    const std::string text = head + "piece Door 56x84 172,233 p/d.svg\n" + line + "\n";
    try {
      ParseScene(text, "s.scene");
      ADD_FAILURE() << line << " was accepted";
    } catch (const ForgeError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("s.scene:4: ", 0), 0u) << line << " -> " << e.what();
    }
  }
  EXPECT_THROW(ParseScene(head, "s.scene"), ForgeError);  // no piece
  EXPECT_THROW(ParseScene("background p/bg.svg\npiece A 5x5 1,1 a.svg\n", "s"), ForgeError);
  EXPECT_THROW(ParseScene("background p/bg.svg hole=#12345\npiece A 5x5 1,1 a.svg\n", "s"),
               ForgeError);
}

// Two scenes writing the same piece, a missing description and drawing options on the scene
// entry itself are refused.
TEST(ForgeScene, OutputsOfScenesMayNotCollideAndAMissingDescriptionStopsTheManifest) {
  const std::string scene = "target Gfx/P/A/T.bmp\nbackground bg.svg\npiece Door 5x5 1,1 d.svg\n";
  // Two scenes in one folder both writing Door.bmp.
  const std::string error = ErrorOf({{"m.txt",
                                      "Gfx/P/A/S.bmp scene 395x395 a.scene\n"
                                      "Gfx/P/A/U.bmp scene 395x395 b.scene\n"},
                                     {"a.scene", scene},
                                     {"b.scene",
                                      "target Gfx/P/A/V.bmp\nbackground bg.svg\n"
                                      "piece door 5x5 1,1 d.svg\n"}});
  EXPECT_NE(error, "");
  EXPECT_NE(ErrorOf({{"m.txt", "Gfx/P/A/S.bmp scene 395x395 gone.scene\n"}}).find("gone.scene"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf({{"m.txt", "Gfx/P/A/S.bmp scene 395x395 a.scene flip=h\n"}, {"a.scene", scene}}), "");
}

// The bundle holds every source of a scene and unpacks to the same files; a missing drawing
// or a damaged bundle gives nothing.
TEST(ForgeScene, TheBundleCarriesTheDescriptionAndEveryDrawing) {
  const Files files = {{"p/house.scene", kHouse},
                       {"p/bg.svg", "<svg>background</svg>"},
                       {"p/door.svg", ""},  // an empty file is still a file
                       {"p/bush.svg", "<svg>\n@scene-file p/x 3\n</svg>"}};
  Files withManifest = files;
  withManifest["m.txt"] = "Gfx/P/House/HouseSource.bmp scene 395x395 p/house.scene\n";
  const auto entries = Parse(withManifest);
  const auto lookup = [&](const std::string& name) { return Lookup(files, name); };
  const auto bundle = BundleScene(entries[0], kHouse, lookup);
  ASSERT_TRUE(bundle.has_value());
  EXPECT_EQ(UnbundleScene(*bundle), files);

  // A drawing that cannot be read leaves nothing to make.
  Files missing = files;
  missing.erase("p/bush.svg");
  EXPECT_FALSE(BundleScene(entries[0], kHouse, [&](const std::string& name) {
                 return Lookup(missing, name);
               }).has_value());
  EXPECT_THROW(UnbundleScene("@scene-file p/a 99\nshort"), ForgeError);
  EXPECT_THROW(UnbundleScene("junk"), ForgeError);
}

}  // namespace
}  // namespace forge
