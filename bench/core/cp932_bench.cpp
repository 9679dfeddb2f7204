// Code page 932 conversions of a caption-sized text, as the window makes
// for every caption, tooltip and font name it reads.

#include <benchmark/benchmark.h>

#include <string>

#include "runtime/core/cp932.h"

namespace {

void to_cp932(benchmark::State& state) {
  const std::u16string text = u"ＭＳ ゴシック 解説";
  for (auto _ : state) benchmark::DoNotOptimize(rt::to_cp932(text));
}

void from_cp932(benchmark::State& state) {
  const std::string bytes = rt::to_cp932(u"ＭＳ ゴシック 解説");
  for (auto _ : state) benchmark::DoNotOptimize(rt::from_cp932(bytes));
}

BENCHMARK(to_cp932);
BENCHMARK(from_cp932);

}  // namespace

BENCHMARK_MAIN();
