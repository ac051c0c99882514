"""Prints every benchmark beside its floor (the beam figures beside the spectrum
they describe) as a ratio (medians of the repetitions)."""
import json
import statistics
import sys
from pathlib import Path

PAIRS = [
    ("computation", "BM_CoherentSpectral", "BM_CoherentSpectralFloor", 2.0),
    ("computation", "BM_IncoherentSpectral", "BM_IncoherentSpectralFloor", 2.0),
    ("computation", "BM_CalculateSpectrum150kV", "BM_CalculateSpectrum150kVFloor", None),
    ("computation", "BM_BeamFigures150kV", "BM_CalculateSpectrum150kV", 1.0),
    ("drawing", "BM_PlotDistributionOnRetainedImage", "BM_QPainterPolylineFloor", None),
]


def medians(path):
    data = json.loads(Path(path).read_text())
    return {b["run_name"]: b["cpu_time"] for b in data["benchmarks"] if b.get("aggregate_name") == "median"}


def startup(results):
    rows = {}
    for kind in ("tervolin", "bare"):
        lines = (results / f"startup-{kind}.txt").read_text().split("\n")
        samples = [tuple(map(int, line.split())) for line in lines if line.strip()]
        rows[kind] = (statistics.median(s[0] for s in samples), max(s[1] for s in samples))
    return rows


def calc(results):
    """tervolin-calc's whole run (ms) beside /bin/true and beside its library call."""
    process = json.loads((results / "process.json").read_text())
    library = json.loads((results / "calc.json").read_text())
    call = next(b["real_time"] for b in library["benchmarks"] if b.get("aggregate_name") == "median")
    run, floor = process["calc"], process["true"]
    print(f"{'tervolin-calc spectral run / /bin/true':40} {run:12.4g} {floor:12.4g} {run / floor:7.2f}")
    print(f"{'tervolin-calc spectral run / library':40} {run:12.4g} {call:12.4g} {run / call:7.2f}")


def main():
    results = Path(sys.argv[1])
    times = {name: medians(results / f"{name}.json") for name in ("computation", "drawing")}
    print(f"{'benchmark':40} {'time':>12} {'floor':>12} {'ratio':>7}  goal")
    for group, name, floor, goal in PAIRS:
        t, f = times[group][name], times[group][floor]
        print(f"{name:40} {t:12.4g} {f:12.4g} {t / f:7.2f}  {'≤ %.1f' % goal if goal else ''}")
    rows = startup(results)
    (tt, tr), (bt, br) = rows["tervolin"], rows["bare"]
    print(f"{'start-up to first paint (µs)':40} {tt:12.0f} {bt:12.0f} {tt / bt:7.2f}  ≤ 1.3")
    print(f"{'peak resident size (KiB)':40} {tr:12d} {br:12d} {tr / br:7.2f}")
    calc(results)


if __name__ == "__main__":
    main()
