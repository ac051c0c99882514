#pragma once
// Approximate photon spectrum of an X-ray tube with a thick tungsten anode at
// constant potential, on 0.5-keV bins: bremsstrahlung summed over the electrons'
// slowing-down (Thomson–Whiddington), self-absorption in the anode at the target
// angle, tungsten K lines above 70 kV, filtration, conversion to photon fluence and
// scaling to a maximum of 1.

namespace tervolin {

// Reads the five spectrum fields, checks the tube voltage (30…150 kV) and the
// inherent filtration (≥ 1.0 mm Al), computes SpectrumFluence, draws it as a red
// staircase on the spectrum graph with the beam's figures in its upper right, and
// sets SpectrumShown. A rejected input shows its message, rewrites its field and
// leaves SpectrumFluence and the graph as they were; so does an arithmetic failure
// (overflow, or a spectrum with no positive bin), which shows "cannot be calculated
// correctly".
void CalculateSpectrum();

// Makes the computed spectrum (SpectrumFluence) the accepted one, the spectrum the
// spectral distributions weight with, and sets SpectrumReady.
void AcceptComputedSpectrum();

}  // namespace tervolin
