// The browser edition's benchmark, beside the desktop's on the same machine:
//  - a run of a million counts at the start-up mean 9, in the page (headless
//    Chromium, 1024 × 768) and in kolven-drive (offscreen, 1024 × 768), each
//    the time of the script with the run less the time of the same script
//    without it, so that start-up is not counted;
//  - the page's start-up: from the navigation to its first frame, the
//    interval stream made and the window laid out.
// Every figure is the median of R repetitions (3 by default).
//
//   node bench/web_bench.mjs [R] [BUILD_DIR] [SITE_DIR]
//   (run from tests/web's node_modules: NODE_PATH is not needed, the import
//    is resolved from tests/web/site_server.mjs)

import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite, launchChromium, drivePage } from '../tests/web/site_server.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const repeat = Number(process.argv[2] || 3);
const build = process.argv[3] || join(here, '../build');
const site = process.argv[4] || join(here, '../build-web/site');

const setUp = 'hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\nhover LANCER1\n';
const millionRun = setUp + 'pick LANCER_N 16\ndump\n';
const noRun = setUp + 'dump\n';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function desktopSeconds(script) {
  const folder = mkdtempSync(join(tmpdir(), 'kolven-bench-'));
  const start = process.hrtime.bigint();
  spawnSync(join(build, 'bin/kolven-drive'),
    ['--screen', '1024x768', '--clock', '43200', '--workdir', folder, '--export-root', folder],
    { input: script, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, maxBuffer: 1 << 28 });
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  rmSync(folder, { recursive: true, force: true });
  return seconds;
}

async function pageSeconds(browser, url, script) {
  const start = process.hrtime.bigint();
  const { page } = await drivePage(browser, url, script, { timeout: 600000 });
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  const SN_L = await page.$eval('#kolven-drive-output', (pre) => JSON.parse(pre.textContent.split('\n')[0]).state.SN_L);
  await page.close();
  return { seconds, SN_L };
}

const { server, url } = await serveSite(site);
const browser = await launchChromium();
try {
  const desktop = [], web = [], startUp = [];
  for (let r = 0; r < repeat; ++r) {
    desktop.push(desktopSeconds(millionRun) - desktopSeconds(noRun));
    const run = await pageSeconds(browser, url, millionRun);
    const bare = await pageSeconds(browser, url, noRun);
    if (run.SN_L !== 1000000) throw new Error(`the page's run made ${run.SN_L} counts`);
    web.push(run.seconds - bare.seconds);

    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.goto(url + 'index.html');
    await page.waitForFunction(() => window.Module && Module.kolvenFirstFrame, { polling: 10 });
    startUp.push(await page.evaluate(() => Module.kolvenFirstFrame) / 1000);
    await page.close();
  }
  const d = median(desktop), w = median(web);
  console.log(`a million counts at mean 9: desktop ${d.toFixed(2)} s, page ${w.toFixed(2)} s, ` +
    `ratio ${(w / d).toFixed(2)} (medians of ${repeat})`);
  console.log(`page start-up to the first frame: ${median(startUp).toFixed(2)} s (median of ${repeat})`);
} finally {
  await browser.close();
  server.close();
}
