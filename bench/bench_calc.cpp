// The model's calls that tervolin-calc makes for a spectral distribution (tables read,
// 150 kV spectrum, incoherent distribution of iron), without the process around it;
// scripts/bench.sh sets it beside the command's whole run and /bin/true.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cli/calculation.h"

namespace tervolin::bench {
namespace {

void BM_CalcSpectralLibraryCall(benchmark::State& state) {
  const std::filesystem::path tables = TERVOLIN_TABLES_DIR;
  cli::AnglesRequest request{kIncoherent, "iron", std::nullopt, TubeSettings{"150", "12", "2.5", "0", "0"}, {}};
  for (auto _ : state) {
    Workbench bench = cli::OpenBench(tables);
    cli::ReadTables(bench);
    benchmark::DoNotOptimize(cli::CalculateAngles(bench, request, "鉄")[90]);
  }
}

BENCHMARK(BM_CalcSpectralLibraryCall)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tervolin::bench

BENCHMARK_MAIN();
