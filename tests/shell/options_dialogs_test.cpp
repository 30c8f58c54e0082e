// The option dialogs the games share: what OK hands over, that cancel hands over nothing, and the
// scenario ring with and without its random position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "shell/choice_options.h"
#include "shell/runtime_host.h"
#include "shell/scenario_options.h"
#include "support/bmp_file.h"
#include "support/headless_run.h"

namespace shell {
namespace {

class OptionsDialogsTest : public ::testing::Test {
 protected:
  OptionsDialogsTest() : run_("wait 10\n"), host_(run_.rt()) {
    GameUtil::SetHost(&host_);
    testsupport::WriteBmp(run_.dir() / "Gfx" / "pic.bmp", 40, 40, 0x336699);
  }
  ~OptionsDialogsTest() override { GameUtil::SetHost(nullptr); }

  ScenarioOptionsDialog::Setup ScenarioSetup(bool randomPosition) {
    ScenarioOptionsDialog::Setup setup;
    setup.name = "SampleOptions";
    setup.options = {"Gfx\\pic.bmp", "Gfx\\pic.bmp", "Gfx\\pic.bmp"};
    setup.selectedOption = 2;
    setup.lastScenario = 3;
    setup.scenario = 0;
    setup.randomPosition = randomPosition;
    setup.preview = [](std::int16_t) { return std::string("Gfx\\pic.bmp"); };
    setup.apply = [this](int option, std::int16_t scenario) {
      applied_.push_back(option * 100 + scenario);
    };
    return setup;
  }

  testsupport::HeadlessRun run_;
  RuntimeHost host_;
  std::vector<int> applied_;
};

TEST_F(OptionsDialogsTest, OkHandsOverTheSelectedChoiceAndCancelNothing) {
  for (bool ok : {true, false}) {
    ChoiceOptionsDialog::Setup setup;
    setup.name = "SampleOptions";
    setup.options = {"Gfx\\pic.bmp", "Gfx\\pic.bmp", "Gfx\\pic.bmp"};
    setup.selectedOption = 7;  // out of range: the last button
    setup.apply = [this](int option) { applied_.push_back(option); };
    ChoiceOptionsDialog d(run_.rt(), setup);
    d.Show();
    ok ? d.okButton_Click() : d.cancelButton_Click();
    EXPECT_EQ(d.Confirmed(), ok);
    EXPECT_FALSE(d.Loaded());
  }
  EXPECT_EQ(applied_, std::vector<int>{2});
}

TEST_F(OptionsDialogsTest, TheScenarioRingWrapsThroughRandomOnlyWhenItHasIt) {
  ScenarioOptionsDialog withRandom(run_.rt(), ScenarioSetup(true));
  withRandom.Show();
  withRandom.leftScenarioBtn_Click();
  EXPECT_EQ(withRandom.ShownScenario(), -1);
  withRandom.leftScenarioBtn_Click();
  EXPECT_EQ(withRandom.ShownScenario(), 3);
  withRandom.rightScenarioBtn_Click();
  withRandom.rightScenarioBtn_Click();
  EXPECT_EQ(withRandom.ShownScenario(), 0);
  withRandom.okButton_Click();

  ScenarioOptionsDialog without(run_.rt(), ScenarioSetup(false));
  without.Show();
  without.leftScenarioBtn_Click();
  EXPECT_EQ(without.ShownScenario(), 3);
  without.rightScenarioBtn_Click();
  EXPECT_EQ(without.ShownScenario(), 0);
  without.leftScenarioBtn_Click();
  without.okButton_Click();
  // OK hands over the option and the scenario shown at that moment.
  EXPECT_EQ(applied_, (std::vector<int>{200, 203}));
}

}  // namespace
}  // namespace shell
