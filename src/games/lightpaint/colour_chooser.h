// The colour chooser a double click on a colour button opens: a grid of colours with the
// current one framed, OK and cancel. Nothing in it is kept between two openings.
#pragma once
#include <vector>

#include "platform/colour.h"
#include "shell/dialog.h"

namespace lightpaint {

class ColourChooser final : public shell::Dialog {
 public:
  ColourChooser(platform::Runtime& runtime, platform::Colour current);

  bool Confirmed() const { return confirmed_; }
  platform::Colour Chosen() const { return chosen_; }

  void Form_Load() override;
  void okButton_Click();
  void cancelButton_Click();

  // Where swatch i of the grid lies in the dialog (its top-left corner).
  static int SwatchX(int i);
  static int SwatchY(int i);

 private:
  platform::Colour current_;
  platform::Colour chosen_;
  bool confirmed_ = false;
  std::vector<platform::Colour> colours_;
  std::vector<int> swatches_;
};

}  // namespace lightpaint
