// The browser edition against the desktop program. Each script of
// tests/web/scripts runs in the page (headless Chromium, 1024 × 768) and in
// kolven-drive --screen 1024x768 on the same clock; every line of output must
// agree: dumps key for key, errors word for word, exports on their text.
// Then the page's interval stream is set beside KOLVEN_11.KVL, the page's
// memory is weighed, and what no drive output shows is checked
// (page_checks.mjs): painting, touch, the service worker, the manifest.
//
//   node tests/web/run_tests.mjs [BUILD_DIR] [SITE_DIR]

import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, openSync, readSync, closeSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite, launchChromium, drivePage } from './site_server.mjs';
import { greyedEntry, touchChoice, keptAnswers, refusedCounts, manifestIcons } from './page_checks.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const build = process.argv[2] || join(here, '../../build');
const site = process.argv[3] || join(here, '../../build-web/site');
const clock = 43200;
const intervalsChecked = 1000000;
const memoryLimit = 100 * 1024 * 1024;

let failures = 0;
const lastBits = new Set();
function fail(message) {
  failures++;
  console.log(`  FAIL ${message}`);
}

function desktopDrive(script) {
  const folder = mkdtempSync(join(tmpdir(), 'kolven-web-'));
  try {
    const run = spawnSync(join(build, 'bin/kolven-drive'),
      ['--screen', '1024x768', '--clock', String(clock), '--workdir', folder, '--export-root', folder],
      { input: script, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, maxBuffer: 1 << 28 });
    return run.stdout.toString().split('\n').filter((l) => l.length);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The paths of the interval file and of the export folder differ by nature:
// a page has no folders, the desktop's are the build's and the test's own.
const ownKeys = new Set(['FICHIER_T', 'DISQUE_T']);

function compareValues(path, desktop, page) {
  if (desktop !== null && typeof desktop === 'object' && page !== null && typeof page === 'object') {
    const keys = new Set([...Object.keys(desktop), ...Object.keys(page)]);
    for (const key of keys) {
      if (ownKeys.has(key)) continue;
      if (!(key in page)) { fail(`${path}.${key}: missing in the page`); continue; }
      if (!(key in desktop)) { fail(`${path}.${key}: only in the page`); continue; }
      compareValues(`${path}.${key}`, desktop[key], page[key]);
    }
    return;
  }
  if (desktop === page) return;
  // The χ² law's tail comes out of the C library's exp and log, which are
  // glibc's on the desktop and musl's in the page: they may differ in the
  // last bit. Such a value is reported, not failed; every text the window
  // shows from it is compared exactly with the captions.
  if (typeof desktop === 'number' && typeof page === 'number' &&
      Math.abs(desktop - page) <= 4 * Number.EPSILON * Math.max(Math.abs(desktop), Math.abs(page))) {
    lastBits.add(`${path.replace(/\[\d+\]/, '')}: desktop ${desktop}, page ${page}`);
    return;
  }
  fail(`${path}: desktop ${JSON.stringify(desktop)}, page ${JSON.stringify(page)}`);
}

function compareLines(name, desktop, page) {
  if (desktop.length !== page.length)
    fail(`${name}: ${desktop.length} lines on the desktop, ${page.length} in the page`);
  for (let i = 0; i < Math.min(desktop.length, page.length); ++i) {
    const d = JSON.parse(desktop[i]), p = JSON.parse(page[i]);
    if ('path' in d && 'text' in d) compareValues(`${name}[${i}].text`, d.text, p.text);
    else compareValues(`${name}[${i}]`, d, p);
  }
}

// The first n values of the interval file, in eighths.
function fileEighths(n) {
  const fd = openSync(join(build, 'bin/KOLVEN_11.KVL'), 'r');
  const buffer = Buffer.alloc(16 * n);
  const size = readSync(fd, buffer, 0, buffer.length, 0);
  closeSync(fd);
  const fields = buffer.toString('latin1', 0, size).split(/\s+/);
  const values = new Uint32Array(n);
  for (let i = 0; i < n; ++i) {
    const [whole, decimals] = fields[i].split('.');
    values[i] = Number(whole) * 8 + Number(decimals) / 125;
  }
  return values;
}

const { server, url } = await serveSite(site);
const browser = await launchChromium();
try {
  const scripts = readdirSync(join(here, 'scripts')).filter((f) => f.endsWith('.drive')).sort();
  for (const file of scripts) {
    const before = failures;
    const script = readFileSync(join(here, 'scripts', file), 'utf8');
    const desktop = desktopDrive(script);
    const { page, lines } = await drivePage(browser, url, script, { clock });
    await page.close();
    if (lines.pop() !== 'drive: done') fail(`${file}: no final "drive: done"`);
    compareLines(file, desktop, lines);
    if (desktop.length === 0) fail(`${file}: the desktop printed nothing`);
    console.log(`${failures === before ? 'ok  ' : 'FAIL'} ${file} (${desktop.length} lines)`);
  }

  // The page's stream of intervals, made by the generator in the page,
  // against the file the build wrote with the same generator.
  const { page } = await drivePage(browser, url, '', { clock });
  const eighths = await page.evaluate((n) => {
    const p = Module._kolven_interval_eighths(n);
    const values = Array.from(Module.HEAPU32.subarray(p >> 2, (p >> 2) + n));
    Module._free(p);
    return values;
  }, intervalsChecked);
  const expected = fileEighths(intervalsChecked);
  const differing = eighths.findIndex((v, i) => v !== expected[i]);
  if (eighths.length !== intervalsChecked || differing >= 0)
    fail(`intervals: the page's stream differs from KOLVEN_11.KVL at value ${differing}`);
  else
    console.log(`ok   the page's first ${intervalsChecked} intervals equal KOLVEN_11.KVL's`);

  const memory = await page.evaluate(() => Module.HEAPU8.length);
  const metrics = await page.metrics();
  const total = memory + metrics.JSHeapTotalSize;
  if (total >= memoryLimit) fail(`memory: ${total} bytes`);
  else console.log(`ok   memory: wasm ${(memory / 1048576).toFixed(1)} MB + JS heap ${(metrics.JSHeapTotalSize / 1048576).toFixed(1)} MB`);
  const checks = [
    ['interval hook refuses counts out of bounds', () => refusedCounts(page)],
    ['a disabled list entry is grey', () => greyedEntry(browser, url)],
    ['taps choose as clicks do', () => touchChoice(browser, url, clock)],
    ['the service worker keeps good answers only', () => keptAnswers(browser, url)],
    ['the manifest lists PNG icons', () => manifestIcons(browser, url)],
  ];
  for (const [name, check] of checks) {
    const problems = await check();
    problems.forEach(fail);
    console.log(`${problems.length ? 'FAIL' : 'ok  '} ${name}`);
  }
  await page.close();
} finally {
  await browser.close();
  server.close();
}
for (const note of lastBits) console.log(`note: last bits differ, ${note}`);
console.log(failures ? `${failures} failure(s)` : 'all web tests passed');
process.exit(failures ? 1 : 0);
