// SPDX-License-Identifier: GPL-2.0-or-later
// node make_page_words.js OUT TEMPLATE KXS.POT LANG.po...
// Writes OUT (kxs-words.js): TEMPLATE with, for each catalogue, the
// translations of the page's own texts (the template's entries found in
// page.js or index.html), so that the page speaks the player's language
// before the game is loaded. A fuzzy or untranslated entry is left out: the
// page shows its Korean.
'use strict';
const fs = require('fs');
const path = require('path');

const PageFiles = /(^|\s)platform\/web\/(page\.js|index\.html):/;

// The entries of a .po file: { context, id, text, fuzzy, references }.
// Strings are C-quoted and may run over several lines; the plural forms
// are not the page's and are skipped.
function readPo(file) {
  const entries = [];
  let entry = null, field = null;
  const finish = () => { if (entry && entry.id !== undefined) entries.push(entry); entry = null; field = null; };
  const lines = fs.readFileSync(file, 'utf8').split(/\r?\n/);
  lines.forEach((line, i) => {
    const where = () => file + ':' + (i + 1);
    line = line.trim();
    if (!line) { finish(); return; }
    if (line.startsWith('#~')) return;  // obsolete
    if (line.startsWith('#')) {
      if (entry && entry.id !== undefined) finish();
      entry = entry || { references: '', fuzzy: false };
      if (line.startsWith('#,') && /\bfuzzy\b/.test(line)) entry.fuzzy = true;
      if (line.startsWith('#:')) entry.references += ' ' + line.slice(2).trim();
      return;
    }
    const m = /^(msgctxt|msgid|msgid_plural|msgstr(?:\[\d+\])?)\s+(".*")$/.exec(line);
    if (m) {
      if (m[1] === 'msgctxt' || (m[1] === 'msgid' && entry && entry.id !== undefined)) finish();
      entry = entry || { references: '', fuzzy: false };
      field = { msgctxt: 'context', msgid: 'id', msgstr: 'text' }[m[1]] || null;
      if (field) entry[field] = unquote(m[2], where);
      return;
    }
    if (line.startsWith('"') && entry) {
      if (field) entry[field] += unquote(line, where);
      return;
    }
    throw new Error(where() + ': not a line of a catalogue');
  });
  finish();
  return entries;
}

const Escapes = { n: '\n', t: '\t', r: '\r', '"': '"', '\\': '\\', a: '\x07', b: '\b', f: '\f', v: '\v' };
function unquote(quoted, where) {
  if (!/^"(?:[^"\\]|\\.)*"$/.test(quoted)) throw new Error(where() + ': a string not closed');
  return quoted.slice(1, -1).replace(/\\(x[0-9a-fA-F]{1,2}|[0-7]{1,3}|.)/g, (all, e) => {
    if (e[0] === 'x') return String.fromCharCode(parseInt(e.slice(1), 16));
    if (/^[0-7]/.test(e)) return String.fromCharCode(parseInt(e, 8));
    if (!(e in Escapes)) throw new Error(where() + ': an unknown escape \\' + e);
    return Escapes[e];
  });
}

function main() {
  const [out, template, pot, ...catalogues] = process.argv.slice(2);
  if (!pot) throw new Error('usage: node make_page_words.js OUT TEMPLATE KXS.POT LANG.po...');
  const own = new Set(readPo(pot).filter((e) => e.context === undefined && e.id && PageFiles.test(e.references))
    .map((e) => e.id));
  if (!own.size) throw new Error(pot + ': holds none of the page\'s texts');
  const words = {};
  for (const file of catalogues.sort()) {
    const language = path.basename(file, '.po');
    words[language] = {};
    for (const e of readPo(file)) {
      if (e.context === undefined && own.has(e.id) && !e.fuzzy && e.text) words[language][e.id] = e.text;
    }
  }
  const text = fs.readFileSync(template, 'utf8');
  const marker = '/* @KXS_PAGE_WORDS@ */ {}';
  if (!text.includes(marker)) throw new Error(template + ': no ' + marker);
  fs.writeFileSync(out, text.replace(marker, () => JSON.stringify(words, null, 1)));
}

try { main(); } catch (error) { console.error('make_page_words.js: ' + error.message); process.exit(1); }
