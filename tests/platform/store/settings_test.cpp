#include "platform/settings.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "temp_folder.h"

namespace {

using platform::SettingsStore;

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SettingsStore, SaveCreatesTheFolderAndReadsBackIgnoringCase) {
  TempFolder tmp;
  SettingsStore store(tmp.path() / "a/b/settings.ini");
  EXPECT_EQ(store.GetSetting("Maze", "skill", "1"), "1");
  ASSERT_TRUE(store.SaveSetting("Maze", "skill", "3"));
  EXPECT_EQ(ReadAll(store.file()), "[Maze]\nskill=3\n");
  EXPECT_EQ(store.GetSetting("MAZE", "Skill", "1"), "3");
  EXPECT_EQ(store.GetSetting("Maze", "scenario", "0"), "0");
  EXPECT_EQ(store.GetSetting("Dots", "skill", "7"), "7");
  // Only the settings file is left: the temporary file was renamed over it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path() / "a/b"), {}), 1);

  SettingsStore empty(tmp.Write("empty.ini", ""));
  EXPECT_EQ(empty.GetSetting("Maze", "skill", "1"), "1");
  EXPECT_TRUE(empty.SaveSetting("Maze", "skill", "2"));
  EXPECT_EQ(empty.GetSetting("Maze", "skill", "1"), "2");
  SettingsStore orphan(tmp.Write("orphan.ini", "skill=5\n[Maze]\n"));
  EXPECT_EQ(orphan.GetSetting("Maze", "skill", "1"), "1");
}

TEST(SettingsStore, SavingKeepsEveryOtherSectionAndKey) {
  TempFolder tmp;
  SettingsStore store(tmp.path() / "settings.ini");
  ASSERT_TRUE(store.SaveSetting("Maze", "skill", "2"));
  ASSERT_TRUE(store.SaveSetting("Dots", "radius", "12"));
  ASSERT_TRUE(store.SaveSetting("maze", "SKILL", "4"));
  ASSERT_TRUE(store.SaveSetting("Maze", "scenario", "5"));
  EXPECT_EQ(ReadAll(store.file()), "[Maze]\nskill=4\nscenario=5\n\n[Dots]\nradius=12\n");
}

TEST(SettingsStore, ReadsAToleratedMessAndKeepsItsReadableKeysOnSave) {
  TempFolder tmp;
  const auto file = tmp.Write("settings.ini",
                              "\xEF\xBB\xBF"
                              "  [ Scratch ]  \r\n"
                              "\tthreshold =  50 \r\n"
                              "garbage line\r\n"
                              "=novalue\r\n"
                              "[broken\r\n"
                              "threshold=99\r\n"
                              "path=a=b\r\n"
                              "[Dots]\n"
                              "radius=12");
  SettingsStore store(file);
  EXPECT_EQ(store.GetSetting("scratch", "THRESHOLD", "25"), "50");
  EXPECT_EQ(store.GetSetting("Scratch", "path", ""), "a=b");
  EXPECT_EQ(store.GetSetting("Dots", "radius", "0"), "12");
  ASSERT_TRUE(store.SaveSetting("Maze", "skill", "1"));
  EXPECT_EQ(store.GetSetting("Scratch", "threshold", "25"), "50");
  EXPECT_EQ(store.GetSetting("Dots", "radius", "0"), "12");
  EXPECT_EQ(store.GetSetting("Maze", "skill", "0"), "1");
}

TEST(SettingsStore, BinaryGarbageNeverStopsReadingOrWriting) {
  TempFolder tmp;
  std::mt19937 random(7);
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += static_cast<char>(random());
  const auto file = tmp.Write("settings.ini", bytes + "\n[Dots]\nradius=9\n" + bytes);
  SettingsStore store(file);
  EXPECT_EQ(store.GetSetting("Dots", "radius", "0"), "9");
  ASSERT_TRUE(store.SaveSetting("Dots", "scenario", "2"));
  EXPECT_EQ(store.GetSetting("Dots", "radius", "0"), "9");
  EXPECT_EQ(store.GetSetting("Dots", "scenario", "0"), "2");
}

TEST(SettingsStore, FailsQuietlyWhereItCannotWrite) {
  SettingsStore impossible("/dev/null/x/settings.ini");
  EXPECT_FALSE(impossible.SaveSetting("Maze", "skill", "2"));
  EXPECT_EQ(impossible.GetSetting("Maze", "skill", "1"), "1");

  TempFolder tmp;
  std::filesystem::create_directories(tmp.path() / "settings.ini");
  SettingsStore folder(tmp.path() / "settings.ini");
  EXPECT_FALSE(folder.SaveSetting("Maze", "skill", "2"));
  EXPECT_EQ(folder.GetSetting("Maze", "skill", "1"), "1");

  // Text that would not read back as written is refused and the file left alone.
  const auto file = tmp.Write("ok.ini", "[Maze]\nskill=2\n");
  SettingsStore store(file);
  EXPECT_FALSE(store.SaveSetting("Maze", "skill", "3\n[Evil]"));
  EXPECT_FALSE(store.SaveSetting("Ma]ze", "skill", "3"));
  EXPECT_FALSE(store.SaveSetting("Maze", "sk=ill", "3"));
  EXPECT_FALSE(store.SaveSetting("Maze", "", "3"));
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
