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
