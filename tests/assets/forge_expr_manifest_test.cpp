// The forge's expression evaluator and its manifest reader.
#include <gtest/gtest.h>

#include <cmath>

#include "../../assets/forge/expr.h"
#include "manifest_text.h"

namespace forge {
namespace {

// Precedence, signs, number forms, variables, pi and the functions a drawing uses.
TEST(ForgeExpr, ArithmeticVariablesConstantsAndFunctions) {
  const Variables v{{"f", 2}, {"n", 4}, {"t", 0.5}, {"gap", 12}};
  const std::pair<const char*, double> cases[] = {{"1 + 2*3", 7},
                                                  {"(1 + 2)*3", 9},
                                                  {"-(2 - 5) * 2", 6},
                                                  {"- -3", 3},
                                                  {"2*-3", -6},
                                                  {"10/4/5", 0.5},
                                                  {"8 - 3 - 2", 3},
                                                  {".5 + 1e2 + 2.5E-1", 100.75},
                                                  {"sin(pi*t)", 1},
                                                  {"cos(pi)", -1},
                                                  {"max(1, f, n) - min(3, -2)", 6},
                                                  {"floor(-0.5) + abs(-3)", 2},
                                                  {"30 - gap/2", 24},
                                                  {"f*n", 8}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Evaluate(text, v), value) << text;
}

// Incomplete or unknown expressions and division by zero are errors, not numbers.
TEST(ForgeExpr, MistakesAreRefused) {
  const Variables v{{"t", 0}};
  for (const char* bad : {"", "1 +", "(1", "1)", "1 2", "1/0", "1/(t-t)", "foo", "bar(1)",
                          "sin(1, 2)", "min()", "3 $ 4", "."}) {
    EXPECT_THROW(Evaluate(bad, v), ExprError) << bad;
  }
}

// Numbers written into a drawing: at most four decimals, no trailing zeros, no "-0".
TEST(ForgeExpr, NumbersPrintWithAtMostFourDecimals) {
  const std::pair<double, const char*> cases[] = {
      {12, "12"},       {0.5, "0.5"},    {-3.14159265, "-3.1416"},
      {2.50004, "2.5"}, {-0.00001, "0"}, {1234567.25, "1234567.25"}};
  for (const auto& [number, text] : cases) EXPECT_EQ(FormatNumber(number), text);
}

// Every {= ... =} marker of a drawing is replaced; a mistake names its line.
TEST(ForgeExpr, SubstituteReplacesEveryMarkerAndNamesTheLineOfAMistake) {
  const Variables v{{"f", 3}};
  EXPECT_EQ(Substitute("a{= 1+1 =}b{=f=}c", v), "a2b3c");
  EXPECT_EQ(Substitute("<svg width=\"10\"/>", v), "<svg width=\"10\"/>");
  try {
    Substitute("x\ny\n<g x=\"{= 1/0 =}\"/>", v);
    FAIL() << "no error";
  } catch (const ExprError& e) {
    EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
  }
  EXPECT_THROW(Substitute("x {= 1 + 2", v), ExprError);
}

using test::ErrorOf;
using test::Parse;

// Every kind of entry with its size, frames and options, and an included part in its place.
TEST(ForgeManifest, ReadsEntriesOptionsAndIncludes) {
  auto entries = Parse({
      {"m.txt",
       "# shared\n"
       "\n"
       "Gfx/Buttons/Stop.bmp sprite 50x50 buttons/stop.svg  # the stop button\n"
       "Gfx/Buttons/Left.bmp picture 40x30 buttons/arrow.svg flip=h bg=#12AB34 rotate=270\n"
       "include maze/part.txt\n"
       "Gfx/Cursors/hand.cur cursor 32x32 c/hand.svg hot=11,1\n"
       "Sfx/Silence.wav sound - s/silence.sound\n"
       "Data/Dots/fish.dot data - dots/fish.dot\n"
       "Gfx/Icon/i-64.png png 64x48 icon/i.svg flip=h var.r=2\n"},
      {"maze/part.txt",
       "Gfx/Maze/MouseEnding.bmp strip 200x160*5 maze/e.svg var.speed=-1.5 "
       "mask=Gfx/Maze/MouseEndingMask.bmp\n"},
  });
  ASSERT_EQ(entries.size(), 7u);
  const Entry& stop = entries[0];
  EXPECT_TRUE(stop.kind == Kind::Sprite && stop.width == 50 && stop.frames == 1);
  EXPECT_EQ(stop.Outputs(),
            (std::vector<std::string>{"Gfx/Buttons/Stop.bmp", "Gfx/Buttons/StopMask.bmp"}));
  EXPECT_EQ(stop.where, "m.txt:3");
  EXPECT_EQ(DefaultMaskPath("Gfx/Menu/Logo.v2.bmp"), "Gfx/Menu/Logo.v2Mask.bmp");

  const Entry& left = entries[1];
  EXPECT_EQ(left.bg, 0x12AB34u);  // a '#' inside a word is not a comment
  EXPECT_EQ(left.flip, 'h');
  EXPECT_EQ(left.rotate, 270);
  EXPECT_EQ(left.Outputs().size(), 1u);

  const Entry& strip = entries[2];  // the included part comes in place
  EXPECT_TRUE(strip.kind == Kind::Strip && strip.width == 200 && strip.height == 160 &&
              strip.frames == 5);
  EXPECT_EQ(strip.mask, "Gfx/Maze/MouseEndingMask.bmp");
  EXPECT_DOUBLE_EQ(strip.vars.at("speed"), -1.5);
  EXPECT_EQ(strip.where, "maze/part.txt:1");

  EXPECT_TRUE(entries[3].hotX == 11 && entries[3].hotY == 1);
  EXPECT_EQ(entries[4].kind, Kind::Sound);
  EXPECT_EQ(entries[5].kind, Kind::Data);
  const Entry& icon = entries[6];  // a drawing at one size, with the drawing options
  EXPECT_TRUE(icon.kind == Kind::Png && icon.width == 64 && icon.height == 48 && icon.flip == 'h');
  EXPECT_EQ(icon.Outputs(), std::vector<std::string>{"Gfx/Icon/i-64.png"});
  EXPECT_EQ(KindName(icon.kind), "png");
}

// Each malformed entry stops the manifest with a message naming its file and line.
TEST(ForgeManifest, EveryBadLineIsRefusedWithItsFileAndLine) {
  std::vector<std::string> bad = {
      "Gfx/A.bmp picture 50x50",                           // too few fields
      "Gfx/A.bmp drawing 50x50 a.svg",                     // unknown kind
      "Gfx/A.bmp picture 50x a.svg",                       // bad size
      "Gfx/A.bmp picture 0x5 a.svg",                       // empty size
      "Gfx/A.bmp picture 50x50*2 a.svg",                   // frames on a picture
      "Gfx/A.bmp strip 50x50 a.svg",                       // strip without frames
      "Gfx/A.bmp strip 50x50*0 a.svg",                     // no frames
      "Sfx/a.wav sound 5x5 a.sound",                       // a sound has no size
      "Pictures/A.bmp picture 5x5 a.svg",                  // not under Gfx/Sfx/Data
      "Gfx/../A.bmp picture 5x5 a.svg",                    // climbs out
      "Gfx\\A.bmp picture 5x5 a.svg",                      // backslashes
      "Gfx/A.png picture 5x5 a.svg",                       // wrong extension
      "Sfx/a.bmp sound - a.sound",                         // wrong extension
      "Gfx/A.bmp picture 5x5 ../a.svg",                    // source climbs out
      "Gfx/A.bmp picture 5x5 a.svg rotate=45",             // not a quarter turn
      "Gfx/A.bmp picture 5x5 a.svg flip=x",                // unknown mirror
      "Gfx/A.bmp picture 5x5 a.svg bg=#12345",             // short colour
      "Gfx/A.bmp picture 5x5 a.svg bg=red",                // not #RRGGBB
      "Gfx/A.bmp sprite 5x5 a.svg bg=#FFFFFF",             // bg only for pictures
      "Gfx/A.bmp picture 5x5 a.svg mask=Gfx/M.bmp",        // mask only for sprites
      "Gfx/A.bmp picture 5x5 a.svg nomask",                // nomask only for sprites
      "Gfx/A.bmp sprite 5x5 a.svg mask=Gfx/A.bmp",         // mask onto itself
      "Gfx/A.cur cursor 32x32 a.svg hot=32,0",             // hot spot outside
      "Gfx/A.cur cursor 32x32 a.svg hot=1",                // half a hot spot
      "Gfx/A.bmp picture 5x5 a.svg hot=1,1",               // hot spot on a picture
      "Gfx/A.cur cursor 300x300 a.svg",                    // too big for a cursor
      "Gfx/A.bmp picture 5x5 a.svg var.t=1",               // reserved name
      "Gfx/A.bmp picture 5x5 a.svg var.x=abc",             // not a number
      "Sfx/a.wav sound - a.sound rotate=90",               // drawing option on a sound
      "Gfx/A.bmp picture 5x5 a.svg rotate=90 rotate=180",  // twice
      "Gfx/A.bmp picture 5x5 a.svg shiny",                 // unknown option
      "include",                                           // include without a file
      "Gfx/I.bmp png 5x5 i.svg",                           // a png not .png
      "Gfx/I.png png - i.svg",                             // a png without a size
      "Gfx/I.png png 5x5*2 i.svg",                         // a png with frames
      "Gfx/I.png png 5x5 i.svg mask=Gfx/M.bmp",            // a png has no mask
      "Gfx/I.png png 5x5 i.svg bg=#FFFFFF",                // a png keeps its alpha
      "Gfx/I.png picture 5x5 i.svg",                       // a picture is a BMP
      "Sfx/A/s.wav sound - a/s.sound channels=1",          // a part of a note file on a sound
      "Gfx/A/p.bmp picture 10x10 a/p.svg beats=1-2",       // or a picture
  };
  // A music entry's part of its note file: channels 1-16 once each, a range of beats, a tail
  // up to 10 s, a known SoundFont, a level from -40 to below 0 dB.
  for (const char* option :
       {"channels=0", "channels=17", "channels=1,1", "channels=", "channels=1,", "beats=8",
        "beats=8-8", "beats=9-8", "beats=-1-4", "beats=a-b", "tail=11", "tail=-1",
        "soundfont=fluid", "level=0", "level=-41", "level=loud"})
    bad.push_back(std::string("Sfx/A/s.wav music - a/s.music ") + option);
  for (const std::string& line : bad) {
    std::string error = ErrorOf({{"m.txt", "# first\n" + line + "\n"}});
    EXPECT_EQ(error.rfind("m.txt:2: ", 0), 0u) << line << " -> " << error;
  }
}

// A mistake in an included part names that part; a missing part and an include cycle stop.
TEST(ForgeManifest, MistakesInAnIncludedPartNameThatPart) {
  std::string error =
      ErrorOf({{"m.txt", "include p/x.txt\n"}, {"p/x.txt", "\n\nGfx/A.bmp pic 5x5 a.svg\n"}});
  EXPECT_EQ(error.rfind("p/x.txt:3: ", 0), 0u) << error;
  error = ErrorOf({{"m.txt", "Gfx/A.bmp picture 5x5 a.svg\ninclude gone.txt\n"}});
  EXPECT_EQ(error.rfind("m.txt:2: ", 0), 0u) << error;
  EXPECT_NE(error.find("gone.txt"), std::string::npos);
  error = ErrorOf({{"m.txt", "include a.txt\n"}, {"a.txt", "include m.txt\n"}});
  EXPECT_NE(error.find("cycle"), std::string::npos) << error;
}

// Outputs differ ignoring letter case, also a sprite's own mask; a sprite that uses another's
// mask needs an entry that writes it at the same size.
TEST(ForgeManifest, RulesAcrossEntries) {
  const std::string on =
      "Gfx/Menu/SoundOn.bmp sprite 50x50 on.svg nomask mask=Gfx/Menu/SoundMask.bmp\n";
  const std::string off =
      "Gfx/Menu/SoundOff.bmp sprite 50x50 off.svg mask=Gfx/Menu/SoundMask.bmp\n";
  const std::pair<std::string, bool> cases[] = {
      {"Gfx/A.bmp picture 5x5 a.svg\ngfx/a.BMP picture 5x5 b.svg\n", false},
      {"Gfx/A.bmp sprite 5x5 a.svg\nGfx/amask.bmp picture 5x5 b.svg\n", false},
      {"Gfx/A.bmp sprite 5x5 a.svg\nGfx/B.bmp sprite 9x9 a.svg\n", true},  // one drawing, two sizes
      {on, false},
      {on + "Gfx/Menu/SoundOff.bmp sprite 40x50 off.svg mask=Gfx/Menu/SoundMask.bmp\n", false},
      {on + "Gfx/Menu/SoundMask.bmp picture 50x50 m.svg\n", false},
      {on + off, true}};
  for (const auto& [text, fine] : cases) EXPECT_EQ(ErrorOf({{"m.txt", text}}) == "", fine) << text;

  auto entries = Parse({{"m.txt", on + off}});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FALSE(entries[0].writesMask);
  EXPECT_EQ(entries[0].Outputs().size(), 1u);
  EXPECT_TRUE(entries[1].writesMask);
}

}  // namespace
}  // namespace forge
