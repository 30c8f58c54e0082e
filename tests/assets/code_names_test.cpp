// The file names written in the program's code, held against the manifest: each literal that
// names something under Gfx\, Sfx\ or Data\ must be a file the build makes, or the beginning of
// one (names the code completes at run time).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../assets/forge/manifest.h"

namespace {

namespace fs = std::filesystem;

struct Literal {
  std::string text;  // with escapes resolved
  int line = 0;
};

// The string literals of C++ source text, outside comments and character literals. Raw strings
// are taken as they stand.
std::vector<Literal> StringLiterals(const std::string& src) {
  std::vector<Literal> out;
  int line = 1;
  for (size_t i = 0; i < src.size(); ++i) {
    char c = src[i];
    if (c == '\n') {
      ++line;
    } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '/') {
      while (i < src.size() && src[i] != '\n') ++i;
      --i;
    } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '*') {
      size_t end = src.find("*/", i + 2);
      end = end == std::string::npos ? src.size() : end + 1;
      for (; i < end; ++i) line += src[i] == '\n';
    } else if (c == '\'') {
      for (++i; i < src.size() && src[i] != '\''; ++i) {
        if (src[i] == '\\') ++i;
      }
    } else if (c == 'R' && i + 1 < src.size() && src[i + 1] == '"') {
      size_t open = src.find('(', i + 2);
      if (open == std::string::npos) break;
      std::string close = ")" + src.substr(i + 2, open - i - 2) + "\"";
      size_t end = src.find(close, open + 1);
      if (end == std::string::npos) break;
      out.push_back({src.substr(open + 1, end - open - 1), line});
      for (; i < end + close.size() - 1; ++i) line += src[i] == '\n';
    } else if (c == '"') {
      Literal lit{"", line};
      for (++i; i < src.size() && src[i] != '"'; ++i) {
        if (src[i] == '\\' && i + 1 < src.size()) {
          char e = src[++i];
          lit.text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
          lit.text += src[i];
        }
      }
      out.push_back(lit);
    }
  }
  return out;
}

std::string ProgramName(std::string s) {
  for (char& c : s) c = c == '\\' ? '/' : c;
  return forge::Lower(s);
}

bool NamesAFile(const std::string& text) {
  std::string lower = forge::Lower(text);
  return lower.starts_with("gfx\\") || lower.starts_with("sfx\\") || lower.starts_with("data\\");
}

TEST(CodeNames, TheLiteralReaderFindsNamesOutsideComments) {
  auto lits = StringLiterals(
      "// \"Gfx\\\\Commented.bmp\"\n"
      "auto a = \"Gfx\\\\Menu\\\\Bg.bmp\"; char q = '\"';\n"
      "/* \"Sfx\\\\Gone.wav\"\n */ auto b = std::string(\"Sfx\\\\\") + name;\n"
      "auto r = R\"(Data\\Dots\\)\";\n");
  std::vector<std::pair<std::string, int>> found;
  for (const Literal& l : lits) found.emplace_back(l.text, l.line);
  EXPECT_EQ(found, (std::vector<std::pair<std::string, int>>{
                       {"Gfx\\Menu\\Bg.bmp", 2}, {"Sfx\\", 4}, {"Data\\Dots\\", 5}}));
}

TEST(CodeNames, EveryFileNameInTheCodeIsMadeByTheBuild) {
  std::vector<std::string> outputs;
  for (const forge::Entry& e : forge::ReadManifestFile(fs::path(KIDPLAY_SOURCE_DIR) / "assets")) {
    for (const std::string& o : e.Outputs()) outputs.push_back(forge::Lower(o));
  }

  int checked = 0;
  for (const auto& file : fs::recursive_directory_iterator(fs::path(KIDPLAY_SOURCE_DIR) / "src")) {
    const std::string ext = file.path().extension().string();
    if (!file.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    std::ifstream in(file.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    for (const Literal& lit : StringLiterals(text.str())) {
      if (!NamesAFile(lit.text)) continue;
      ++checked;
      const std::string name = ProgramName(lit.text);
      const bool made = std::any_of(outputs.begin(), outputs.end(),
                                    [&](const std::string& o) { return o.starts_with(name); });
      EXPECT_TRUE(made) << file.path().string() << ":" << lit.line << ": \"" << lit.text
                        << "\" is not made by assets/manifest.txt";
    }
  }
  // The menu alone names a dozen files: finding none means the scan itself is broken.
  EXPECT_GT(checked, 10);
}

}  // namespace
