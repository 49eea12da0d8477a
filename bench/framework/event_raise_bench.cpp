// The cost of one host-service event with two by-reference arguments through the plug-in
// boundary (binding, declaration check, C callback) against a direct virtual call.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "event_raiser.h"

namespace {

// The host side of the C boundary: writes an answer into the second argument.
void Sink(void*, std::int32_t, QivArg* args, std::int32_t) { *args[1].ref.i32 = *args[0].ref.i32; }

void RaiseThroughBoundary(benchmark::State& state) {
  const qiv::EventRaiser events(&Sink, nullptr);
  std::int32_t n = 7, mdate = 0;
  for (auto _ : state) {
    events.Raise(qiv::EventId::QivSetCreateDate, n, mdate);
    benchmark::DoNotOptimize(mdate);
  }
}
BENCHMARK(RaiseThroughBoundary);

class HostEvents {
 public:
  virtual ~HostEvents() = default;
  virtual void SetCreateDate(std::int32_t& n, std::int32_t& mdate) = 0;
};

class Host final : public HostEvents {
 public:
  void SetCreateDate(std::int32_t& n, std::int32_t& mdate) override { mdate = n; }
};

void DirectVirtualCall(benchmark::State& state) {
  Host host;
  HostEvents* events = &host;
  benchmark::DoNotOptimize(events);
  std::int32_t n = 7, mdate = 0;
  for (auto _ : state) {
    events->SetCreateDate(n, mdate);
    benchmark::DoNotOptimize(mdate);
  }
}
BENCHMARK(DirectVirtualCall);

}  // namespace
