// The graphs' slides (16:9, with the legend and a title line) and the
// colour-vision-safe palette: the pictures come from the library's one layout, as
// the screens save them.

const element = (role) => document.querySelector(`[data-role="${role}"]`);

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

// The SVG at its own size (a slide's 1920 × 1080) on a white canvas.
function downloadPng(svg, name) {
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  image.onload = () => {
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.fillStyle = '#fff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    URL.revokeObjectURL(url);
    canvas.toBlob((png) => download(png, 'image/png', name));
  };
  image.src = url;
}

// The slide buttons of a graph (prefix '' for the angular graph, 'spectrum-' for the
// spectrum's), and the palette's checkbox, which draws the curves anew: `redraw`
// shows the graphs again.
export function connectSlidesAndPalette(session, redraw) {
  for (const [prefix, graph] of [['', 'angle'], ['spectrum-', 'spectrum']]) {
    const stem = () => `${session[`${graph}FileStem`]()}_slide`;
    element(`${prefix}download-slide-svg`)?.addEventListener('click', () =>
      download(session[`${graph}SlideSvg`](), 'image/svg+xml', `${stem()}.svg`));
    element(`${prefix}download-slide-png`)?.addEventListener('click', () =>
      downloadPng(session[`${graph}SlideSvg`](), `${stem()}.png`));
  }
  const palette = element('palette');
  palette.addEventListener('change', () => {
    session.setPalette(palette.checked);
    document.body.classList.toggle('colour-vision-safe', palette.checked);
    redraw();
  });
}
