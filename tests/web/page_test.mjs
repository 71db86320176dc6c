// The page as a person uses it, in headless Chromium, opened from disk: with
// ?in= for a few inputs it must print what the native program prints for the
// same bytes, answer first in its panel, mark the field that holds a slip,
// and draw each dot and label where the native program's own picture
// (--picture, the window's layout) puts them. Then a person's own keys,
// clicks, wheel and fingers: typing stays in the fields, Tab and Enter work,
// the picture takes its keys once clicked, the wheel and a finger on it never
// scroll the page, and on a phone nothing is wider than the screen and the
// letters stay readable.
// Usage: node page_test.mjs PAGE NATIVE_PROGRAM
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const [page, native] = process.argv.slice(2);
const readme = '0 0 0\n50 10 5\n10 50 50\n50 50 0\n0 50 50\n40 0 10\n';
const cases = [
  { name: 'the README pair', input: readme },
  { name: 'a coplanar hexagon', input: '0 4 0\n-4 -2 0\n4 -2 0\n0 -4 0\n-4 2 0\n4 2 0\n' },
  { name: 'a refusal', input: '0 0 0\n5o 10 5\n10 50 50\n50 50 0\n0 50 50\n40 0 10\n',
    marked: ['B'] },
  { name: 'coinciding vertices', input: '1 1 1\n1 1 1\n0 0 0\n1 0 0\n0 1 0\n0 0 1\n',
    marked: ['A', 'B'] },
  { name: 'an input that ends early', input: '0 0 0\n1 2', marked: ['B'],
    told: 'Prvo nepopunjeno polje: B.' },
  { name: 'an empty input', input: '', marked: ['A'] },
  { name: 'a NUL in the input', input: '0 0 0\n1\u00002 3\n', marked: ['B'] },
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
  const run = spawnSync('sh', ['-c', `"${native}" --postupak --picture "${svg}" 2>&1`], { input });
  const marks = { dots: [], labels: [] };
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
  const all = run.stdout.toString();
  const steps = all.indexOf('\nPostupak,');
  const printed = steps < 0 ? all : all.slice(0, steps);
  const answer = printed.slice(printed.lastIndexOf(':\n') + 2);
  return { printed, answer, working: steps < 0 ? '' : all.slice(steps + 1), marks };
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
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
// A tab on the page, its view `width` × `height` CSS pixels; on a phone with
// touch, three device pixels to each. Every text the page draws on its
// canvas is recorded with its size in CSS pixels.
async function open(query, width = 1100, height = 1300, phone = false) {
  const tab = await browser.newPage();
  await tab.setViewport({ width, height, deviceScaleFactor: phone ? 3 : 1, isMobile: phone,
                          hasTouch: phone });
  await tab.evaluateOnNewDocument(() => {
    window.texts = [];
    const fillText = CanvasRenderingContext2D.prototype.fillText;
    CanvasRenderingContext2D.prototype.fillText = function (text, ...rest) {
      const scale = this.getTransform().a / window.devicePixelRatio;
      window.texts.push({ text, size: parseFloat(this.font) * scale });
      return fillText.call(this, text, ...rest);
    };
  });
  await tab.goto('file://' + page + query);
  await tab.waitForFunction(() => window.answered >= 1, { timeout: 10000 });
  return tab;
}
const answered = async (tab, times) =>
  tab.waitForFunction((n) => window.answered >= n, { timeout: 10000 }, times);
const picture = async (tab) => (await tab.$('#slika')).screenshot({ encoding: 'base64' });
const state = async (tab) => tab.evaluate(() => ({
  scroll: window.scrollY,
  focus: document.activeElement.id,
  space: document.getElementById('prostor').textContent,
  told: document.getElementById('presek').textContent,
  address: location.search,
}));

try {
  for (const c of cases) {
    const expected = nativeAnswer(c.input);
    const tab = await open('?in=' + encodeURIComponent(c.input));
    const printed = await tab.$eval('#konzola', (box) => box.textContent);
    check(printed === expected.printed, `${c.name}: the native program's text`);
    const marked = await tab.$$eval('form input[aria-invalid="true"]', (fields) => fields.map((f) => f.id));
    const told = (await state(tab)).told;
    if (c.marked) {
      const reasons = await tab.$$eval('.greska', (slips) => slips.map((s) => s.textContent).join(''));
      check(JSON.stringify(marked) === JSON.stringify(c.marked) && reasons.length > 0 &&
            told.startsWith('Greska!') && (!c.told || told.includes(c.told)),
            `${c.name}: ${marked.join(', ')} marked, the reason beside it and in the answer: ${told}`);
    } else {
      check(marked.length === 0 && told === expected.answer, `${c.name}: the answer first: ${told}`);
      const working = await tab.$eval('#postupak', (section) => ({
        folded: !section.open, text: section.querySelector('pre').textContent }));
      check(working.folded && working.text === expected.working,
            `${c.name}: the working, folded, as --postupak prints it`);
      const wrong = await pictureFaults(browser, await picture(tab), expected.marks);
      check(wrong.length === 0,
            `${c.name}: ${expected.marks.dots.length} dots and ${expected.marks.labels.length} labels where the native picture has them ${wrong.join('; ')}`);
    }
    await tab.close();
  }

  // A person types into the form: keys stay in the field, even v, Tab moves
  // on, and Enter answers and puts the input into the address.
  let tab = await open('');
  const before = await picture(tab);
  await tab.click('input[id="A"]', { clickCount: 3 });
  await tab.keyboard.type('0 0 0v');
  check(await tab.$eval('input[id="A"]', (f) => f.value) === '0 0 0v' &&
        (await state(tab)).space === 'Prikaz u prostoru' && await picture(tab) === before,
        'typing: every key, v too, stays in the field and the picture stays');
  await tab.keyboard.press('Backspace');
  await tab.keyboard.press('Tab');
  check((await state(tab)).focus === 'B', 'Tab: to the next field');
  await tab.click("input[id=\"C'\"]", { clickCount: 3 });
  await tab.keyboard.type('40 0 11');
  await tab.keyboard.press('Enter');
  await answered(tab, 2);
  const input = readme.replace('40 0 10', '40 0 11');
  const after = await state(tab);
  check(after.address === '?in=' + encodeURIComponent(input) &&
        after.told === nativeAnswer(input).answer && await picture(tab) !== before,
        `Enter: the form answered, its input in the address: ${after.told}`);

  // The picture takes its keys once clicked; the wheel over it zooms and the
  // page stays; elsewhere the wheel scrolls the page.
  await tab.close();
  tab = await open('?in=' + encodeURIComponent(input), 1100, 900);
  const views = await picture(tab);
  await tab.click('#slika');
  await tab.keyboard.press('v');
  const space = await picture(tab);
  check((await state(tab)).space === 'Tri projekcije' && space !== views,
        'a click on the picture, then v: the view in space');
  await tab.keyboard.press('+');
  check(await picture(tab) !== space, '+ zooms in space');
  await tab.keyboard.press('r');
  check(await picture(tab) === space, 'r returns to the start');
  const over = await (await tab.$('#slika')).boundingBox();
  const still = (await state(tab)).scroll;
  await tab.mouse.move(over.x + over.width / 2, over.y + over.height / 2);
  await tab.mouse.wheel({ deltaY: 300 });
  await tab.waitForFunction(() => window.drawn > 0);
  check((await state(tab)).scroll === still && await picture(tab) !== space,
        'the wheel over the picture zooms and leaves the page where it was');
  await tab.hover('#presek');
  const top = (await state(tab)).scroll;
  await tab.mouse.wheel({ deltaY: 300 });
  await tab.waitForFunction((y) => window.scrollY > y, { timeout: 3000 }, top).catch(() => {});
  check((await state(tab)).scroll > top, 'the wheel over the answer scrolls the page');
  await tab.close();

  // A phone: the form, the answer and the picture one under the other,
  // nothing wider than the screen, the letters readable, and every button
  // and a finger on the picture work without scrolling the page.
  tab = await open('', 390, 844, true);
  const layout = await tab.evaluate(() => {
    const top = (id) => document.getElementById(id).getBoundingClientRect().top;
    return { wide: document.documentElement.scrollWidth,
             order: top('tacke') < top('odgovor') && top('odgovor') < top('slika'),
             smallest: Math.min(...window.texts.map((t) => t.size)) };
  });
  check(layout.wide <= 390 && layout.order, `a phone: ${layout.wide} px wide, form, answer, picture in order`);
  check(layout.smallest >= 10, `a phone: the smallest text on the picture is ${layout.smallest} CSS px`);
  await tab.$eval('#slika', (c) => c.scrollIntoView());
  const scrolled = (await state(tab)).scroll;
  const phoneViews = await picture(tab);
  await tab.tap('#prostor');
  const phoneSpace = await picture(tab);
  check((await state(tab)).space === 'Tri projekcije' && phoneSpace !== phoneViews,
        'a tap on Prikaz u prostoru: the view in space');
  const box = await (await tab.$('#slika')).boundingBox();
  const session = await tab.target().createCDPSession();
  const finger = async (type, x) => session.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x, y: box.y + box.height / 2 }] });
  await finger('touchStart', box.x + 50);
  for (let x = box.x + 60; x <= box.x + 250; x += 10) {
    await finger('touchMove', x);
  }
  await finger('touchEnd');
  // A person lifts the finger a moment before the next tap, which the browser
  // would otherwise take for the same gesture.
  await new Promise((resolve) => setTimeout(resolve, 500));
  const turned = await picture(tab);
  check(turned !== phoneSpace && (await state(tab)).scroll === scrolled,
        'a finger drawn across the picture turns the figures and the page stays');
  await tab.tap('#uvecaj');
  const zoomed = await picture(tab);
  await tab.tap('#pocetni');
  check(zoomed !== turned && await picture(tab) === phoneSpace, 'taps on + and Pocetni polozaj');
  await tab.tap('#prostor');
  check(await picture(tab) === phoneViews, 'a tap on Tri projekcije: the projections again');
  await tab.close();
} finally {
  await browser.close();
  rmSync(work, { recursive: true, force: true });
}
process.exit(faults === 0 ? 0 : 1);
