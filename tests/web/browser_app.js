// The web build as the page around the game: without the browser's storage
// (none, or refused) the game plays and a save says it was not kept; without
// Web Locks a second tab is still refused; F11 and F12 stay the browser's and
// Escape in full screen only leaves it; on a phone the HTML buttons are
// finger-sized and the tool bar stays off the picture; a new deployment is
// offered and taken with a reload.
//   node browser_app.js SITE_DIR REF_DIR WORK_DIR SEED   (as browser_game.js)
'use strict';
const path = require('path');
const { chromium } = require('playwright-core');
const { serveSite } = require('./site_server.js');
const g = require('./browser_game.js');

// A new game saved in a browser whose storage is taken away by SCRIPT.
async function saveWithoutStorage(browser, url, name, script) {
  const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
  await g.seedClock(context);
  await context.addInitScript(script);
  const page = await g.openGame(context, url);
  await g.toMainMenu(page);
  await g.toCommandMenu(page);
  await g.click(page, 300, 200);
  const said = await g.answerBox(page, '확인');
  if (/저장했습니다/.test(said) || !/저장할수 없습니다|저장하지 못했습니다|확인할수 없습니다/.test(said)) {
    g.fail(name + ': the save said "' + said + '"');
  }
  const frames = await page.evaluate(() => KXS.stats.frames);
  await page.waitForFunction((n) => KXS.stats.frames > n + 30, frames, { timeout: 10000 });
  g.log(name + ': the game plays and says that the save was not kept');
  await context.close();
}

async function keysAndSecondTab(browser, url) {
  const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
  await context.addInitScript(() => { delete Navigator.prototype.locks; });
  const page = await g.openGame(context, url);
  await page.waitForFunction(() => KXS.stats.frames > 0, null, { timeout: 30000 });
  if (await page.evaluate(() => 'locks' in navigator)) g.fail('navigator.locks is still there');
  const second = await g.openGame(context, url);
  await second.locator('.kxs-box', { hasText: '이미 실행중입니다' }).waitFor({ timeout: 20000 });
  await g.answerBox(second, '확인');
  await second.locator('#kxs-ended').waitFor({ state: 'visible', timeout: 5000 });
  await second.close();
  g.log('without Web Locks a second tab is refused');

  // Which keys the page takes from the browser.
  await page.evaluate(() => {
    window.kxsTestPrevented = {};
    window.addEventListener('keydown', (e) => { window.kxsTestPrevented[e.code] = e.defaultPrevented; });
  });
  for (const key of ['F7', 'F11', 'F12']) await page.keyboard.press(key);
  const prevented = await page.evaluate(() => window.kxsTestPrevented);
  if (prevented.F7 !== true || prevented.F11 !== false || prevented.F12 !== false) {
    g.fail('keys taken from the browser: ' + JSON.stringify(prevented));
  }
  await page.click('#kxs-fullscreen');
  await page.waitForFunction(() => !!document.fullscreenElement, null, { timeout: 5000 });
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.fullscreenElement, null, { timeout: 5000 });
  const frames = await page.evaluate(() => KXS.stats.frames);
  await page.waitForFunction((n) => KXS.stats.frames > n + 30, frames, { timeout: 10000 });
  if (await page.locator('#kxs-ended').isVisible()) g.fail('Escape in full screen ended the game');
  g.log('F11 and F12 stay the browser\'s; Escape in full screen only leaves it');

  // Out of full screen Escape quits, and the claim goes with the game.
  await page.waitForTimeout(600);
  await page.keyboard.press('Escape');
  await page.locator('#kxs-ended').waitFor({ state: 'visible', timeout: 10000 });
  const after = await g.openGame(context, url);
  await after.waitForFunction(() => KXS.stats.frames > 30, null, { timeout: 30000 });
  if (await after.locator('.kxs-box').count()) g.fail('a tab after the end is refused');
  g.log('the heartbeat claim ends with the game');
  await context.close();
}

// Rectangles of SELECTOR's elements in CSS pixels.
function rects(page, selector) {
  return page.$$eval(selector, (all) => all.map((e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, w: r.width, h: r.height }; }));
}
function overlap(a, b) { return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h; }
async function toolBarOffThePicture(page, name) {
  const [screen] = await rects(page, '#kxs-screen');
  for (const tool of await rects(page, '#kxs-tools button')) {
    if (overlap(tool, screen)) g.fail(name + ': the tool bar covers the picture');
  }
}
// Buttons at least 44 CSS pixels high, 8 apart in a row or a column.
function fingerSized(buttons, name) {
  if (!buttons.length) g.fail(name + ': no buttons');
  for (const b of buttons) if (b.h < 43.5) g.fail(name + ': a button ' + b.w.toFixed(0) + 'x' + b.h.toFixed(0) + ' CSS px');
  for (const a of buttons) {
    for (const b of buttons) {
      if (a === b) continue;
      const apart = Math.max(b.x - (a.x + a.w), a.x - (b.x + b.w), b.y - (a.y + a.h), a.y - (b.y + b.h));
      if (apart < 7.5) g.fail(name + ': buttons closer than 8 CSS px');
    }
  }
}

async function touchScreen(browser, url) {
  const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true,
    deviceScaleFactor: 3 });
  const page = await g.openGame(context, url);
  await page.waitForFunction(() => KXS.stats.frames > 0, null, { timeout: 30000 });
  if (!(await page.evaluate(() => matchMedia('(pointer: coarse)').matches))) g.fail('no touch screen emulated');
  await toolBarOffThePicture(page, 'portrait');
  const tap = async (x, y) => {
    const r = (await rects(page, '#kxs-screen'))[0];
    await page.touchscreen.tap(r.x + (x + 0.5) * r.w / 640, r.y + (y + 0.5) * r.h / 480);
  };
  await tap(300, 240);
  await page.waitForTimeout(500);
  // After a tap the game draws no pointer of its own; a mouse there does
  // (the 16x16 pixels under it, away from the menu's buttons).
  const canvasBytes = async () => {
    const frames = await page.evaluate(() => KXS.stats.frames);
    await page.waitForFunction((n) => KXS.stats.frames > n + 5, frames);
    return page.evaluate(() => {
      const c = document.getElementById('kxs-screen');
      return Array.from(c.getContext('2d').getImageData(20, 460, 16, 16).data).join();
    });
  };
  await tap(20, 460);
  const tapped = await canvasBytes();
  const r = (await rects(page, '#kxs-screen'))[0];
  await page.mouse.move(r.x + 20.5 * r.w / 640, r.y + 460.5 * r.h / 480);
  if ((await canvasBytes()) === tapped) g.fail('no pointer drawn for the mouse, or one drawn after a tap');
  await tap(20, 460);
  if ((await canvasBytes()) !== tapped) g.fail('a pointer is drawn after a tap');
  await tap(300, 240);
  await page.locator('.kxs-dialog').waitFor({ timeout: 30000 });
  fingerSized(await rects(page, '.kxs-dialog .kxs-button'), 'the name dialog');
  await page.locator('.kxs-dialog .kxs-button.kxs-default').tap();
  await page.locator('.kxs-box').waitFor({ timeout: 5000 });
  fingerSized(await rects(page, '.kxs-box .kxs-button'), 'a box');
  await page.screenshot({ path: path.join(g.work, 'touch-portrait.png') });
  await page.setViewportSize({ width: 844, height: 390 });
  await page.waitForTimeout(300);
  await toolBarOffThePicture(page, 'landscape');
  fingerSized(await rects(page, '.kxs-box .kxs-button'), 'a box in landscape');
  await page.screenshot({ path: path.join(g.work, 'touch-landscape.png') });
  await page.locator('.kxs-box .kxs-button').first().tap();
  await page.locator('.kxs-box').waitFor({ state: 'detached', timeout: 5000 });
  fingerSized(await rects(page, '.kxs-dialog .kxs-button'), 'the name dialog in landscape');
  await page.screenshot({ path: path.join(g.work, 'touch-dialog-landscape.png') });
  g.log('on a touch screen the buttons fit a finger and the tool bar is off the picture');
  await context.close();
}

// A new deployment (here: a new version in the service worker) is offered
// at the next start, and taking it reloads the page under the new worker.
async function newDeployment(browser) {
  const fs = require('fs');
  const copy = path.join(g.work, 'site-copy');
  fs.rmSync(copy, { recursive: true, force: true });
  fs.cpSync(path.resolve(g.site), copy, { recursive: true });
  const { server, url } = await serveSite(copy);
  const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
  try {
    const page = await g.openGame(context, url);
    const controlled = () => page.waitForFunction(() => !!navigator.serviceWorker.controller, null, { timeout: 30000 });
    await controlled();
    const worker = path.join(copy, 'kxs-sw.js');
    fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/const Version = '([^']*)'/, "const Version = '$1-next'"));
    await page.reload();
    await page.locator('#kxs-update').waitFor({ state: 'visible', timeout: 30000 });
    await Promise.all([page.waitForNavigation({ timeout: 30000 }), page.click('#kxs-update-reload')]);
    await controlled();
    const names = await page.evaluate(() => caches.keys());
    if (names.length !== 1 || !/-next$/.test(names[0])) g.fail('the caches after the new deployment: ' + names.join(', '));
    await page.waitForFunction(() => KXS.stats.frames > 0, null, { timeout: 30000 });
    g.log('a new deployment is offered and taken with a reload');
  } finally {
    await context.close();
    server.close();
  }
}

async function main() {
  const { server, url } = await serveSite(path.resolve(g.site));
  const browser = await chromium.launch({
    executablePath: process.env.KXS_CHROMIUM || '/usr/bin/chromium', headless: true, args: g.chromiumArgs });
  try {
    await saveWithoutStorage(browser, url, 'no IndexedDB', () => {
      Object.defineProperty(window, 'indexedDB', { value: undefined, configurable: true });
    });
    await saveWithoutStorage(browser, url, 'IndexedDB refused', () => {
      IDBFactory.prototype.open = () => { throw new DOMException('refused', 'SecurityError'); };
    });
    await keysAndSecondTab(browser, url);
    await touchScreen(browser, url);
    await newDeployment(browser);
  } finally {
    await browser.close();
    server.close();
  }
}

main().then(() => g.log('passed'), (error) => { console.error('FAILED: ' + error.message); process.exit(1); });
