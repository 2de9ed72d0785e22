// How soon the web page's form is built and live, next to a static page with the
// same captions and fields and no script (the browser's floor).
//
//   node bench/web-startup.mjs [PAGE]        PAGE defaults to build-web/selbrin.html
//   RUNS=30 node bench/web-startup.mjs
//
// The static page is the packed page's own form as the browser built it (the
// same elements, styles and sizes), saved without its scripts. The page is
// opened twice in each round: as a returning visit, when it places the form as
// it measured it before, and as a first visit, when it measures the form. All
// are opened from file:// in headless Chromium, in a fresh tab each time, taking
// turns after one warm-up of each, RUNS times (15 by default). For each load it takes,
// from the start of the navigation: DOMContentLoaded, and the moment the form is
// live (the page's body[data-ready]; for the static page, DOMContentLoaded, as it
// has nothing more to do), and the first paint, where the user first sees the
// form: the static page lays its form out after DOMContentLoaded, the packed page
// (on a first visit) before it is live. Prints min, median and max and the
// medians' ratios.
// Timings are noisy on a busy machine: a benchmark, not a test.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const page = resolve(process.argv[2] ?? "build-web/selbrin.html");
const runs = Number(process.env.RUNS ?? 15);
const chromium = process.env.SELBRIN_CHROMIUM ?? "/usr/bin/chromium";

// Runs in every document before its own scripts: notes when the DOM is complete
// and when the page marks itself ready.
const probe = () => {
  const times = (window.startupTimes = {});
  document.addEventListener("DOMContentLoaded", () => (times.dom = performance.now()));
  new PerformanceObserver((list) => {
    const paint = list.getEntriesByName("first-contentful-paint")[0];
    if (paint) times.paint = paint.startTime;
  }).observe({ type: "paint", buffered: true });
  new MutationObserver((_, observer) => {
    if (document.body?.dataset.ready && !document.body.hasAttribute("data-static")) {
      times.ready = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-ready"] });
};

async function staticCopy(browser, dir) {
  const tab = await browser.newPage();
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector("body[data-ready]");
  const markup = await tab.evaluate(() => {
    const head = [...document.head.children].filter((el) => el.tagName !== "SCRIPT");
    return `<!doctype html><html lang="tr"><head>${head.map((el) => el.outerHTML).join("")}</head>` +
      `<body data-static>${document.getElementById("page").outerHTML}</body></html>`;
  });
  await tab.close();
  const file = join(dir, "static.html");
  writeFileSync(file, markup);
  return file;
}

// The page finds no placement kept (placement.js), as on a first visit; it
// still reads the storage, and what it keeps stays for the returning visits.
const forget = () => {
  const get = Storage.prototype.getItem;
  Storage.prototype.getItem = function (key) {
    const kept = get.call(this, key);
    return key === "selbrin.placement" ? null : kept;
  };
};

async function load(browser, file, first) {
  const tab = await browser.newPage();
  await tab.evaluateOnNewDocument(probe);
  if (first) await tab.evaluateOnNewDocument(forget);
  await tab.goto(pathToFileURL(file).href);
  await tab.waitForFunction(() => {
    const times = window.startupTimes;
    return times.dom && times.paint && (times.ready || document.body.hasAttribute("data-static"));
  });
  const times = await tab.evaluate(() => window.startupTimes);
  await tab.close();
  return { dom: times.dom, live: times.ready ?? times.dom, paint: times.paint };
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const row = (name, xs) => {
  const sorted = [...xs].sort((a, b) => a - b);
  const f = (x) => x.toFixed(1).padStart(7);
  return `${name.padEnd(28)}${f(sorted[0])}${f(median(xs))}${f(sorted.at(-1))}`;
};

async function main() {
  const dir = mkdtempSync(join(tmpdir(), "selbrin-startup-"));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: join(dir, "profile"),
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--lang=tr-TR"],
  });
  try {
    const bare = await staticCopy(browser, dir);
    const pages = { selbrin: [page, false], "first visit": [page, true], static: [bare, false] };
    const results = Object.fromEntries(Object.keys(pages).map((name) => [name, []]));
    for (const [file, first] of Object.values(pages)) await load(browser, file, first);
    for (let i = 0; i < runs; ++i) {
      for (const [name, [file, first]] of Object.entries(pages)) results[name].push(await load(browser, file, first));
    }
    const size = readFileSync(page).length;
    console.log(`${runs} loads each from file://, ms after navigation start      min median    max`);
    for (const name of Object.keys(pages)) {
      console.log(row(`${name} DOMContentLoaded`, results[name].map((r) => r.dom)));
      console.log(row(`${name} form live`, results[name].map((r) => r.live)));
      console.log(row(`${name} first paint`, results[name].map((r) => r.paint)));
    }
    const figures = (what) => {
      const at = (name) => median(results[name].map((r) => r[what]));
      const ratio = (name) => (at(name) / at("static")).toFixed(2);
      return `${at("selbrin").toFixed(1)} ms against ${at("static").toFixed(1)} ms, ratio ${ratio("selbrin")}; ` +
        `on a first visit ${at("first visit").toFixed(1)} ms, ratio ${ratio("first visit")}`;
    };
    console.log(`page ${(size / 1024).toFixed(0)} KB\nform live: ${figures("live")}\nfirst paint: ${figures("paint")}`);
  } finally {
    await browser.close();
    rmSync(dir, { recursive: true, force: true });
  }
}

await main();
