"""The built page in headless Chromium, driven by Selenium, served on loopback: its
curves, polar diagram and magnitudes graph against tervolin-calc's numbers, a
refused input's message, the downloaded table and pictures (the legend, a slide),
the palette, spectra on a common scale, a link that opens a setup, keyboard
operation, axe-core's checks and the phone's sizes in both languages, the click time
with many curves, a reload with the server gone, and no request beyond its own
origin and no console error.

usage: check_page.py SITE_DIR TERVOLIN_CALC TABLES_DIR AXE_JS [SCREENSHOT_DIR]"""
import csv, functools, math, http.server, io, json, os, re, subprocess, sys, tempfile, threading, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, CALC, TABLES, AXE = sys.argv[1:5]
SHOTS = sys.argv[5] if len(sys.argv) > 5 else None
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
                 "--disable-frame-rate-limit", "--disable-gpu-vsync", "--window-size=1280,800", f"--user-data-dir={profile}"):
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

def curves_of(driver, graph):
    """The points (pixels) of each curve of a graph."""
    curves = []
    for path in driver.find_elements(By.CSS_SELECTOR, f'[data-role="{graph}"] :is(polyline, path)'):
        numbers = re.findall(r"-?[\d.]+", path.get_attribute("points") or path.get_attribute("d"))
        curves.append(list(zip(map(float, numbers[0::2]), map(float, numbers[1::2]))))
    return curves

def last_curve_points(driver):
    curves = curves_of(driver, "angle-graph")
    return len(curves), curves[-1][-180:]

def affine_misfit(pixels, values):
    """The largest distance (pixels) of `pixels` from the best line a + b * value."""
    n, mv, mp = len(values), sum(values) / len(values), sum(pixels) / len(pixels)
    b = sum((v - mv) * (p - mp) for v, p in zip(values, pixels)) / sum((v - mv) ** 2 for v in values)
    return max(abs(p - (mp + b * (v - mv))) for v, p in zip(values, pixels))

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

# The guide's pictures: a shared setup in both languages at both sizes, the phone's
# scrolled to the graph, and the formula sheet on the phone.
def screenshots(driver, origin, folder):
    link = "views=free-electron,polar&curve=kind%3Dincoherent%26material%3Dwater%26energy%3D60&curve=kind%3Dcoherent%26mode%3Dspectrum%26material%3Dlead%26colour%3Dblue"
    for language, width, height in (("ja", 1280, 800), ("ja", 390, 844), ("en", 1280, 800), ("en", 390, 844)):
        sized(driver, width, height)
        opened(driver, f"{origin}/index.html?lang={language}&{link}")
        if width < 400:
            driver.execute_script("document.querySelector('[data-role=\"angle-graph\"]').scrollIntoView()")
        driver.save_screenshot(os.path.join(folder, f"page-app-{language}-{width}x{height}.png"))
    driver.find_element(By.CSS_SELECTOR, '[data-opens="coherent-sheet"]').click()
    driver.save_screenshot(os.path.join(folder, f"page-app-en-390x844-sheet.png"))
    sized(driver, 1280, 800)

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
    spectra = len(curves_of(driver, "spectrum-graph"))
    for kv, message, field in (("200", "最大管電圧は 150 kV です", "150"), ("", "　管電圧を入力　", ""),
                               ("abc", "　管電圧は 30～150 の数値（kV）で入力してください　", "abc")):
        choose(driver, "incoherent", "spectrum", "水", kv=kv)
        shown = (role(driver, "message").get_attribute("textContent"), role(driver, "kv").get_attribute("value"))
        assert shown == (message, field), f"tube voltage {kv!r}: {shown}"
        assert len(curves_of(driver, "spectrum-graph")) == spectra, f"tube voltage {kv!r} changed the spectrum graph"
    for energy in ("abc", "2,5", "-5"):
        choose(driver, "coherent", "single", "鉄", energy=energy)
        shown = (role(driver, "message").get_attribute("textContent"), role(driver, "energy").get_attribute("value"))
        assert shown == ("　光子エネルギーは 0 より大きい数値（keV）で入力してください　", energy), f"energy {energy!r}: {shown}"

# The sizes of coherent and incoherent scattering as tervolin-calc compare gives them
# (the page shows four significant digits), an energy beyond the tables refused, and
# the library's note on where the table and the curves come from.
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
    shown = role(driver, "message").get_attribute("textContent")
    assert shown == "　光子エネルギー 200 keV は物質の表の範囲外です（すべての角度で表を補間できる 1.43～150 keV の範囲で入力してください）　", \
        f"200 keV: {shown!r}"
    note = driver.find_element(By.CSS_SELECTOR, "[data-text=magnitudesNote]").text
    assert "別々の表に由来し" in note and "異常散乱" not in note, f"note: {note!r}"


# The polar diagram's outline and the magnitudes graph's curves are tervolin-calc's
# numbers under one mapping to pixels each: x = cx + r v cos θ, y = cy − r v sin θ on the
# diagram; θ and the value (or its logarithm) linear on the graph.
def check_polar_and_magnitudes(driver):
    role(driver, "clear").click()
    role(driver, "polar-toggle").click()
    choose(driver, "incoherent", "single", "水", energy="60")
    outline = curves_of(driver, "polar-graph")[-1][:180]
    values = calc_values("angles", "--scattering", "incoherent", "--material", "水", "--energy", "60")
    rad = [math.radians(t) for t in range(1, 181)]
    misfit = max(affine_misfit([p[0] for p in outline], [v * math.cos(a) for v, a in zip(values, rad)]),
                 affine_misfit([p[1] for p in outline], [v * math.sin(a) for v, a in zip(values, rad)]))
    assert misfit <= 0.5, f"polar diagram: a point lies {misfit:.2f} px off tervolin-calc's"
    rows = list(csv.reader(io.StringIO(calc("compare", "--material", "水", "--energy", "60"))))[1:]
    expected = [[float(row[k]) for row in rows] for k in (1, 2, 3)]  # coherent, incoherent, total per degree
    for logarithmic, scale in ((False, lambda v: v), (True, math.log10)):
        if role(driver, "magnitude-logarithmic").is_selected() != logarithmic:
            role(driver, "magnitude-logarithmic").click()
        drawn = curves_of(driver, "magnitude-graph")
        assert len(drawn) == 3 and all(len(c) == 180 for c in drawn), f"magnitudes: {len(drawn)} curves"
        # dσ/dθ vanishes with sin θ at 180°, below any logarithmic axis.
        ys = [y for curve in drawn for _, y in curve[:179]]
        misfit = max(affine_misfit(ys, [scale(v) for curve in expected for v in curve[:179]]),
                     affine_misfit([x for x, _ in drawn[0]], list(range(1, 181))))
        assert misfit <= 0.5, f"magnitudes (logarithmic {logarithmic}): {misfit:.2f} px off tervolin-calc's"
    for toggle in ("magnitude-logarithmic", "polar-toggle", "magnitudes-toggle"):
        role(driver, toggle).click()

# Two spectra: each to its own maximum both peak at the top; on the common scale the
# 60 kV tube (the same current) gives fewer photons than the 100 kV one. Their figures
# are tervolin-calc's.
def check_common_scale(driver):
    role(driver, "spectrum-clear").click()
    role(driver, "mode", "spectrum").click()
    for kv in ("100", "60"):
        role(driver, "kv").clear()
        role(driver, "kv").send_keys(kv)
        role(driver, "spectrum-compute").click()
    peaks = lambda: [min(y for _, y in curve) for curve in curves_of(driver, "spectrum-graph")]
    own = peaks()
    role(driver, "spectrum-common-scale").click()
    common = peaks()
    assert len(own) == 2 and own[0] == own[1] == common[0] < common[1] - 20, f"peaks {own}, common {common}"
    figures = re.findall(r": ([\d.]+)", calc("spectrum", "--kv", "60", "--figures"))
    shown = role(driver, "spectrum-legend").text.split("\n")[1]
    assert re.findall(r" ([\d.]+)(?: keV| mmAl|$)", shown.replace(",", ""))[-5:] == figures, f"{shown} / {figures}"
    role(driver, "spectrum-common-scale").click()

# The time from a click to the frame that shows its curve, ms.
def click_ms(driver):
    return driver.execute_async_script("""const done = arguments[0], start = performance.now();
        document.querySelector('[data-role="compute"]').click();
        requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));""")

# A click with 500 curves on the graph takes at most three times the first one: the
# shortest of several clicks each, other programs' load only lengthening a click; a
# ratio over three is measured again (twice at most), as a burst of load can fall on
# the later clicks alone.
def check_click_ratio(driver):
    choose(driver, "coherent", "single", "鉄", energy="100")
    ratios = []
    for _ in range(3):
        first = []
        for _ in range(15):
            role(driver, "clear").click()
            first.append(click_ms(driver))
        driver.execute_script("for (let i = 0; i < 499; ++i) document.querySelector('[data-role=\"compute\"]').click();")
        late = [click_ms(driver) for _ in range(15)]
        assert len(curves_of(driver, "angle-graph")) == len(driver.find_elements(By.CSS_SELECTOR, '[data-role="legend"] li')) == 515
        ratios.append(min(late) / min(first))
        print(f"click with 500 curves against the first: {min(late):.1f} / {min(first):.1f} ms = {ratios[-1]:.2f}")
        if ratios[-1] <= 3:
            break
    assert min(ratios) <= 3, f"a click with 500 curves takes {min(ratios):.2f} times the first"
    role(driver, "clear").click()

def opened(driver, address):
    driver.get(address)
    WebDriverWait(driver, 60).until(lambda d: d.execute_script("return window.tervolinFirstGraphMs"))

# Links: the graph with three curves and a view comes back whole from the copied
# link; a short link draws its curve; a bad value gets the typed input's message.
def check_links(driver, origin):
    role(driver, "clear").click()
    for kind, mode, material, energy, colour in (("coherent", "single", "鉄", "100", "red"),
                                                 ("incoherent", "single", "水", "60", "darkgreen"),
                                                 ("incoherent", "spectrum", "鉛", "", "blue")):
        role(driver, "colour", colour).click()
        choose(driver, kind, mode, material, energy=energy)
    role(driver, "per-solid-angle").click()
    shown = (curves_of(driver, "angle-graph"), role(driver, "legend").text)
    role(driver, "share-link").click()
    WebDriverWait(driver, 5).until(lambda d: role(d, "status").get_attribute("textContent"))
    assert role(driver, "status").get_attribute("textContent") == "この設定のリンクをコピーしました"
    link = driver.current_url
    assert "#curve=" in link, f"the curves travel in the fragment: {link}"
    opened(driver, f"{origin}/index.html?lang=ja")  # a fragment alone would not load the page anew
    opened(driver, link)
    assert (curves_of(driver, "angle-graph"), role(driver, "legend").text) == shown, "the link drew another graph"
    assert role(driver, "per-solid-angle").is_selected() and len(shown[0]) == 3
    # Any lang starts the page, in a language it has, names every object inherits too.
    for asked in ("constructor", "__proto__", "toString", "hasOwnProperty", "valueOf"):
        opened(driver, f"{origin}/index.html?lang={asked}")
        state = driver.execute_script("return [document.documentElement.lang, document.querySelector('[data-role=compute]').disabled]")
        assert state[0] in ("ja", "en") and not state[1], f"lang={asked}: {state}"
    # A link of 1,000 curves, past the 64 KiB of a request line that the server allows.
    many = "&".join(f"curve=kind%3Dcoherent%26mode%3Dsingle%26energy%3D{10 + n / 10}%26material%3Dwater%26colour%3Ddarkgreen"
                    for n in range(1000))
    opened(driver, f"{origin}/index.html?lang=ja#{many}")
    assert len(many) > 65536 and len(curves_of(driver, "angle-graph")) == 1000
    role(driver, "clear").click()
    for query, message, curves in (
            ("curve=kind%3Dcoherent%26material%3Diron%26energy%3D100&curve=kind%3Dincoherent%26material%3Dwater%26energy%3D60",
             "", 2),
            ("kind=incoherent&material=water&energy=60&views=free-electron", "", 2),
            ("kind=coherent&material=water&energy=abc", "　光子エネルギーは 0 より大きい数値（keV）で入力してください　", 0),
            ("material=nosuch&energy=60", "　散乱体が未選択　", 0),
            ("mode=spectrum&material=%E6%B0%B4&kv=200", "最大管電圧は 150 kV です", 0)):
        opened(driver, f"{origin}/index.html?lang=ja&{query}")
        shown = (role(driver, "message").get_attribute("textContent"), len(curves_of(driver, "angle-graph")))
        assert shown == (message, curves), f"{query}: {shown}"

# Keyboard alone: each key moves the focus to the expected control, which shows its
# focus ring; the result is two curves in the chosen colours and the free electron's.
def check_keyboard(driver, origin):
    opened(driver, f"{origin}/index.html?lang=ja")
    water = [o.text for o in Select(role(driver, "material")).options].index("水")
    tab, back = Keys.TAB, (Keys.SHIFT, Keys.TAB)
    for keys, focused in ((tab, "language"), (tab, "kind"), (Keys.ARROW_DOWN, "kind"), (tab, "mode"),
                          (tab, "energy"), ("60", "energy"), (tab, "material"), (Keys.ARROW_DOWN * water, "material"),
                          (tab, "colour"), (tab, "compute"), (Keys.ENTER, "compute"), (back, "colour"),
                          (Keys.ARROW_RIGHT, "colour"), (tab, "compute"), (Keys.SPACE, "compute"), (tab, "clear"),
                          (tab, "free-electron"), (Keys.SPACE, "free-electron")):
        chain = ActionChains(driver)
        if isinstance(keys, tuple):
            chain.key_down(keys[0]).send_keys(keys[1]).key_up(keys[0])
        else:
            chain.send_keys(keys)
        chain.perform()
        state = driver.execute_script("""const e = document.activeElement;
            return [e.dataset.role, getComputedStyle(e).outlineStyle];""")
        assert state[0] == focused and state[1] != "none", f"after {keys!r}: focus on {state}"
    curves = driver.find_elements(By.CSS_SELECTOR, '[data-role="angle-graph"] :is(polyline, path)')
    colours = [curve.get_attribute("stroke") for curve in curves]
    assert len(colours) == 3 and {"#ff0000", "#008000"} == set(colours), colours  # one free-electron curve at 60 keV

# The visible text of the page in `language`: no Japanese character in English (the
# library's own texts counted once the binding speaks English), and the formula
# sheets of that language.
FIND_FOREIGN = """const [language] = arguments, found = [];
    const libraryTexts = document.documentElement.dataset.libraryTexts === language;
    const skip = '[lang]:not(html), dialog:not([open])' + (libraryTexts ? '' : ', .picture, .legend, .message, [data-role^="magnitudes-"]');
    const texts = [...document.querySelectorAll('[aria-label]')].map((e) => e.getAttribute('aria-label'));
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    while (walker.nextNode()) {
      const e = walker.currentNode.parentElement;
      if (e.getClientRects().length && !e.closest(skip) || e.tagName === 'OPTION' && !e.closest(skip)) texts.push(walker.currentNode.textContent);
    }
    const sheets = [...document.querySelectorAll('img[data-image]')].filter((i) => language !== 'ja' && !i.src.includes(`/${language}/`));
    return texts.concat(document.title).filter((t) => /[\\u3000-\\u30ff\\u3400-\\u9fff\\uff00-\\uffef]/.test(t))
      .concat(sheets.map((i) => `sheet ${i.src}`));"""

# On a phone: texts of at least 12 px (a graph's at its scale), targets of at least
# 44 × 44 px, nothing wider than the screen.
FIND_SMALL = """const small = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    while (walker.nextNode()) {
      const node = walker.currentNode, e = node.parentElement, svg = e.closest('svg');
      if (!node.textContent.trim() || !e.getClientRects().length) continue;
      const px = svg ? e.getAttribute('font-size') * svg.getBoundingClientRect().width / svg.width.baseVal.value
                     : parseFloat(getComputedStyle(e).fontSize);
      if (px < 11.95) small.push(`text ${node.textContent.trim().slice(0, 20)} ${px}`);
    }
    for (const image of document.querySelectorAll('dialog[open] img[data-smallest-text]')) {
      const px = image.dataset.smallestText * image.getBoundingClientRect().width / image.getAttribute('width');
      if (px < 11.95) small.push(`image ${image.alt} ${px}`);
    }
    for (const control of document.querySelectorAll('button, select, input')) {
      const target = ['radio', 'checkbox'].includes(control.type) ? control.closest('label') : control;
      const box = target.getBoundingClientRect();
      if (target.getClientRects().length && (box.width < 44 || box.height < 44)) small.push(`target ${control.dataset.role ?? control.textContent} ${box.width}×${box.height}`);
    }
    for (const box of [document.documentElement, ...document.querySelectorAll('dialog[open]')]) {
      if (box.scrollWidth > box.clientWidth) small.push(`${box.tagName} ${box.scrollWidth} px wide`);
    }
    return small;"""

def sized(driver, width, height):
    driver.set_window_size(width, height)
    inner = driver.execute_script("return [innerWidth, innerHeight]")
    driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])

# axe-core at both sizes in both languages, with every graph shown: no serious or
# critical violation; the phone's sizes; the formula sheet's words for where its
# formula stands; no Japanese left in English.
def check_sizes_and_access(driver, origin):
    with open(AXE, encoding="utf-8") as file:
        axe = file.read()
    curves = "curve=kind%3Dincoherent%26material%3Dwater%26energy%3D60&curve=kind%3Dcoherent%26mode%3Dspectrum%26material%3Dlead"
    for language, width, height, where in (("ja", 1280, 800, "left"), ("ja", 390, 844, "above"),
                                           ("en", 1280, 800, "left"), ("en", 390, 844, "above")):
        sized(driver, width, height)
        opened(driver, f"{origin}/index.html?lang={language}&views=free-electron,polar,magnitudes&{curves}")
        driver.execute_script(axe)
        assert not driver.execute_script(FIND_FOREIGN, "en") or language == "ja", driver.execute_script(FIND_FOREIGN, "en")
        for sheet in (False, True):  # the page, then the formula sheet open over it
            if sheet:
                driver.find_element(By.CSS_SELECTOR, '[data-opens="coherent-sheet"]').click()
            found = driver.execute_async_script("axe.run(document).then((r) => arguments[0](r.violations.filter((v) => ['serious', 'critical'].includes(v.impact)).map((v) => [v.id, v.nodes.map((n) => n.target)])));")
            assert not found, f"{language} {width} (sheet {sheet}): axe finds {found}"
        visible = [e.get_attribute("class") for e in driver.find_elements(By.CSS_SELECTOR, "#coherent-sheet [class^=formula-]") if e.is_displayed()]
        assert visible == [f"formula-{where}"], f"{language} {width}: the sheet says {visible}"
        small = driver.execute_script(FIND_SMALL) if width < 400 else []
        assert not small, f"{language} {width}: {small}"
        driver.find_element(By.CSS_SELECTOR, "#coherent-sheet .close").click()
    sized(driver, 1280, 800)

# After one visit the page loads and computes from its cache with the server gone.
def check_reload_without_server(driver, server):
    driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    # One cache, of this build, holding every file of the site (the worker itself aside,
    # the folder's own address added).
    kept = driver.execute_async_script("""const done = arguments[0];
        caches.keys().then(async (names) => done([names, (await (await caches.open(names[0])).keys()).length]));""")
    files = sum(len(names) for _, _, names in os.walk(SITE))
    assert len(kept[0]) == 1 and kept[0][0].startswith("tervolin-") and kept[1] == files, f"cached {kept}, {files} files"
    server.shutdown()
    server.server_close()
    driver.refresh()
    WebDriverWait(driver, 60).until(lambda d: d.execute_script("return window.tervolinFirstGraphMs"))
    role(driver, "clear").click()
    choose(driver, "coherent", "single", "鉄", energy="100")
    assert len(curves_of(driver, "angle-graph")) == 1 and not role(driver, "message").text, "no curve offline"

def main():
    server = serve(SITE)
    origin = f"http://127.0.0.1:{server.server_address[1]}"
    with tempfile.TemporaryDirectory() as downloads, tempfile.TemporaryDirectory() as profile:
        driver = browser(downloads, profile)
        try:
            driver.get(origin + "/index.html?lang=ja")
            WebDriverWait(driver, 60).until(lambda d: d.execute_script("return window.tervolinFirstGraphMs"))
            print(f"load to first graph: {driver.execute_script('return window.tervolinFirstGraphMs'):.0f} ms")
            print(f".wasm: {os.path.getsize(os.path.join(SITE, 'tervolin.wasm'))} bytes")
            check_iron_and_its_table(driver, downloads)
            check_pictures_and_palette(driver, downloads)
            check_water_over_spectrum(driver)
            check_quality(driver)
            check_refusals(driver)
            check_magnitudes(driver)
            check_polar_and_magnitudes(driver)
            check_common_scale(driver)
            check_click_ratio(driver)
            check_links(driver, origin)
            check_keyboard(driver, origin)
            check_sizes_and_access(driver, origin)
            if SHOTS:
                screenshots(driver, origin, SHOTS)
            opened(driver, origin + "/index.html?lang=ja")
            check_offline(driver, origin)
            check_reload_without_server(driver, server)
        finally:
            driver.quit()
            server.shutdown()
    print("page checks passed")

main()
