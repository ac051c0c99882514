// The page's language and its own words: an element's text comes from its data-text
// key, its accessible name (aria-label, or alt of an image) from its data-label key.
// The words come from the library's catalogue by way of texts.js, which the build
// writes (web/page_texts.cpp); the library's other texts (messages, legends, the
// graphs' words) come from the session.
import { texts } from './texts.js';

// The folder of each language's formula sheets.
const imageFolders = { ja: 'images/', en: 'images/en/' };

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

// A language's words by key; a counted word ([for one, for others]) as a function of
// the count.
function wordsOf(language) {
  const words = { imageFolder: imageFolders[language] };
  for (const [key, text] of Object.entries(texts[language])) {
    words[key] = Array.isArray(text) ? (n) => text[n === 1 ? 0 : 1].replaceAll('{1}', n) : text;
  }
  return words;
}

// Every element with data-text or data-label in `root` in the language's words.
export function applyTexts(root, language) {
  const words = wordsOf(language);
  root.documentElement.lang = language;
  for (const element of root.querySelectorAll('[data-text]')) element.textContent = words[element.dataset.text];
  for (const element of root.querySelectorAll('[data-label]')) {
    element.setAttribute(element.tagName === 'IMG' ? 'alt' : 'aria-label', words[element.dataset.label]);
  }
  for (const image of root.querySelectorAll('img[data-image]')) image.src = words.imageFolder + image.dataset.image;
  return words;
}
