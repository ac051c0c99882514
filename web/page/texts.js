// The page's own words in each language, by key: an element's text comes from its
// data-text key, its accessible name (aria-label, or alt of an image) from its
// data-label key. The library's texts (messages, legends, the graphs' words) come
// from the session. A third language is one more entry here.

export const texts = {
  ja: {
    imageFolder: 'images/',
    title: 'Tervolin — 散乱角度の確率密度分布',
    heading: '散乱角度の確率密度分布',
    subtitle: '干渉性散乱（レイリー散乱）・非干渉性散乱（コンプトン散乱） — Tervolin',
    languageLabel: '表示言語',
    kindLegend: '散乱の種類', coherent: '干渉性散乱', incoherent: '非干渉性散乱', total: '合計',
    energyLegend: '光子エネルギー', single: '単一エネルギー', spectral: 'スペクトルＸ線',
    energyField: '光子エネルギー (keV)',
    tubeLegend: '照射条件', quality: '線質（IEC 61267）', noQuality: 'なし', kv: 'Ｘ線管電圧', kvRange: '(30～150)',
    targetAngle: 'ターゲット角度', inherent: '固有ろ過（Al当量）', inherentRange: '(最小1mm)',
    al: 'アルミ付加フィルタ', cu: '銅付加フィルタ', rectification: '高電圧整流方式：定電圧',
    spectrumCompute: 'スペクトル計算', material: '散乱体', chooseMaterial: '（選んでください）',
    colourLegend: '描画色', red: '赤色', darkgreen: '濃緑色', blue: '青色',
    compute: '計算・描画', clear: 'グラフ消去',
    viewsLegend: '表示', freeElectron: '自由電子の曲線を重ねる', perSolidAngle: '立体角あたりで表示',
    polar: '極座標で表示', magnitudes: '散乱の大きさを比較', logarithmic: '縦軸を対数で表示',
    coherentSheet: '干渉性散乱の式', incoherentSheet: '非干渉性散乱の式',
    spectralSheet: 'スペクトルＸ線に対する計算方法', dataSource: 'データ出典',
    shareLink: 'この設定のリンクをコピー', linkCopied: 'この設定のリンクをコピーしました',
    linkNotCopied: 'コピーできませんでした。アドレス欄のリンクをお使いください',
    angleTitle: '散乱角度の確率密度分布', polarTitle: '極座標で表示', spectrumTitle: 'Ｘ線スペクトル（近似計算）',
    angleGraph: '散乱角度の確率密度分布のグラフ', polarGraph: '極座標のグラフ',
    magnitudeGraph: '散乱の大きさのグラフ', spectrumGraph: 'Ｘ線スペクトルのグラフ',
    curves: (n) => `曲線 ${n} 本`, spectra: (n) => `スペクトル ${n} 本`,
    angleSvg: 'グラフを SVG で保存', anglePng: 'グラフを PNG で保存', angleCsv: '曲線を CSV で保存',
    polarSvg: '極座標のグラフを SVG で保存', polarPng: '極座標のグラフを PNG で保存',
    magnitudeSvg: '散乱の大きさのグラフを SVG で保存', magnitudePng: '散乱の大きさのグラフを PNG で保存',
    spectrumSvg: 'スペクトルのグラフを SVG で保存', spectrumPng: 'スペクトルのグラフを PNG で保存',
    spectrumCsv: 'スペクトルを CSV で保存', spectrumClear: 'スペクトル消去',
    commonScale: 'スペクトルを共通の尺度で表示',
    palette: '色覚に配慮した配色', slideSvg: 'スライド用 16:9 SVG', slidePng: 'スライド用 16:9 PNG',
    angleSlideSvg: 'グラフをスライド用 16:9 SVG で保存', angleSlidePng: 'グラフをスライド用 16:9 PNG で保存',
    spectrumSlideSvg: 'スペクトルのグラフをスライド用 16:9 SVG で保存',
    spectrumSlidePng: 'スペクトルのグラフをスライド用 16:9 PNG で保存',
    share: '割合 (%)',
    magnitudesNote: '形は散乱角度の確率密度分布、大きさは物質の断面積表から（単一エネルギーではその値、スペクトルでは光子数で重みをつけた平均）',
    close: '閉じる',
    coherentSheetTitle: '干渉性散乱（レイリー散乱）', incoherentSheetTitle: '非干渉性散乱（コンプトン散乱）',
    coherentFormula: '干渉性散乱の微分断面積の式', incoherentFormula: '非干渉性散乱の微分断面積の式',
    spectralFormula: 'スペクトルＸ線についての微分断面積の式', cone: '散乱の円錐',
    formulaLeft: '左に示した式', formulaAbove: '上に示した式',
    sheetMethod: 'を用いて 散乱角度 1 度～180 度まで、1 度間隔で 微分断面積を計算する。各散乱角の微分断面積を、最大値で正規化し 散乱角度の確率密度分布をグラフ表示する。',
    coherentTables: '各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる',
    incoherentTables: '各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる',
    sourceTitle: 'データの出典',
  },
  en: {
    imageFolder: 'images/en/',
    title: 'Tervolin — angular distribution of scattering',
    heading: 'Angular distribution of scattering',
    subtitle: 'Coherent (Rayleigh) and incoherent (Compton) scattering — Tervolin',
    languageLabel: 'Language',
    kindLegend: 'Kind of scattering', coherent: 'Coherent scattering', incoherent: 'Incoherent scattering',
    total: 'Total',
    energyLegend: 'Photon energy', single: 'Single energy', spectral: 'X-ray spectrum',
    energyField: 'Photon energy (keV)',
    tubeLegend: 'Exposure', quality: 'Quality (IEC 61267)', noQuality: 'none', kv: 'Tube voltage', kvRange: '(30–150)',
    targetAngle: 'Target angle', inherent: 'Inherent filtration (Al eq.)', inherentRange: '(min. 1 mm)',
    al: 'Added aluminium filter', cu: 'Added copper filter', rectification: 'High voltage: constant potential',
    spectrumCompute: 'Compute spectrum', material: 'Scatterer', chooseMaterial: '(choose one)',
    colourLegend: 'Colour', red: 'Red', darkgreen: 'Dark green', blue: 'Blue',
    compute: 'Compute and draw', clear: 'Clear graph',
    viewsLegend: 'View', freeElectron: 'Add free-electron curves', perSolidAngle: 'Per solid angle',
    polar: 'Polar diagram', magnitudes: 'Compare magnitudes of scattering', logarithmic: 'Logarithmic value axis',
    coherentSheet: 'Coherent scattering formula', incoherentSheet: 'Incoherent scattering formula',
    spectralSheet: 'Method for X-ray spectra', dataSource: 'Data source',
    shareLink: 'Copy link to this setup', linkCopied: 'The link to this setup is copied',
    linkNotCopied: 'Could not copy: please use the link in the address bar',
    angleTitle: 'Angular distribution of scattering', polarTitle: 'Polar diagram', spectrumTitle: 'X-ray spectrum (approximation)',
    angleGraph: 'Graph of the angular distribution', polarGraph: 'Polar diagram',
    magnitudeGraph: 'Graph of the magnitudes of scattering', spectrumGraph: 'Graph of the X-ray spectra',
    curves: (n) => `${n} curve${n === 1 ? '' : 's'}`, spectra: (n) => `${n} spectr${n === 1 ? 'um' : 'a'}`,
    angleSvg: 'Save the graph as SVG', anglePng: 'Save the graph as PNG', angleCsv: 'Save the curves as CSV',
    polarSvg: 'Save the polar diagram as SVG', polarPng: 'Save the polar diagram as PNG',
    magnitudeSvg: 'Save the magnitudes graph as SVG', magnitudePng: 'Save the magnitudes graph as PNG',
    spectrumSvg: 'Save the spectrum graph as SVG', spectrumPng: 'Save the spectrum graph as PNG',
    spectrumCsv: 'Save the spectra as CSV', spectrumClear: 'Clear spectra',
    commonScale: 'Spectra on a common scale',
    palette: 'Colours safe for colour-vision deficiency', slideSvg: '16:9 slide SVG', slidePng: '16:9 slide PNG',
    angleSlideSvg: 'Save the graph as 16:9 slide SVG', angleSlidePng: 'Save the graph as 16:9 slide PNG',
    spectrumSlideSvg: 'Save the spectrum graph as 16:9 slide SVG',
    spectrumSlidePng: 'Save the spectrum graph as 16:9 slide PNG',
    share: 'Share (%)',
    magnitudesNote: 'Shape from the angular distribution, size from the material’s cross-section table (at one energy its value, over a spectrum the photon-weighted mean)',
    close: 'Close',
    coherentSheetTitle: 'Coherent (Rayleigh) scattering', incoherentSheetTitle: 'Incoherent (Compton) scattering',
    coherentFormula: 'Differential cross section of coherent scattering',
    incoherentFormula: 'Differential cross section of incoherent scattering',
    spectralFormula: 'Differential cross section for an X-ray spectrum', cone: 'The cone of scattering',
    formulaLeft: 'The formula on the left', formulaAbove: 'The formula above',
    sheetMethod: ' gives the differential cross section at scattering angles from 1° to 180° in steps of 1°. Each is divided by the largest, and the graph shows this angular distribution.',
    coherentTables: 'The form factors of each material can be made from xraylib with the tervolin-tables tool.',
    incoherentTables: 'The incoherent scattering functions of each material can be made from xraylib with the tervolin-tables tool.',
    sourceTitle: 'Data source',
  },
};

// The page's language: the address's lang when it names one, else the first of the
// browser's languages that is Japanese or English, else English. Only the languages
// the page has count, never what every object inherits ("constructor", "__proto__").
export function languageOf(asked, browserLanguages) {
  const has = (language) => Object.prototype.hasOwnProperty.call(texts, language);
  if (has(asked)) return asked;
  for (const tag of browserLanguages) {
    const language = tag.toLowerCase().split('-')[0];
    if (has(language)) return language;
  }
  return 'en';
}

// Every element with data-text or data-label in `root` in the language's words.
export function applyTexts(root, language) {
  const words = texts[language];
  root.documentElement.lang = language;
  for (const element of root.querySelectorAll('[data-text]')) element.textContent = words[element.dataset.text];
  for (const element of root.querySelectorAll('[data-label]')) {
    element.setAttribute(element.tagName === 'IMG' ? 'alt' : 'aria-label', words[element.dataset.label]);
  }
  for (const image of root.querySelectorAll('img[data-image]')) image.src = words.imageFolder + image.dataset.image;
  return words;
}
