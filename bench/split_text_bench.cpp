// The cost of cutting large edit-box texts at CR LF.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "toolkit/core/text_split.h"

namespace {

// Lines of 10 to 30 random GB2312 characters (two bytes each), CR LF between them.
std::string ChineseText(std::size_t bytes) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> lineLength(10, 30);
  std::uniform_int_distribution<int> lead(0xB0, 0xD7);
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::string text;
  text.reserve(bytes + 64);
  while (text.size() < bytes) {
    for (int i = lineLength(random); i > 0; --i) {
      text += static_cast<char>(lead(random));
      text += static_cast<char>(trail(random));
    }
    text += "\r\n";
  }
  return text;
}

void BM_SplitTextAtCrLf(benchmark::State& state) {
  const std::string text = ChineseText(static_cast<std::size_t>(state.range(0)));
  std::size_t lines = 0;
  for (auto _ : state) {
    TextArray pieces = SplitText(text, "\r\n");
    lines = pieces.size();
    benchmark::DoNotOptimize(pieces.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
  state.counters["lines"] = static_cast<double>(lines);
}

constexpr std::int64_t kMegabyte = 1 << 20;

BENCHMARK(BM_SplitTextAtCrLf)
    ->Arg(1 * kMegabyte)
    ->Arg(2 * kMegabyte)
    ->Arg(5 * kMegabyte)
    ->Arg(10 * kMegabyte)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
