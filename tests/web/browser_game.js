// The web build played in Debian's Chromium, headless: the start picture, a
// key, the main menu, a new game with Korean names typed into the HTML
// dialog, the office, a day, the town, the job agency and a hire, a save
// through the command menu; the save downloaded and the headless build's
// brought in instead; then the page opened again, that game loaded from the
// main menu and the hired person found in the personnel screen, with the
// network off (the service worker's copy of the site).
// Every picture must equal the headless build's of the same moment pixel for
// pixel. The saved game is read back from IndexedDB, and a second tab must
// be refused.
//   node browser_game.js SITE_DIR REF_DIR WORK_DIR SEED
// REF_DIR holds NAME.rgb (640x480 RGB) for every picture.
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { serveSite } = require('./site_server.js');

const [site, refs, work, seed] = process.argv.slice(2);
const Width = 640, Height = 480;
const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--autoplay-policy=no-user-gesture-required'];
const started = Date.now();

function log(text) { console.log(((Date.now() - started) / 1000).toFixed(1).padStart(6) + ' s  ' + text); }
function fail(text) { throw new Error(text); }

async function canvasRgb(page) {
  const base64 = await page.evaluate(() => {
    const c = document.getElementById('kxs-screen');
    const rgba = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < rgba.length; i += 4) s += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
    return btoa(s);
  });
  return Buffer.from(base64, 'base64');
}

function differing(a, b) {
  if (a.length !== b.length) return Width * Height;
  let n = 0;
  for (let i = 0; i < a.length; i += 3) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++n;
  }
  return n;
}

// Clicks OK in any OK-only box the page shows (the notices a day brings).
async function answerOkBoxes(page) {
  const ok = page.locator('.kxs-box .kxs-button', { hasText: '확인' });
  if (await ok.count()) {
    log('box: ' + (await page.locator('.kxs-box .kxs-box-text').first().textContent()).replace(/\n/g, ' '));
    await ok.first().click();
    return true;
  }
  return false;
}

// Waits until the canvas equals the headless picture NAME.
async function expectPicture(page, name, seconds, options) {
  const ref = fs.readFileSync(path.join(refs, name + '.rgb'));
  const end = Date.now() + seconds * 1000;
  let diff = -1;
  for (;;) {
    if (options && options.okBoxes) await answerOkBoxes(page);
    const shot = await canvasRgb(page);
    diff = differing(shot, ref);
    if (diff === 0) break;
    if (Date.now() > end) {
      fs.writeFileSync(path.join(work, name + '.web.rgb'), shot);
      await page.screenshot({ path: path.join(work, name + '.web.png') });
      fail('the ' + name + ' picture is not the headless one: ' + diff + ' pixels differ');
    }
    await page.waitForTimeout(100);
  }
  log('picture ' + name + ' as the headless build draws it');
}

// Waits until the game has run a few frames: the game takes all waiting
// input in one frame, so a click must be taken before the pointer moves on.
async function settle(page) {
  const frames = await page.evaluate(() => KXS.stats.frames);
  await page.waitForFunction((n) => KXS.stats.frames >= n + 3, frames, { timeout: 10000 });
}

// Page coordinates of the game's logical point.
async function at(page, x, y) {
  const r = await page.locator('#kxs-screen').boundingBox();
  return [r.x + (x + 0.5) * r.width / Width, r.y + (y + 0.5) * r.height / Height];
}
async function move(page, x, y) { const p = await at(page, x, y); await page.mouse.move(p[0], p[1]); }
async function click(page, x, y) { const p = await at(page, x, y); await page.mouse.click(p[0], p[1]); }

// From the page's start to the main menu: the start picture with the
// pointer placed, then a key. The calendar runs on once the game has read it.
async function toMainMenu(page) {
  await page.waitForFunction(() => !document.getElementById('kxs-screen').hidden, null, { timeout: 30000 });
  await move(page, 101, 101);
  await move(page, 100, 100);
  await expectPicture(page, 'title', 20);
  await page.evaluate(() => window.kxsTestReleaseClock());
  await page.keyboard.press('Space');
  await expectPicture(page, 'menu', 10);
}

async function readStoredSave(page) {
  return page.evaluate(() => new Promise((resolve, reject) => {
    const open = indexedDB.open('/game/cur');
    open.onerror = () => reject(new Error('no IndexedDB database'));
    open.onsuccess = () => {
      try {
        const get = open.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/game/cur/kxs.sav');
        get.onsuccess = () => resolve(get.result ? Array.from(get.result.contents) : null);
        get.onerror = () => reject(new Error('no save entry'));
      } catch (e) {
        resolve(null);  // the store is made by the first write
      }
    };
  }));
}

async function openGame(context, url) {
  const page = await context.newPage();
  page.on('pageerror', (e) => log('page error: ' + e.message));
  page.on('response', (r) => { if (r.status() >= 400) log('HTTP ' + r.status() + ' ' + r.url()); });
  page.on('console', (m) => {
    // The test's own canvas reads draw a hint about readback speed.
    if ((m.type() === 'error' || m.type() === 'warning') && !/willReadFrequently/.test(m.text())) log('console: ' + m.text());
  });
  await page.goto(url);
  return page;
}

// The game seeds its random numbers from the calendar once, at start: the
// test gives it the headless run's seed, then lets time run on.
function seedClock(context) {
  return context.addInitScript((seconds) => {
    const realNow = Date.now;
    let fixed = true;
    Date.now = () => (fixed ? seconds * 1000 : realNow());
    window.kxsTestReleaseClock = () => { fixed = false; };
  }, Number(seed));
}

// From the main menu a new game with names typed, to the command menu.
async function toCommandMenu(page) {
  await click(page, 300, 240);
  await page.locator('.kxs-dialog').waitFor({ timeout: 30000 });
  await page.keyboard.type('홍길동');
  await page.keyboard.press('Tab');
  await page.keyboard.type('길동소프트');
  await page.keyboard.press('Enter');
  await page.waitForSelector('.kxs-dialog', { state: 'detached', timeout: 5000 });
  await move(page, 300, 240);
  await expectPicture(page, 'first', 20);
  await click(page, 560, 430);
  await expectPicture(page, 'office', 10);
  await click(page, 60, 180);
  await expectPicture(page, 'command', 10);
}

// The text of the box the page shows next, after taking its button LABEL.
async function answerBox(page, label) {
  const box = page.locator('.kxs-box').last();
  await box.waitFor({ timeout: 10000 });
  const text = await box.locator('.kxs-box-text').textContent();
  log('box: ' + text.replace(/\n/g, ' '));
  await box.locator('.kxs-button', { hasText: label }).click();
  await box.waitFor({ state: 'detached', timeout: 5000 });
  return text;
}

async function main() {
  const { server, url } = await serveSite(path.resolve(site));
  // A profile of its own in WORK_DIR (browser_test.sh starts it empty): a
  // browser context without one is private, which no site is installable in.
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
    executablePath: process.env.KXS_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    locale: 'ko-KR',
    args: chromiumArgs,
    viewport: { width: 1280, height: 960 },
  });
  try {
    await seedClock(context);
    const page = await openGame(context, url);
    await toMainMenu(page);

    await click(page, 300, 240);
    log('the intro plays');
    await page.locator('.kxs-dialog').waitFor({ timeout: 30000 });
    // Both fields empty: a box over the dialog says so; Enter answers it and
    // the focus is back in the field for the names.
    await page.keyboard.press('Enter');
    await page.locator('.kxs-box').waitFor({ timeout: 5000 });
    log('box: ' + (await page.locator('.kxs-box .kxs-box-text').textContent()));
    await page.keyboard.press('Enter');
    await page.locator('.kxs-box').waitFor({ state: 'detached', timeout: 5000 });
    const fields = page.locator('.kxs-dialog input');
    if (!(await fields.nth(0).evaluate((e) => e === document.activeElement))) fail('the name field lost the focus');
    await page.keyboard.type('홍길동');
    await page.keyboard.press('Tab');
    await page.keyboard.type('길동소프트');
    // A field takes no more than its bytes in Wansung: 30 syllables cannot fit.
    const long = await fields.nth(1).evaluate((e) => { e.value = '가'.repeat(30); e.dispatchEvent(new Event('input')); return e.value; });
    if (long.length >= 30) fail('the company field took ' + long.length + ' syllables');
    await fields.nth(1).fill('');
    await fields.nth(1).pressSequentially('길동소프트');
    await page.screenshot({ path: path.join(work, 'names.png') });
    await page.keyboard.press('Enter');
    await page.waitForSelector('.kxs-dialog', { state: 'detached', timeout: 5000 });
    await move(page, 300, 240);
    await expectPicture(page, 'first', 20);

    await click(page, 560, 430);
    await expectPicture(page, 'office', 10);
    await click(page, 15, 5);
    await expectPicture(page, 'office_day2', 30, { okBoxes: true });
    await click(page, 80, 30);
    await expectPicture(page, 'town', 20);
    await click(page, 300, 150);
    await expectPicture(page, 'agency', 30);
    await click(page, 100, 80);
    const ask = page.locator('.kxs-box');
    await ask.waitFor({ timeout: 5000 });
    const asked = await ask.locator('.kxs-box-text').textContent();
    log('box: ' + asked);
    await ask.locator('.kxs-button', { hasText: '예(Y)' }).click();
    await expectPicture(page, 'hired', 10);
    await click(page, 500, 440);
    // A day passes on the way back; its notices are answered.
    await expectPicture(page, 'office_day3', 30, { okBoxes: true });
    await click(page, 60, 180);
    await expectPicture(page, 'command', 10);
    await click(page, 300, 200);
    const saved = page.locator('.kxs-box', { hasText: '저장했습니다' });
    await saved.waitFor({ timeout: 10000 });
    await saved.locator('.kxs-button').click();
    log('saved');

    // The save reaches IndexedDB, and equals the headless build's but for
    // the clock readings it keeps.
    let stored = null;
    for (let i = 0; i < 50 && !stored; ++i) { stored = await readStoredSave(page); if (!stored) await page.waitForTimeout(100); }
    if (!stored) fail('the save is not in IndexedDB');
    fs.writeFileSync(path.join(work, 'web.sav'), Buffer.from(stored));
    log('the save is in IndexedDB: ' + stored.length + ' bytes');

    // The download button gives the stored bytes; a save brought in takes
    // their place: the headless build's own, which the page then loads.
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#kxs-download')]);
    const downloaded = fs.readFileSync(await download.path());
    if (!downloaded.equals(Buffer.from(stored))) fail('the downloaded save is not the stored one');
    // A file the game would not load is refused before anything is
    // written; a real save asks before it replaces the stored one.
    const randomFile = path.join(work, 'random.sav');
    fs.writeFileSync(randomFile, require('crypto').randomBytes(5000));
    await page.setInputFiles('#kxs-upload-file', randomFile);
    if (!/저장 파일이 아니거나/.test(await answerBox(page, '확인'))) fail('random bytes were not refused');
    await page.waitForTimeout(300);
    if (!Buffer.from(await readStoredSave(page)).equals(Buffer.from(stored))) fail('a refused file replaced the save');
    const headlessSave = fs.readFileSync(path.join(work, 'tree', 'cur', 'kxs.sav'));
    await page.setInputFiles('#kxs-upload-file', path.join(work, 'tree', 'cur', 'kxs.sav'));
    if (!/바꿀까요/.test(await answerBox(page, '바꾸기'))) fail('a save brought in was not asked about');
    for (let i = 0; i < 50; ++i) {
      const now = await readStoredSave(page);
      if (now && Buffer.from(now).equals(headlessSave)) break;
      if (i === 49) fail('the save brought in did not reach IndexedDB');
      await page.waitForTimeout(100);
    }
    log('the save downloads, and one brought in is stored');

    // A second tab of the same site is refused while the game runs.
    const second = await openGame(context, url);
    const refused = second.locator('.kxs-box', { hasText: '이미 실행중입니다' });
    await refused.waitFor({ timeout: 20000 });
    await refused.locator('.kxs-button').click();
    await second.locator('#kxs-ended').waitFor({ state: 'visible', timeout: 5000 });
    await second.close();
    log('a second tab is refused');

    // Chromium finds the site installable, and after this one visit the
    // service worker has it all: with the network off the page opens again
    // and the stored game loads from the main menu.
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    if (installabilityErrors.length) fail('not installable: ' + JSON.stringify(installabilityErrors));
    log('Chromium reports no installability errors');
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => new Promise((resolve) => {
      if (navigator.serviceWorker.controller) resolve();
      else navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
    })));
    await context.setOffline(true);
    await page.reload();
    await toMainMenu(page);
    await click(page, 300, 300);
    await expectPicture(page, 'loaded', 20);
    log('offline the page starts and the stored game loads');
    await click(page, 80, 120);
    await settle(page);
    await move(page, 500, 400);
    await expectPicture(page, 'personnel', 20);
    await page.screenshot({ path: path.join(work, 'personnel.png') });

    // Escape ends the game; the page says so.
    await page.keyboard.press('Escape');
    await page.locator('#kxs-ended').waitFor({ state: 'visible', timeout: 10000 });
    log('Escape ended the game');
    // The ended game holds no claim: another tab starts.
    const after = await openGame(context, url);
    await after.waitForFunction(() => KXS.stats.frames > 0, null, { timeout: 30000 });
    if (await after.locator('.kxs-box').count()) fail('a tab after the end is refused');
    log('a tab after the end starts');
  } finally {
    await context.close();
    server.close();
  }
}

module.exports = { log, fail, chromiumArgs, seedClock, openGame, toMainMenu, toCommandMenu, answerBox, click, move,
  expectPicture, readStoredSave, site, refs, work };

if (require.main === module) {
  main().then(() => log('passed'), (error) => { console.error('FAILED: ' + error.message); process.exit(1); });
}
