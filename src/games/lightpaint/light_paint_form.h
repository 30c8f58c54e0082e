// Light paint: a painting board. A canvas at the top right, nine colour buttons on the left and
// a strip of tools at the bottom: pen widths, stamped splashes and shapes, area fills, a whole
// fill, an eraser, picture backgrounds, a one-step undo and saving the painting as a picture.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "games/lightpaint/paint_layout.h"
#include "gameutil/gameutil.h"
#include "platform/form.h"
#include "shell/control_set.h"
#include "shell/game_form.h"

namespace lightpaint {

class LightPaintForm final : public shell::GameForm {
 public:
  LightPaintForm(platform::Runtime& runtime, platform::Form& menu);
  ~LightPaintForm() override;

  void Form_Load() override;
  void Form_Click() override;
  void Form_DblClick() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_QueryClose() override;

  // The control handlers.
  void colorBtn_Click(int index);
  void colorBtn_DblClick(int index);
  void drawWidthBtn_Click(int index);
  void splashBtn_Click();
  void shapeBtn_Click();
  void leftShapeBtn_Click();
  void rightShapeBtn_Click();
  void bgBtn_Click();
  void leftBgBtn_Click();
  void rightBgBtn_Click();
  void fillAreaBtn_Click();
  void fillBtn_Click();
  void eraserBtn_Click();
  void undoBtn_Click();
  void printBtn_Click();

 private:
  enum class Tool { Pen, FillArea, Eraser, Stamp };

  void AddControls();
  void SaveUndo();
  void Undo();
  void FillArea(int x, int y);
  // The chosen colour of buttons 0..7, or -1 with the rainbow button.
  std::int64_t SelectedColour() const;
  void ApplyDrawWidth();
  void DrawFrame();
  void EndGame();
  void PlayDefaultSound();
  void PlaySplashSound();

  // Tools and stamps.
  void ChooseTool(Tool tool);
  void ShowToolState();
  void FreeStamp();
  void MakeSplash();
  void ColourSplash();
  void Erase(int x, int y);
  void PenStep(int x, int y);
  void PrintStamp(int x, int y);
  // The stamp preview: drawn over the clean canvas at the pointer, and taken away again.
  void ShowPreview(int x, int y);
  void HidePreview();
  // After a change of the canvas in stamp mode, the clean canvas is taken afresh.
  void KeepCanvasCopy();
  platform::Colour PenColour();
  void SetPointerFor(int x, int y);
  void EndFlash();
  // Copies the canvas area between the form's picture and a surface (800 x 600 layout).
  void CanvasToSurface(std::int32_t surface);
  void SurfaceToCanvas(std::int32_t surface);

  shell::ControlSet controls_;
  std::array<int, kColourButtons> colorBtn_{};
  std::array<int, 3> drawWidthBtn_{};
  int splashBtn_ = -1;
  int undoBtn_ = -1;
  int shapeBtn_ = -1;
  int bgBtn_ = -1;
  int fillAreaBtn_ = -1;
  int fillBtn_ = -1;
  int eraserBtn_ = -1;
  int printBtn_ = -1;

  std::int32_t toolBorder_ = 0;
  std::int32_t colorBorder_ = 0;
  std::int32_t toolBackground_ = 0;
  std::int32_t colorBackground_ = 0;
  GameUtil::Sprite stopButton_;

  std::int32_t undoSurface_ = 0;
  std::int32_t canvasCopy_ = 0;
  std::int32_t bgPicture_ = 0;
  std::int32_t stampPicture_ = 0;
  std::int32_t stampMask_ = 0;
  std::int32_t stampWidth_ = 0;
  std::int32_t stampHeight_ = 0;
  std::int32_t bgIndex_ = 0;
  std::int32_t shapeIndex_ = 0;
  bool stampMode_ = false;
  bool splashMode_ = false;
  bool hasBackground_ = false;
  bool rainbowColour_ = false;
  bool previewShown_ = false;
  std::int32_t cursorKind_ = platform::Pointer::kCross;
  int shownPointer_ = -1;
  Tool tool_ = Tool::Pen;
  std::int16_t lastX_ = 0;
  std::int16_t lastY_ = 0;
  // A press that began on the canvas paints; one that began elsewhere does not.
  bool strokeOnCanvas_ = false;
  // Where the present press last filled an area, so the click that ends it does not fill again.
  bool fillDone_ = false;
  int lastFillX_ = 0;
  int lastFillY_ = 0;
  bool customPointerLoaded_ = false;
  // The splash as loaded (white where the colour goes), coloured afresh for every colour.
  platform::Surface splashOriginal_;
  platform::Surface scratch_;
  bool leaving_ = false;

  // The print button's white flash of the canvas, and the painting it covers meanwhile.
  std::unique_ptr<platform::Timer> flashTimer_;
  platform::Surface flashSaved_;
  bool flashing_ = false;
};

}  // namespace lightpaint
