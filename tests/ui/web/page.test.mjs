// The packed page in a real browser: typical use by keystrokes and clicks, the
// page equal to the model after random user actions, Text2's limit, the fault
// message, the end of the program, the calculation sheet's commands, and the
// page's two colour schemes.
import assert from "node:assert/strict";
import { test } from "node:test";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { messageShown, openPage, pagePath, playRandomUser, value, withPage } from "./browser.mjs";
import { markupDocument } from "../../../ui/web/markup.mjs";
import { compact } from "../../../ui/web/compact.mjs";

const screenshot = resolve(process.env.SELBRIN_SCREENSHOT ?? "build-web/screenshot.png");

async function pickByKeys(page, id, item) {
  await page.focus(`#${id}`);
  await page.keyboard.down("Alt");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.up("Alt");
  const [active, texts] = await page.$eval(`#${id}_list`, (ul) => [
    [...ul.children].findIndex((li) => li.getAttribute("aria-selected") === "true"),
    [...ul.children].map((li) => li.textContent),
  ]);
  const target = texts.indexOf(item);
  const key = target > active ? "ArrowDown" : "ArrowUp";
  for (let i = 0; i < Math.abs(target - active); ++i) await page.keyboard.press(key);
  await page.keyboard.press("Enter");
}

test("typical use by keystrokes and clicks gives the desktop's numbers", () =>
  withPage({}, async (page) => {
    // State: a fresh page. Action: a 30 kW motor picked with the mouse from the open list.
    await page.click("#Combo1 + button");
    const option = await page.$$("#Combo1_list [role=option]");
    const texts = await Promise.all(option.map((o) => o.evaluate((li) => li.textContent)));
    await option[texts.indexOf("30")].click();
    // Action: the screw speed typed, the screw pulley picked by keys, three belts, "Hesapla".
    await page.click("#Text2");
    await page.keyboard.type("3000");
    await pickByKeys(page, "Combo3", "140");
    await page.click("#Text5");
    await page.keyboard.type("3");
    await page.click("#Command1");
    // Expected: the numbers of the typical-use scenario.
    const expected = { Label31: "2940", Text2: "3003", Label36: "1.02", Combo2: "143", Label32: "55",
      Combo3: "140", Text10: "250", Text11: "944.5", Label35: "179.31", Text12: "0", Label38: "63",
      Text13: "0", Label40: "22.01" };
    for (const [id, shown] of Object.entries(expected)) assert.equal(await value(page, id), shown, id);
    assert.equal(await page.$eval("#Label31", (el) => el.getAttribute("aria-label")), "Motor Deviri: 2940 d/dk");
    assert.equal(await messageShown(page), null);
    const frame = await page.$(".frame");
    await frame.screenshot({ path: screenshot });
  }));

test("every control equals the model after each of 300 random user actions", () =>
  withPage({}, (page) => playRandomUser(page, { steps: 300 })));

test("Text2 takes five characters typed or pasted", () =>
  withPage({}, async (page) => {
    // State: Text2 empty. Action: six keystrokes. Expected: five kept, the cursor after them.
    await page.click("#Text2");
    await page.keyboard.type("123456");
    assert.equal(await value(page, "Text2"), "12345");
    assert.equal(await page.$eval("#Text2", (el) => el.selectionStart), 5);
    // Action: a paste over the whole text. Expected: cut to its first five characters,
    // counted as characters, not as UTF-16 units.
    for (const [pasted, kept] of [["9876543", "98765"], ["𝟙𝟚𝟛𝟜𝟝𝟞", "𝟙𝟚𝟛𝟜𝟝"]]) {
      await page.$eval("#Text2", (el) => el.select());
      await page.$eval("#Text2", (el, t) => document.execCommand("insertText", false, t), pasted);
      assert.equal(await value(page, "Text2"), kept);
      assert.equal(await page.evaluate(() => window.selbrin.model.text(9)), kept);
    }
  }));

test("a fault keeps the focus where it was, Esc closes its message", () =>
  withPage({}, async (page) => {
    // State: a fresh page. Action: a belt length beyond the range typed into Text11.
    await page.click("#Text11");
    await page.keyboard.type("1e999");
    // Expected: the Turkish message names the field and the fault; the focus stays.
    assert.equal(await messageShown(page), "Kayış Boyu: Taşma");
    assert.equal(await page.evaluate(() => document.activeElement.id), "Text11");
    await page.keyboard.press("Escape");
    assert.equal(await messageShown(page), null);
    // Action: the fault again, then an action that ends without one. Expected: closed by itself.
    await page.keyboard.type("9");
    assert.equal(await messageShown(page), "Kayış Boyu: Taşma");
    await page.click("#chkKompakt");
    assert.equal(await messageShown(page), null);
  }));

test("the belt profiles are one tab stop whose arrow keys select", () =>
  withPage({}, async (page) => {
    // State: SPB selected, the focus in Text2, the stop before the group. Action: Tab, then →.
    await page.focus("#Text2");
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "Option1_6");
    await page.keyboard.press("ArrowRight");
    // Expected: SPC selected and focused, in the page and in the model.
    assert.equal(await page.evaluate(() => document.activeElement.id), "Option1_7");
    assert.equal(await page.$eval("#Option1_7", (el) => el.checked), true);
    assert.equal(await page.evaluate(() => window.selbrin.model.state().controls[38][1]), 1);
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "Text9");
  }));

test("Çıkış disables the form and says so", () =>
  withPage({}, async (page) => {
    await page.click("#Command3");
    const enabled = await page.$$eval("#client input, #client button", (all) => all.filter((el) => !el.disabled).length);
    assert.equal(enabled, 0);
    assert.match(await page.$eval("#ended", (el) => (el.hidden ? "" : el.textContent)), /sona erdi/);
  }));

async function press(page, ...keys) {
  for (const key of keys) await page.keyboard.down(key);
  for (const key of keys.reverse()) await page.keyboard.up(key);
}

test("Ctrl+Shift+C puts the results text on the clipboard", () =>
  withPage({ clipboard: true }, async (page) => {
    // State: the screw speed typed, the focus in Text2. Action: Ctrl+Shift+C.
    await page.click("#Text2");
    await page.keyboard.type("3000");
    await press(page, "Control", "Shift", "KeyC");
    // Expected: the model's results text, tab-separated, on the clipboard; the focus stays.
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(copied, await page.evaluate(() => window.selbrin.model.resultsText()));
    assert.match(copied, /^Vida Deviri\t3000\td\/dk$/m);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Text2");
  }));

test("the background's menu works by keys and prints the sheet instead of the form", () =>
  withPage({}, async (page) => {
    // State: a fresh page. Action: a right click on the form's title.
    await page.click("#formTitle", { button: "right" });
    // Expected: the page's commands with their shortcuts, the first focused.
    const items = await page.$$eval("#sheetMenu [role=menuitem]:not([hidden])", (all) => all.map((b) => [b.id, b.innerText]));
    assert.deepEqual(items, [["copyResults", "Sonuçları kopyala\nCtrl+Shift+C"], ["printSheet", "Yazdır…\nCtrl+P"],
      ["openDrive", "Aç…\nCtrl+O"], ["saveDrive", "Kaydet\nCtrl+S"], ["copyLink", "Bağlantıyı kopyala\nCtrl+Shift+L"],
      ["about", "Hakkında…\nF1"]]);
    assert.equal(await page.evaluate(() => document.activeElement.id), "copyResults");
    // Action: Esc. Expected: the menu closed. Action: the menu again, ↓ and Enter.
    await page.keyboard.press("Escape");
    assert.equal(await page.$eval("#sheetMenu", (m) => m.hidden), true);
    await page.click("#formTitle", { button: "right" });
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    assert.equal(await page.$eval("#sheetMenu", (m) => m.hidden), true);
    // Expected: in print, the A4 sheet dated today and no form.
    await page.emulateMediaType("print");
    const [formBoxes, sheetWidth, sheetText] = await page.evaluate(() => [
      document.querySelector(".frame").getClientRects().length,
      document.querySelector("#sheet svg").getBoundingClientRect().width,
      document.querySelector("#sheet svg").textContent,
    ]);
    assert.equal(formBoxes, 0);
    assert.ok(Math.abs(sheetWidth - (210 / 25.4) * 96) < 1, `${sheetWidth}`);
    const today = new Date();
    const date = [today.getDate(), today.getMonth() + 1].map((n) => String(n).padStart(2, "0")).join(".");
    assert.ok(sheetText.includes(`${date}.${today.getFullYear()}`), sheetText.slice(0, 200));
  }));

for (const colorScheme of ["light", "dark"]) {
  test(`inputs look editable and displays read-only in the ${colorScheme} scheme`, () =>
    withPage({ colorScheme }, async (page) => {
      const [face, input, display] = await page.evaluate(() =>
        [".frame", "#Text2", "#Label31"].map((s) => getComputedStyle(document.querySelector(s)).backgroundColor));
      assert.notEqual(input, face);
      assert.ok(display === face || display === "rgba(0, 0, 0, 0)", display);
      assert.equal(await page.$eval("#Label2", (el) => el.htmlFor), "Text2");
      assert.equal(await page.$eval("#Combo1", (el) => el.getAttribute("role")), "combobox");
    }));
}

test("Shift+F10 and the menu key open the background's menu at the focus", () =>
  withPage({}, async (page) => {
    for (const keys of [["Shift", "F10"], ["ContextMenu"]]) {
      // State: the focus in Text2. Action: the keys. Expected: the menu, its first command focused.
      await page.click("#Text2");
      await press(page, ...keys);
      assert.equal(await page.$eval("#sheetMenu", (m) => m.hidden), false, keys.join("+"));
      assert.equal(await page.evaluate(() => document.activeElement.id), "copyResults");
      await page.keyboard.press("Escape");
      assert.equal(await page.evaluate(() => document.activeElement.id), "Text2");
    }
  }));

test("a display field's menu copies its value, and Ctrl+C its selection", () =>
  withPage({ clipboard: true }, async (page) => {
    // State: a 30 kW motor, 2940 d/dk. Action: a right click on Label31, "Kopyala".
    await pickByKeys(page, "Combo1", "30");
    await page.click("#Label31", { button: "right" });
    assert.equal(await page.evaluate(() => document.activeElement.id), "copyField");
    await page.keyboard.press("Enter");
    // Expected: the field's value on the clipboard.
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), "2940");
    // Action: "94" selected in the field, Ctrl+C. Expected: "94" on the clipboard.
    await page.$eval("#Label31 span", (span) => {
      const range = document.createRange();
      range.setStart(span.firstChild, 1);
      range.setEnd(span.firstChild, 3);
      getSelection().removeAllRanges();
      getSelection().addRange(range);
    });
    await press(page, "Control", "KeyC");
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), "94");
    // Expected: on the background, no "Kopyala".
    await page.click("#formTitle", { button: "right" });
    assert.equal(await page.$eval("#copyField", (item) => item.hidden), true);
  }));

test("a paste over a selection keeps the first characters of the pasted text that fit", () =>
  withPage({ clipboard: true }, async (page) => {
    // State: "4040" in Text2, all of it selected. Action: "123450" pasted with Ctrl+V.
    await page.click("#Text2");
    await page.keyboard.type("4040");
    for (const [from, to, pasted, kept, cursor] of [[0, 4, "123450", "12345", 5], [1, 2, "\t9876", "1\t345", 2],
      [0, 5, "12\r\n34", "12", 2]]) {
      await page.$eval("#Text2", (el, a, b) => el.setSelectionRange(a, b), from, to);
      await page.evaluate((t) => navigator.clipboard.writeText(t), pasted);
      await press(page, "Control", "KeyV");
      // Expected: the pasted text cut where it went in, the cursor after what was kept.
      assert.equal(await value(page, "Text2"), kept, pasted);
      assert.equal(await page.evaluate(() => window.selbrin.model.text(9)), kept);
      assert.equal(await page.$eval("#Text2", (el) => el.selectionStart), cursor);
    }
  }));

test("Hakkında… and F1 show the program and every command of the menu, and give the focus back", () =>
  withPage({}, async (page) => {
    const dialog = () =>
      page.evaluate(() => {
        const box = document.getElementById("aboutDialog");
        const lines = [...box.querySelectorAll("#aboutText p")].map((p) => p.textContent);
        return { open: box.open, title: box.querySelector(".title").textContent, lines, focus: document.activeElement.id };
      });
    const focus = () => page.evaluate(() => document.activeElement.id);
    // State: a fault message open, the focus in Text11. Action: "Hakkında…", last on the menu.
    await page.click("#Text11");
    await page.keyboard.type("1e999");
    await page.click("#formTitle", { button: "right" });
    const items = await page.$$eval("#sheetMenu [role=menuitem]:not([hidden])", (all) => all.map((b) => b.innerText.replace("\n", " ")));
    assert.equal(items.at(-1), "Hakkında… F1");
    await page.click("#about");
    // Expected: the dialog with its Turkish title and the focus; the program and
    // version first, and each command of the menu with its keys.
    const shown = await dialog();
    assert.deepEqual([shown.open, shown.title, shown.focus, shown.lines[0]], [true, "Selbrin Hakkında", "aboutOk", "Selbrin 1.00"]);
    for (const item of items) assert.ok(shown.lines.includes(item), `${item} in ${shown.lines.join(" | ")}`);
    // Action: Esc. Expected: the dialog closed, the focus back in Text11, the fault message still open.
    await page.keyboard.press("Escape");
    assert.equal((await dialog()).open, false);
    assert.equal(await focus(), "Text11");
    assert.equal(await messageShown(page), "Kayış Boyu: Taşma");
    // State: the focus in Text5. Action: F1, then the dialog's button.
    await page.click("#Text5");
    await page.keyboard.press("F1");
    assert.deepEqual([(await dialog()).open, await focus()], [true, "aboutOk"]);
    await page.keyboard.press("Enter");
    // Expected: closed, the focus back in Text5.
    assert.deepEqual([(await dialog()).open, await focus()], [false, "Text5"]);
  }));

// Every element of the form, in order: its tag, its attributes and its own text.
const formElements = (page) =>
  page.$$eval("#page *", (els) =>
    els.map((el) => {
      const attributes = [...el.attributes].map((a) => `${a.name}=${a.value}`).sort();
      return [el.tagName, ...attributes, el.childElementCount ? "" : el.textContent].join(" ");
    }),
  );

test("the form the packer drew into the page is the one the page draws without it", async () => {
  // State: the packed page, and a copy without the drawn form and the model's words.
  const packed = readFileSync(pagePath, "utf8");
  const bare = packed
    .replace(/<main id="page"[^>]*>.+?<\/main>/s, '<main id="page"></main>')
    .replaceAll(/<script type="application\/json" id="\w+">.+?<\/script>/gs, "");
  assert.ok(bare.length < packed.length - 20000, "the packed page holds the form and its table");
  const dir = mkdtempSync(join(tmpdir(), "selbrin-bare-"));
  try {
    writeFileSync(join(dir, "bare.html"), bare);
    // Action: both opened. Expected: the same elements with the same attributes and texts.
    const drawnHere = await openPage({ path: join(dir, "bare.html") });
    const expected = await formElements(drawnHere.page);
    assert.deepEqual(drawnHere.problems, []);
    await drawnHere.close();
    await withPage({}, async (page) => assert.deepEqual(await formElements(page), expected));
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test("a page opened again places its form as measured before, and measures again when that no longer fits", () =>
  withPage({}, async (page) => {
    const placed = () =>
      page.evaluate(async () => {
        await window.selbrin.placement.settled;
        const boxes = [...document.querySelectorAll("#client .control")].map((el) => el.style.cssText);
        return [window.selbrin.placement.from, boxes, localStorage.getItem("selbrin.placement")];
      });
    const reopen = async () => {
      await page.reload();
      await page.waitForSelector("body[data-ready]");
    };
    // State: a first visit, measured and kept. Action: the page opened again.
    const [first, measured, kept] = await placed();
    await reopen();
    // Expected: the same places, from what was kept.
    assert.deepEqual(await placed(), ["kept", measured, kept]);
    // State: what was kept too small for the page's font, as after a change of fonts.
    // Action: the page opened again. Expected: measured again, placed and kept as at first.
    await page.evaluate(() => {
      const stale = JSON.parse(localStorage.getItem("selbrin.placement"));
      localStorage.setItem("selbrin.placement", JSON.stringify({ ...stale, needs: stale.needs.map(() => [1, 1]) }));
    });
    await reopen();
    assert.deepEqual(await placed(), ["kept", measured, kept]);
    assert.equal(first, "measured");
  }));

test("the packer writes each element as the drawing code set it, with its text and values escaped", () => {
  const make = (tag, props) => Object.assign(markupDocument.createElement(tag), props);
  const cases = [
    [make("label", { id: "L", htmlFor: "T", textContent: "a < b & c" }), '<label id="L" for="T">a &lt; b &amp; c</label>'],
    [make("input", { type: "text", spellcheck: false, tabIndex: -1, hidden: true }), '<input type="text" spellcheck="false" tabindex="-1" hidden>'],
    [make("p", { hidden: false, title: 'say "x" & y' }), '<p title="say &quot;x&quot; &amp; y"></p>'],
  ];
  const box = make("div", { className: "combo" });
  box.classList.add("control", "combo");
  box.style.gridRow = "3";
  box.dataset.slot = "field";
  box.append(make("span", { textContent: "1" }), "2");
  cases.push([box, '<div class="combo control" style="grid-row: 3;" data-slot="field"><span>1</span>2</div>']);
  for (const [el, html] of cases) assert.equal(el.outerHTML, html);
});

test("the packer's scripts without comments mean what they meant", () => {
  // Each script compacted: the same value, and nothing of its comments.
  const scripts = [
    "const a = 1; // one\n/* two */ const b = a  +  1;\nreturn [a, b];",
    "const f = () => {\n  return\n  42;\n};\nreturn f();", // a line break that ends the return
    "const s = `x  // not a comment\n  ${1 + 1} y`;\nreturn s;",
    'return ["a // b", "c /* d */", /\\/\\/ e/.source, 6 / 2 / 3];',
    "let i = 0;\ni\n++\ni;\nreturn i;", // ++ binds to the next line
    "const o = { a: 1 } /* c */ ; return o.a;",
  ];
  for (const js of scripts) {
    const compacted = compact(js);
    assert.deepEqual(new Function(compacted)(), new Function(js)(), compacted);
    assert.ok(!/\/\* (two|c) \*\/|\/\/ one/.test(compacted), compacted);
  }
});
