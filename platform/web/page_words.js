// SPDX-License-Identifier: GPL-2.0-or-later
// The page's own texts in the player's language before the game is loaded:
// the build writes each catalogue's translations of them below (kxs-words.js,
// by make_page_words.js). Loaded in the head, so that an English browser
// never shows the Korean of the page; page.js translates the page at once
// and takes the game's own word on the language once it is running.
var KXS_PAGE = (function () {
  'use strict';
  const Catalogues = /* @KXS_PAGE_WORDS@ */ {};
  const Korean = 'ko';
  const LanguageKey = 'kxs-language';

  function userLocale() { return (navigator.languages && navigator.languages[0]) || navigator.language || ''; }
  function chosenLanguage() {
    try { return localStorage.getItem(LanguageKey) || ''; } catch (e) { return ''; }
  }
  const known = (code) => code === Korean || Object.prototype.hasOwnProperty.call(Catalogues, code);
  // As the game picks it (StartInLanguage): the choice kept from the
  // language button, else the browser's language with or without its
  // region, else Korean.
  function pickLanguage() {
    const choice = chosenLanguage();
    if (known(choice)) return choice;
    const name = userLocale().split(/[.@]/)[0].replace(/-/g, '_');
    if (known(name)) return name;
    const base = name.split('_')[0];
    return name.includes('_') && known(base) ? base : Korean;
  }

  let language = pickLanguage();
  const words = () => Catalogues[language] || {};
  // A Korean text of the page in the page's language, when the catalogue has it.
  function find(text) {
    const w = words();
    return Object.prototype.hasOwnProperty.call(w, text) ? w[text] : null;
  }
  // The static texts and titles of the page, from their Korean (kept on each
  // node, so that a later language starts from it too).
  function translatePage(tr) {
    document.documentElement.lang = language;
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.kxsKorean === undefined) node.kxsKorean = node.nodeValue;
      const text = node.kxsKorean.trim();
      if (text) node.nodeValue = node.kxsKorean.replace(text, tr(text));
    }
    for (const e of document.querySelectorAll('[title]')) {
      if (e.kxsKorean === undefined) e.kxsKorean = e.title;
      e.title = tr(e.kxsKorean);
    }
    document.documentElement.classList.remove('kxs-translating');
  }
  // The page stays unseen until its texts are translated: by page.js, or
  // here once the page is parsed should the game's script not come.
  if (language !== Korean) {
    document.documentElement.lang = language;
    document.documentElement.classList.add('kxs-translating');
    document.addEventListener('DOMContentLoaded', () => {
      if (document.documentElement.classList.contains('kxs-translating')) translatePage((t) => find(t) || t);
    });
  }

  return {
    languageKey: LanguageKey, userLocale: userLocale, chosenLanguage: chosenLanguage,
    language: () => language,
    setLanguage: (code) => { language = code; },
    find: find, translatePage: translatePage,
  };
})();
