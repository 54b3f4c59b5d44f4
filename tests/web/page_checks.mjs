// Checks of the page that a drive script's output cannot show: what it
// paints, what a finger does, what its service worker keeps and what its
// test hooks refuse. Each returns the problems it found, as messages.

import { drivePage } from './site_server.mjs';

// Where the drive would aim on `name` (on its entry `entry` when >= 0), and
// the box of the control or entry, in window pixels; null when unknown.
function aim(page, name, entry = -1) {
  return page.evaluate((n, e) => {
    const bytes = new TextEncoder().encode(n + '\0');
    const p = Module._malloc(bytes.length);
    Module.HEAPU8.set(bytes, p);
    const answer = Module.UTF8ToString(Module._kolven_aim(p, e));
    Module._free(p);
    return JSON.parse(answer);
  }, name, entry);
}

function stateDump(page) {
  return page.evaluate(() => Module.UTF8ToString(Module._kolven_state_dump()));
}

// The darkest channel of the canvas inside `box` less a margin of 2 pixels,
// whose edges may hold the frame or the neighbouring entry's selection.
function darkest(page, box) {
  return page.evaluate(({ left, top, width, height }) => {
    const canvas = document.getElementById('kolven');
    const ratio = canvas.width / canvas.getBoundingClientRect().width;
    const pixels = canvas.getContext('2d').getImageData(Math.round((left + 2) * ratio), Math.round((top + 2) * ratio),
      Math.round((width - 4) * ratio), Math.round((height - 4) * ratio)).data;
    let least = 255;
    for (let i = 0; i < pixels.length; i += 4)
      least = Math.min(least, pixels[i], pixels[i + 1], pixels[i + 2]);
    return least;
  }, box);
}

// The detector's list before any class stream: its last entry is written in
// grey (#808080, lighter still where its edges blend with the list's
// #e0e0e0), the others in the list's black.
export async function greyedEntry(browser, url) {
  const problems = [];
  const { page } = await drivePage(browser, url, 'hover DETECTEUR\n');
  const rows = [
    { name: 'a usable entry is black', entry: 2, ok: (v) => v < 0x40 },
    { name: 'the class stream entry is grey', entry: 3, ok: (v) => v >= 0x78 },
  ];
  for (const row of rows) {
    const value = await darkest(page, await aim(page, 'DETECTEUR_List', row.entry));
    if (!row.ok(value)) problems.push(`greyed entry: ${row.name}, its darkest channel is ${value}`);
  }
  await page.close();
  return problems;
}

// Choosing by finger what a mouse chooses by clicks: the origin's label,
// then the first association of its list. The page must end in the state
// the same clicks of a mouse leave, and that state must be a change.
export async function touchChoice(browser, url, clock) {
  const problems = [];
  const script = 'click ORIGINE\nclick Label38\npick ASSOCIATIONS_List 0\n';
  const { page: mouse, lines } = await drivePage(browser, url, script + 'dump\n', { clock });
  const byMouse = lines[lines.length - 2];
  const before = await drivePage(browser, url, 'dump\n', { clock });
  if (!byMouse || byMouse === before.lines[0]) problems.push('touch: the mouse\'s clicks changed nothing');
  await mouse.close();
  await before.page.close();

  const { page } = await drivePage(browser, url, '', { clock, touch: true });
  // What the browser makes of the taps: pointer events of a finger, not of
  // a mouse it would emulate.
  await page.evaluate(() => {
    window.kolvenPresses = [];
    window.addEventListener('pointerdown', (e) => window.kolvenPresses.push(e.pointerType), true);
  });
  const taps = [['ORIGINE', -1], ['Label38', -1], ['ASSOCIATIONS_List', 0]];
  for (const [name, entry] of taps) {
    const target = await aim(page, name, entry);
    if (!target) {
      problems.push(`touch: no ${name} to tap`);
      break;
    }
    // The window's pixel to the page's point, as the drive's own events go.
    const point = await page.evaluate(({ x, y }) => {
      const canvas = document.getElementById('kolven');
      const r = canvas.getBoundingClientRect();
      const width = canvas.width / window.devicePixelRatio, height = canvas.height / window.devicePixelRatio;
      return { x: r.left + (x + 0.5) * r.width / width, y: r.top + (y + 0.5) * r.height / height };
    }, target);
    await page.touchscreen.tap(point.x, point.y);
    // The window takes its events between frames: the next tap must find
    // the list this one opened.
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 50))));
  }
  const presses = await page.evaluate(() => window.kolvenPresses.join(' '));
  if (presses !== 'touch touch touch') problems.push(`touch: the taps pressed as "${presses}"`);
  let byTouch = await stateDump(page);
  for (let wait = 0; wait < 40 && byTouch !== byMouse; ++wait) {
    await new Promise((resolve) => setTimeout(resolve, 50));
    byTouch = await stateDump(page);
  }
  if (byTouch !== byMouse) {
    const m = JSON.parse(byMouse), t = JSON.parse(byTouch);
    const differing = Object.keys(m.controls).filter((k) => JSON.stringify(m.controls[k]) !== JSON.stringify(t.controls[k]))
      .concat(Object.keys(m.state).filter((k) => JSON.stringify(m.state[k]) !== JSON.stringify(t.state[k])));
    problems.push(`touch: the taps' state differs from the clicks' in ${differing.join(', ')}`);
  }
  await page.close();
  return problems;
}

// A service worker that keeps an error answer would serve it offline in
// place of the file: only good answers are kept.
export async function keptAnswers(browser, url) {
  const problems = [];
  const page = await browser.newPage();
  await page.goto(url + 'index.html');
  await page.waitForFunction(() => navigator.serviceWorker && navigator.serviceWorker.controller, { timeout: 30000 });
  const rows = [
    { name: 'a missing file', path: 'status/404', kept: false },
    { name: 'a server error', path: 'status/500', kept: false },
    { name: 'a good answer', path: 'index.html?kept', kept: true },
  ];
  const kept = await page.evaluate(async (paths) => {
    for (const path of paths) await fetch(path);
    // The worker keeps a copy after it answers; the last path is the good
    // one, kept once the others have been dealt with.
    for (let wait = 0; wait < 100 && !(await caches.match(paths[paths.length - 1])); ++wait)
      await new Promise((resolve) => setTimeout(resolve, 50));
    return Promise.all(paths.map(async (path) => !!(await caches.match(path))));
  }, rows.map((r) => r.path));
  rows.forEach((row, i) => {
    if (kept[i] !== row.kept) problems.push(`service worker: ${row.name} was ${kept[i] ? '' : 'not '}kept`);
  });
  await page.close();
  return problems;
}

// The interval check's hook allocates what it is asked: a count of none,
// a negative one or more than the interval file holds is refused, as is
// one whose bytes would pass 32 bits and wrap to a few.
export async function refusedCounts(page) {
  const problems = [];
  const rows = [
    { name: 'no value', count: 0 },
    { name: 'a negative count', count: -1 },
    { name: 'one more than the file holds', count: 12000001 },
    { name: 'bytes beyond 32 bits', count: 2 ** 30 + 1 },
  ];
  for (const row of rows) {
    const pointer = await page.evaluate((n) => Module._kolven_interval_eighths(n), row.count)
      .catch((error) => `an error: ${error.message.split('\n')[0]}`);
    if (pointer !== 0) problems.push(`interval hook: ${row.name} gave ${pointer}`);
  }
  return problems;
}

// Home screens that take no SVG want PNG icons of 192 and 512 pixels: the
// manifest lists them, and each is a PNG of the size it claims.
export async function manifestIcons(browser, url) {
  const problems = [];
  const page = await browser.newPage();
  await page.goto(url + 'manifest.webmanifest');
  const icons = await page.evaluate(async () => {
    const manifest = await (await fetch('manifest.webmanifest')).json();
    return Promise.all(manifest.icons.filter((i) => i.type === 'image/png').map(async (icon) => {
      const response = await fetch(icon.src);
      const image = response.ok ? await createImageBitmap(await response.blob()) : { width: 0, height: 0 };
      return { sizes: icon.sizes, drawn: `${image.width}x${image.height}` };
    }));
  });
  for (const size of ['192x192', '512x512']) {
    const icon = icons.find((i) => i.sizes === size);
    if (!icon) problems.push(`manifest: no PNG icon of ${size}`);
    else if (icon.drawn !== size) problems.push(`manifest: the ${size} icon is ${icon.drawn}`);
  }
  await page.close();
  return problems;
}
