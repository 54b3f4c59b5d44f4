// Pictures of the page in headless Chromium, for a person to look at: the
// start, a run of a thousand counts and its analysis at 1024 × 768 and
// 1366 × 768, and the run on a touch screen of 1280 × 800.
//
//   node tests/web/take_pictures.mjs [SITE_DIR] [OUT_DIR]

import { mkdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite, launchChromium, drivePage } from './site_server.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const site = process.argv[2] || join(here, '../../build-web/site');
const out = process.argv[3] || join(here, '../../build-web/pictures');
mkdirSync(out, { recursive: true });

const run = 'hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\nhover LANCER1\npick LANCER_N 9\nmove 30 30\n';
const shots = [
  { name: 'start', script: '' },
  { name: 'run', script: run },
  { name: 'analysis', script: run + 'click ANALYSES\nmove 30 30\n' },
];
const screens = [
  { width: 1024, height: 768 },
  { width: 1366, height: 768 },
];

const { server, url } = await serveSite(site);
const browser = await launchChromium();
try {
  for (const screen of screens) {
    for (const shot of shots) {
      const { page } = await drivePage(browser, url, shot.script, screen);
      const file = join(out, `${shot.name}-${screen.width}x${screen.height}.png`);
      await page.screenshot({ path: file });
      await page.close();
      console.log(file);
    }
  }
  const { page } = await drivePage(browser, url, run, { width: 1280, height: 800, touch: true });
  const file = join(out, 'run-touch-1280x800.png');
  await page.screenshot({ path: file });
  await page.close();
  console.log(file);
} finally {
  await browser.close();
  server.close();
}
