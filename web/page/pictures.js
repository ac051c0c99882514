// The graphs in the page: the library's SVG pictures put in their boxes, a new curve
// added to what a box shows, the legends that are the graphs' text alternatives, and
// the pictures saved as SVG or PNG.

const svgNamespace = 'http://www.w3.org/2000/svg';
// The smallest text a phone shows (CSS pixels); a picture whose smallest text would
// be smaller keeps a width that holds it, and its box scrolls.
const smallestTextPx = 12;

// The window font's widths, as the polar diagram and magnitudes graph place their
// texts (the binding's window font: 12 px).
export function windowFontMeasure() {
  const context = document.createElement('canvas').getContext('2d');
  context.font = "12px Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif";
  return (text) => context.measureText(text).width;
}

// The width a picture of `width` pixels needs for its smallest text to stay legible.
function legibleWidth(width, smallestPx) {
  return Math.ceil(width * Math.max(1, smallestTextPx / smallestPx));
}

// The picture `svg` (SVG text) as the box's whole content.
export function showPicture(box, svg) {
  box.innerHTML = svg;
  const picture = box.firstElementChild;
  const sizes = [...picture.querySelectorAll('text')].map((t) => Number(t.getAttribute('font-size')));
  const smallest = Math.min(...sizes.filter((size) => size > 0), smallestTextPx);
  picture.style.setProperty('--legible-width', `${legibleWidth(Number(picture.getAttribute('width')), smallest)}px`);
}

// The elements of a curve (SVG text) added over the picture the box shows, in
// transparent layers of a few curves each laid over it: the browser then paints
// only the layer that changed, however many curves lie below.
const curvesPerLayer = 40;
export function addToPicture(box, elements) {
  let layer = box.lastElementChild;
  if (layer === box.firstElementChild || Number(layer.dataset.curves) >= curvesPerLayer) {
    layer = box.firstElementChild.cloneNode(false);
    layer.classList.add('layer');
    layer.setAttribute('aria-hidden', 'true');
    layer.dataset.curves = 0;
    box.append(layer);
  }
  layer.insertAdjacentHTML('beforeend', elements);
  layer.dataset.curves = Number(layer.dataset.curves) + 1;
}

// An image whose smallest text is given in its data-smallest-text keeps its width
// legible in the same way.
export function keepImagesLegible(root) {
  for (const image of root.querySelectorAll('img[data-smallest-text]')) {
    const width = legibleWidth(Number(image.getAttribute('width')), Number(image.dataset.smallestText));
    image.style.setProperty('--legible-width', `${width}px`);
  }
}

// A short line in the curve's colour and style, as on the graph: a small picture as
// the background of a span, which the browser draws once for all rows alike.
function swatchOf(row) {
  const dashes = row.dashes ? ` stroke-dasharray="${row.dashes}"` : '';
  const line = `<svg xmlns="${svgNamespace}" viewBox="0 0 28 4" width="28" height="4">`
    + `<line x1="0" y1="2" x2="28" y2="2" stroke="${row.colour}" stroke-width="2"${dashes}/></svg>`;
  const swatch = document.createElement('span');
  swatch.className = 'swatch';
  swatch.setAttribute('aria-hidden', 'true');
  swatch.style.backgroundImage = `url("data:image/svg+xml,${encodeURIComponent(line)}")`;
  return swatch;
}

// A legend row: the curve's swatch, title and note (its peak).
export function legendItem(row) {
  const item = document.createElement('li');
  item.append(swatchOf(row), [row.title, row.note, row.figures].filter((t) => t).join('  '));
  return item;
}

// The graph's accessible name: what it is and how many curves it shows.
export function nameGraph(box, name, count) {
  box.setAttribute('aria-label', `${name}: ${count}`);
}

export function download(bytes, type, name) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The SVG drawn at `scale` times its size (twice, or a slide's own 1920 × 1080) on a
// white canvas.
export function downloadPng(svg, name, scale = 2) {
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  image.onload = () => {
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth * scale;
    canvas.height = image.naturalHeight * scale;
    const context = canvas.getContext('2d');
    context.fillStyle = '#fff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    URL.revokeObjectURL(url);
    canvas.toBlob((png) => download(png, 'image/png', name));
  };
  image.src = url;
}

// A picture inside the page as a file of its own.
export const svgFile = (picture) => `<?xml version="1.0" encoding="UTF-8"?>\n${picture}`;
