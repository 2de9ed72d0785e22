// Opens the packed page in Debian's Chromium, headless, with a fresh profile and
// no network: the page must come whole from the file.
import assert from "node:assert/strict";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

export const pagePath = resolve(process.env.SELBRIN_PAGE ?? "build-web/selbrin.html");
export const chromium = process.env.SELBRIN_CHROMIUM ?? "/usr/bin/chromium";

export async function openPage({ colorScheme = "light", clipboard = false, viewport = { width: 900, height: 700 }, path = pagePath } = {}) {
  const profile = mkdtempSync(join(tmpdir(), "selbrin-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--lang=tr-TR",
    ],
  });
  if (clipboard) {
    // A page from disk has no origin to grant to: grant every page the clipboard.
    const cdp = await browser.target().createCDPSession();
    await cdp.send("Browser.grantPermissions", { permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
  }
  const page = await browser.newPage();
  const problems = [];
  page.on("pageerror", (e) => problems.push(String(e)));
  page.on("console", (m) => m.type() === "error" && problems.push(m.text()));
  // Only the file itself and what it inlines: no request leaves the machine.
  page.on("request", (r) => /^(file|data):/.test(r.url()) || problems.push(`request ${r.url()}`));
  await page.setOfflineMode(true);
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: colorScheme }]);
  await page.setViewport(viewport);
  await page.goto(pathToFileURL(path).href);
  await page.waitForSelector("body[data-ready]");
  const close = async () => {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser, page, problems, close };
}

// Runs `body` on a fresh page; the page must have logged no error.
export async function withPage(options, body) {
  const session = await openPage(options);
  try {
    await body(session.page);
    assert.deepEqual(session.problems, []);
  } finally {
    await session.close();
  }
}

// What an element shows: an input's value, else its text.
export const value = (page, id) =>
  page.$eval(`#${id}`, (el) => ("value" in el && el.tagName !== "OUTPUT" ? el.value : el.textContent));

// Every control as the page shows it and as the model holds it, side by side.
export function pageAndModel(page) {
  return page.evaluate(() => {
    const { model, view } = window.selbrin;
    const { controls } = model.state();
    return model.table.controls.map((d, c) => {
      const el = document.getElementById(d.id);
      const shown = ["text", "combo"].includes(d.kind)
        ? el.value
        : ["check", "option"].includes(d.kind)
          ? el.checked
          : el.textContent;
      const held = ["check", "option"].includes(d.kind)
        ? controls[c][1] === 1
        : d.kind === "command"
          ? d.caption
          : model.text(c);
      const combo = view.parts[c].combo;
      const items = combo ? [...combo.list.children].map((li) => li.textContent) : [];
      const modelItems = combo ? view.items(c) : [];
      return { id: d.id, shown, held, items, modelItems };
    });
  });
}

export async function messageShown(page) {
  return page.$eval("#faultMessage", (m) => (m.hidden ? null : m.querySelector("p").textContent));
}

// A user acting at random, by keystrokes, clicks and picks from the lists, with
// the mouse, or with a finger on a touch screen (a tap on a combo box's field
// opens its list); after every action each element must equal the model.
export async function playRandomUser(page, { steps, seed = 20240613, touch = false }) {
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.floor((seed / 2147483648) * n);
  };
  const press = (selector) => (touch ? page.tap(selector) : page.click(selector));
  const boxes = ["Text2", "Text5", "Text9", "Text10", "Text11", "Text12", "Combo1", "Combo2", "Combo3"];
  const typed = ["1", "2", "5", "0", "9", ".", "e", "-", " ", ",", "ğ", "Backspace", "Delete", "ArrowLeft"];
  const clicked = ["chkKompakt", "chk4kutup", "chkC2", "Command1", ...Array.from({ length: 8 }, (_, i) => `Option1_${i}`)];
  const combos = { Combo1: 14, Combo2: 27, Combo3: 27 };
  for (let step = 0; step < steps; ++step) {
    const kind = random(4);
    let action;
    if (kind < 2) {
      const box = boxes[random(boxes.length)];
      const key = typed[random(typed.length)];
      action = `type ${key} into ${box}`;
      await page.focus(`#${box}`);
      if (key.length > 1) await page.keyboard.press(key);
      else await page.keyboard.type(key);
    } else if (kind === 2) {
      const id = clicked[random(clicked.length)];
      action = `press ${id}`;
      await press(`#${id}`);
    } else {
      const combo = Object.keys(combos)[random(3)];
      const item = random(combos[combo]);
      action = `pick item ${item} of ${combo}`;
      await press(touch ? `#${combo}` : `#${combo} + button`);
      await press(`#${combo}_item_${item}`);
    }
    for (const c of await pageAndModel(page)) {
      assert.equal(c.shown, c.held, `${c.id} after step ${step}: ${action}`);
      assert.deepEqual(c.items, c.modelItems, `${c.id}'s list after step ${step}`);
    }
  }
}
