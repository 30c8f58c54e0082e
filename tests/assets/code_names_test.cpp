// The file names written in the program's code, held against the manifest: each string literal
// that names something under Gfx\, Sfx\ or Data\ must be a file the build makes, or the
// beginning of one (names the code completes at run time).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "../../assets/forge/manifest.h"

namespace {

namespace fs = std::filesystem;

// Every file name in the program's code is made by the build (or begins one).
TEST(CodeNames, EveryFileNameInTheCodeIsMadeByTheBuild) {
  std::vector<std::string> outputs;
  for (const forge::Entry& e : forge::ReadManifestFile(fs::path(KIDPLAY_SOURCE_DIR) / "assets")) {
    for (const std::string& o : e.Outputs()) outputs.push_back(forge::Lower(o));
  }
  // A literal starting with such a folder, escapes and all.
  const std::regex literal(R"re("((?:gfx|sfx|data)\\\\(?:[^"\\\n]|\\.)*)")re", std::regex::icase);
  int checked = 0;
  for (const auto& file : fs::recursive_directory_iterator(fs::path(KIDPLAY_SOURCE_DIR) / "src")) {
    const std::string ext = file.path().extension().string();
    if (!file.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    std::ifstream in(file.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator m(source.begin(), source.end(), literal), end; m != end; ++m) {
      // The program's name: escapes resolved, backslashes as slashes, any letter case.
      std::string name;
      const std::string written = (*m)[1];
      for (std::size_t i = 0; i < written.size(); ++i) {
        const char c = written[i] == '\\' ? written[++i] : written[i];
        name += c == '\\' ? '/' : c;
      }
      name = forge::Lower(name);
      ++checked;
      const bool made = std::any_of(outputs.begin(), outputs.end(),
                                    [&](const std::string& o) { return o.starts_with(name); });
      EXPECT_TRUE(made) << file.path().string() << ": \"" << written
                        << "\" is not made by assets/manifest.txt";
    }
  }
  // The program names well over a hundred files: finding few means the scan itself is broken.
  EXPECT_GT(checked, 100);
}

}  // namespace
