// Measuring trim texts of 1k to 64k characters in a font of the screen: the time per character
// must stay flat as the text grows.
#include <benchmark/benchmark.h>

#include <string>

#include "entity_record.h"
#include "trim_text_measure.h"

namespace {

void BM_MeasureTrimText(benchmark::State& state) {
  const std::u16string text =
      u"short\r\n" + std::u16string(static_cast<std::size_t>(state.range(0)), u'G');
  for (auto _ : state) {
    qiv::EntityRecord record;
    benchmark::DoNotOptimize(quenzel::MeasureTrimText(record, text, u"ＭＳ Ｐ明朝"));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MeasureTrimText)->Arg(1024)->Arg(16384)->Arg(65536)->Unit(benchmark::kMillisecond);

}  // namespace
