// Figures of the web build in Debian's Chromium (measure.sh runs this):
// the time from navigation to the start picture, and the CPU that the
// browser's processes take while the game stands on the office.
//   node measure.js SITE_DIR
'use strict';
const fs = require('fs');
const { chromium } = require('playwright-core');
const { serveSite } = require('./site_server.js');

const launchArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// Every process below this one, with its kind (renderer, gpu-process, ...).
function descendants() {
  const children = new Map();
  for (const pid of fs.readdirSync('/proc').filter((n) => /^\d+$/.test(n))) {
    try {
      const stat = fs.readFileSync('/proc/' + pid + '/stat', 'utf8');
      const ppid = stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1];
      if (!children.has(ppid)) children.set(ppid, []);
      children.get(ppid).push(pid);
    } catch (e) { /* gone */ }
  }
  const found = [];
  const walk = (pid) => (children.get(pid) || []).forEach((c) => { found.push(c); walk(c); });
  walk(String(process.pid));
  return found.map((pid) => {
    let kind = 'other';
    try {
      const cmd = fs.readFileSync('/proc/' + pid + '/cmdline', 'utf8');
      if (!/chrom/.test(cmd)) kind = 'other';
      else kind = (/--type=([a-z-]+)/.exec(cmd) || [null, 'browser'])[1];
    } catch (e) { /* gone */ }
    return { pid: pid, kind: kind };
  });
}
function ticks(pid) {
  try {
    const stat = fs.readFileSync('/proc/' + pid + '/stat', 'utf8');
    const f = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    return Number(f[11]) + Number(f[12]);
  } catch (e) { return 0; }
}

async function startPicture(browser, url) {
  const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => KXS.stats.frames > 0, null, { timeout: 30000 });
  const ms = await page.evaluate(() => KXS.stats.firstFrameMs);
  await context.close();
  return ms;
}

// Draws a changing 640x480 picture at every animation frame for some
// seconds, through putImageData or through a WebGL texture, so that both ways
// are measured by the same CPU reading. Runs in the page.
function drawLoop(way, seconds) {
  const canvas = document.createElement('canvas');
  canvas.width = 640; canvas.height = 480;
  canvas.style.cssText = 'position:fixed;left:0;top:0;width:1280px;height:960px;image-rendering:pixelated';
  document.body.appendChild(canvas);
  const pixels = new Uint8ClampedArray(640 * 480 * 4);
  let draw;
  if (way === '2d') {
    const context = canvas.getContext('2d', { alpha: false });
    const image = new ImageData(pixels, 640, 480);
    draw = () => context.putImageData(image, 0, 0);
  } else {
    const gl = canvas.getContext('webgl', { alpha: false, antialias: false });
    if (!gl) return Promise.resolve('no WebGL');
    const shader = (type, source) => {
      const s = gl.createShader(type); gl.shaderSource(s, source); gl.compileShader(s); return s;
    };
    const program = gl.createProgram();
    gl.attachShader(program, shader(gl.VERTEX_SHADER,
      'attribute vec2 p; varying vec2 t; void main() { t = vec2(p.x + 1.0, 1.0 - p.y) / 2.0; gl_Position = vec4(p, 0, 1); }'));
    gl.attachShader(program, shader(gl.FRAGMENT_SHADER,
      'precision mediump float; varying vec2 t; uniform sampler2D s; void main() { gl_FragColor = texture2D(s, t); }'));
    gl.linkProgram(program);
    gl.useProgram(program);
    gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([-1, -1, 1, -1, -1, 1, 1, 1]), gl.STATIC_DRAW);
    gl.enableVertexAttribArray(0);
    gl.vertexAttribPointer(0, 2, gl.FLOAT, false, 0, 0);
    gl.bindTexture(gl.TEXTURE_2D, gl.createTexture());
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.NEAREST);
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.NEAREST);
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_S, gl.CLAMP_TO_EDGE);
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_T, gl.CLAMP_TO_EDGE);
    gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, 640, 480, 0, gl.RGBA, gl.UNSIGNED_BYTE, null);
    const bytes = new Uint8Array(pixels.buffer);
    draw = () => {
      gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, 640, 480, gl.RGBA, gl.UNSIGNED_BYTE, bytes);
      gl.drawArrays(gl.TRIANGLE_STRIP, 0, 4);
    };
  }
  return new Promise((resolve) => {
    const end = performance.now() + seconds * 1000;
    let frame = 0;
    const step = () => {
      pixels.fill(frame++ & 0xFF);
      draw();
      if (performance.now() < end) requestAnimationFrame(step); else { canvas.remove(); resolve(frame + ' frames'); }
    };
    requestAnimationFrame(step);
  });
}

async function cpuWhile(action, seconds) {
  const processes = descendants().filter((p) => p.kind !== 'other');
  const before = processes.map((p) => ticks(p.pid));
  const result = await action();
  const used = {};
  processes.forEach((p, i) => { used[p.kind] = (used[p.kind] || 0) + ticks(p.pid) - before[i]; });
  const share = (t) => (100 * t / 100 / seconds).toFixed(1) + ' %';
  const all = Object.values(used).reduce((a, b) => a + b, 0);
  return 'renderer ' + share(used.renderer || 0) + ', all of Chromium ' + share(all) + ' (' + result + ')';
}

async function main() {
  const { server, url } = await serveSite(require('path').resolve(process.argv[2]));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: launchArgs });
  try {
    const times = [];
    for (let i = 0; i < 5; ++i) times.push(await startPicture(browser, url));
    times.sort((a, b) => a - b);
    console.log('navigation to the start picture: median ' + times[2].toFixed(0) + ' ms (' +
      times.map((t) => t.toFixed(0)).join(', ') + ' ms, fresh context each)');

    const blank = await browser.newPage({ viewport: { width: 1280, height: 960 } });
    for (const way of ['2d', 'webgl']) {
      const figures = await cpuWhile(() => blank.evaluate(drawLoop.toString().replace(/^function drawLoop/, '(function') +
        ')(' + JSON.stringify(way) + ', 5)'), 5);
      console.log('a changed frame at every animation frame through ' + (way === '2d' ? 'putImageData' : 'a WebGL texture') +
        ', 5 s: ' + figures);
    }
    await blank.close();

    const idleSeconds = 10;
    // The floor: a page of the same size that only runs an empty
    // requestAnimationFrame loop, measured the same way in the same run
    // with no other page open.
    const floorContext = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
    const floor = await floorContext.newPage();
    await floor.setContent('<body style="margin:0;background:#000"></body>');
    await floor.evaluate(() => { const step = () => requestAnimationFrame(step); requestAnimationFrame(step); });
    const floorFigures = await cpuWhile(() => floor.waitForTimeout(idleSeconds * 1000).then(() => 'no game'), idleSeconds);
    await floorContext.close();
    console.log('empty requestAnimationFrame page, ' + idleSeconds + ' s (the floor): ' + floorFigures);
    const context = await browser.newContext({ locale: 'ko-KR', viewport: { width: 1280, height: 960 } });
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => KXS.stats.frames > 0);
    const canvas = await page.locator('#kxs-screen').boundingBox();
    const click = (x, y) => page.mouse.click(canvas.x + x * 2 + 1, canvas.y + y * 2 + 1);
    await page.keyboard.press('Space');
    await page.waitForTimeout(300);
    await click(300, 240);
    await page.locator('.kxs-dialog').waitFor({ timeout: 30000 });
    await page.keyboard.type('홍길동');
    await page.keyboard.press('Tab');
    await page.keyboard.type('길동소프트');
    await page.keyboard.press('Enter');
    await page.waitForTimeout(500);
    await click(560, 430);
    await page.waitForTimeout(500);
    await page.mouse.move(1000, 700);
    await page.waitForTimeout(2000);
    const seconds = 10, hz = 100;
    const processes = descendants().filter((p) => p.kind !== 'other');
    const before = processes.map((p) => ticks(p.pid));
    const stats0 = await page.evaluate(() => Object.assign({}, KXS.stats));
    await page.waitForTimeout(seconds * 1000);
    const stats1 = await page.evaluate(() => Object.assign({}, KXS.stats));
    const used = {};
    processes.forEach((p, i) => { used[p.kind] = (used[p.kind] || 0) + ticks(p.pid) - before[i]; });
    const share = (t) => (100 * t / hz / seconds).toFixed(1) + ' %';
    const all = Object.values(used).reduce((a, b) => a + b, 0);
    console.log('office, ' + seconds + ' s: renderer ' + share(used.renderer || 0) + ' of one core; all of Chromium ' +
      share(all) + ' (' + Object.entries(used).map(([k, t]) => k + ' ' + share(t)).join(', ') + ')');
    const frames = stats1.frames - stats0.frames, drawn = stats1.drawn - stats0.drawn;
    console.log('frames: ' + (frames / seconds).toFixed(1) + ' per second, ' + (drawn / seconds).toFixed(1) +
      ' of them changed and drawn; putImageData ' +
      (drawn ? ((stats1.presentMs - stats0.presentMs) / drawn * 1000).toFixed(0) : '-') + ' us a drawn frame');
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
