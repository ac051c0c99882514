"""Times whole program runs, the commands taking turns, and writes each one's median
wall time in milliseconds as JSON:
    process_times.py RUNS OUT.json 'NAME=COMMAND ARGS...' ..."""
import json
import shlex
import statistics
import subprocess
import sys
import time


def main():
    runs, out = int(sys.argv[1]), sys.argv[2]
    commands = dict(spec.split("=", 1) for spec in sys.argv[3:])
    samples = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            start = time.perf_counter()
            subprocess.run(shlex.split(command), check=True, stdout=subprocess.DEVNULL)
            samples[name].append((time.perf_counter() - start) * 1e3)
    with open(out, "w") as f:
        json.dump({name: statistics.median(s) for name, s in samples.items()}, f)


if __name__ == "__main__":
    main()
