// The page's setup in its address. The parameters are named as the controls' data-role
// hooks; `views` lists the checked views, `lang` the language. Each curve drawn is
// one `curve` parameter holding the settings it was drawn with, themselves written
// as parameters (kind=incoherent&material=water&energy=60), in drawing order, in the
// address's fragment (#curve=…&curve=…): a browser never sends that to the server,
// whose limit on a request's length (64 KiB for Python's http.server) a link of a
// thousand curves would pass. Links that carry their curves in the query still open. A
// link without any `curve` but with a material draws the setup's own curve.

// The controls a setup is made of, by their hooks.
export const setupRoles = ['kind', 'mode', 'energy', 'kv', 'target-angle', 'inherent', 'al', 'cu', 'quality',
                           'material', 'colour'];
// The views the `views` parameter lists, and the hooks of their check boxes.
export const viewRoles = {
  'free-electron': 'free-electron', 'per-solid-angle': 'per-solid-angle', polar: 'polar-toggle',
  magnitudes: 'magnitudes-toggle', 'common-scale': 'spectrum-common-scale', logarithmic: 'magnitude-logarithmic',
};
// The settings that matter for a curve of each energy mode.
const curveRoles = {
  single: ['kind', 'mode', 'energy', 'material', 'colour'],
  spectrum: ['kind', 'mode', 'kv', 'target-angle', 'inherent', 'al', 'cu', 'quality', 'material', 'colour'],
};

// The settings among `roles` that `parameters` (URLSearchParams) gives.
function given(parameters, roles) {
  return Object.fromEntries(roles.filter((role) => parameters.has(role)).map((role) => [role, parameters.get(role)]));
}

// What an address's query and fragment ask for: {setup, views, language, curves},
// views a list or undefined when the address names none, curves a list of setups.
export function readAddress(search, fragment = '') {
  const parameters = new URLSearchParams(search);
  const setup = given(parameters, setupRoles);
  const drawn = parameters.getAll('curve').concat(new URLSearchParams(fragment.replace(/^#/, '')).getAll('curve'));
  const curves = drawn.map((curve) => given(new URLSearchParams(curve), setupRoles));
  if (curves.length === 0 && setup.material) curves.push(setup);
  const views = parameters.has('views') ? parameters.get('views').split(',').filter((v) => v) : undefined;
  return { setup, views, language: parameters.get('lang') ?? '', curves };
}

// A curve's settings worth keeping, as the value of its `curve` parameter: those its
// energy mode uses, a quality's fields left to the quality.
export function curveParameter(setup) {
  const roles = curveRoles[setup.mode === 'spectrum' ? 'spectrum' : 'single'];
  const quality = setup.quality ? ['kv', 'target-angle', 'inherent', 'al'] : [];
  const kept = roles.filter((role) => setup[role] && !quality.includes(role)).map((role) => [role, setup[role]]);
  return new URLSearchParams(kept).toString();
}

// The address of a setup, its checked views, language and drawn curves (their
// parameters).
export function addressOf(setup, views, language, curves) {
  const parameters = new URLSearchParams(Object.entries(setup).filter(([, value]) => value !== ''));
  if (views.length) parameters.set('views', views.join(','));
  parameters.set('lang', language);
  const fragment = curves.map((curve) => `curve=${encodeURIComponent(curve)}`).join('&');
  return `?${parameters}${fragment ? `#${fragment}` : ''}`;
}
