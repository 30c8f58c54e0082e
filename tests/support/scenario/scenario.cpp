#include "support/scenario/scenario.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "platform/image_file.h"

namespace scenario {

namespace {

std::string Quote(const std::string& s) {
  return "'" + s + "'";
}

int ExitStatus(int raw) {
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

Scenario::Scenario() {
  static int counter = 0;
  dir_ = fs::temp_directory_path() /
         ("kidplay-scenario-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(dir_);
  fs::create_directories(dir_ / "runtime");
  fs::create_directories(dir_ / "config");
}

Scenario::~Scenario() {
  for (auto& [name, pid] : background_) ::waitpid(pid, nullptr, 0);
  if (!::testing::Test::HasFailure()) {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
}

std::string Scenario::Command(const std::string& script, unsigned seed, const fs::path& program,
                              const std::string& name) {
  const fs::path scriptFile = dir_ / (name + ".script");
  std::ofstream(scriptFile) << script;
  fs::create_directories(dir_ / (name + "-shots"));
  const fs::path exe = program.empty() ? fs::path(KIDPLAY_DIR) / "kidplay" : program;
  std::string env;
  for (const auto& [variable, value] : env_) env += variable + "=" + Quote(value) + " ";
  // TERM first, then KILL if that does not end it.
  const std::string limit =
      timeout_ > 0 ? "timeout -k 10 " + std::to_string(timeout_) + " " : std::string();
  return env + "XDG_RUNTIME_DIR=" + Quote((dir_ / "runtime").string()) +
         " XDG_CONFIG_HOME=" + Quote((dir_ / "config").string()) + " " + limit +
         Quote(exe.string()) + " --headless --script " + Quote(scriptFile.string()) + " --trace " +
         Quote((dir_ / (name + ".trace")).string()) + " --shots " +
         Quote((dir_ / (name + "-shots")).string()) + " --seed " + std::to_string(seed) + " " +
         extra_ + " 2>" + Quote((dir_ / (name + ".err")).string());
}

Result Scenario::Read(int status, const std::string& name) const {
  Result r;
  r.status = status;
  r.errors = ReadText(dir_ / (name + ".err"));
  std::ifstream in(dir_ / (name + ".trace"));
  for (std::string line; std::getline(in, line);) {
    r.timed.push_back(line);
    const auto space = line.find(' ');
    r.trace.push_back(space == std::string::npos ? line : line.substr(space + 1));
  }
  return r;
}

Result Scenario::Run(const std::string& script, unsigned seed, const fs::path& program,
                     const std::string& name) {
  const int raw = std::system(Command(script, seed, program, name).c_str());
  return Read(ExitStatus(raw), name);
}

void Scenario::Start(const std::string& script, const std::string& name, unsigned seed,
                     const fs::path& program) {
  const std::string command = Command(script, seed, program, name);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  background_.emplace_back(name, pid);
}

Result Scenario::Wait(const std::string& name) {
  for (auto it = background_.begin(); it != background_.end(); ++it) {
    if (it->first != name) continue;
    int raw = 0;
    ::waitpid(it->second, &raw, 0);
    background_.erase(it);
    return Read(ExitStatus(raw), name);
  }
  return {};
}

Launch Scenario::RunCommand(const std::string& arguments, const std::string& environment,
                            int seconds) {
  const fs::path out = dir_ / "launch.out", err = dir_ / "launch.err";
  // `environment` may begin with env's own options ("-u DISPLAY"), so it comes first.
  const std::string command =
      "env " + environment + " XDG_RUNTIME_DIR=" + Quote((dir_ / "runtime").string()) +
      " XDG_CONFIG_HOME=" + Quote((dir_ / "config").string()) + " timeout -s KILL " +
      std::to_string(seconds) + " " + Quote((fs::path(KIDPLAY_DIR) / "kidplay").string()) + " " +
      arguments + " >" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
  Launch launch;
  launch.status = ExitStatus(std::system(command.c_str()));
  if (launch.status == 128 + 9) launch.status = 124;
  launch.out = ReadText(out);
  launch.errors = ReadText(err);
  return launch;
}

platform::Surface Scenario::Shot(const std::string& file, const std::string& name) const {
  const fs::path path = dir_ / (name + "-shots") / file;
  auto s = platform::LoadPng(path.string());
  EXPECT_TRUE(s.has_value()) << "no screenshot " << path;
  return s ? *s : platform::Surface();
}

fs::path Scenario::ProgramWithout(const std::string& missing) {
  const fs::path source = KIDPLAY_DIR;
  const fs::path copy = dir_ / "program";
  fs::create_directories(copy);
  // The program finds its folder through its own file, so the executable is copied.
  fs::copy_file(source / "kidplay", copy / "kidplay", fs::copy_options::overwrite_existing);
  const fs::path gone = fs::path(missing);
  // Every entry is linked, except along the path to the missing file, where folders are made.
  std::function<void(const fs::path&, const fs::path&, fs::path)> mirror =
      [&](const fs::path& from, const fs::path& to, fs::path rest) {
        const fs::path first = *rest.begin();
        fs::path remainder;
        for (auto it = std::next(rest.begin()); it != rest.end(); ++it) remainder /= *it;
        for (const auto& entry : fs::directory_iterator(from)) {
          const fs::path name = entry.path().filename();
          if (name == "kidplay" && from == source) continue;
          if (name == first) {
            if (remainder.empty()) continue;  // the missing file itself
            fs::create_directories(to / name);
            mirror(entry.path(), to / name, remainder);
          } else {
            fs::create_symlink(entry.path(), to / name);
          }
        }
      };
  mirror(source, copy, gone);
  return copy / "kidplay";
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return Count(lines, line) > 0;
}

int Count(const std::vector<std::string>& lines, const std::string& line) {
  int n = 0;
  for (const auto& l : lines) n += l == line;
  return n;
}

long TimeOf(const std::string& timedLine) {
  return std::stol(timedLine.substr(0, timedLine.find(' ')));
}

std::vector<int> SurfacesAtMenu(const Result& result) {
  std::vector<int> counts;
  for (std::size_t i = 0; i + 1 < result.trace.size(); ++i) {
    const std::string& next = result.trace[i + 1];
    if (result.trace[i] == "show MenuForm" && next.rfind("surfaces ", 0) == 0)
      counts.push_back(std::stoi(next.substr(9)));
  }
  return counts;
}

bool SameRegion(const platform::Surface& a, const platform::Surface& b, int x, int y, int w,
                int h) {
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) {
      if (platform::GetPixel(a, xx, yy) != platform::GetPixel(b, xx, yy)) return false;
    }
  }
  return true;
}

platform::Surface Picture(const std::string& programPath) {
  auto s = platform::LoadBmp((fs::path(KIDPLAY_DIR) / programPath).string());
  EXPECT_TRUE(s.has_value()) << programPath;
  return s ? *s : platform::Surface();
}

}  // namespace scenario
