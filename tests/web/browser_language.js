// The page's language in a real browser: an English browser gets the English
// game and page on its first visit; the language button starts the game
// again in Korean, the browser keeps that choice, and the button leads back.
//   node browser_language.js SITE_DIR
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

async function main() {
  const { server, url } = await serveSite(path.resolve(process.argv[2]));
  const browser = await chromium.launch({ executablePath: process.env.KXS_CHROMIUM || '/usr/bin/chromium',
    headless: true, args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run'] });
  try {
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
    console.log('an English browser plays in English, and the language button switches and is kept');
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => { console.error('FAILED: ' + error.message); process.exit(1); });
