// The page on a phone and a tablet with touch: below the width at which the form
// fits with readable text, one column with no sideways scrolling and targets a
// finger can hit; a tap on a combo box's field opens its list; the numeric
// keyboards; the random user with a finger.
import assert from "node:assert/strict";
import { test } from "node:test";
import { resolve } from "node:path";
import { playRandomUser, value, withPage } from "./browser.mjs";

const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };
const screenshot = resolve(process.env.SELBRIN_PHONE_SCREENSHOT ?? "build-web/screenshot-phone.png");
const target = 44; // CSS px, each way

// Each control's row, slot and box, and the boxes a finger acts on.
const layout = (page) =>
  page.evaluate(() => {
    const { table, parts } = window.selbrin.view;
    const rect = (el) => el.getBoundingClientRect().toJSON();
    return table.controls.map((d, c) => {
      const p = parts[c];
      const box = d.kind === "option" ? document.getElementById("Option1") : p.box;
      const targets = { text: [p.el], combo: [p.el, p.combo?.button], check: [p.box], option: [p.box], command: [p.el] };
      return { id: d.id, row: d.row, slot: d.slot, box: rect(box), targets: (targets[d.kind] ?? []).map(rect) };
    });
  });

async function tapItem(page, id, text) {
  const items = await page.$$(`#${id}_list li`);
  const texts = await Promise.all(items.map((li) => li.evaluate((el) => el.textContent)));
  await items[texts.indexOf(text)].tap();
}

test("on a 390 x 844 touch screen the form is one column, no wider than the screen", () =>
  withPage({ viewport: phone }, async (page) => {
    assert.equal(await page.$eval("body", (b) => b.classList.contains("column")), true);
    const width = await page.evaluate(() => innerWidth);
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), width);
    const controls = await layout(page);
    for (const c of controls) {
      assert.ok(c.box.left >= 0 && c.box.right <= width, `${c.id} within the screen`);
      for (const t of c.targets) assert.ok(t.width >= target && t.height >= target, `${c.id}: ${t.width} x ${t.height}`);
    }
    // Rows one below the other; in a row the caption, the field, then the unit.
    const rows = new Map();
    for (const c of controls) rows.set(c.row, [...(rows.get(c.row) ?? []), c]);
    const order = ["caption", "field", "unit"];
    for (const [row, members] of rows) {
      const next = rows.get(row + 1) ?? [];
      for (const a of members) for (const b of next) assert.ok(a.box.bottom <= b.box.top + 0.5, `${a.id} above ${b.id}`);
      // (The profiles are one field, their group.)
      const inline = order.map((slot) => members.find((c) => c.slot === slot)).filter(Boolean);
      for (let i = 1; i < inline.length; ++i) assert.ok(inline[i - 1].box.right <= inline[i].box.left, `${inline[i].id} after ${inline[i - 1].id}`);
    }
  }));

test("the form keeps its own layout where it fits with text of 12 px or more", async () => {
  // Width of the screen, and whether the page is one column there.
  for (const [width, column] of [[390, true], [600, true], [680, false], [768, false], [1280, false]]) {
    await withPage({ viewport: { width, height: 900, hasTouch: true } }, async (page) => {
      const [isColumn, text, scrolls] = await page.evaluate(() => [
        document.body.classList.contains("column"),
        parseFloat(getComputedStyle(document.getElementById("Label1")).fontSize) * Number(document.querySelector(".frame").style.zoom || 1),
        document.documentElement.scrollWidth > innerWidth,
      ]);
      assert.equal(isColumn, column, `${width} px`);
      assert.ok(text >= 12, `text of ${text} px at ${width} px`);
      assert.equal(scrolls, false, `sideways scrolling at ${width} px`);
    });
  }
});

test("a tap on a combo box's field opens its list; the keyboards are numeric", () =>
  withPage({ viewport: phone }, async (page) => {
    // State: a fresh page on the phone. Action: a tap on Combo1's field.
    await page.tap("#Combo1");
    // Expected: the field has the focus and the list is open, its items tall enough.
    assert.equal(await page.evaluate(() => document.activeElement.id), "Combo1");
    assert.equal(await page.$eval("#Combo1_list", (ul) => ul.hidden), false);
    const heights = await page.$$eval("#Combo1_list li", (lis) => lis.map((li) => li.getBoundingClientRect().height));
    assert.ok(Math.min(...heights) >= target, `items ${Math.min(...heights)} px high`);
    // Action: a tap on "30". Expected: picked, the motor speed shown.
    await tapItem(page, "Combo1", "30");
    assert.equal(await value(page, "Combo1"), "30");
    assert.equal(await value(page, "Label31"), "2940");
    const modes = { Text2: "numeric", Text5: "numeric", Combo2: "numeric", Combo1: "decimal", Text10: "decimal", Text12: "decimal" };
    for (const [id, mode] of Object.entries(modes)) assert.equal(await page.$eval(`#${id}`, (el) => el.inputMode), mode, id);
    // The typical drive by finger, for the README's picture.
    await page.tap("#Text2");
    await page.keyboard.type("3000");
    await page.tap("#Combo3");
    await tapItem(page, "Combo3", "140");
    await page.tap("#Text5");
    await page.keyboard.type("3");
    await page.tap("#Command1");
    assert.equal(await value(page, "Text11"), "944.5");
    await page.screenshot({ path: screenshot, fullPage: true });
  }));

test("every control equals the model after each of 150 random actions by finger", () =>
  withPage({ viewport: phone }, (page) => playRandomUser(page, { steps: 150, seed: 390844, touch: true })));
