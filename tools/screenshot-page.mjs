// Photographs the page as a student first sees it on a laptop, answering the
// README's example pair: the form, the answer and the picture, the console
// text folded away. Usage: node tools/screenshot-page.mjs PAGE OUT.png
// (puppeteer-core comes from tests/web, where tests/web/run installs it).
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');
const [page, out] = process.argv.slice(2);
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const tab = await browser.newPage();
await tab.setViewport({ width: 1060, height: 800, deviceScaleFactor: 1 });
await tab.goto('file://' + resolve(page));
await tab.waitForFunction(() => window.answered >= 1);
await tab.$eval('#ispis', (details) => { details.open = false; });
await tab.screenshot({ path: out, fullPage: true });
await browser.close();
