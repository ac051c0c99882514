// The page: reads the choices, asks the library's Session for the curves and
// shows its graphs, messages and files.
import createTervolin from './tervolin.js';
import { connectSlidesAndPalette } from './downloads.js';

const element = (role) => document.querySelector(`[data-role="${role}"]`);
const chosen = (role) => document.querySelector(`[data-role="${role}"]:checked`)?.value ?? '';
const text = (role) => element(role).value;

const kindHeadings = { coherent: '干渉性散乱', incoherent: '非干渉性散乱' };
const spectrumFields = { kv: 'kv', targetAngle: 'target-angle', inherent: 'inherent', al: 'al', cu: 'cu' };

function request() {
  const fields = Object.fromEntries(Object.entries(spectrumFields).map(([name, role]) => [name, text(role)]));
  return { kind: chosen('kind'), mode: chosen('mode'), energy: text('energy'), material: text('material'),
           colour: chosen('colour'), ...fields };
}

// A short line in the curve's colour and style, as on the graph.
function swatchOf(row) {
  const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  svg.setAttribute('class', 'swatch');
  svg.setAttribute('viewBox', '0 0 28 4');
  const line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
  for (const [name, value] of Object.entries({ x1: 0, y1: 2, x2: 28, y2: 2, stroke: row.colour, 'stroke-width': 2 })) {
    line.setAttribute(name, value);
  }
  if (row.dashes) line.setAttribute('stroke-dasharray', row.dashes);
  svg.append(line);
  return svg;
}

function showGraphs(session) {
  element('angle-graph').innerHTML = session.angleSvg();
  element('spectrum-graph').innerHTML = session.spectrumSvg();
  const legend = element('legend');
  legend.replaceChildren(...session.legend().map((row) => {
    const item = document.createElement('li');
    item.append(swatchOf(row), `${row.title}  ${row.note}`);
    return item;
  }));
}

function showMessage(message) {
  element('message').textContent = message;
}

// The sizes of coherent and incoherent scattering for the choices, when asked for.
function showMagnitudes(session) {
  const shown = element('magnitudes-toggle').checked;
  element('magnitudes').hidden = !shown;
  if (!shown) return;
  const choices = request();
  const { message, subject, magnitudes } = session.magnitudes(choices);
  fillMagnitudes(subject, message, magnitudes);
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

function compute(session, what = 'compute') {
  const result = session[what](request());
  // Only a field the program resets changes: the rest stay as typed.
  for (const [name, text] of Object.entries(result.reset)) element(spectrumFields[name]).value = text;
  showMessage(result.message);
  showGraphs(session);
  if (what === 'compute' && !result.message) showMagnitudes(session);
  // On a phone the graph lies below the choices.
  if (!result.message) element(`${what === 'spectrum' ? 'spectrum' : 'angle'}-graph`).scrollIntoView({ block: 'nearest' });
}

function download(bytes, type, name) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The SVG drawn at twice its size on a white canvas.
function downloadPng(svg, name) {
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  image.onload = () => {
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth * 2;
    canvas.height = image.naturalHeight * 2;
    const context = canvas.getContext('2d');
    context.fillStyle = '#fff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    URL.revokeObjectURL(url);
    canvas.toBlob((png) => download(png, 'image/png', name));
  };
  image.src = url;
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

function connectExplanations() {
  for (const button of document.querySelectorAll('[data-opens]')) {
    const dialog = document.getElementById(button.dataset.opens);
    button.addEventListener('click', () => dialog.showModal());
    dialog.querySelector('.close').addEventListener('click', () => dialog.close());
  }
}

function connect(session) {
  const form = document.getElementById('choices');
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    compute(session);
  });
  element('spectrum-compute').addEventListener('click', () => compute(session, 'spectrum'));
  element('clear').addEventListener('click', () => {
    session.clear();
    showMessage('');
    showGraphs(session);
    fillMagnitudes('', '', undefined);  // the comparison follows the graph
  });
  const views = () => {
    session.setViews(element('free-electron').checked, element('per-solid-angle').checked);
    showGraphs(session);
  };
  element('free-electron').addEventListener('change', views);
  element('per-solid-angle').addEventListener('change', views);
  element('magnitudes-toggle').addEventListener('change', () => showMagnitudes(session));
  const modeChanged = () => { document.getElementById('tube').disabled = chosen('mode') !== 'spectrum'; };
  for (const mode of document.querySelectorAll('[data-role="mode"]')) mode.addEventListener('change', modeChanged);
  const kindChanged = () => { element('kind-heading').textContent = kindHeadings[chosen('kind')]; };
  for (const kind of document.querySelectorAll('[data-role="kind"]')) kind.addEventListener('change', kindChanged);
  modeChanged();
  kindChanged();
  connectDownloads(session, '', 'angle');
  connectDownloads(session, 'spectrum-', 'spectrum');
  connectSlidesAndPalette(session, () => showGraphs(session));
  connectExplanations();
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

function listMaterials(session) {
  const select = element('material');
  for (const material of session.materials()) {
    const option = new Option(material.name, material.name);
    if (material.alias) option.title = material.alias;
    select.add(option);
  }
}

async function start() {
  const module = await createTervolin();
  const session = new module.Session('/data');
  listMaterials(session);
  listQualities(session);
  connect(session);
  showGraphs(session);
  showMessage(session.startProblem());
  element('compute').disabled = false;
  // How long the page took from its start to its first graph, for the record.
  window.tervolinFirstGraphMs = performance.now();
}

start();
