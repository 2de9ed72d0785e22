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

export async function openPage({ colorScheme = "light", clipboard = false, viewport = { width: 900, height: 700 } } = {}) {
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
  await page.goto(pathToFileURL(pagePath).href);
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
    return model.table.controls.map((d, c) => {
      const el = document.getElementById(d.id);
      const shown = ["text", "combo"].includes(d.kind)
        ? el.value
        : ["check", "option"].includes(d.kind)
          ? el.checked
          : el.textContent;
      const held = ["check", "option"].includes(d.kind)
        ? model.value(c) === 1
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
