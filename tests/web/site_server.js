// A static server for build-web/site on 127.0.0.1, for the browser tests.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Resolves with the server and its address; port 0 picks a free port.
function serveSite(root, port) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(name === '/' ? '/index.html' : name));
    if (!file.startsWith(root + path.sep)) { response.writeHead(403).end(); return; }
    fs.readFile(file, (error, data) => {
      if (error) { response.writeHead(404).end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store' });
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(port || 0, '127.0.0.1', () =>
    resolve({ server: server, url: 'http://127.0.0.1:' + server.address().port + '/' })));
}

module.exports = { serveSite };

// node site_server.js DIR [PORT]: serves DIR until stopped.
if (require.main === module) {
  const root = require('path').resolve(process.argv[2] || '.');
  serveSite(root, Number(process.argv[3] || 8080)).then(({ url }) => {
    console.log('KXS is served at ' + url + ' (Ctrl+C stops)');
  });
}
