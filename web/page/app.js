// The page: reads the choices, asks the library's Session for the curves and
// shows its graphs, messages and files; keeps its setup in the address.
import createTervolin from './tervolin.js';
import { addressOf, curveParameter, readAddress, setupRoles, viewRoles } from './address.js';
import { applyTexts, languageOf } from './language.js';
import { addToPicture, download, downloadPng, keepImagesLegible, legendItem, nameGraph, showPicture, svgFile,
         windowFontMeasure } from './pictures.js';
import { connectSlidesAndPalette } from './downloads.js';

const element = (role) => document.querySelector(`[data-role="${role}"]`);
const chosen = (role) => document.querySelector(`[data-role="${role}"]:checked`)?.value ?? '';
const text = (role) => element(role).value;
const checked = (role) => element(role).checked;
const radioRoles = ['kind', 'mode', 'colour'];

const spectrumFields = { kv: 'kv', targetAngle: 'target-angle', inherent: 'inherent', al: 'al', cu: 'cu' };

// The address is rewritten at most this often (ms): browsers ignore a flood of rewrites.
const addressDelay = 100;

function request() {
  const fields = Object.fromEntries(Object.entries(spectrumFields).map(([name, role]) => [name, text(role)]));
  return { kind: chosen('kind'), mode: chosen('mode'), energy: text('energy'), material: text('material'),
           colour: chosen('colour'), ...fields };
}

// The controls' setup by their hooks, the material by its English alias where it has one.
function formSetup() {
  const setup = Object.fromEntries(setupRoles.map((role) => [role, radioRoles.includes(role) ? chosen(role) : text(role)]));
  setup.material = element('material').selectedOptions[0]?.dataset.alias || setup.material;
  return setup;
}

function checkedViews() {
  return Object.entries(viewRoles).filter(([, role]) => checked(role)).map(([view]) => view);
}

function writeAddress(app) {
  clearTimeout(app.addressTimer);
  app.addressTimer = 0;
  history.replaceState(null, '', addressOf(formSetup(), checkedViews(), app.language, app.drawn));
}

function keepAddress(app) {
  if (!app.addressTimer) app.addressTimer = setTimeout(() => writeAddress(app), addressDelay);
}

function showAngleGraph(app) {
  showPicture(element('angle-graph'), app.session.angleSvg());
  const rows = app.session.legend();
  element('legend').replaceChildren(...rows.map(legendItem));
  nameGraph(element('angle-graph'), app.words.angleGraph, app.words.curves(rows.length));
}

function showSpectrumGraph(app) {
  showPicture(element('spectrum-graph'), app.session.spectrumSvg());
  const rows = app.session.spectrumLegend();
  element('spectrum-legend').replaceChildren(...rows.map(legendItem));
  nameGraph(element('spectrum-graph'), app.words.spectrumGraph, app.words.spectra(rows.length));
}

// The polar diagram and the magnitudes graph as the library draws them in the views chosen.
function polarSvg(app) {
  return app.session.polarSvg(app.measure);
}

function magnitudeSvg(app) {
  return app.session.magnitudeSvg(checked('per-solid-angle'), checked('magnitude-logarithmic'), app.measure);
}

// The polar diagram of the angular graph's curves, when asked for.
function showPolar(app) {
  element('polar').hidden = !checked('polar-toggle');
  if (!checked('polar-toggle')) return;
  showPicture(element('polar-graph'), polarSvg(app));
  nameGraph(element('polar-graph'), app.words.polarGraph, app.words.curves(element('legend').children.length));
}

function showMessage(message) {
  element('message').textContent = message;
}

function announce(words) {
  element('status').textContent = words;
}

// The sizes of coherent and incoherent scattering for the choices, when asked for.
function showMagnitudes(app) {
  const shown = checked('magnitudes-toggle');
  element('magnitudes').hidden = !shown;
  if (!shown) return;
  const { message, subject, magnitudes } = app.session.magnitudes(request());
  fillMagnitudes(subject, message, magnitudes);
  drawMagnitudes(app);
}

function drawMagnitudes(app) {
  if (element('magnitudes').hidden) return;
  showPicture(element('magnitude-graph'), magnitudeSvg(app));
}

// The comparison's panel: its subject, message and table (all empty without `m`).
function fillMagnitudes(subject, message, m) {
  element('magnitudes-subject').textContent = subject;
  element('magnitudes-message').textContent = message;
  const cells = {
    'coherent-cross-section': m?.coherentCrossSection.toPrecision(4), 'coherent-share': m?.coherentShare.toFixed(2),
    'incoherent-cross-section': m?.incoherentCrossSection.toPrecision(4),
    'incoherent-share': m?.incoherentShare.toFixed(2), 'total-cross-section': m?.totalCrossSection.toPrecision(4),
    'magnitudes-ratio': m?.ratio,
  };
  for (const [role, value] of Object.entries(cells)) element(role).textContent = value ?? '';
}

// A new curve joins the graph and its legend; a graph drawn anew is shown whole.
function showCurve(app, result) {
  if (result.added === undefined) return showAngleGraph(app);
  addToPicture(element('angle-graph'), result.added);
  element('legend').append(legendItem(result.legendRow));
  nameGraph(element('angle-graph'), app.words.angleGraph, app.words.curves(element('legend').children.length));
}

function compute(app, what = 'compute', scroll = true) {
  const curve = curveParameter(formSetup());
  const result = app.session[what](request());
  // Only a field the program resets changes: the rest stay as typed.
  for (const [name, text] of Object.entries(result.reset)) element(spectrumFields[name]).value = text;
  showMessage(result.message);
  if (result.spectrum) showSpectrumGraph(app);
  if (what === 'compute' && !result.message) {
    app.drawn.push(curve);
    showCurve(app, result);
    showMagnitudes(app);
    showPolar(app);
  }
  keepAddress(app);
  // On a phone the graph lies below the choices.
  if (!result.message && scroll) element(`${what === 'spectrum' ? 'spectrum' : 'angle'}-graph`).scrollIntoView({ block: 'nearest' });
}

function connectDownloads(app, prefix, graph) {
  const stem = () => app.session[`${graph}FileStem`]();
  element(`${prefix}download-svg`).addEventListener('click', () =>
    download(app.session[`${graph}SvgFile`](), 'image/svg+xml', `${stem()}.svg`));
  element(`${prefix}download-png`).addEventListener('click', () =>
    downloadPng(app.session[`${graph}SvgFile`](), `${stem()}.png`));
  element(`${prefix}download-csv`).addEventListener('click', () =>
    download(app.session[`${graph}Csv`](), 'text/csv;charset=utf-8', `${stem()}.csv`));
}

// The polar diagram and the magnitudes graph saved as the page shows them.
function connectPictureDownloads(app) {
  for (const [prefix, suffix, drawn] of [['polar', 'polar', polarSvg], ['magnitude', 'magnitudes', magnitudeSvg]]) {
    const picture = () => svgFile(drawn(app));
    const name = (extension) => `${app.session.angleFileStem()}_${suffix}.${extension}`;
    element(`${prefix}-download-svg`).addEventListener('click', () => download(picture(), 'image/svg+xml', name('svg')));
    element(`${prefix}-download-png`).addEventListener('click', () => downloadPng(picture(), name('png')));
  }
}

function connectExplanations() {
  for (const button of document.querySelectorAll('[data-opens]')) {
    const dialog = document.getElementById(button.dataset.opens);
    button.addEventListener('click', () => dialog.showModal());
    dialog.querySelector('.close').addEventListener('click', () => dialog.close());
  }
}

// The link copied where the browser allows it, else selected in a field for the
// reader to copy.
async function copyLink(app) {
  writeAddress(app);
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    announce(app.words.linkCopied);
  } catch {
    const field = Object.assign(document.createElement('textarea'), { value: link });
    document.body.append(field);
    field.select();
    const copied = document.execCommand('copy');
    field.remove();
    announce(copied ? app.words.linkCopied : app.words.linkNotCopied);
  }
}

function connectViews(app) {
  const views = () => {
    app.session.setViews(checkedViews());
    showAngleGraph(app);
    showPolar(app);
    drawMagnitudes(app);
    keepAddress(app);
  };
  element('free-electron').addEventListener('change', views);
  element('per-solid-angle').addEventListener('change', views);
  element('polar-toggle').addEventListener('change', () => { showPolar(app); keepAddress(app); });
  element('magnitudes-toggle').addEventListener('change', () => { showMagnitudes(app); keepAddress(app); });
  element('magnitude-logarithmic').addEventListener('change', () => { drawMagnitudes(app); keepAddress(app); });
  element('spectrum-common-scale').addEventListener('change', () => {
    app.session.setCommonScale(checked('spectrum-common-scale'));
    showSpectrumGraph(app);
    keepAddress(app);
  });
}

function connectClearing(app) {
  element('clear').addEventListener('click', () => {
    app.session.clear();
    app.drawn = [];
    showMessage('');
    showAngleGraph(app);
    showPolar(app);
    fillMagnitudes('', '', undefined);  // the comparison follows the graph
    keepAddress(app);
  });
  element('spectrum-clear').addEventListener('click', () => {
    app.session.clearSpectra();
    showSpectrumGraph(app);
  });
}

function connect(app) {
  document.getElementById('choices').addEventListener('submit', (event) => {
    event.preventDefault();
    compute(app);
  });
  element('spectrum-compute').addEventListener('click', () => compute(app, 'spectrum'));
  connectClearing(app);
  connectViews(app);
  const modeChanged = () => { document.getElementById('tube').disabled = chosen('mode') !== 'spectrum'; };
  const kindChanged = () => { element('kind-heading').textContent = app.words[chosen('kind')]; };
  for (const input of document.querySelectorAll('[data-role="mode"], [data-role="kind"]')) {
    input.addEventListener('change', () => { modeChanged(); kindChanged(); });
  }
  modeChanged();
  kindChanged();
  connectDownloads(app, '', 'angle');
  connectDownloads(app, 'spectrum-', 'spectrum');
  connectPictureDownloads(app);
  connectSlidesAndPalette(app.session, () => { showAngleGraph(app); showSpectrumGraph(app); showPolar(app); });
  connectExplanations();
  element('share-link').addEventListener('click', () => copyLink(app));
  element('language').addEventListener('change', () => {
    location.assign(addressOf(formSetup(), checkedViews(), text('language'), app.drawn));
  });
}

// The standard qualities: choosing one fills the tube's fields, editing a field by
// hand sets the list back to none.
function listQualities(app) {
  const select = element('quality');
  const settings = {};
  for (const quality of app.session.qualities()) {
    select.add(new Option(quality.name, quality.value));
    settings[quality.value] = quality.fields;
  }
  select.addEventListener('change', () => {
    for (const [name, text] of Object.entries(settings[select.value] ?? {})) element(spectrumFields[name]).value = text;
  });
  for (const role of Object.values(spectrumFields)) element(role).addEventListener('input', () => { select.value = ''; });
}

// The materials by their names, in English by their aliases where they have one.
function listMaterials(app) {
  const select = element('material');
  for (const material of app.session.materials()) {
    const shown = app.language === 'en' && material.alias ? material.alias : material.name;
    const option = new Option(shown, material.name);
    option.dataset.alias = material.alias;
    if (material.alias && app.language !== 'en') option.title = material.alias;
    select.add(option);
  }
}

// A control set as a link asks; a value the control cannot hold leaves it as it was,
// except a material the page does not have, which leaves none chosen.
function setControl(role, value) {
  if (radioRoles.includes(role)) {
    const radio = document.querySelector(`[data-role="${role}"][value="${CSS.escape(value)}"]`);
    if (radio) radio.checked = true;
  } else if (role === 'material') {
    const wanted = value.toLowerCase();
    const option = [...element('material').options].find((o) => o.value && (o.value === value || o.dataset.alias.toLowerCase() === wanted));
    element('material').value = option?.value ?? '';
  } else if (role === 'quality') {
    element('quality').value = value;
    if (element('quality').selectedIndex < 0) element('quality').value = '';
    element('quality').dispatchEvent(new Event('change'));
  } else {
    element(role).value = value;
  }
}

function setControls(setup) {
  // The tube's fields before the quality, which fills them.
  for (const role of setupRoles.filter((r) => r in setup && r !== 'quality')) setControl(role, setup[role]);
  if ('quality' in setup) setControl('quality', setup.quality);
  for (const input of document.querySelectorAll('[data-role="mode"], [data-role="kind"]')) input.dispatchEvent(new Event('change'));
}

// The setup a link holds: its views, then each curve drawn in turn, then the
// controls as the link leaves them.
function openAddress(app, asked) {
  if (asked.views) {
    for (const [view, role] of Object.entries(viewRoles)) element(role).checked = asked.views.includes(view);
    app.session.setViews(checkedViews());
    app.session.setCommonScale(checked('spectrum-common-scale'));
  }
  for (const curve of asked.curves) {
    setControls(curve);
    compute(app, 'compute', false);
  }
  setControls(asked.setup);
  showAngleGraph(app);
  showSpectrumGraph(app);
  showPolar(app);
  showMagnitudes(app);
  writeAddress(app);
}

async function start() {
  const asked = readAddress(location.search, location.hash);
  const language = languageOf(asked.language, navigator.languages ?? []);
  const words = applyTexts(document, language);
  element('language').value = language;
  keepImagesLegible(document);
  const module = await createTervolin();
  // The page's state beside the session's: its language and words, the window font's
  // widths, and the address parameters of the curves drawn, in order.
  const app = { session: new module.Session('/data'), language, words, measure: windowFontMeasure(), drawn: [],
                addressTimer: 0 };
  // The language of the library's texts (messages, legends, the graphs' words).
  const switchable = typeof app.session.setLanguage === 'function';
  if (switchable) {
    app.session.setLanguage(app.language);
    app.session.clear();  // the empty graphs' words in that language
    app.session.clearSpectra();
  }
  document.documentElement.dataset.libraryTexts = switchable ? app.language : 'ja';
  listMaterials(app);
  listQualities(app);
  connect(app);
  showAngleGraph(app);
  showSpectrumGraph(app);
  showMessage(app.session.startProblem());
  openAddress(app, asked);
  element('compute').disabled = false;
  // How long the page took from its start to its first graph, for the record.
  window.tervolinFirstGraphMs = performance.now();
  // Without a worker (an insecure origin, a browser that refuses) the page simply
  // needs its server.
  navigator.serviceWorker?.register('service-worker.js').catch(() => {});
  // A link with other curves opened over this page changes the fragment alone, which
  // loads nothing: load it.
  window.addEventListener('hashchange', () => location.reload());
}

start();
