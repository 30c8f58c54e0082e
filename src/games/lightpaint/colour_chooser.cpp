#include "games/lightpaint/colour_chooser.h"

#include "games/lightpaint/paint_layout.h"

namespace lightpaint {

namespace {
constexpr int kGroup = 0;
constexpr int kWidth = 440;
constexpr int kHeight = 415;
constexpr int kSwatch = 40;
constexpr int kPitch = 50;
constexpr int kGridLeft = 25;
constexpr int kGridTop = 25;
}  // namespace

ColourChooser::ColourChooser(platform::Runtime& runtime, platform::Colour current)
    : Dialog(runtime, "ColourChooser", kWidth, kHeight),
      current_(current),
      chosen_(current),
      colours_(ChooserColours()) {}

int ColourChooser::SwatchX(int i) {
  return kGridLeft + kPitch * (i % kChooserColumns);
}

int ColourChooser::SwatchY(int i) {
  return kGridTop + kPitch * (i / kChooserColumns);
}

void ColourChooser::Form_Load() {
  const int rows = (static_cast<int>(colours_.size()) + kChooserColumns - 1) / kChooserColumns;
  AddFrame("colourFrame", kGridLeft - 10, kGridTop - 10, kPitch * kChooserColumns + 10,
           kPitch * rows + 10);
  int current = -1;
  for (std::size_t i = 0; i < colours_.size(); ++i) {
    const int n = static_cast<int>(i);
    const int swatch = AddColourOption("colourSwatch(" + std::to_string(n) + ")", kGroup,
                                       SwatchX(n), SwatchY(n), kSwatch, kSwatch, colours_[i]);
    swatches_.push_back(swatch);
    if (colours_[i] == current_ && current < 0) current = swatch;
  }
  const int buttons = kGridTop + kPitch * rows + 10;
  const int ok = AddButton("okButton", 100, buttons, 110, 56, "Gfx\\Buttons\\OkBtn.bmp",
                           [this] { okButton_Click(); });
  const int cancel = AddButton("cancelButton", 230, buttons, 110, 56, "Gfx\\Buttons\\StopBtn.bmp",
                               [this] { cancelButton_Click(); });
  SetCancelButton(cancel);
  if (current >= 0) {
    Select(current);
    SetFocus(current);
  } else {
    SetFocus(ok);
  }
  Redraw();
}

void ColourChooser::okButton_Click() {
  const int selected = SelectedIn(kGroup);
  for (std::size_t i = 0; i < swatches_.size(); ++i) {
    if (swatches_[i] == selected) {
      chosen_ = colours_[i];
      confirmed_ = true;
    }
  }
  Unload();
}

void ColourChooser::cancelButton_Click() {
  Unload();
}

}  // namespace lightpaint
