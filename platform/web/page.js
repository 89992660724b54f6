// SPDX-License-Identifier: GPL-2.0-or-later
// The page's half of the web backend, placed in front of the compiled game
// (emcc --pre-js). It owns the canvas and its layout, collects the input,
// shows the HTML message boxes and dialogs it is handed, plays Web Audio,
// keeps the saved game in IndexedDB and holds the single-instance lock. The
// C++ half calls it as KXS.*; the rules of input, boxes, dialogs and Wansung
// text are the C++ half's, which hands over resolved values.
var KXS = (function () {
  'use strict';
  const Width = 640, Height = 480;
  const GameDir = '/game', SaveDir = '/game/cur', SavePath = '/game/cur/kxs.sav', Packaged = '/pkg';
  const FrameMs = 1000 / 60;
  const $ = (id) => document.getElementById(id);
  // Every word the page itself shows (the game's come from the C++ half).
  const Words = {
    noWebAssembly: '이 브라우저는 WebAssembly를 지원하지 않아 게임을 할 수 없습니다.',
    noCanvas: '이 브라우저는 캔버스를 그릴 수 없어 게임을 할 수 없습니다.',
    stopped: '게임이 멈췄습니다: ',
    downloading: '내려받는 중...',
    noFullscreen: '전체 화면을 쓸 수 없습니다',
    noStorage: '이 브라우저는 저장 공간을 쓸 수 없게 되어 있습니다. 게임은 할 수 있지만 저장하지 못합니다.',
    storageUnread: '저장된 게임을 읽을 수 없습니다',
    storageUnkept: '게임을 브라우저에 저장할 수 없습니다',
    notPersisted: '브라우저가 저장 공간을 계속 보관하겠다고 하지 않았습니다. 저장한 게임이 지워질 수 있으니 "저장 파일 받기"로 보관해 두세요.',
    noSave: '저장된 게임이 없습니다',
    notReady: '게임을 아직 불러오는 중입니다',
    uploadCaption: '저장 파일 넣기',
    notASave: '이 파일은 이 게임의 저장 파일이 아니거나 손상되어 불러올 수 없습니다.\n저장되어 있는 게임은 그대로 둡니다.',
    replaceAsk: '저장되어 있는 게임을 이 파일의 게임으로 바꿀까요?\n지금 저장되어 있는 게임은 없어집니다.',
    replace: '바꾸기',
    keep: '그대로 두기',
    ok: '확인',
    uploaded: '저장 파일을 넣었습니다. 게임의 "불러오기"로 이어서 하세요.',
    uploadUnkept: '저장 파일을 넣었지만 브라우저에 저장하지 못했습니다. 이 창을 닫으면 없어집니다.',
  };

  let canvas = null, context = null, image = null, ui = null;
  let scale = 1;
  const input = [];  // the browser's input as it came, until the game takes it
  let inputWaiter = null;
  const modals = [];  // open boxes and dialogs, the topmost last
  let started = 0;
  let nextFrameAt = 0;
  let ended = false;

  // --- Page messages.
  function setStatus(text) {
    const status = $('kxs-status');
    if (status) { status.textContent = tr(text); status.hidden = !text; }
  }
  function setProgress(done, total) {
    const bar = $('kxs-progress');
    if (!bar) return;
    bar.hidden = total <= 0 || done >= total;
    if (total > 0) bar.value = done / total;
  }
  function toast(text) {
    const t = $('kxs-toast');
    if (!t) return;
    t.textContent = tr(text);
    t.hidden = false;
    clearTimeout(toast.timer);
    toast.timer = setTimeout(() => { t.hidden = true; }, 6000);
  }
  function fail(text) {
    const box = $('kxs-failure');
    if (box) { box.textContent = tr(text); box.hidden = false; }
    setStatus('');
    setProgress(0, 0);
  }

  // --- Layout: a whole number of device pixels per game pixel where that
  // loses little of the room, else the largest crisp scale that fits (a
  // phone would otherwise show a postage stamp); letterboxed.
  // On a touch screen the tool bar, a column beside the picture in
  // landscape and a row under it in portrait, gets room of its own where the
  // margins do not have it, so that it never covers the picture.
  const TouchTargetCss = 44, TouchGapCss = 8;
  const touchScreen = () => !!(window.matchMedia && matchMedia('(pointer: coarse)').matches);
  function fitScale(room) {
    const dpr = window.devicePixelRatio || 1;
    const fitCss = Math.min(room.width / Width, room.height / Height);
    const fitDevice = fitCss * dpr;
    const whole = Math.floor(fitDevice + 1e-6);
    return { scale: whole >= 1 && whole / fitDevice >= 0.85 ? whole / dpr : fitCss, fitDevice: fitDevice };
  }
  function layout() {
    if (!canvas) return;
    const stage = $('kxs-stage'), tools = $('kxs-tools');
    const touch = touchScreen(), landscape = window.innerWidth > window.innerHeight;
    document.body.classList.toggle('kxs-touch', touch);
    tools.classList.toggle('kxs-column', touch && landscape);
    stage.style.right = stage.style.bottom = '';
    let fit = fitScale(stage.getBoundingClientRect());
    if (touch) {
      const room = stage.getBoundingClientRect(), bar = tools.getBoundingClientRect();
      const margin = landscape ? (room.width - Width * fit.scale) / 2 : (room.height - Height * fit.scale) / 2;
      const needed = (landscape ? bar.width : bar.height) + TouchGapCss;
      if (margin < needed) {
        if (landscape) stage.style.right = needed + 'px'; else stage.style.bottom = needed + 'px';
        fit = fitScale(stage.getBoundingClientRect());
      }
    }
    const fitDevice = fit.fitDevice;
    scale = fit.scale;
    // One CSS pixel in the game's pixels, for touch-sized controls.
    ui.style.setProperty('--kxs-css-px', String(1 / scale));
    canvas.style.width = Width * scale + 'px';
    canvas.style.height = Height * scale + 'px';
    canvas.classList.toggle('kxs-smooth', fitDevice < 1);
    ui.style.width = Width + 'px';
    ui.style.height = Height + 'px';
    ui.style.transform = 'scale(' + scale + ')';
  }

  // --- Input: raw, with the pointer in game pixels and keys by their
  // place (KeyboardEvent.code).
  function wake() {
    if (inputWaiter && input.length) { const w = inputWaiter; inputWaiter = null; w(); }
  }
  function push(event) {
    if (ended) return;
    input.push(event);
    wake();
  }
  function logical(e) {
    const r = canvas.getBoundingClientRect();
    const x = Math.floor((e.clientX - r.left) * Width / r.width);
    const y = Math.floor((e.clientY - r.top) * Height / r.height);
    return [Math.min(Width - 1, Math.max(0, x)), Math.min(Height - 1, Math.max(0, y))];
  }
  // The keys the game acts on keep the browser's meaning from it: Escape,
  // Enter, Space, the arrows, the debug keys F7 and F8 (Alt+Enter is the
  // full screen here), and Tab, which would move the focus out of the game.
  // All others stay the browser's: F5, Ctrl+R, F11 (full screen), F12 (the
  // developer tools), and Escape while the page is full screen, which only
  // leaves that (the browser may take that press for itself, or hand it on
  // just after).
  const gameKeys = new Set(['Tab', 'Enter', 'NumpadEnter', 'Escape', 'Space', 'ArrowLeft', 'ArrowUp', 'ArrowRight',
    'ArrowDown', 'F7', 'F8']);
  const browserKeys = new Set(['F11', 'F12']);
  const FullscreenEscapeMs = 500;
  let leftFullscreenAt = -Infinity;
  function onFullscreenChange() {
    if (!document.fullscreenElement) leftFullscreenAt = performance.now();
    layout();
  }
  function onKeyDown(e) {
    resumeAudio();
    if (e.altKey && (e.code === 'Enter' || e.code === 'NumpadEnter')) {
      e.preventDefault();
      if (!e.repeat) toggleFullscreen();
      return;
    }
    if (browserKeys.has(e.code)) return;
    if (e.code === 'Escape' && (document.fullscreenElement || performance.now() - leftFullscreenAt < FullscreenEscapeMs)) {
      if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
      return;
    }
    // The topmost box or dialog takes the keys, wherever the focus is.
    if (modals.length) { modals[modals.length - 1].onKey(e); return; }
    if (ended) return;
    if (e.altKey || e.ctrlKey || e.metaKey || !e.code) return;
    if (gameKeys.has(e.code)) e.preventDefault();
    push({ kind: 'key', code: e.code });
  }
  // A finger leaves no pointer behind: the game draws none after a tap
  // until a mouse moves again.
  let pointerIsTouch = false;
  function onPointerMove(e) {
    if (e.pointerType === 'touch' || modals.length) return;
    pointerIsTouch = false;
    const p = logical(e);
    push({ kind: 'move', x: p[0], y: p[1] });
  }
  // A tap is a left-button release at that point (the C++ half sends the
  // move there before it).
  function onPointerUp(e) {
    resumeAudio();
    if (e.button !== 0 || modals.length) return;
    e.preventDefault();
    pointerIsTouch = e.pointerType === 'touch';
    const p = logical(e);
    push({ kind: 'up', x: p[0], y: p[1] });
  }
  function onVisibility() {
    push({ kind: 'activate', active: document.hidden ? 0 : 1 });
    if (document.hidden) flushSave();
  }

  // --- Display.
  function openCanvas() {
    canvas = $('kxs-screen');
    ui = $('kxs-ui');
    context = canvas && canvas.getContext('2d', { alpha: false });
    if (!context) return false;
    canvas.hidden = false;
    $('kxs-loading').hidden = true;
    layout();
    return true;
  }
  function closeCanvas() {}
  // A new view on the game's memory when it has grown.
  function pixelView(ptr) {
    if (!image || image.data.buffer !== HEAPU8.buffer || image.ptr !== ptr) {
      image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, ptr, Width * Height * 4), Width, Height);
      image.ptr = ptr;
    }
    return image;
  }
  function nextAnimationFrame() {
    return new Promise((resolve) => {
      // A hidden page gets no animation frames; the game still needs its pace.
      const timer = setTimeout(resolve, 100);
      requestAnimationFrame(() => { clearTimeout(timer); resolve(); });
    });
  }
  // Draws the frame and waits for the display's pace: the next animation
  // frame, but never more than 60 frames a second on a faster display.
  // ptr 0: the frame equals the one shown.
  async function present(ptr) {
    const t0 = performance.now();
    if (ptr) {
      context.putImageData(pixelView(ptr), 0, 0);
      KXS.stats.presentMs += performance.now() - t0;
      ++KXS.stats.drawn;
    }
    if (!KXS.stats.frames++) KXS.stats.firstFrameMs = t0;  // from the navigation's start
    if (++present.count % 30 === 0) flushSave();
    for (;;) {
      await nextAnimationFrame();
      const now = performance.now();
      if (now >= nextFrameAt - 2) {
        nextFrameAt = Math.max(nextFrameAt + FrameMs, now);
        return;
      }
    }
  }
  present.count = 0;
  function showSystemSurface() {}
  function showPointer(visible) { if (canvas) canvas.style.cursor = visible ? 'default' : 'none'; }
  function milliseconds() { return performance.now() - started; }

  function toggleFullscreen() {
    const page = document.documentElement;
    if (document.fullscreenElement) { document.exitFullscreen().catch(() => {}); return; }
    if (page.requestFullscreen) page.requestFullscreen().catch(() => toast(Words.noFullscreen));
  }

  // --- Message boxes and dialogs.
  function element(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }
  function openModal(frame, keyHandler) {
    const under = modals[modals.length - 1];
    if (under) under.lastFocus = document.activeElement;
    const modal = { frame: frame, onKey: keyHandler };
    modals.push(modal);
    ui.appendChild(frame);
    return modal;
  }
  function closeModal(modal) {
    const i = modals.indexOf(modal);
    if (i >= 0) modals.splice(i, 1);
    modal.frame.remove();
    const top = modals[modals.length - 1];
    if (!top) return;
    if (top.lastFocus && top.frame.contains(top.lastFocus)) top.lastFocus.focus();
    else if (top.focus) top.focus();
  }
  function button(label, isDefault) {
    const b = element('button', 'kxs-button' + (isDefault ? ' kxs-default' : ''), label);
    b.type = 'button';
    return b;
  }
  // The width of a line of text in the boxes' font, for the C++ half's
  // wrapping.
  let measure = null;
  function textWidth(text, pixels) {
    if (!measure) measure = document.createElement('canvas').getContext('2d');
    measure.font = pixels + 'px ' + getComputedStyle(document.body).fontFamily;
    return Math.ceil(measure.measureText(text).width);
  }

  // A box: its caption and lines, its buttons (label, answer), and for each
  // key name and focused button what the key does: answer, or move the focus.
  let box = null;
  function boxOpen(caption, text, stop, pixels) {
    box = { caption: caption, text: text, stop: stop, pixels: pixels, buttons: [], keys: {} };
  }
  function boxButton(label, answer, isDefault) { box.buttons.push({ label: label, answer: answer, isDefault: isDefault }); }
  function boxKey(name, focus, answer, focusAfter) {
    (box.keys[name] = box.keys[name] || [])[focus] = { answer: answer, focus: focusAfter };
  }
  let boxPixels = 12;  // the font size of the game's boxes, for the page's own
  // A box's frame, caption, text and a row of buttons, each answering its own.
  function boxFrame(b, answer) {
    const frame = element('div', 'kxs-window kxs-box');
    frame.setAttribute('role', 'alertdialog');
    frame.style.fontSize = b.pixels + 'px';
    frame.appendChild(element('div', 'kxs-title', b.caption));
    const body = element('div', 'kxs-box-body');
    if (b.stop) body.appendChild(element('div', 'kxs-stop', '×'));
    body.appendChild(element('div', 'kxs-box-text', b.text));
    frame.appendChild(body);
    const row = element('div', 'kxs-buttons');
    const buttons = b.buttons.map((choice) => {
      const e = button(choice.label, choice.isDefault);
      e.addEventListener('click', () => answer(choice.answer));
      row.appendChild(e);
      return e;
    });
    frame.appendChild(row);
    return { frame: frame, buttons: buttons };
  }
  function boxRun(focus) {
    flushSave();
    const b = box;
    box = null;
    boxPixels = b.pixels;
    return new Promise((resolve) => {
      const { frame, buttons } = boxFrame(b, (value) => answer(value));
      let modal = null;
      function answer(value) {
        closeModal(modal);
        resolve(value);
      }
      modal = openModal(frame, (e) => {
        const keys = b.keys[e.code];
        if (!keys) return;
        const action = keys[Math.max(0, buttons.indexOf(document.activeElement))];
        e.preventDefault();
        e.stopPropagation();
        if (action.answer) answer(action.answer);
        else buttons[action.focus].focus();
      });
      modal.focus = () => buttons[focus].focus();
      showPointer(true);
      modal.focus();
    });
  }
  // A box of the page's own over the game, as the game's boxes look:
  // resolves with the index of the button taken. Enter and Space take the
  // focused button, Escape the last, Tab and the arrows move the focus.
  function pageBox(caption, text, labels, focus) {
    return new Promise((resolve) => {
      const shape = { caption: tr(caption), text: tr(text), stop: false, pixels: boxPixels,
        buttons: labels.map((label, i) => ({ label: tr(label), answer: i, isDefault: i === (focus || 0) })) };
      let modal = null;
      const { frame, buttons } = boxFrame(shape, (i) => { closeModal(modal); resolve(i); });
      modal = openModal(frame, (e) => {
        const at = Math.max(0, buttons.indexOf(document.activeElement));
        if (e.code === 'Escape') buttons[buttons.length - 1].click();
        else if (e.code === 'Enter' || e.code === 'NumpadEnter' || e.code === 'Space') buttons[at].click();
        else if (e.code === 'Tab' || e.code.startsWith('Arrow')) {
          const back = e.shiftKey || e.code === 'ArrowLeft' || e.code === 'ArrowUp';
          buttons[(at + (back ? buttons.length - 1 : 1)) % buttons.length].focus();
        } else return;
        e.preventDefault();
        e.stopPropagation();
      });
      modal.focus = () => buttons[focus || 0].focus();
      modal.focus();
    });
  }

  // A dialog, built control by control at the places it is handed; its
  // controls are known by their index in the template.
  let dialog = null;  // the dialog being built or run
  function dialogOpen(x, y, width, height, fontPixels, border) {
    const frame = element('div', 'kxs-window kxs-dialog');
    frame.setAttribute('role', 'dialog');
    frame.style.fontSize = fontPixels + 'px';
    frame.style.left = x - border + 'px';
    frame.style.top = y - border + 'px';
    frame.style.width = width + 'px';
    frame.style.height = height + 'px';
    dialog = { frame: frame, controls: [], enter: [], tab: [], waiter: null, modal: null, pending: [] };
  }
  function place(e, x, y, width, height) {
    e.style.left = x + 'px';
    e.style.top = y + 'px';
    e.style.width = width + 'px';
    e.style.height = height + 'px';
  }
  // Keeps a field to what the C++ half lets it hold; a word the IME is still
  // composing is left alone. (The game is waiting for the dialog here, so
  // its stack has room above; ccall would take the wait for its own.)
  function limitField(input) {
    const stack = stackSave();
    const size = lengthBytesUTF8(input.value) + 1;
    const text = stackAlloc(size);
    stringToUTF8(input.value, text, size);
    const kept = UTF8ToString(_KxsWebFieldText(text, input.kxsLimit));
    stackRestore(stack);
    if (kept !== input.value) input.value = kept;
  }
  function dialogAdd(kind, isDefault, centred, sunken, x, y, width, height, text, limit, command, enterCommand, next,
    previous) {
    const d = dialog;
    let e;
    if (kind === 'edit') {
      e = element('input', 'kxs-edit');
      e.type = 'text';
      e.autocomplete = 'off';
      e.spellcheck = false;
      e.kxsLimit = limit;
      e.value = text;
      e.addEventListener('input', (ev) => { if (!ev.isComposing) limitField(e); });
      e.addEventListener('compositionend', () => limitField(e));
    } else if (kind === 'button') {
      e = button(text, isDefault);
      e.addEventListener('click', () => dialogCommand(command));
    } else {
      e = element('div', 'kxs-static', text);
      if (centred) e.classList.add('kxs-centre');
      if (sunken) e.classList.add('kxs-sunken');
    }
    place(e, x, y, width, height);
    d.controls.push(e);
    d.enter.push(enterCommand);
    d.tab.push([next, previous]);
    d.frame.appendChild(e);
  }
  function dialogCommand(command) {
    if (!dialog || modals[modals.length - 1] !== dialog.modal) return;
    if (dialog.waiter) { const w = dialog.waiter; dialog.waiter = null; w(command); } else dialog.pending.push(command);
  }
  // A field entered by Tab, or first, has its whole text selected, so that
  // typing replaces the "0" it starts with (as on the desktop).
  function enter(e) {
    if (!e) return;
    e.focus();
    if (e.tagName === 'INPUT') e.select();
  }
  // On a touch screen a dialog's buttons, too small for a finger at their
  // places, go to a row of touch-sized buttons under it.
  function touchButtons(d) {
    if (!touchScreen()) return;
    const buttons = d.controls.filter((e) => e.tagName === 'BUTTON');
    if (!buttons.length) return;
    const bar = element('div', 'kxs-buttons kxs-touch-bar');
    for (const b of buttons) { b.style.cssText = ''; bar.appendChild(b); }
    bar.style.top = d.frame.style.height;
    d.frame.appendChild(bar);
  }
  function dialogShow(focus, enterCommand, escapeCommand, first, last) {
    const d = dialog;
    touchButtons(d);
    d.modal = openModal(d.frame, (e) => {
      if (e.isComposing || e.keyCode === 229) return;
      const i = d.controls.indexOf(document.activeElement);
      if (e.key === 'Escape') dialogCommand(escapeCommand);
      else if (e.key === 'Enter') dialogCommand(i >= 0 ? d.enter[i] : enterCommand);
      else if (e.key === 'Tab') enter(d.controls[i >= 0 ? d.tab[i][e.shiftKey ? 1 : 0] : (e.shiftKey ? last : first)]);
      else return;
      e.preventDefault();
      e.stopPropagation();
    });
    d.modal.focus = () => enter(d.controls[focus] || d.frame);
    showPointer(true);
    d.modal.focus();
  }
  function dialogWait() {
    const d = dialog;
    if (d.pending.length) return Promise.resolve(d.pending.shift());
    return new Promise((resolve) => { d.waiter = resolve; });
  }
  function dialogClose() {
    if (dialog && dialog.modal) closeModal(dialog.modal);
    dialog = null;
    flushSave();
  }
  function dialogSetText(index, text) {
    const e = dialog && dialog.controls[index];
    if (!e) return;
    if (e.tagName === 'INPUT') e.value = text;
    else e.textContent = text;
  }
  function dialogValue(index) {
    const e = dialog && dialog.controls[index];
    return e && e.tagName === 'INPUT' ? e.value : '';
  }

  // --- Sound: one at a time, a new one replacing the last.
  let audio = null, playing = null, soundGeneration = 0;
  const decoded = new Map();
  function audioContext() {
    if (!audio) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return null;
      audio = new Context();
    }
    return audio;
  }
  // Browsers start audio muted until the player clicks or presses a key.
  function resumeAudio() {
    const a = audioContext();
    if (a && a.state === 'suspended') a.resume().catch(() => {});
  }
  function stopSound() {
    if (playing) { try { playing.stop(); } catch (e) { /* already ended */ } playing = null; }
  }
  function playSound(path, loop) {
    const generation = ++soundGeneration;
    stopSound();
    const a = audioContext();
    if (!a || !path) return;
    let buffer = decoded.get(path);
    if (!buffer) {
      let bytes;
      try { bytes = FS.readFile(path); } catch (e) { return; }  // a missing file is silent
      buffer = a.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length));
      decoded.set(path, buffer);
      buffer.catch(() => {});
    }
    buffer.then((b) => {
      if (generation !== soundGeneration) return;  // a newer sound came first
      const source = a.createBufferSource();
      source.buffer = b;
      source.loop = loop;
      source.connect(a.destination);
      source.start();
      playing = source;
    }, () => {});
  }

  // --- The saved game: cur/ lives in IndexedDB; everything else is the
  // packaged data tree, read-only. Without the browser's storage (none, or
  // refused) the game still plays, and a save says that it was not kept.
  let storageUsable = false, saveStamp = null, persistAsked = false;
  let storageQueue = Promise.resolve(true);
  let keeping = 0;  // saves on their way to the storage
  let unkeptToldAt = -Infinity;
  function saveFileStamp() {
    try { const s = FS.stat(SavePath); return s.mtime.getTime() + ':' + s.size; } catch (e) { return 'none'; }
  }
  // Writes cur/ to IndexedDB after every write asked for before; resolves
  // true once it is kept there.
  function syncToStorage() {
    if (!storageUsable) return Promise.resolve(false);
    storageQueue = storageQueue.then(() => new Promise((resolve) => {
      try { FS.syncfs(false, (error) => resolve(!error)); } catch (e) { resolve(false); }
    }));
    return storageQueue;
  }
  // The game's own save (PlatformSyncFolderOf): true once it is kept.
  async function keepPlayerFiles() {
    ++keeping;
    try {
      saveStamp = saveFileStamp();
      askPersistence();
      return await syncToStorage();
    } finally {
      --keeping;
    }
  }
  // Writes cur/ to IndexedDB when the save file changed since the last time;
  // one that could not be kept is tried again next time.
  function flushSave() {
    if (typeof FS === 'undefined' || saveStamp === null || !storageUsable) return Promise.resolve(false);
    const stamp = saveFileStamp();
    if (stamp === saveStamp) return Promise.resolve(true);
    saveStamp = stamp;
    askPersistence();
    return syncToStorage().then((kept) => {
      if (kept) return true;
      saveStamp = 'unkept';
      if (performance.now() - unkeptToldAt > 60000) { unkeptToldAt = performance.now(); toast(Words.storageUnkept); }
      return false;
    });
  }
  function askPersistence() {
    if (persistAsked || !navigator.storage || !navigator.storage.persist) return;
    persistAsked = true;
    navigator.storage.persist().then((granted) => {
      if (granted || localValue('kxs-persist-told')) return;
      setLocalValue('kxs-persist-told', '1');
      toast(Words.notPersisted);
    }, () => {});
  }
  // localStorage, which a browser may refuse outright.
  function localValue(key) { try { return localStorage.getItem(key); } catch (e) { return null; } }
  function setLocalValue(key, value) { try { localStorage.setItem(key, value); return true; } catch (e) { return false; } }
  function removeLocalValue(key) { try { localStorage.removeItem(key); } catch (e) { /* nothing to remove */ } }
  function browserStorage() { try { return !!window.indexedDB; } catch (e) { return false; } }
  function prepareFiles() {
    FS.mkdir(GameDir);
    FS.mkdir(SaveDir);
    if (!browserStorage()) { toast(Words.noStorage); return; }
    FS.mount(IDBFS, {}, SaveDir);
    addRunDependency('kxs-save');
    FS.syncfs(true, (error) => {
      storageUsable = !error;
      if (error) toast(Words.noStorage);
      removeRunDependency('kxs-save');
    });
  }
  // Runs once the packaged tree and the stored cur/ are both there.
  function linkTree() {
    for (const name of FS.readdir(Packaged)) {
      if (name === '.' || name === '..') continue;
      if (name !== 'cur') { FS.symlink(Packaged + '/' + name, GameDir + '/' + name); continue; }
      for (const file of FS.readdir(Packaged + '/cur')) {
        if (file === '.' || file === '..' || /\.sav$/i.test(file)) continue;
        FS.writeFile(SaveDir + '/' + file, FS.readFile(Packaged + '/cur/' + file));
      }
    }
    FS.chdir(GameDir);
    saveStamp = saveFileStamp();
  }
  function downloadSave() {
    let bytes;
    try { bytes = FS.readFile(SavePath); } catch (e) { toast(Words.noSave); return; }
    const link = element('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'kxs.sav';
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }
  // Whether bytes are a save the game's own load would take.
  function saveWouldLoad(bytes) {
    const at = _malloc(Math.max(1, bytes.length));
    if (!at) return false;
    HEAPU8.set(bytes, at);
    const loads = _KxsWebSaveWouldLoad(at, bytes.length) !== 0;
    _free(at);
    return loads;
  }
  // A save file the player brings in takes the place of the stored one only
  // when the game would load it, and after asking when there is one; the
  // game reads it when the player loads.
  const UploadMaxBytes = 16 << 20;  // far above any save; more is not read
  async function uploadSave(file) {
    if (!file) return;
    if (saveStamp === null) { toast(Words.notReady); return; }
    let bytes = null;
    if (file.size <= UploadMaxBytes) {
      try { bytes = new Uint8Array(await file.arrayBuffer()); } catch (e) { bytes = null; }
    }
    if (!bytes || !saveWouldLoad(bytes)) {
      await pageBox(Words.uploadCaption, Words.notASave, [Words.ok]);
      return;
    }
    if (saveFileStamp() !== 'none' &&
        await pageBox(Words.uploadCaption, Words.replaceAsk, [Words.replace, Words.keep], 1) !== 0) return;
    ++keeping;
    try {
      FS.writeFile(SavePath + '.tmp', bytes);
      FS.rename(SavePath + '.tmp', SavePath);
    } catch (e) {
      --keeping;
      toast(Words.uploadUnkept);
      return;
    }
    const kept = await keepPlayerFiles();
    --keeping;
    toast(kept ? Words.uploaded : Words.uploadUnkept);
  }

  // --- One game per browser: the lock is held until the game ends, as a
  // process holds its lock until it exits.
  let releaseLock = () => {};
  function claimSingleInstance() {
    if (!navigator.locks || !navigator.locks.request) return claimByHeartbeat();
    return new Promise((resolve) => {
      navigator.locks.request('kxs-game', { ifAvailable: true }, (lock) => {
        resolve(!!lock);
        return lock ? new Promise((release) => { releaseLock = release; }) : undefined;
      }).catch(() => claimByHeartbeat().then(resolve));
    });
  }
  // Without Web Locks (plain HTTP on a LAN address has none) the claim is a
  // heartbeat in localStorage: a fresh one of another tab refuses. The
  // holder answers every other tab's claim at once (the storage event), so
  // that a hidden tab with throttled timers keeps its claim too; of two tabs
  // claiming together the one written last wins. Without localStorage there
  // is nothing to share and the game plays.
  const ClaimKey = 'kxs-game', HeartbeatMs = 1000, StaleMs = 4000, SettleMs = 300;
  const tabId = Math.random().toString(36).slice(2) + '-' + Math.floor(performance.timeOrigin || 0);
  function readClaim() {
    try { return JSON.parse(localValue(ClaimKey) || 'null'); } catch (e) { return null; }
  }
  function writeClaim() { return setLocalValue(ClaimKey, JSON.stringify({ id: tabId, at: Date.now() })); }
  function claimedElsewhere() {
    const claim = readClaim();
    return !!claim && claim.id !== tabId && Math.abs(Date.now() - Number(claim.at)) < StaleMs;
  }
  function claimByHeartbeat() {
    if (claimedElsewhere()) return Promise.resolve(false);
    if (!writeClaim()) return Promise.resolve(true);
    return new Promise((resolve) => setTimeout(() => {
      const claim = readClaim();
      if (claim && claim.id !== tabId) { resolve(false); return; }
      const heartbeat = setInterval(writeClaim, HeartbeatMs);
      const answer = (e) => { if (e.key === ClaimKey && claimedElsewhere()) writeClaim(); };
      window.addEventListener('storage', answer);
      releaseLock = () => {
        clearInterval(heartbeat);
        window.removeEventListener('storage', answer);
        const held = readClaim();
        if (held && held.id === tabId) removeLocalValue(ClaimKey);
        releaseLock = () => {};
      };
      resolve(true);
    }, SettleMs));
  }

  // --- The app offline: the service worker keeps the whole site. A new
  // deployment's worker waits; the page offers it, and once the player takes
  // it, hands over and reloads when no save is on its way to the storage.
  function watchDeployments() {
    if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
    navigator.serviceWorker.register('kxs-sw.js').then((registration) => {
      const offer = () => { if (registration.waiting && navigator.serviceWorker.controller) $('kxs-update').hidden = false; };
      offer();
      registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        if (worker) worker.addEventListener('statechange', offer);
      });
      $('kxs-update-reload').addEventListener('click', () => {
        $('kxs-update').hidden = true;
        takeNewDeployment(registration);
      });
    }, () => {});
  }
  function takeNewDeployment(registration) {
    if (keeping) { setTimeout(() => takeNewDeployment(registration), 200); return; }
    flushSave().then(() => {
      if (keeping) { takeNewDeployment(registration); return; }
      navigator.serviceWorker.addEventListener('controllerchange', () => location.reload(), { once: true });
      if (registration.waiting) registration.waiting.postMessage('kxs-take-over');
      else location.reload();
    });
  }

  async function gameEnded(exitCode) {
    ended = true;
    stopSound();
    await flushSave();
    releaseLock();
    const end = $('kxs-ended');
    if (end) end.hidden = false;
    if (canvas) canvas.classList.add('kxs-dimmed');
    KXS.exitCode = exitCode;
  }

  // --- The language: the browser's on a first visit, else the one last
  // chosen on the language button (kept in localStorage). The page's own
  // texts come in it from the start (KXS_PAGE, page_words.js); the game
  // says which one it speaks, and the page follows it.
  const LanguageKey = KXS_PAGE.languageKey;
  const translated = new Map();
  // A Korean text of the page in the page's language: its own texts from
  // KXS_PAGE, others from the game's catalogue once the game runs (itself
  // before that, in Korean, and once the game has stopped).
  function tr(text) {
    if (!text) return text;
    const own = KXS_PAGE.find(text);
    if (own !== null) return own;
    if (typeof _KxsWebTr !== 'function') return text;
    if (!translated.has(text)) {
      try {
        const stack = stackSave();
        const size = lengthBytesUTF8(text) + 1;
        const utf8 = stackAlloc(size);
        stringToUTF8(text, utf8, size);
        translated.set(text, UTF8ToString(_KxsWebTr(utf8)));
        stackRestore(stack);
      } catch (e) {
        return text;
      }
    }
    return translated.get(text);
  }
  function languageName(code) {
    try { return new Intl.DisplayNames([code], { type: 'language' }).of(code); } catch (e) { return code; }
  }
  function useLanguage(current, codes) {
    KXS_PAGE.setLanguage(current);
    translated.clear();
    KXS_PAGE.translatePage(tr);
    const all = codes.split(' '), button = $('kxs-language');
    if (!button || all.length < 2) return;
    const next = all[(all.indexOf(current) + 1) % all.length];
    button.textContent = languageName(next);
    button.hidden = false;
    button.onclick = () => {
      if (!ended && !confirm(tr('다른 언어로 게임을 처음부터 다시 시작합니다. 저장하지 않은 것은 사라집니다.'))) return;
      flushSave().then(() => {
        try { localStorage.setItem(LanguageKey, next); } catch (e) { /* the choice lasts this visit only */ }
        location.reload();
      });
    };
  }

  function start() {
    KXS_PAGE.translatePage(tr);
    if (typeof WebAssembly !== 'object') { fail(Words.noWebAssembly); return false; }
    const probe = document.createElement('canvas');
    if (!probe.getContext || !probe.getContext('2d')) { fail(Words.noCanvas); return false; }
    started = performance.now();
    canvas = $('kxs-screen');
    ui = $('kxs-ui');
    window.addEventListener('resize', layout);
    if (window.matchMedia) {
      // A change of the device-pixel ratio (zoom, another screen) is no resize.
      const watch = () => {
        const q = matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
        q.addEventListener('change', () => { layout(); watch(); }, { once: true });
      };
      watch();
    }
    document.addEventListener('fullscreenchange', onFullscreenChange);
    window.addEventListener('keydown', onKeyDown);
    canvas.addEventListener('pointermove', onPointerMove);
    canvas.addEventListener('pointerup', onPointerUp);
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    document.addEventListener('visibilitychange', onVisibility);
    window.addEventListener('pagehide', () => { flushSave(); releaseLock(); });
    // The tool bar never keeps the focus: the game's keys stay the game's.
    for (const id of ['kxs-fullscreen', 'kxs-download', 'kxs-upload', 'kxs-language']) {
      $(id).addEventListener('click', (e) => e.currentTarget.blur());
    }
    $('kxs-fullscreen').addEventListener('click', toggleFullscreen);
    $('kxs-download').addEventListener('click', downloadSave);
    const upload = $('kxs-upload-file');
    $('kxs-upload').addEventListener('click', () => upload.click());
    upload.addEventListener('change', () => { uploadSave(upload.files[0]); upload.value = ''; });
    $('kxs-restart').addEventListener('click', () => location.reload());
    watchDeployments();
    layout();
    return true;
  }

  return {
    stats: { frames: 0, drawn: 0, presentMs: 0, firstFrameMs: 0 },
    words: Words,
    start: start, setStatus: setStatus, setProgress: setProgress, fail: fail,
    prepareFiles: prepareFiles, linkTree: linkTree,
    openCanvas: openCanvas, closeCanvas: closeCanvas, present: present, showSystemSurface: showSystemSurface,
    takeInput: () => input.shift(),
    waitInput: () => (input.length ? Promise.resolve() : new Promise((resolve) => { inputWaiter = resolve; })),
    milliseconds: milliseconds, showPointer: showPointer, pointerIsTouch: () => pointerIsTouch,
    textWidth: textWidth, boxOpen: boxOpen, boxButton: boxButton, boxKey: boxKey, boxRun: boxRun,
    dialogOpen: dialogOpen, dialogAdd: dialogAdd, dialogShow: dialogShow, dialogWait: dialogWait,
    dialogClose: dialogClose, dialogSetText: dialogSetText, dialogValue: dialogValue,
    playSound: playSound, claimSingleInstance: claimSingleInstance, gameEnded: gameEnded,
    flushSave: flushSave, keepPlayerFiles: keepPlayerFiles,
    userLocale: KXS_PAGE.userLocale, chosenLanguage: KXS_PAGE.chosenLanguage, useLanguage: useLanguage, tr: tr,
  };
})();

if (KXS.start()) {
  Module.preRun = (Module.preRun || []).concat([KXS.prepareFiles]);
  Module.onRuntimeInitialized = KXS.linkTree;
  Module.setStatus = (text) => {
    // The packager reports "Downloading data... (done/total)".
    const m = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text || '');
    if (m) { KXS.setProgress(Number(m[1]), Number(m[2])); KXS.setStatus(KXS.words.downloading); } else KXS.setStatus('');
  };
  Module.onAbort = (what) => KXS.fail(KXS.tr(KXS.words.stopped) + what);
  Module.print = (text) => console.log(text);
  Module.printErr = (text) => console.warn(text);
} else {
  // The page already says why; the runtime's own failure adds nothing.
  Module.noInitialRun = true;
  Module.onAbort = () => {};
}
