// Reading the embedded stored definition against copying its bytes: the
// reader leaves pictures in place, so it should cost no more than about two
// copies of the block.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "page/stored_definition.h"
#include "runtime/definition/reader.h"

namespace {

void BM_ReadStoredDefinition(benchmark::State& state) {
  rt::definition::Bytes block = page::stored_definition();
  for (auto _ : state) {
    rt::definition::Definition d = rt::definition::read_definition(block);
    benchmark::DoNotOptimize(d);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}

void BM_CopyStoredDefinition(benchmark::State& state) {
  rt::definition::Bytes block = page::stored_definition();
  std::vector<std::uint8_t> copy(block.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), block.data(), block.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}

}  // namespace

BENCHMARK(BM_ReadStoredDefinition);
BENCHMARK(BM_CopyStoredDefinition);
BENCHMARK_MAIN();
