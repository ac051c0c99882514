// The page: reads the choices, asks the library's Session for the curves and
// shows its graphs, messages and files; keeps its setup in the address.
import createTervolin from './tervolin.js';
import { addressOf, curveParameter, readAddress, setupRoles, viewRoles } from './address.js';
import { applyTexts, languageOf } from './texts.js';
import { addToPicture, download, downloadPng, keepImagesLegible, legendItem, nameGraph, showPicture, svgFile,
         windowFontMeasure } from './pictures.js';

const element = (role) => document.querySelector(`[data-role="${role}"]`);
const chosen = (role) => document.querySelector(`[data-role="${role}"]:checked`)?.value ?? '';
const text = (role) => element(role).value;
const checked = (role) => element(role).checked;
const radioRoles = ['kind', 'mode', 'colour'];

const spectrumFields = { kv: 'kv', targetAngle: 'target-angle', inherent: 'inherent', al: 'al', cu: 'cu' };

// The page's state beside the session's: its language and words, the window font's
// widths, and the address parameters of the curves drawn, in order.
const page = { language: 'ja', words: {}, measure: null, drawn: [], addressTimer: 0 };
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

function writeAddress() {
  clearTimeout(page.addressTimer);
  page.addressTimer = 0;
  history.replaceState(null, '', addressOf(formSetup(), checkedViews(), page.language, page.drawn));
}

function keepAddress() {
  if (!page.addressTimer) page.addressTimer = setTimeout(writeAddress, addressDelay);
}

function showAngleGraph(session) {
  showPicture(element('angle-graph'), session.angleSvg());
  const rows = session.legend();
  element('legend').replaceChildren(...rows.map(legendItem));
  nameGraph(element('angle-graph'), page.words.angleGraph, page.words.curves(rows.length));
}

function showSpectrumGraph(session) {
  showPicture(element('spectrum-graph'), session.spectrumSvg());
  const rows = session.spectrumLegend();
  element('spectrum-legend').replaceChildren(...rows.map(legendItem));
  nameGraph(element('spectrum-graph'), page.words.spectrumGraph, page.words.spectra(rows.length));
}

// The polar diagram of the angular graph's curves, when asked for.
function showPolar(session) {
  element('polar').hidden = !checked('polar-toggle');
  if (!checked('polar-toggle')) return;
  const caption = checked('per-solid-angle') ? page.words.polarCaptionPerSolidAngle : page.words.polarCaption;
  showPicture(element('polar-graph'), session.polarSvg(caption, page.measure));
  nameGraph(element('polar-graph'), page.words.polarGraph, page.words.curves(element('legend').children.length));
}

function showMessage(message) {
  element('message').textContent = message;
}

function announce(words) {
  element('status').textContent = words;
}

// The sizes of coherent and incoherent scattering for the choices, when asked for.
function showMagnitudes(session) {
  const shown = checked('magnitudes-toggle');
  element('magnitudes').hidden = !shown;
  if (!shown) return;
  const { message, subject, magnitudes } = session.magnitudes(request());
  fillMagnitudes(subject, message, magnitudes);
  drawMagnitudes(session);
}

function drawMagnitudes(session) {
  if (element('magnitudes').hidden) return;
  showPicture(element('magnitude-graph'),
              session.magnitudeSvg(checked('per-solid-angle'), checked('magnitude-logarithmic'), page.measure));
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
function showCurve(session, result) {
  if (result.added === undefined) return showAngleGraph(session);
  addToPicture(element('angle-graph'), result.added);
  element('legend').append(legendItem(result.legendRow));
  nameGraph(element('angle-graph'), page.words.angleGraph, page.words.curves(element('legend').children.length));
}

function compute(session, what = 'compute', scroll = true) {
  const curve = curveParameter(formSetup());
  const result = session[what](request());
  // Only a field the program resets changes: the rest stay as typed.
  for (const [name, text] of Object.entries(result.reset)) element(spectrumFields[name]).value = text;
  showMessage(result.message);
  if (result.spectrum) showSpectrumGraph(session);
  if (what === 'compute' && !result.message) {
    page.drawn.push(curve);
    showCurve(session, result);
    showMagnitudes(session);
    showPolar(session);
  }
  keepAddress();
  // On a phone the graph lies below the choices.
  if (!result.message && scroll) element(`${what === 'spectrum' ? 'spectrum' : 'angle'}-graph`).scrollIntoView({ block: 'nearest' });
}

function connectDownloads(session, prefix, graph) {
  const stem = () => session[`${graph}FileStem`]();
  element(`${prefix}download-svg`).addEventListener('click', () =>
    download(session[`${graph}SvgFile`](), 'image/svg+xml', `${stem()}.svg`));
  element(`${prefix}download-png`).addEventListener('click', () =>
    downloadPng(session[`${graph}SvgFile`](), `${stem()}.png`));
  element(`${prefix}download-csv`).addEventListener('click', () =>
    download(session[`${graph}Csv`](), 'text/csv;charset=utf-8', `${stem()}.csv`));
}

// The polar diagram and the magnitudes graph saved as the page shows them.
function connectPictureDownloads(session) {
  for (const [prefix, suffix] of [['polar', 'polar'], ['magnitude', 'magnitudes']]) {
    const picture = () => svgFile(element(`${prefix}-graph`).innerHTML);
    const name = (extension) => `${session.angleFileStem()}_${suffix}.${extension}`;
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
async function copyLink() {
  writeAddress();
  const link = location.href;
  try {
    await navigator.clipboard.writeText(link);
    announce(page.words.linkCopied);
  } catch {
    const field = Object.assign(document.createElement('textarea'), { value: link });
    document.body.append(field);
    field.select();
    const copied = document.execCommand('copy');
    field.remove();
    announce(copied ? page.words.linkCopied : page.words.linkNotCopied);
  }
}

function connectViews(session) {
  const views = () => {
    session.setViews(checked('free-electron'), checked('per-solid-angle'));
    showAngleGraph(session);
    showPolar(session);
    drawMagnitudes(session);
    keepAddress();
  };
  element('free-electron').addEventListener('change', views);
  element('per-solid-angle').addEventListener('change', views);
  element('polar-toggle').addEventListener('change', () => { showPolar(session); keepAddress(); });
  element('magnitudes-toggle').addEventListener('change', () => { showMagnitudes(session); keepAddress(); });
  element('magnitude-logarithmic').addEventListener('change', () => { drawMagnitudes(session); keepAddress(); });
  element('spectrum-common-scale').addEventListener('change', () => {
    session.setCommonScale(checked('spectrum-common-scale'));
    showSpectrumGraph(session);
    keepAddress();
  });
}

function connectClearing(session) {
  element('clear').addEventListener('click', () => {
    session.clear();
    page.drawn = [];
    showMessage('');
    showAngleGraph(session);
    showPolar(session);
    fillMagnitudes('', '', undefined);  // the comparison follows the graph
    keepAddress();
  });
  element('spectrum-clear').addEventListener('click', () => {
    session.clearSpectra();
    showSpectrumGraph(session);
  });
}

function connect(session) {
  document.getElementById('choices').addEventListener('submit', (event) => {
    event.preventDefault();
    compute(session);
  });
  element('spectrum-compute').addEventListener('click', () => compute(session, 'spectrum'));
  connectClearing(session);
  connectViews(session);
  const modeChanged = () => { document.getElementById('tube').disabled = chosen('mode') !== 'spectrum'; };
  const kindChanged = () => { element('kind-heading').textContent = page.words[chosen('kind')]; };
  for (const input of document.querySelectorAll('[data-role="mode"], [data-role="kind"]')) {
    input.addEventListener('change', () => { modeChanged(); kindChanged(); });
  }
  modeChanged();
  kindChanged();
  connectDownloads(session, '', 'angle');
  connectDownloads(session, 'spectrum-', 'spectrum');
  connectPictureDownloads(session);
  connectExplanations();
  element('share-link').addEventListener('click', copyLink);
  element('language').addEventListener('change', () => {
    location.assign(addressOf(formSetup(), checkedViews(), text('language'), page.drawn));
  });
}

// The standard qualities: choosing one fills the tube's fields, editing a field by
// hand sets the list back to none.
function listQualities(session) {
  const select = element('quality');
  const settings = {};
  for (const quality of session.qualities()) {
    select.add(new Option(quality.name, quality.value));
    settings[quality.value] = quality.fields;
  }
  select.addEventListener('change', () => {
    for (const [name, text] of Object.entries(settings[select.value] ?? {})) element(spectrumFields[name]).value = text;
  });
  for (const role of Object.values(spectrumFields)) element(role).addEventListener('input', () => { select.value = ''; });
}

// The materials by their names, in English by their aliases where they have one.
function listMaterials(session) {
  const select = element('material');
  for (const material of session.materials()) {
    const shown = page.language === 'en' && material.alias ? material.alias : material.name;
    const option = new Option(shown, material.name);
    option.dataset.alias = material.alias;
    if (material.alias && page.language !== 'en') option.title = material.alias;
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
function openAddress(session, asked) {
  if (asked.views) {
    for (const [view, role] of Object.entries(viewRoles)) element(role).checked = asked.views.includes(view);
    session.setViews(checked('free-electron'), checked('per-solid-angle'));
    session.setCommonScale(checked('spectrum-common-scale'));
  }
  for (const curve of asked.curves) {
    setControls(curve);
    compute(session, 'compute', false);
  }
  setControls(asked.setup);
  showAngleGraph(session);
  showSpectrumGraph(session);
  showPolar(session);
  showMagnitudes(session);
  writeAddress();
}

async function start() {
  const asked = readAddress(location.search);
  page.language = languageOf(asked.language, navigator.languages ?? []);
  page.words = applyTexts(document, page.language);
  element('language').value = page.language;
  keepImagesLegible(document);
  page.measure = windowFontMeasure();
  const module = await createTervolin();
  const session = new module.Session('/data');
  // The language of the library's texts (messages, legends, the graphs' words).
  const switchable = typeof session.setLanguage === 'function';
  if (switchable) {
    session.setLanguage(page.language);
    session.clear();  // the empty graphs' words in that language
    session.clearSpectra();
  }
  document.documentElement.dataset.libraryTexts = switchable ? page.language : 'ja';
  listMaterials(session);
  listQualities(session);
  connect(session);
  showAngleGraph(session);
  showSpectrumGraph(session);
  showMessage(session.startProblem());
  openAddress(session, asked);
  element('compute').disabled = false;
  // How long the page took from its start to its first graph, for the record.
  window.tervolinFirstGraphMs = performance.now();
  // Without a worker (an insecure origin, a browser that refuses) the page simply
  // needs its server.
  navigator.serviceWorker?.register('service-worker.js').catch(() => {});
}

start();
