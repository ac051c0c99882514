// The page's setup in its address. The parameters are named as the controls' data-role
// hooks; `views` lists the checked views, `lang` the language. Each curve drawn is
// one `curve` parameter holding the settings it was drawn with, themselves written
// as parameters (kind=incoherent&material=water&energy=60), in drawing order. A
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

// What an address asks for: {setup, views, language, curves}, views a list or
// undefined when the address names none, curves a list of setups.
export function readAddress(search) {
  const parameters = new URLSearchParams(search);
  const setup = given(parameters, setupRoles);
  const curves = parameters.getAll('curve').map((curve) => given(new URLSearchParams(curve), setupRoles));
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
  const encoded = (text) => encodeURIComponent(text);
  return `?${parameters}${curves.map((curve) => `&curve=${encoded(curve)}`).join('')}`;
}
