// How soon the page shows its first picture: from the start of its loading
// from disk in headless Chromium to the first frame drawn after the README
// pair is answered, over ten loads, with the file's size.
// Usage: node bench/page_bench.mjs build/web/presek-trouglova.html
// (puppeteer-core comes from tests/web, where tests/web/run installs it).
import { statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');
const page = resolve(process.argv[2] ?? 'build/web/presek-trouglova.html');
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-quic',
         '--no-first-run', '--disable-background-networking', '--disable-component-update',
         '--disable-sync'],
});
const times = [];
for (let run = 0; run < 10; ++run) {
  const tab = await browser.newPage();
  await tab.goto('file://' + page);
  await tab.waitForFunction(() => window.answered >= 1);
  // The frame the answer asked for is drawn at the next animation frame.
  times.push(await tab.evaluate(() => new Promise((done) => {
    requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now())));
  })));
  await tab.close();
}
await browser.close();
times.sort((a, b) => a - b);
console.log(`page: ${(statSync(page).size / 1024).toFixed(0)} kB; first picture after ` +
            `${times[0].toFixed(0)} / ${times[5].toFixed(0)} / ${times[9].toFixed(0)} ms ` +
            '(fastest / median / slowest of 10 loads)');
