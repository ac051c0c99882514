"""The built page in headless Chromium, driven by Selenium, served on loopback: its
curves against tervolin-calc's numbers, a refused input's message, the downloaded
table and pictures (the legend, a slide), the palette, the sizes of the two kinds of scattering, and no request beyond its own
origin and no console error.

usage: check_page.py SITE_DIR TERVOLIN_CALC TABLES_DIR [SCREENSHOT_DIR]"""
import csv, functools, http.server, io, json, os, subprocess, sys, tempfile, threading, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, CALC, TABLES = sys.argv[1:4]
SHOTS = sys.argv[4] if len(sys.argv) > 4 else None
# The angular graph's user coordinates (x −25…185, y 1.05…−0.15) on 589 × 413 pixels.
def angle_px(theta, value):
    return (theta + 25) * 589 / 210, (value - 1.05) * 413 / -1.2

def calc(*args):
    return subprocess.run([CALC, *args, "--data", TABLES], check=True, capture_output=True, text=True).stdout

def calc_values(*args):
    return [float(row[1]) for row in list(csv.reader(io.StringIO(calc(*args))))[1:]]

class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server

def browser(downloads, profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1280,800", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return driver

def role(driver, name, value=None):
    selector = f'[data-role="{name}"]' + (f'[value="{value}"]' if value else "")
    return driver.find_element(By.CSS_SELECTOR, selector)

def choose(driver, kind, mode, material, energy="", kv="100"):
    role(driver, "kind", kind).click()
    role(driver, "mode", mode).click()
    Select(role(driver, "material")).select_by_visible_text(material)
    for name, text in (("energy", energy), ("kv", kv)):
        if role(driver, name).is_enabled():
            role(driver, name).clear()
            role(driver, name).send_keys(text)
    role(driver, "compute").click()

def last_curve_points(driver):
    paths = driver.find_elements(By.CSS_SELECTOR, '[data-role="angle-graph"] :is(polyline, path)')
    last = paths[-1].get_attribute("points") or paths[-1].get_attribute("d")
    numbers = last.replace("M", " ").replace("L", " ").replace(",", " ").split()
    points = list(zip(map(float, numbers[0::2]), map(float, numbers[1::2])))
    return len(paths), points[-180:]

def check_curve(driver, what, expected):
    count, points = last_curve_points(driver)
    assert count == 1, f"{what}: {count} curves on a cleared graph"
    worst = max(max(abs(a - b) for a, b in zip(p, angle_px(theta, v)))
                for theta, p, v in zip(range(1, 181), points, expected))
    assert worst <= 0.5, f"{what}: a point lies {worst:.3f} px from tervolin-calc's value"

def downloaded(folder, name, timeout=10):
    path = os.path.join(folder, name)
    end = time.time() + timeout
    while not os.path.exists(path) and time.time() < end:
        time.sleep(0.1)
    with open(path, "rb") as file:
        return file.read()

# The browser's libm (sin, cos, exp, log) may round a last bit otherwise than the
# native one, so values may differ by a few units in the 16th digit.
def check_csv(downloads, name, calc_output):
    data = downloaded(downloads, name)
    assert data.startswith(b"\xef\xbb\xbf") and data.endswith(b"\r\n"), "the CSV lacks its BOM or CR LF"
    rows = [row.split(",") for row in data[3:].decode().split("\r\n")[1:-1]]
    expected = [row.split(",") for row in calc_output.split("\n")[1:-1]]
    assert [r[0] for r in rows] == [e[0] for e in expected], "the CSV's angles differ from tervolin-calc's"
    worst = max(abs(float(r[1]) - float(e[1])) for r, e in zip(rows, expected))
    same = sum(r == e for r, e in zip(rows, expected))
    print(f"CSV: {same} of {len(expected)} values byte-identical to tervolin-calc's, largest difference {worst:.1e}")
    assert worst <= 1e-13, f"a CSV value differs from tervolin-calc's by {worst}"

def check_offline(driver, origin):
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        url = message.get("params", {}).get("request", {}).get("url", "")
        # The browser's own pages (chrome://) are not the page's requests.
        if message["method"] == "Network.requestWillBeSent" and not url.startswith("chrome"):
            assert url.startswith((origin + "/", "blob:", "data:")), f"request beyond the origin: {url}"
    errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    assert not errors, f"console errors: {errors}"

def screenshots(driver, folder):
    role(driver, "free-electron").click()
    for width, height in ((1280, 800), (390, 844)):
        driver.set_window_size(width, height)
        inner = driver.execute_script("return [innerWidth, innerHeight]")
        driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])
        driver.save_screenshot(os.path.join(folder, f"page-{width}x{height}.png"))
    role(driver, "spectrum-graph").location_once_scrolled_into_view
    driver.save_screenshot(os.path.join(folder, "page-390x844-spectrum.png"))

def check_iron_and_its_table(driver, downloads):
    choose(driver, "coherent", "single", "鉄", energy="100")
    iron = calc("angles", "--scattering", "coherent", "--material", "鉄", "--energy", "100")
    check_curve(driver, "iron at 100 keV", [float(r.split(",")[1]) for r in iron.split()[1:]])
    role(driver, "download-csv").click()
    check_csv(downloads, "干渉性散乱_鉄_100keV.csv", iron)

# The pictures carry the legend, as the screens' files do; a slide is 1920 × 1080 with
# its title; the palette's checkbox turns red into vermillion (#d55e00) and back.
def check_pictures_and_palette(driver, downloads):
    for button, name, size in (("download-svg", "干渉性散乱_鉄_100keV.svg", None),
                               ("download-slide-svg", "干渉性散乱_鉄_100keV_slide.svg", (1920, 1080))):
        role(driver, button).click()
        svg = downloaded(downloads, name).decode()
        for text in ("干渉性散乱 鉄 100 keV", "ピーク 4°"):
            assert f">{text}</text>" in svg, f"{name}: no legend text {text!r}"
        if size:
            assert f'width="{size[0]}" height="{size[1]}"' in svg, f"{name}: not a 1920 × 1080 slide"
            assert ">散乱角度の確率密度分布　干渉性散乱</text>" in svg, f"{name}: no title line"
    role(driver, "download-slide-png").click()
    png = downloaded(downloads, "干渉性散乱_鉄_100keV_slide.png")
    width, height = int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")
    assert (width, height) == (1920, 1080), f"the slide's PNG is {width} × {height}"
    stroke = lambda: driver.find_elements(By.CSS_SELECTOR, '[data-role="angle-graph"] polyline')[-1].get_attribute("stroke")
    for checked, colour in ((True, "#d55e00"), (False, "#ff0000")):
        role(driver, "palette").click()
        assert stroke() == colour, f"palette {checked}: the curve is {stroke()}"

def check_water_over_spectrum(driver):
    role(driver, "clear").click()
    choose(driver, "incoherent", "spectrum", "水", kv="100")
    check_curve(driver, "water over the 100 kV spectrum",
                calc_values("angles", "--scattering", "incoherent", "--material", "水", "--kv", "100"))

# A standard quality fills the tube's fields as tervolin-calc's list gives them, and the
# curve over its beam is tervolin-calc's; a field typed by hand sets the list to none.
def check_quality(driver):
    role(driver, "clear").click()
    role(driver, "mode", "spectrum").click()
    Select(role(driver, "quality")).select_by_value("RQR8")
    listed = next(row for row in csv.reader(io.StringIO(calc("qualities", "--format", "csv"))) if row[0] == "RQR 8")
    shown = [role(driver, name).get_attribute("value") for name in ("kv", "target-angle", "inherent", "al")]
    assert [float(v) for v in shown] == [float(v) for v in listed[1:5]], f"RQR 8 fields {shown}, listed {listed}"
    Select(role(driver, "material")).select_by_visible_text("水")
    role(driver, "kind", "incoherent").click()
    role(driver, "compute").click()
    check_curve(driver, "water over RQR 8",
                calc_values("angles", "--scattering", "incoherent", "--material", "水", "--quality", "RQR8"))
    role(driver, "al").send_keys("1")
    assert Select(role(driver, "quality")).first_selected_option.get_attribute("value") == "", "still RQR 8 after an edit"
    for name, text in (("inherent", "2.5"), ("al", "0")):  # the defaults again, for the checks that follow
        role(driver, name).clear()
        role(driver, name).send_keys(text)

# Each refusal shows its message, resets its field as the spectrum screen does and
# leaves the spectrum graph as it was.
def check_refusals(driver):
    for kv, message, field in (("200", "最大管電圧は 150 kV です", "150"), ("", "　管電圧を入力　", ""),
                               ("abc", "　管電圧は 30～150 の数値（kV）で入力してください　", "abc")):
        choose(driver, "incoherent", "spectrum", "水", kv=kv)
        shown = (role(driver, "message").get_attribute("textContent"), role(driver, "kv").get_attribute("value"))
        assert shown == (message, field), f"tube voltage {kv!r}: {shown}"
        spectra = driver.find_elements(By.CSS_SELECTOR, '[data-role="spectrum-graph"] polyline')
        assert len(spectra) == 1, f"tube voltage {kv!r} changed the spectrum graph"
    for energy in ("abc", "2,5", "-5"):
        choose(driver, "coherent", "single", "鉄", energy=energy)
        shown = (role(driver, "message").get_attribute("textContent"), role(driver, "energy").get_attribute("value"))
        assert shown == ("　光子エネルギーは 0 より大きい数値（keV）で入力してください　", energy), f"energy {energy!r}: {shown}"

# The sizes of coherent and incoherent scattering as tervolin-calc compare gives them
# (the page shows four significant digits), and an energy beyond the table refused.
def check_magnitudes(driver):
    role(driver, "magnitudes-toggle").click()
    choose(driver, "coherent", "single", "水", energy="60")
    rows = csv.reader(io.StringIO(calc("compare", "--material", "水", "--energy", "60", "--totals", "--format", "csv")))
    expected = {row[0]: (float(row[1]), float(row[2])) for row in list(rows)[1:4]}  # the kinds and total; the ratio follows
    for kind in ("coherent", "incoherent"):
        cross, share = (float(role(driver, f"{kind}-{cell}").text) for cell in ("cross-section", "share"))
        assert abs(cross / expected[kind][0] - 1) < 5e-4 and abs(share - expected[kind][1]) <= 0.005, \
            f"{kind}: σ/ρ {cross}, {share} % shown; tervolin-calc: {expected[kind]}"
    shown = role(driver, "magnitudes-ratio").text  # water at 60 keV: 0.1771 / 0.01392 cm²/g
    assert shown == "非干渉性／干渉性 ＝ 12.7 倍", f"ratio: {shown!r}"
    role(driver, "clear").click()
    assert role(driver, "coherent-cross-section").text == role(driver, "magnitudes-ratio").text == "", "kept after clearing"
    choose(driver, "coherent", "single", "水", energy="200")
    shown = role(driver, "magnitudes-message").text
    assert shown == "光子エネルギー 200 keV の断面積は表にありません（表は 0.5～150 keV）", f"200 keV: {shown!r}"

def main():
    server = serve(SITE)
    origin = f"http://127.0.0.1:{server.server_address[1]}"
    with tempfile.TemporaryDirectory() as downloads, tempfile.TemporaryDirectory() as profile:
        driver = browser(downloads, profile)
        try:
            driver.get(origin + "/index.html")
            WebDriverWait(driver, 60).until(lambda d: d.execute_script("return window.tervolinFirstGraphMs"))
            print(f"load to first graph: {driver.execute_script('return window.tervolinFirstGraphMs'):.0f} ms")
            print(f".wasm: {os.path.getsize(os.path.join(SITE, 'tervolin.wasm'))} bytes")
            check_iron_and_its_table(driver, downloads)
            check_pictures_and_palette(driver, downloads)
            check_water_over_spectrum(driver)
            check_quality(driver)
            check_refusals(driver)
            check_magnitudes(driver)
            if SHOTS:
                role(driver, "clear").click()
                choose(driver, "incoherent", "spectrum", "水", kv="100")
                choose(driver, "incoherent", "spectrum", "鉛", kv="100")
                screenshots(driver, SHOTS)
            check_offline(driver, origin)
        finally:
            driver.quit()
            server.shutdown()
    print("page checks passed")

main()
