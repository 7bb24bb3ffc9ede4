#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "foundation/lists.h"

namespace {

constexpr int kKeys = 100000;

// Frame keys as a movie hands them out: evenly spaced times.
std::vector<int> FrameKeys() {
  std::vector<int> keys(kKeys);
  for (int i = 0; i < kKeys; ++i) {
    keys[i] = i * 20;
  }
  return keys;
}

ArrayAsLList<TdvInt> Filled(const std::vector<int>& keys) {
  ArrayAsLList<TdvInt> array;
  for (int key : keys) {
    array.Set(key, std::make_unique<TdvInt>(key));
  }
  return array;
}

void Lookup(benchmark::State& state, const std::vector<int>& order) {
  ArrayAsLList<TdvInt> array = Filled(FrameKeys());
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (int key : order) {
      sum += array.Get(key)->value;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(order.size()));
}

void BM_GetInKeyOrder(benchmark::State& state) {
  Lookup(state, FrameKeys());
}

void BM_GetInRandomOrder(benchmark::State& state) {
  std::vector<int> order = FrameKeys();
  std::shuffle(order.begin(), order.end(), std::mt19937(42));
  Lookup(state, order);
}

BENCHMARK(BM_GetInKeyOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetInRandomOrder)->Unit(benchmark::kMillisecond);

}  // namespace
