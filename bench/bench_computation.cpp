// Speed of the spectral distributions and the spectrum model, each beside the floor
// it cannot beat measured in the same run, and of the beam's figures beside the
// spectrum they describe: a loop making only the transcendental
// calls its sums need (per lookup one logarithm of x and one exponential, per angle
// sin θ, cos θ and sin(θ/2); per electron-energy step of the spectrum two
// exponentials).
#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>

#include "core/beam_figures.h"
#include "core/distributions.h"
#include "core/spectrum_model.h"
#include "support/shipped_tables.h"

namespace tervolin::bench {
namespace {

// The spectrum screen's defaults at 150 kV.
TubeSettings Settings150kV() {
  TubeSettings settings = DefaultTubeSettings();
  settings.tubeVoltage = "150";
  return settings;
}

// The 150 kV spectrum, the weights of the spectral distributions.
Spectrum Spectrum150kV(const AirTable& air = {}) {
  const Outcome<Spectrum> spectrum =
      ComputeSpectrum(Settings150kV(), testing::ShippedAttenuation(TERVOLIN_TABLES_DIR), air);
  if (!spectrum) throw std::runtime_error("setup failed");
  return spectrum.Value();
}

void SpectralDistribution(benchmark::State& state, ScatterKind scatter) {
  const MaterialTables material = testing::ShippedMaterial(TERVOLIN_TABLES_DIR, "鉄", true);
  const EnergyTable fluence = Spectrum150kV().fluence;
  bool failed = false;
  for (auto _ : state) {
    const Outcome<AngleTable> values = Distribution({scatter, kSpectral, 0.0}, {}, material, fluence);
    failed = failed || !values;
    benchmark::DoNotOptimize(values);
  }
  if (failed) state.SkipWithError("calculation failed");
}

void BM_CoherentSpectral(benchmark::State& state) { SpectralDistribution(state, kCoherent); }

void BM_IncoherentSpectral(benchmark::State& state) { SpectralDistribution(state, kIncoherent); }

// The transcendental calls of `bins` energy bins × 180 angles.
double SpectralFloor(int firstBin) {
  double sum = 0.0;
  for (int j = 1; j <= kAngles; ++j) {
    const double theta = j / 180.0 * kProgramPi;
    sum += std::sin(theta) + std::cos(theta) + std::sin(0.5 * theta);
  }
  for (int n = firstBin; n <= kEnergyBins; ++n) {
    for (int j = 1; j <= kAngles; ++j) {
      sum += std::exp(std::log(j * 1e-3 * n + 1e-3) * 0.75);
    }
  }
  return sum;
}

void BM_CoherentSpectralFloor(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SpectralFloor(5));
}

void BM_IncoherentSpectralFloor(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SpectralFloor(16));
}

// The spectrum alone: without the air table its figures stop at the mean energy.
void BM_CalculateSpectrum150kV(benchmark::State& state) {
  const TubeSettings settings = Settings150kV();
  const AttenuationTables attenuation = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR);
  bool failed = false;
  for (auto _ : state) {
    const Outcome<Spectrum> spectrum = ComputeSpectrum(settings, attenuation, {});
    failed = failed || !spectrum;
    benchmark::DoNotOptimize(spectrum);
  }
  if (failed) state.SkipWithError("calculation failed");
}

// The 44,850 electron-energy steps at 150 kV, two exponentials each.
void BM_CalculateSpectrum150kVFloor(benchmark::State& state) {
  for (auto _ : state) {
    double sum = 0.0;
    for (int n = 2; n <= 300; ++n) {
      for (double t = 0.5 * n; t <= 150.0; t += 0.5) sum += std::exp(-0.04695 * t) + std::exp(-1e-3 * n * t);
    }
    benchmark::DoNotOptimize(sum);
  }
}

// The five figures of the 150 kV spectrum, measured against the spectrum itself.
void BM_BeamFigures150kV(benchmark::State& state) {
  const AirTable air = testing::ShippedAirTable(TERVOLIN_TABLES_DIR);
  const EnergyTable aluminium = testing::ShippedAttenuation(TERVOLIN_TABLES_DIR).aluminium;
  const EnergyTable fluence = Spectrum150kV().fluence;
  for (auto _ : state) {
    const BeamFigures figures = ComputeBeamFigures(fluence, aluminium, air);
    benchmark::DoNotOptimize(figures.effectiveEnergyKev);
  }
  if (!ComputeBeamFigures(fluence, aluminium, air).effectiveEnergyKev) state.SkipWithError("no figures");
}

BENCHMARK(BM_CoherentSpectral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoherentSpectralFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IncoherentSpectral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IncoherentSpectralFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateSpectrum150kV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateSpectrum150kVFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeamFigures150kV)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tervolin::bench

BENCHMARK_MAIN();
