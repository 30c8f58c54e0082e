// Full-screen block copies beside memcpy, and fills beside memset, of the same bytes, with the
// ratios printed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/draw.h"
#include "platform/surface.h"

namespace {

using platform::Rop;
using platform::Surface;

constexpr int kW = 800, kH = 600;

Surface Pattern(int w, int h, std::uint32_t seed) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      s.row(y)[x] = seed >> 8;
    }
  }
  return s;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The yardstick: one memcpy of a whole 800 x 600 picture.
void BM_Memcpy(benchmark::State& state) {
  const Surface src = Pattern(kW, kH, 1);
  Surface dst(kW, kH);
  const std::size_t bytes = std::size_t{kW} * kH * sizeof(std::uint32_t);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), bytes);
    benchmark::ClobberMemory();
  }
  SetBytes(state, bytes);
}

// The yardstick of the fills: one memset of a whole 800 x 600 picture.
void BM_Memset(benchmark::State& state) {
  Surface dst(kW, kH);
  const std::size_t bytes = std::size_t{kW} * kH * sizeof(std::uint32_t);
  for (auto _ : state) {
    std::memset(dst.data(), 0x5A, bytes);
    benchmark::ClobberMemory();
  }
  SetBytes(state, bytes);
}

// Clearing a form (Cls) with a colour whose bytes differ, so no memset can do it.
void BM_Fill(benchmark::State& state) {
  Surface dst(kW, kH);
  for (auto _ : state) {
    dst.Fill(0x00C0E4F8);
    benchmark::ClobberMemory();
  }
  SetBytes(state, std::size_t{kW} * kH * sizeof(std::uint32_t));
}

// A filled box over the whole picture: row by row.
void BM_FillBox(benchmark::State& state) {
  Surface dst(kW, kH);
  for (auto _ : state) {
    platform::FillBox(dst, 0, 0, kW - 1, kH - 1, platform::Rgb(203, 185, 156));
    benchmark::ClobberMemory();
  }
  SetBytes(state, std::size_t{kW} * kH * sizeof(std::uint32_t));
}

void BM_Blit(benchmark::State& state, Rop rop) {
  const Surface src = Pattern(kW, kH, 2);
  Surface dst = Pattern(kW, kH, 3);
  for (auto _ : state) {
    platform::Blit(dst, 0, 0, kW, kH, src, 0, 0, rop);
    benchmark::ClobberMemory();
  }
  SetBytes(state, std::size_t{kW} * kH * sizeof(std::uint32_t));
}

// A quarter-size picture doubled to the whole screen: the target bytes match the memcpy's.
void BM_StretchCopy(benchmark::State& state) {
  const Surface src = Pattern(kW / 2, kH / 2, 4);
  Surface dst(kW, kH);
  for (auto _ : state) {
    platform::StretchBlit(dst, 0, 0, kW, kH, src, 0, 0, kW / 2, kH / 2, Rop::Copy);
    benchmark::ClobberMemory();
  }
  SetBytes(state, std::size_t{kW} * kH * sizeof(std::uint32_t));
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_Memset);
BENCHMARK(BM_Fill);
BENCHMARK(BM_FillBox);
BENCHMARK_CAPTURE(BM_Blit, Copy, Rop::Copy);
BENCHMARK_CAPTURE(BM_Blit, And, Rop::And);
BENCHMARK_CAPTURE(BM_Blit, Paint, Rop::Paint);
BENCHMARK(BM_StretchCopy);

// A half-height picture stretched to the whole screen in height only: whole-row copies.
void BM_StretchTall(benchmark::State& state, Rop rop) {
  const Surface src = Pattern(kW, kH / 2, 5);
  Surface dst = Pattern(kW, kH, 6);
  for (auto _ : state) {
    platform::StretchBlit(dst, 0, 0, kW, kH, src, 0, 0, kW, kH / 2, rop);
    benchmark::ClobberMemory();
  }
  SetBytes(state, std::size_t{kW} * kH * sizeof(std::uint32_t));
}
BENCHMARK_CAPTURE(BM_StretchTall, Copy, Rop::Copy);
BENCHMARK_CAPTURE(BM_StretchTall, Paint, Rop::Paint);

// Keeps the console table and remembers each benchmark's CPU time per iteration: the least over
// repetitions (--benchmark_repetitions=N), which shrugs off a busy machine best.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        const auto [it, fresh] = times_.try_emplace(run.benchmark_name(), run.GetAdjustedCPUTime());
        if (!fresh) it->second = std::min(it->second, run.GetAdjustedCPUTime());
      }
    }
  }
  // Fills against memset, copies against memcpy.
  void PrintRatios() const {
    const auto copy = times_.find("BM_Memcpy");
    const auto set = times_.find("BM_Memset");
    if (copy == times_.end() || set == times_.end() || copy->second <= 0 || set->second <= 0)
      return;
    std::printf(
        "\nCPU time against memcpy (%.1f us) and memset (%.1f us) of the same 800 x 600 x 4 "
        "bytes:\n",
        copy->second / 1000.0, set->second / 1000.0);
    for (const auto& [name, time] : times_) {
      if (name == copy->first || name == set->first) continue;
      const bool fill = name.find("Fill") != std::string::npos;
      const double base = fill ? set->second : copy->second;
      std::printf("  %-22s %5.2fx %s\n", name.c_str(), time / base, fill ? "memset" : "memcpy");
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
