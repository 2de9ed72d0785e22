// The drive in the page's address and as a file: reloading restores it, a bad
// link opens the empty form with its message, values that look like markup stay
// text, and a chosen file opens.
import assert from "node:assert/strict";
import { test } from "node:test";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { openPage, pageAndModel, pagePath } from "./browser.mjs";

async function withPage(body) {
  const session = await openPage();
  try {
    await body(session.page);
    assert.deepEqual(session.problems, []);
  } finally {
    await session.close();
  }
}

async function openAt(page, hash) {
  await page.goto(pathToFileURL(pagePath).href + hash);
  await page.reload();
  await page.waitForSelector("body[data-ready]");
}

const value = (page, id) => page.$eval(`#${id}`, (el) => ("value" in el && el.tagName !== "OUTPUT" ? el.value : el.textContent));
const driveMessage = (page) => page.$eval("#driveMessage", (el) => (el.hidden ? null : el.textContent));

function expectPageEqualsModel(rows) {
  for (const r of rows) assert.deepEqual(r.shown, r.held, r.id);
}

test("the address keeps the drive, and reloading restores it", () =>
  withPage(async (page) => {
    // State: a fresh page. Action: keystrokes and clicks.
    const entries = await page.evaluate(() => history.length);
    await page.click("#Text2");
    await page.keyboard.type("1500");
    await page.click("#chkC2");
    // Expected: the address holds them, without new history entries.
    const hash = await page.evaluate(() => location.hash);
    assert.match(hash, /^#selbrin=1&/);
    assert.match(hash, /&Text2=1500/);
    assert.equal(await page.evaluate(() => history.length), entries);
    // Action: reload. Expected: the same form, the page equal to the model.
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    assert.equal(await value(page, "Text2"), "1500");
    assert.equal(await page.$eval("#chkC2", (el) => el.checked), false);
    expectPageEqualsModel(await pageAndModel(page));
    assert.equal(await driveMessage(page), null);
    // The menu holds the drive's commands.
    for (const id of ["openDrive", "saveDrive", "copyLink"]) assert.ok(await page.$(`#sheetMenu #${id}`), id);
  }));

test("a bad link opens the empty form with the message", () =>
  withPage(async (page) => {
    await openAt(page, "#selbrin=1&Text2=1500&chkC2=7");
    assert.equal(await value(page, "Text2"), "");
    assert.equal(await driveMessage(page), 'Bağlantı: satır 3: "chkC2" değeri 0 ya da 1 olmalı');
  }));

test("values that look like markup stay text", () =>
  withPage(async (page) => {
    const img = "<img src=x onerror=window.hit=1>";
    const svg = "<svg onload=window.hit=2>";
    const link = `selbrin=1&Proje=${encodeURIComponent(svg)}&Text9=${encodeURIComponent(img)}` +
      `&Label31=${encodeURIComponent(`<script>window.hit=3</script>${svg}`)}`;
    await openAt(page, `#${link}`);
    assert.equal(await driveMessage(page), null);
    assert.equal(await value(page, "Text9"), img);
    assert.equal(await value(page, "Label31"), `<script>window.hit=3</script>${svg}`);
    assert.equal(await page.$$eval("#page img, #page svg, #page script", (els) => els.length), 0);
    await page.evaluate(() => window.selbrin.commands.fillSheet());
    assert.equal(await page.evaluate(() => window.hit), undefined);
  }));

test("a chosen drive file opens; a bad one leaves the form", () =>
  withPage(async (page) => {
    const dir = mkdtempSync(join(tmpdir(), "selbrin-drive-"));
    try {
      const good = join(dir, "pompa.selbrin");
      const text = await page.evaluate(() => {
        window.selbrin.model.select(2);
        return window.selbrin.link.drive.file();
      });
      writeFileSync(good, text.replace("Text9=", "Text9=42"));
      const chooser = await page.$("#driveChooser");
      await chooser.uploadFile(good);
      await page.waitForFunction(() => document.getElementById("Text9").value === "42");
      assert.equal(await page.$eval("#Option1_2", (el) => el.checked), true);
      const bad = join(dir, "bozuk.selbrin");
      writeFileSync(bad, "selbrin-drive 2\n");
      await chooser.uploadFile(bad);
      await page.waitForFunction(() => !document.getElementById("driveMessage").hidden);
      assert.match(await driveMessage(page), /^bozuk\.selbrin: satır 1: dosya Selbrin'in daha yeni/);
      assert.equal(await value(page, "Text9"), "42");
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
  }));
