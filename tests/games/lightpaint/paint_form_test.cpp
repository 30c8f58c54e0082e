// The painting form driven straight through its handlers, with the built pictures: pointer
// sequences a replay script cannot make (a touchscreen's jump to a new place).
#include <gtest/gtest.h>

#include <functional>

#include "games/lightpaint/light_paint_form.h"
#include "gameutil/gameutil.h"
#include "platform/input.h"
#include "shell/runtime_host.h"
#include "support/headless_run.h"

namespace lightpaint {
namespace {

using platform::Buttons::kLeft;

class PaintFormTest : public ::testing::Test {
 protected:
  PaintFormTest() : run_("wait 10\n", KIDPLAY_DIR), host_(run_.rt()), menu_(run_.rt(), "MenuForm") {
    GameUtil::SetHost(&host_);
    form_ = &run_.rt().Create<LightPaintForm>(menu_);
    form_->Show();
  }
  ~PaintFormTest() override {
    if (form_->Loaded()) form_->Unload();
    GameUtil::SetHost(nullptr);
  }
  std::int64_t Pixel(int x, int y) const { return platform::GetPixel(form_->Image(), x, y); }

  testsupport::HeadlessRun run_;
  shell::RuntimeHost host_;
  platform::Form menu_;
  LightPaintForm* form_ = nullptr;
};

TEST_F(PaintFormTest, AStrokeStartsWhereTheButtonWentDown) {
  // The pointer was last seen at (200, 100); the finger lands at (600, 300) and drags.
  form_->Form_MouseMove(0, 0, 200, 100);
  form_->Form_MouseDown(kLeft, 0, 600, 300);
  form_->Form_MouseMove(kLeft, 0, 640, 300);
  form_->Form_MouseUp(kLeft, 0, 640, 300);
  EXPECT_EQ(Pixel(620, 300), platform::kBlack);  // the stroke
  EXPECT_EQ(Pixel(400, 200), platform::kWhite);  // no line from where the pointer was
  EXPECT_EQ(Pixel(590, 295), platform::kWhite);
}

TEST_F(PaintFormTest, APressThatBeganOnAButtonPaintsNothingOnTheCanvas) {
  form_->Form_MouseDown(kLeft, 0, 26, 125);  // the red colour button
  form_->Form_MouseMove(kLeft, 0, 300, 125);
  form_->Form_MouseMove(kLeft, 0, 400, 125);
  form_->Form_MouseUp(kLeft, 0, 400, 125);
  for (int x = 71; x < 800; x += 7) EXPECT_EQ(Pixel(x, 125), platform::kWhite) << x;
}

TEST_F(PaintFormTest, ThePointerFollowsTheToolOverTheCanvasOnly) {
  using namespace platform::Pointer;
  struct Step {
    std::function<void()> choose;
    double x, y;
    int pointer;
  };
  const Step steps[] = {
      {[] {}, 300, 200, kCross},
      {[] {}, 30, 200, kDefault},  // the colour column
      {[this] { form_->fillAreaBtn_Click(); }, 300, 200, kCustom},
      {[] {}, 300, 550, kDefault},                                 // the tool strip
      {[this] { form_->fillAreaBtn_Click(); }, 300, 200, kCross},  // a second press: the pen
      {[this] { form_->splashBtn_Click(); }, 300, 200, kDefault},
      {[this] { form_->shapeBtn_Click(); }, 300, 200, kCross},
  };
  for (const Step& step : steps) {
    step.choose();
    form_->Form_MouseMove(0, 0, step.x, step.y);
    EXPECT_EQ(form_->MousePointer(), step.pointer) << step.x << "," << step.y;
  }
  ASSERT_NE(form_->MouseIcon(), nullptr);  // FillArea.cur, read once
  EXPECT_EQ(form_->MouseIcon()->width, 32);
}

}  // namespace
}  // namespace lightpaint
