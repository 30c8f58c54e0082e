#include "shell/game_catalog.h"

namespace shell {

GameCatalog BaseCatalog() {
  return {{
      {"DominoTrainForm", "DominoTrain", "Gfx\\Menu\\DominoIcon.bmp", {}},
      {"CollectorForm", "Collector", "Gfx\\Menu\\CollectorIcon.bmp", {}},
      {"DotsForm", "Dots", "Gfx\\Menu\\DotsIcon.bmp", {}},
      {"MazeForm", "Maze", "Gfx\\Menu\\MazeIcon.bmp", {}},
      {"PicturePuzzleForm", "PicturePuzzle", "Gfx\\Menu\\PicturePuzzleIcon.bmp", {}},
      {"LightPaintForm", "LightPaint", "Gfx\\Menu\\PaintIcon.bmp", {}},
      {"MusicGameForm", "MusicGame", "Gfx\\Menu\\MusicIcon.bmp", {}},
      {"ScratchForm", "Scratch", "Gfx\\Menu\\ScratchIcon.bmp", {}},
  }};
}

}  // namespace shell
