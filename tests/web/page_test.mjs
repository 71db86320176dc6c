// The page as a person sees it, in headless Chromium, opened from disk with
// ?in= for a few inputs: it must print what the native program prints for
// the same input, keep the form as typed, and draw each dot and label where
// the native program's own picture (--picture, the window's layout) puts
// them; v must turn to the view in space, and Izracunaj must put the form's
// input into the address.
// Usage: node page_test.mjs PAGE NATIVE_PROGRAM
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const [page, native] = process.argv.slice(2);
const cases = [
  { name: 'the README pair', input: '0 0 0\n50 10 5\n10 50 50\n50 50 0\n0 50 50\n40 0 10\n' },
  { name: 'a coplanar hexagon', input: '0 4 0\n-4 -2 0\n4 -2 0\n0 -4 0\n-4 2 0\n4 2 0\n' },
  { name: 'a refusal', input: '0 0 0\n5o 10 5\n10 50 50\n50 50 0\n0 50 50\n40 0 10\n' },
];
const work = mkdtempSync(join(tmpdir(), 'presek-page-'));
let faults = 0;
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  faults += ok ? 0 : 1;
}

// What the native program prints for `input`, standard error where a
// terminal shows it, and the marks of its picture: dots and labels.
function nativeAnswer(input) {
  const svg = join(work, 'picture.svg');
  rmSync(svg, { force: true });
  const run = spawnSync('sh', ['-c', `"${native}" --picture "${svg}" 2>&1`], { input });
  let marks = { dots: [], labels: [] };
  try {
    const text = readFileSync(svg, 'utf8');
    marks.dots = [...text.matchAll(/<circle cx="([-\d.]+)" cy="([-\d.]+)" r="[\d.]+" fill="#(\w+)"/g)]
        .map((m) => ({ x: +m[1], y: +m[2], colour: m[3] }));
    const labels = text.slice(text.indexOf('<g id="labels"'));
    marks.labels = [...labels.matchAll(/<text x="([-\d.]+)" y="([-\d.]+)"[^>]*><tspan fill="#(\w+)">([^<]*)</g)]
        .map((m) => ({ x: +m[1], y: +m[2], colour: m[3], letter: m[4] }));
  } catch {
    // A refused input writes no picture.
  }
  return { printed: run.stdout.toString(), marks };
}

// Faults of a screenshot of the picture against the marks: each dot in its
// colour unless a later dot covers it, each label's first letter in (near)
// its colour where it stands. Run inside a page, where images decode.
async function pictureFaults(browser, png, marks) {
  const blank = await browser.newPage();
  const found = await blank.evaluate(async (data, marks) => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + data;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    const at = (x, y) => [0, 1, 2].map((k) => pixels[4 * (Math.round(y) * image.width + Math.round(x)) + k]);
    const rgb = (hex) => [0, 2, 4].map((k) => parseInt(hex.substr(k, 2), 16));
    const near = (a, b, reach) => a.every((v, k) => Math.abs(v - b[k]) <= reach);
    const faults = [];
    marks.dots.forEach((dot, i) => {
      const covered = marks.dots.slice(i + 1).some((l) => Math.abs(l.x - dot.x) < 5 && Math.abs(l.y - dot.y) < 5);
      if (!covered && !near(at(dot.x - 1, dot.y - 1), rgb(dot.colour), 2)) {
        faults.push(`dot ${i} at (${dot.x}, ${dot.y})`);
      }
    });
    for (const label of marks.labels) {
      let seen = 0;
      for (let y = label.y - 11; y <= label.y + 2; ++y) {
        for (let x = label.x; x < label.x + 8 * label.letter.length; ++x) {
          seen += near(at(x, y), rgb(label.colour), 70) ? 1 : 0;
        }
      }
      if (seen === 0) {
        faults.push(`label ${label.letter} at (${label.x}, ${label.y})`);
      }
    }
    return faults;
  }, png, marks);
  await blank.close();
  return found;
}

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-quic',
         '--no-first-run', '--disable-background-networking', '--disable-component-update',
         '--disable-sync'],
});
try {
  for (const c of cases) {
    const expected = nativeAnswer(c.input);
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1100, height: 1300, deviceScaleFactor: 1 });
    await tab.goto('file://' + page + '?in=' + encodeURIComponent(c.input));
    await tab.waitForFunction(() => window.answered >= 1, { timeout: 10000 });
    const printed = await tab.$eval('#odgovor', (answer) => answer.textContent);
    check(printed === expected.printed, `${c.name}: the native program's text`);
    const typed = await tab.$$eval('form input', (fields) => fields.map((f) => f.value).join('\n') + '\n');
    check(typed === c.input, `${c.name}: the form holds the input as typed`);
    const picture = await tab.$('#slika');
    const views = await picture.screenshot({ encoding: 'base64' });
    if (expected.marks.dots.length > 0) {
      const wrong = await pictureFaults(browser, views, expected.marks);
      check(wrong.length === 0,
            `${c.name}: ${expected.marks.dots.length} dots and ${expected.marks.labels.length} labels where the native picture has them ${wrong.join('; ')}`);
      await tab.click('#slika');
      await tab.keyboard.press('v');
      await new Promise((resolve) => setTimeout(resolve, 300));
      check(await picture.screenshot({ encoding: 'base64' }) !== views, `${c.name}: v shows the view in space`);
    }
    await tab.close();
  }
  // Izracunaj answers the form and puts its input into the address.
  const tab = await browser.newPage();
  await tab.goto('file://' + page);
  await tab.waitForFunction(() => window.answered >= 1, { timeout: 10000 });
  await tab.$eval("input[id=\"C'\"]", (field) => { field.value = '40 0 11'; });
  await tab.click('form button');
  await tab.waitForFunction(() => window.answered >= 2, { timeout: 10000 });
  const input = cases[0].input.replace('40 0 10', '40 0 11');
  check(new URL(tab.url()).search === '?in=' + encodeURIComponent(input), 'Izracunaj: the input in the address');
  const printed = await tab.$eval('#odgovor', (answer) => answer.textContent);
  check(printed === nativeAnswer(input).printed, 'Izracunaj: the answer to the form');
} finally {
  await browser.close();
  rmSync(work, { recursive: true, force: true });
}
process.exit(faults === 0 ? 0 : 1);
