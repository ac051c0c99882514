"""Checks a screenshot of the calculation screen for the red curve of a distribution.

usage: check_curve.py SCREENSHOT.png CURVE.txt   (CURVE: lines "θ value")
The graph's inner area starts at client pixel (410, 58) and is 589 × 413 pixels for
x from -25 to 185 and y from 1.05 down to -0.15.
"""
import subprocess
import sys

GRAPH_LEFT, GRAPH_TOP, WIDTH, HEIGHT = 410, 58, 589, 413
TOLERANCE = 3  # pixels


def load_rgb(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
    width, height = map(int, size.stdout.split())
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return width, height, raw


def is_red(raw, width, x, y):
    i = 3 * (y * width + x)
    r, g, b = raw[i], raw[i + 1], raw[i + 2]
    return r > 180 and g < 110 and b < 110


def main():
    width, height, raw = load_rgb(sys.argv[1])
    curve = [tuple(map(float, line.split())) for line in open(sys.argv[2])]
    misses = []
    frame_rows = [round(GRAPH_TOP + (1.05 - edge) * HEIGHT / 1.2) for edge in (0.0, 1.0)]
    for theta, value in curve[4::15]:
        px = round(GRAPH_LEFT + (theta + 25) * WIDTH / 210)
        py = round(GRAPH_TOP + (1.05 - value) * HEIGHT / 1.2)
        if min(abs(py - row) for row in frame_rows) <= TOLERANCE:
            continue  # the black frame is drawn over the curve there
        near = [(x, y) for x in range(px - TOLERANCE, px + TOLERANCE + 1)
                for y in range(py - TOLERANCE, py + TOLERANCE + 1)
                if 0 <= x < width and 0 <= y < height and is_red(raw, width, x, y)]
        if not near:
            misses.append((theta, value, px, py))
    for miss in misses:
        print("no red pixel near θ=%g value=%.4f pixel (%d, %d)" % miss, file=sys.stderr)
    return 1 if misses else 0


if __name__ == "__main__":
    sys.exit(main())
