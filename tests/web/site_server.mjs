// A static server for build-web/site on a free port of 127.0.0.1, and the
// headless Chromium of Debian's package driven through puppeteer-core.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.ttf': 'font/ttf', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

export async function serveSite(root) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^\/+/, '');
    // status/CODE answers CODE, for the tests of what the service worker keeps.
    const status = /^status\/(\d{3})$/.exec(path);
    if (status) {
      response.writeHead(Number(status[1]));
      response.end();
      return;
    }
    try {
      const body = await readFile(join(root, path || 'index.html'));
      response.writeHead(200, { 'Content-Type': types[extname(path || '.html')] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

export function launchChromium() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--hide-scrollbars', '--lang=fr-FR'],
  });
}

// Opens the page with a drive script at a viewport, and waits for the
// drive's end; the output's lines.
export async function drivePage(browser, url, script, { width = 1024, height = 768, clock = 43200, touch = false,
  timeout = 120000 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, hasTouch: touch, isMobile: touch });
  const hash = `#clock=${clock}&locale=fr_FR&drive=${encodeURIComponent(script)}`;
  await page.goto(url + 'index.html' + hash);
  await page.waitForFunction(
    () => /(^|\n)drive: done\n/.test(document.getElementById('kolven-drive-output').textContent),
    { timeout, polling: 50 });
  const text = await page.$eval('#kolven-drive-output', (pre) => pre.textContent);
  return { page, lines: text.split('\n').filter((l) => l.length) };
}
