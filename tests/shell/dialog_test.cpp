#include "shell/dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "platform/input.h"
#include "shell/runtime_host.h"
#include "support/bmp_file.h"
#include "support/headless_run.h"

namespace shell {
namespace {

using platform::Keys::kDown;
using platform::Keys::kEnter;
using platform::Keys::kEscape;
using platform::Keys::kLeft;
using platform::Keys::kRight;
using platform::Keys::kSpace;
using platform::Keys::kTab;

// A dialog with two option groups and three buttons, recording which buttons were pressed.
class SampleDialog final : public Dialog {
 public:
  explicit SampleDialog(platform::Runtime& rt) : Dialog(rt, "SampleOptions", 400, 300) {
    AddFrame("Frame1", 10, 10, 380, 100);
    a0 = AddOption("a0", 0, 20, 20, 60, 60, "Gfx\\pic.bmp");
    a1 = AddOption("a1", 0, 100, 20, 60, 60, "Gfx\\pic.bmp");
    b0 = AddOption("b0", 1, 180, 20, 60, 60, "Gfx\\pic.bmp");
    box = AddPictureBox("box", 260, 20, 60, 60);
    ok = AddButton("ok", 20, 200, 80, 50, "Gfx\\pic.bmp", [this] { pressed.push_back("ok"); });
    cancel = AddButton("cancel", 120, 200, 80, 50, "Gfx\\pic.bmp", [this] {
      pressed.push_back("cancel");
      Unload();
    });
    SetCancelButton(cancel);
  }
  void Key(int code, int shift = 0) {
    Form_KeyDown(code, shift);
    Form_KeyUp(code, shift);
  }
  int a0, a1, b0, box, ok, cancel;
  std::vector<std::string> pressed;
};

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : run_("wait 10\n"), host_(run_.rt()) {
    GameUtil::SetHost(&host_);
    testsupport::WriteBmp(run_.dir() / "Gfx" / "pic.bmp", 40, 40, 0x336699);
  }
  ~DialogTest() override { GameUtil::SetHost(nullptr); }
  testsupport::HeadlessRun run_;
  RuntimeHost host_;
};

// Tab and the arrows walk the buttons and options in order and wrap; Space selects one option
// per group, Enter presses a button, a held key acts once, Escape cancels.
TEST_F(DialogTest, TheKeyboardWalksTheFocusSelectsPressesAndCancels) {
  SampleDialog d(run_.rt());
  d.Show();
  EXPECT_EQ(d.Focus(), d.a0);
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    d.Key(kTab);
    seen.push_back(d.Focus());
  }
  // The frame and the picture box never take the focus.
  EXPECT_EQ(seen, (std::vector<int>{d.a1, d.b0, d.ok, d.cancel, d.a0}));
  d.Key(kLeft);
  EXPECT_EQ(d.Focus(), d.cancel);
  d.Key(kTab, 1);
  EXPECT_EQ(d.Focus(), d.ok);
  d.Key(kRight);
  d.Key(kDown);
  EXPECT_EQ(d.Focus(), d.a0);

  d.Select(d.b0);
  d.Key(kSpace);
  EXPECT_EQ(d.SelectedIn(0), d.a0);
  int tab = kTab;
  d.Form_KeyDown(tab, 0);
  d.Form_KeyDown(tab, 0);  // the key repeats while held
  d.Form_KeyDown(tab, 0);
  d.Form_KeyUp(tab, 0);
  EXPECT_EQ(d.Focus(), d.a1);
  d.Key(kSpace);
  EXPECT_EQ(d.SelectedIn(0), d.a1);
  EXPECT_FALSE(d.At(d.a0).selected);
  EXPECT_EQ(d.SelectedIn(1), d.b0);  // the other group is untouched
  d.Key(kTab);
  d.Key(kTab);
  d.Key(kEnter);
  EXPECT_EQ(d.pressed, (std::vector<std::string>{"ok"}));
  EXPECT_TRUE(d.Loaded());
  d.Key(kEscape);
  EXPECT_EQ(d.pressed, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_FALSE(d.Loaded());
}

// A press counts only when released over the control it went down on; the picture box is none.
TEST_F(DialogTest, APressCountsOnlyWhenReleasedOverTheSameControl) {
  SampleDialog d(run_.rt());
  d.Show();
  d.Form_MouseDown(platform::Buttons::kLeft, 0, 30, 210);
  d.Form_MouseUp(platform::Buttons::kLeft, 0, 150, 150);  // slid off
  EXPECT_TRUE(d.pressed.empty());
  d.Form_MouseDown(platform::Buttons::kLeft, 0, 30, 210);
  d.Form_MouseUp(platform::Buttons::kLeft, 0, 99, 249);
  EXPECT_EQ(d.pressed, (std::vector<std::string>{"ok"}));
  EXPECT_EQ(d.Focus(), d.ok);
  d.Form_MouseDown(platform::Buttons::kLeft, 0, 110, 30);
  d.Form_MouseUp(platform::Buttons::kLeft, 0, 110, 30);
  EXPECT_EQ(d.SelectedIn(0), d.a1);
  // The picture box is not a button.
  d.Form_MouseDown(platform::Buttons::kLeft, 0, 270, 30);
  d.Form_MouseUp(platform::Buttons::kLeft, 0, 270, 30);
  EXPECT_EQ(d.Focus(), d.a1);
}

// The focus mark and the selected option's ring are drawn where they belong.
TEST_F(DialogTest, TheFocusMarkAndTheSelectionAreVisible) {
  SampleDialog d(run_.rt());
  d.Show();
  d.Select(d.a1);
  d.Redraw();
  const platform::Surface& s = d.Image();
  // Focus on a0 (20, 20, 60 x 60): a blue mark 8 pixels outside its top-left corner.
  EXPECT_EQ(platform::GetPixel(s, 12, 12), platform::Rgb(30, 110, 230));
  // a1 (100, 20) is selected: a ring around it; a0 has none.
  EXPECT_EQ(platform::GetPixel(s, 97, 50), platform::Rgb(255, 150, 0));
  EXPECT_NE(platform::GetPixel(s, 17, 50), platform::Rgb(255, 150, 0));
  d.Key(kTab);
  EXPECT_NE(platform::GetPixel(d.Image(), 12, 12), platform::Rgb(30, 110, 230));
  EXPECT_EQ(platform::GetPixel(d.Image(), 92, 12), platform::Rgb(30, 110, 230));
}

// Every picture the dialog loads is freed when it closes.
TEST_F(DialogTest, PicturesAreFreedWhenTheDialogCloses) {
  const std::int32_t before = GameUtil::GetDCCount();
  {
    SampleDialog d(run_.rt());
    EXPECT_EQ(GameUtil::GetDCCount(), before + 5);
    d.Show();
    d.SetPicture(d.box, "Gfx\\pic.bmp");
    d.SetPicture(d.box, "Gfx\\pic.bmp");  // the previous picture goes
    EXPECT_EQ(GameUtil::GetDCCount(), before + 6);
    d.Key(kEscape);
    EXPECT_EQ(GameUtil::GetDCCount(), before);
  }
  EXPECT_EQ(GameUtil::GetDCCount(), before);
}

}  // namespace
}  // namespace shell
