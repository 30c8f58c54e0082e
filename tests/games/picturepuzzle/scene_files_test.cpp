// The built scene pictures held against the scene table the game plays with: every piece has
// its table size, the holes are dark wherever a piece belongs and the picture is untouched
// elsewhere, and the pieces drawn into the holes (mask AND, picture PAINT, in slot order) give
// exactly the complete picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "games/picturepuzzle/puzzle_model.h"
#include "platform/image_file.h"
#include "platform/surface.h"

namespace picturepuzzle {
namespace {

namespace fs = std::filesystem;
using platform::Rop;
using platform::Surface;

std::optional<Surface> Built(const std::string& path) {
  auto s = platform::LoadBmp((fs::path(KIDPLAY_DIR) / path).string());
  EXPECT_TRUE(s.has_value()) << path << " is missing";
  return s;
}

int Luma(std::uint32_t rgb) {
  return (((rgb >> 16) & 0xFF) * 299 + ((rgb >> 8) & 0xFF) * 587 + (rgb & 0xFF) * 114) / 1000;
}

TEST(PuzzleSceneFiles, PiecesFillTheirHolesExactly) {
  for (const SceneInfo& scene : Scenes) {
    SCOPED_TRACE(scene.name);
    const std::string folder = std::string("Gfx/PicturePuzzle/") + scene.name + "/";
    const auto source = Built(folder + scene.name + "Source.bmp");
    const auto target = Built(folder + scene.name + "Target.bmp");
    ASSERT_TRUE(source && target);
    ASSERT_EQ(source->width(), kPictureSize);
    ASSERT_EQ(source->height(), kPictureSize);
    ASSERT_EQ(target->width(), kPictureSize);
    ASSERT_EQ(target->height(), kPictureSize);

    Surface played = *target;
    Surface covered(kPictureSize, kPictureSize, 0);
    for (int i = 0; i < scene.pieceCount; ++i) {
      const PieceInfo& piece = scene.pieces[i];
      SCOPED_TRACE(piece.name);
      const auto picture = Built(folder + piece.name + ".bmp");
      const auto mask = Built(folder + piece.name + "Mask.bmp");
      ASSERT_TRUE(picture && mask);
      EXPECT_EQ(picture->width(), piece.width);
      EXPECT_EQ(picture->height(), piece.height);
      EXPECT_EQ(mask->width(), piece.width);
      EXPECT_EQ(mask->height(), piece.height);
      platform::Blit(played, piece.x, piece.y, piece.width, piece.height, *mask, 0, 0, Rop::And);
      platform::Blit(played, piece.x, piece.y, piece.width, piece.height, *picture, 0, 0,
                     Rop::Paint);
      // Where the mask is black the piece covers the picture: white marks it in `covered`.
      Surface inverse(piece.width, piece.height, 0xFFFFFF);
      platform::Blit(inverse, 0, 0, piece.width, piece.height, *mask, 0, 0, Rop::And);
      for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) {
          if (platform::GetPixel(inverse, x, y) == 0) {
            platform::SetPixel(covered, piece.x + x, piece.y + y, platform::kWhite);
          }
        }
      }
      // Something of every piece shows in the picture.
      int opaque = 0;
      for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) opaque += platform::GetPixel(*mask, x, y) == 0;
      }
      EXPECT_GT(opaque, piece.width * piece.height / 20);
    }

    int differ = 0, brightHoles = 0, touched = 0, holes = 0;
    for (int y = 0; y < kPictureSize; ++y) {
      for (int x = 0; x < kPictureSize; ++x) {
        const auto want = platform::GetPixel(*source, x, y);
        differ += platform::GetPixel(played, x, y) != want;
        const auto t = static_cast<std::uint32_t>(platform::GetPixel(*target, x, y));
        if (platform::GetPixel(covered, x, y) != 0) {
          ++holes;
          brightHoles += Luma(t) > 130;
        } else {
          touched += t != want;
        }
      }
    }
    EXPECT_EQ(differ, 0) << "pixels where the solved puzzle is not the complete picture";
    EXPECT_GT(holes, 0);
    EXPECT_EQ(brightHoles, 0) << "hole pixels that are not dark";
    EXPECT_EQ(touched, 0) << "pixels outside the holes that differ from the complete picture";
  }
}

}  // namespace
}  // namespace picturepuzzle
