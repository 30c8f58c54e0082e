#include "platform/settings.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <random>

#include "temp_folder.h"

namespace {

using platform::SettingsStore;

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SettingsStore, SavesAtomicallyKeepingOtherKeysAndReadsBackIgnoringCase) {
  TempFolder tmp;
  SettingsStore store(tmp.path() / "a/b/settings.ini");
  EXPECT_EQ(store.GetSetting("Maze", "skill", "1"), "1");
  ASSERT_TRUE(store.SaveSetting("Maze", "skill", "2"));
  ASSERT_TRUE(store.SaveSetting("Dots", "radius", "12"));
  ASSERT_TRUE(store.SaveSetting("maze", "SKILL", "4"));
  ASSERT_TRUE(store.SaveSetting("Maze", "scenario", "5"));
  EXPECT_EQ(ReadAll(store.file()), "[Maze]\nskill=4\nscenario=5\n\n[Dots]\nradius=12\n");
  EXPECT_EQ(store.GetSetting("MAZE", "Skill", "1"), "4");
  EXPECT_EQ(store.GetSetting("Maze", "level", "0"), "0");
  EXPECT_EQ(store.GetSetting("Shapes", "skill", "7"), "7");
  // Only the settings file is left: each temporary file was renamed over it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path() / "a/b"), {}), 1);

  // An empty file, and one whose only key stands before any section.
  for (const char* text : {"", "skill=5\n[Maze]\n"}) {
    SettingsStore other(tmp.Write("other.ini", text));
    EXPECT_EQ(other.GetSetting("Maze", "skill", "1"), "1") << text;
    EXPECT_TRUE(other.SaveSetting("Maze", "skill", "2"));
    EXPECT_EQ(other.GetSetting("Maze", "skill", "1"), "2");
  }
}

TEST(SettingsStore, ReadsThroughMessAndGarbageAndKeepsTheReadableKeysOnSave) {
  TempFolder tmp;
  std::mt19937 random(7);
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>(random());
  const auto file = tmp.Write("settings.ini",
                              "\xEF\xBB\xBF"
                              "  [ Scratch ]  \r\n"
                              "\tthreshold =  50 \r\n"
                              "garbage line\r\n"
                              "=novalue\r\n"
                              "[broken\r\n"
                              "threshold=99\r\n"
                              "path=a=b\r\n" +
                                  garbage + "\n[Dots]\nradius=12");
  SettingsStore store(file);
  for (int saved = 0; saved < 2; ++saved) {
    SCOPED_TRACE(saved ? "after a save" : "as found");
    EXPECT_EQ(store.GetSetting("scratch", "THRESHOLD", "25"), "50");
    EXPECT_EQ(store.GetSetting("Scratch", "path", ""), "a=b");
    EXPECT_EQ(store.GetSetting("Dots", "radius", "0"), "12");
    ASSERT_TRUE(store.SaveSetting("Maze", "skill", "1"));
    EXPECT_EQ(store.GetSetting("Maze", "skill", "0"), "1");
  }
}

TEST(SettingsStore, FailsQuietlyWhereItCannotWriteOrTheTextWouldNotReadBack) {
  TempFolder tmp;
  std::filesystem::create_directories(tmp.path() / "folder.ini");
  for (const auto& file :
       {std::filesystem::path("/dev/null/x/settings.ini"), tmp.path() / "folder.ini"}) {
    SettingsStore store(file);
    EXPECT_FALSE(store.SaveSetting("Maze", "skill", "2")) << file;
    EXPECT_EQ(store.GetSetting("Maze", "skill", "1"), "1");
  }
  const auto file = tmp.Write("ok.ini", "[Maze]\nskill=2\n");
  SettingsStore store(file);
  const std::array<const char*, 3> refused[] = {{"Maze", "skill", "3\n[Evil]"},
                                                {"Ma]ze", "skill", "3"},
                                                {"Maze", "sk=ill", "3"},
                                                {"Maze", "", "3"}};
  for (const auto& [section, key, value] : refused)
    EXPECT_FALSE(store.SaveSetting(section, key, value)) << section << "/" << key << "/" << value;
  EXPECT_EQ(ReadAll(file), "[Maze]\nskill=2\n");
}

TEST(SettingsStore, DefaultFileFollowsXdgConfigHomeElseHome) {
  const char* config = getenv("XDG_CONFIG_HOME");
  const char* home = getenv("HOME");
  const std::string oldConfig = config ? config : "", oldHome = home ? home : "";
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  setenv("HOME", "/home/kid", 1);
  EXPECT_EQ(SettingsStore::DefaultFile(), "/cfg/Kidplay/settings.ini");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsStore::DefaultFile(), "/home/kid/.config/Kidplay/settings.ini");
  if (config) setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
  if (home) setenv("HOME", oldHome.c_str(), 1);
}

}  // namespace
