// SPDX-License-Identifier: GPL-2.0-or-later
// The page's language in a real browser: an English browser gets the English
// game and page on its first visit; the language button starts the game
// again in Korean, the browser keeps that choice, and the button leads back.
// And before the game has come at all (its download held back), an English
// browser's page shows no Korean, nor while it loads.
//   node browser_language.js SITE_DIR [WORK_DIR (the screenshot of the loading page)]
const path = require('path');
const { chromium } = require('playwright-core');
const { serveSite } = require('./site_server.js');

const hangul = /[\u1100-\u11ff\u3130-\u318f\uac00-\ud7a3]/;

function fail(text) { throw new Error(text); }

// The page once the game has said its language: its lang, and every text
// and title of its tool bar.
async function pageLanguage(page) {
  await page.locator('#kxs-language:not([hidden])').waitFor({ timeout: 60000 });
  return page.evaluate(() => ({
    lang: document.documentElement.lang,
    texts: [...document.querySelectorAll('#kxs-tools button, #kxs-turn')].flatMap((e) => [e.textContent, e.title]),
    kept: localStorage.getItem('kxs-language'),
  }));
}

// The page's texts as the player sees them (the status and toast among them).
const shownTexts = (page) => page.evaluate(() => [document.title, document.body.innerText]);

async function loadingInEnglish(browser, url, work) {
  const context = await browser.newContext({ locale: 'en-US', viewport: { width: 1280, height: 960 } });
  try {
    const page = await context.newPage();
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/kxs.wasm', (route) => held.then(() => route.continue()));
    await page.route('**/kxs.data', (route) => held.then(() => route.continue()));
    // The first moment the page can be seen, then a while into the loading.
    await page.goto(url, { waitUntil: 'commit' });
    await page.waitForFunction(() => document.body && document.getElementById('kxs-turn'));
    const first = await shownTexts(page);
    await page.waitForTimeout(1000);
    const loading = await shownTexts(page);
    const status = await page.locator('#kxs-status').innerText();
    await page.screenshot({ path: path.join(work, 'english-loading.png') });
    release();
    for (const [when, texts] of [['first shown', first], ['loading', loading]]) {
      if (texts.some((t) => hangul.test(t))) fail('Korean on the English page when ' + when + ': ' + JSON.stringify(texts));
    }
    if (!/^(Loading|Downloading)\.\.\.$/.test(status)) fail('the English loading page says ' + JSON.stringify(status));
  } finally {
    await context.close();
  }
}

async function main() {
  const { server, url } = await serveSite(path.resolve(process.argv[2]));
  const browser = await chromium.launch({ executablePath: process.env.KXS_CHROMIUM || '/usr/bin/chromium',
    headless: true, args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run'] });
  try {
    await loadingInEnglish(browser, url, path.resolve(process.argv[3] || '.'));
    const context = await browser.newContext({ locale: 'en-GB', viewport: { width: 1280, height: 960 } });
    const page = await context.newPage();
    page.on('dialog', (d) => d.accept());  // "the game starts over"
    await page.goto(url);
    let seen = await pageLanguage(page);
    if (seen.lang !== 'en' || seen.kept !== null) fail('an English browser did not get English: ' + JSON.stringify(seen));
    const korean = seen.texts.filter((t) => hangul.test(t) && t !== '한국어');
    if (korean.length) fail('Korean left on the English page: ' + korean.join(', '));
    for (const [lang, kept] of [['ko', 'ko'], ['en', 'en']]) {
      await Promise.all([page.waitForEvent('load'), page.locator('#kxs-language').click()]);
      seen = await pageLanguage(page);
      if (seen.lang !== lang || seen.kept !== kept) fail('the button did not switch to ' + lang + ': ' + JSON.stringify(seen));
    }
    console.log('an English browser loads and plays in English, and the language button switches and is kept');
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => { console.error('FAILED: ' + error.message); process.exit(1); });
