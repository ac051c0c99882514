// The graphs' slides (16:9, with the legend and a title line) and the
// colour-vision-safe palette: the pictures come from the library's one layout, as
// the screens save them.

import { download, downloadPng } from './pictures.js';

const element = (role) => document.querySelector(`[data-role="${role}"]`);

// The slide buttons of a graph (prefix '' for the angular graph, 'spectrum-' for the
// spectrum's), and the palette's checkbox, which draws the curves anew: `redraw`
// shows the graphs again.
export function connectSlidesAndPalette(session, redraw) {
  for (const [prefix, graph] of [['', 'angle'], ['spectrum-', 'spectrum']]) {
    const stem = () => `${session[`${graph}FileStem`]()}_slide`;
    element(`${prefix}download-slide-svg`)?.addEventListener('click', () =>
      download(session[`${graph}SlideSvg`](), 'image/svg+xml', `${stem()}.svg`));
    element(`${prefix}download-slide-png`)?.addEventListener('click', () =>
      downloadPng(session[`${graph}SlideSvg`](), `${stem()}.png`, 1));
  }
  const palette = element('palette');
  palette.addEventListener('change', () => {
    session.setPalette(palette.checked);
    document.body.classList.toggle('colour-vision-safe', palette.checked);
    redraw();
  });
}
