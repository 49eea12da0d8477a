// Search by point on drawings of 10^3 to 10^6 lines (the cost must grow with log n); DXF
// loading against dxflib's bare parse of the same file (the ratio is the figure), the memory a
// loaded drawing takes against the file's size, and saving after one trim. The drawings are
// made at run time; the DXF files are written into a temporary folder and removed after.
#include <benchmark/benchmark.h>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <malloc.h>

#include <filesystem>
#include <map>
#include <random>

#include "drawing.h"
#include "drawing_files.h"

namespace {

namespace fs = std::filesystem;

// Short pipe runs scattered over a square whose side grows with the count, so that the density
// (and the number of lines near a pick) stays the same at every size.
void FillWithLines(host::Drawing& drawing, std::int64_t count) {
  std::mt19937_64 random(42);
  const double side = std::sqrt(static_cast<double>(count)) * 1000.0;
  std::uniform_real_distribution<double> where(0, side);
  std::uniform_real_distribution<double> length(-800, 800);
  for (std::int64_t i = 0; i < count; ++i) {
    const double x = where(random);
    const double y = where(random);
    const bool horizontal = (i % 2) == 0;
    drawing.AddLoaded(host::MakeLine(x, y, horizontal ? x + length(random) : x,
                                     horizontal ? y : y + length(random)));
  }
  drawing.FinishLoading();
}

void BM_SearchByPoint(benchmark::State& state) {
  host::Drawing drawing;
  FillWithLines(drawing, state.range(0));
  const double side = std::sqrt(static_cast<double>(state.range(0))) * 1000.0;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> where(0, side);
  host::SearchQuery query;
  query.mode = 2;
  query.kinds = 3;
  query.tolerance = 100;
  std::int64_t found = 0;
  for (auto _ : state) {
    query.x = where(random);
    query.y = where(random);
    const std::int32_t no = drawing.Search(query);
    found += no >= 0;
    benchmark::DoNotOptimize(no);
  }
  state.counters["hit_rate"] =
      benchmark::Counter(static_cast<double>(found) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SearchByPoint)->Arg(1000)->Arg(100000)->Arg(1000000);

// The DXF file of `count` lines, written once per size for the whole run.
const std::string& DxfOfLines(std::int64_t count) {
  static std::map<std::int64_t, std::string> files;
  auto& path = files[count];
  if (path.empty()) {
    const fs::path dir = fs::temp_directory_path() / "pipetrim-host-bench";
    fs::create_directories(dir);
    path = (dir / ("lines-" + std::to_string(count) + ".dxf")).string();
    host::Drawing drawing;
    FillWithLines(drawing, count);
    host::WriteDxf(path, drawing);
  }
  return path;
}

// Bytes allocated on the heap, large blocks (which malloc maps on their own) included.
std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void BM_LoadDxf(benchmark::State& state) {
  const std::string& path = DxfOfLines(state.range(0));
  double memory_ratio = 0;
  for (auto _ : state) {
    const std::size_t heap_before = HeapInUse();
    host::Drawing drawing;
    host::ReadDxf(path, drawing);
    benchmark::DoNotOptimize(drawing.entities().size());
    memory_ratio =
        static_cast<double>(HeapInUse() - heap_before) / static_cast<double>(fs::file_size(path));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  // The heap a loaded drawing holds (its file's bytes, model, index) per byte of the file.
  state.counters["memory_per_file_byte"] = memory_ratio;
}
BENCHMARK(BM_LoadDxf)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Saving a loaded drawing after one trim: one line deleted, two pieces added.
void BM_SaveDxfAfterOneTrim(benchmark::State& state) {
  const std::string& path = DxfOfLines(state.range(0));
  host::Drawing drawing;
  host::ReadDxf(path, drawing);
  drawing.OpenUndoStep();
  drawing.SetDeleteDate(1, 1);
  drawing.Add(host::MakeLine(0, 0, 10, 0));
  drawing.Add(host::MakeLine(20, 0, 30, 0));
  const std::string saved = path + ".saved.dxf";
  for (auto _ : state) host::WriteDxf(saved, drawing);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveDxfAfterOneTrim)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// dxflib reading the same file with callbacks that do nothing: the floor of any DXF loading.
void BM_DxflibBareParse(benchmark::State& state) {
  const std::string& path = DxfOfLines(state.range(0));
  for (auto _ : state) {
    DL_CreationAdapter nothing;
    DL_Dxf dxf;
    benchmark::DoNotOptimize(dxf.in(path, &nothing));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DxflibBareParse)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(fs::temp_directory_path() / "pipetrim-host-bench", ignored);
  return 0;
}
