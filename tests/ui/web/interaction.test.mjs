// The page as a new user meets it: lists that close when the user presses
// elsewhere, Enter that picks only what the user chose, the fault message in
// view at any zoom, values cut by their box, the look after the end, the menu
// that gives the focus back, contrast and what a screen reader reads.
import assert from "node:assert/strict";
import { test } from "node:test";
import { messageShown, value, withPage } from "./browser.mjs";

const listOpen = (page, id) => page.$eval(`#${id}_list`, (ul) => !ul.hidden);
const highlighted = (page, id) =>
  page.$eval(`#${id}_list`, (ul) => [...ul.children].filter((li) => li.getAttribute("aria-selected") === "true").map((li) => li.textContent));
const modelText = (page, id) =>
  page.evaluate((i) => window.selbrin.model.text(window.selbrin.model.table.controls.findIndex((d) => d.id === i)), id);

async function altDown(page) {
  await page.keyboard.down("Alt");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.up("Alt");
}

test("a list opened with its button closes on a press elsewhere, which reaches its control", () =>
  withPage({}, async (page) => {
    const before = await Promise.all(["Combo1", "Combo2", "Combo3"].map((id) => value(page, id)));
    // State: Combo1's list opened with its button. Action: each other combo's button in
    // turn, where the open list does not cover it.
    await page.click("#Combo1 + button");
    assert.equal(await listOpen(page, "Combo1"), true);
    for (const [open, next] of [["Combo1", "Combo3"], ["Combo3", "Combo2"], ["Combo2", "Combo1"]]) {
      await page.click(`#${next} + button`);
      // Expected: the open list closed, the pressed one open, no item picked.
      assert.equal(await listOpen(page, open), false, `${open} after pressing ${next}'s button`);
      assert.equal(await listOpen(page, next), true, next);
    }
    assert.deepEqual(await Promise.all(["Combo1", "Combo2", "Combo3"].map((id) => value(page, id))), before);
    // Action: a click on a check box and a tap on a field. Expected: each reaches its control.
    await page.click("#chkKompakt");
    assert.equal(await listOpen(page, "Combo1"), false);
    assert.equal(await page.$eval("#chkKompakt", (el) => el.checked), true);
    await page.click("#Combo2 + button");
    await page.$eval("#Text2", (el) => {
      const at = el.getBoundingClientRect();
      el.dispatchEvent(new PointerEvent("pointerdown", { bubbles: true, pointerType: "touch", clientX: at.x + 2, clientY: at.y + 2 }));
    });
    assert.equal(await listOpen(page, "Combo2"), false);
  }));

test("Enter in an open list picks only the item the user chose", () =>
  withPage({}, async (page) => {
    // State: "4" typed into Combo1. Action: Alt+↓, Enter.
    await page.click("#Combo1");
    await page.keyboard.type("4");
    await altDown(page);
    // Expected: no item highlighted, and Enter leaves the typed text.
    assert.deepEqual(await highlighted(page, "Combo1"), []);
    await page.keyboard.press("Enter");
    assert.equal(await listOpen(page, "Combo1"), false);
    assert.equal(await value(page, "Combo1"), "4");
    assert.equal(await modelText(page, "Combo1"), "4");
    // State: "30" typed. Action: Alt+↓. Expected: "30" highlighted.
    await page.$eval("#Combo1", (el) => el.select());
    await page.keyboard.type("30");
    await altDown(page);
    assert.deepEqual(await highlighted(page, "Combo1"), ["30"]);
    // Action: "7" typed with the list open, then Enter. Expected: no highlight; "307" kept.
    await page.keyboard.type("7");
    assert.deepEqual(await highlighted(page, "Combo1"), []);
    await page.keyboard.press("Enter");
    assert.equal(await value(page, "Combo1"), "307");
    assert.equal(await modelText(page, "Combo1"), "307");
  }));

test("an open list shows fifteen items, as the desktop windows' lists do", () =>
  withPage({}, async (page) => {
    // State: Combo2, whose list is longer. Action: its ▾ pressed.
    await page.click("#Combo2 + button");
    // Expected: fifteen whole items in view, and the rest a scroll away.
    const { shown, count } = await page.$eval("#Combo2_list", (ul) => ({
      shown: ul.clientHeight / ul.firstElementChild.getBoundingClientRect().height,
      count: ul.children.length,
    }));
    assert.ok(count > 15, `${count} items`);
    assert.ok(Math.abs(shown - 15) < 0.1, `${shown} items shown`);
  }));

test("the fault message is in view at 200 % zoom and leaves the focus in the field", () =>
  withPage({ viewport: { width: 450, height: 350 } }, async (page) => {
    // State: a window half as wide and high, as 200 % zoom makes it. Action: a fault in Text11.
    await page.click("#Text11");
    await page.keyboard.type("1e999");
    // Expected: the whole message inside the window, over neither the field nor the focus moved.
    assert.equal(await messageShown(page), "Kayış Boyu: Taşma");
    const [box, field, width, height, focus] = await page.evaluate(() => [
      document.getElementById("faultMessage").getBoundingClientRect().toJSON(),
      document.getElementById("Text11").getBoundingClientRect().toJSON(),
      window.innerWidth,
      window.innerHeight,
      document.activeElement.id,
    ]);
    assert.ok(box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height, JSON.stringify(box));
    const covers = box.left < field.right && field.left < box.right && box.top < field.bottom && field.top < box.bottom;
    assert.equal(covers, false, JSON.stringify([box, field]));
    assert.equal(focus, "Text11");
  }));

test("a value cut by its box ends in an ellipsis and shows whole in the tooltip", () =>
  withPage({}, async (page) => {
    // State: a 30 kW motor and a long screw pulley. Action: a screw speed typed.
    await page.click("#Combo1 + button");
    await page.click("#Combo1_item_" + (await page.$$eval("#Combo1_list li", (all) => all.findIndex((li) => li.textContent === "30"))));
    await page.click("#Combo3");
    await page.keyboard.type("123456789012");
    await page.click("#Text2");
    await page.keyboard.type("99999");
    // Expected, from the next frame on: Label40's value in its tooltip, an ellipsis where it is
    // cut, in inputs too; a value that fits leaves the control's own tooltip.
    await page.evaluate(() => new Promise((frame) => requestAnimationFrame(() => frame())));
    const long = await value(page, "Label40");
    assert.ok(long.length > 15, long);
    assert.equal(await page.$eval("#Label40", (el) => el.title), long);
    assert.equal(await page.$eval("#Label31", (el) => el.title), await page.evaluate(() => window.selbrin.model.table.controls.find((d) => d.id === "Label31").tooltip));
    const overflow = await page.evaluate(() =>
      ["#Label40 > span", "#Combo2", "#Text2"].map((s) => getComputedStyle(document.querySelector(s)).textOverflow));
    assert.deepEqual(overflow, ["ellipsis", "ellipsis", "ellipsis"]);
  }));

test("after Çıkış every input, combo boxes too, looks disabled", () =>
  withPage({}, async (page) => {
    const look = () =>
      page.evaluate(() =>
        ["#Text2", "#Combo1", "#Combo1 + button"].map((s) => {
          const style = getComputedStyle(document.querySelector(s));
          return `${style.color} on ${style.backgroundColor}`;
        }));
    const [text, combo] = await look();
    assert.equal(combo, text);
    await page.click("#Command3");
    const [endedText, endedCombo, endedButton] = await look();
    // Expected: each greyed like the others, none as it looked before.
    assert.notEqual(endedText, text);
    assert.equal(endedCombo, endedText);
    assert.equal(endedButton.split(" on ")[0], endedText.split(" on ")[0]);
  }));

test("Esc on the background's menu gives the focus back where it was", () =>
  withPage({}, async (page) => {
    // State: the focus in Text2. Action: a right click on the form's title, Esc.
    await page.click("#Text2");
    await page.click("#formTitle", { button: "right" });
    assert.equal(await page.evaluate(() => document.activeElement.id), "copyResults");
    await page.keyboard.press("Escape");
    // Expected: the menu closed, the focus in Text2.
    assert.equal(await page.$eval("#sheetMenu", (m) => m.hidden), true);
    assert.equal(await page.evaluate(() => document.activeElement.id), "Text2");
  }));

// Every visible text against the colour behind it (4.5:1 at least) and every
// field's and button's border against the form's colour (3:1 at least).
function contrastShortfalls() {
  // "rgb(r, g, b)" in 0-255, or "color(srgb r g b)" (a mixed colour) in 0-1.
  const rgb = (c) => {
    const v = c.match(/[\d.]+/g).map(Number);
    return c.startsWith("color(srgb") ? [...v.slice(0, 3).map((x) => x * 255), v[3] ?? 1] : v;
  };
  const lum = (c) =>
    rgb(c)
      .slice(0, 3)
      .map((v) => v / 255)
      .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
      .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
  const ratio = (a, b) => {
    const [hi, lo] = [lum(a), lum(b)].sort((x, y) => y - x);
    return (hi + 0.05) / (lo + 0.05);
  };
  const behind = (el) => {
    for (let e = el; e; e = e.parentElement) {
      const c = getComputedStyle(e).backgroundColor;
      if (rgb(c)[3] !== 0) return c;
    }
    return "rgb(255, 255, 255)";
  };
  const shown = (el) => el.getClientRects().length > 0 && !el.closest(":disabled");
  const short = [];
  for (const el of document.querySelectorAll("body *")) {
    if (!shown(el)) continue;
    const text = [...el.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim());
    const r = ratio(getComputedStyle(el).color, behind(el));
    if ((text || el.matches("input")) && r < 4.5) short.push(`${el.id || el.className || el.tagName} text ${r.toFixed(2)}`);
  }
  for (const el of document.querySelectorAll("input[type=text], .display, .combo button, button.command, .message button")) {
    if (!shown(el)) continue;
    const r = ratio(getComputedStyle(el).borderBottomColor, behind(el.parentElement));
    if (r < 3) short.push(`${el.id || el.className || el.tagName} border ${r.toFixed(2)}`);
  }
  return short;
}

for (const colorScheme of ["light", "dark"]) {
  test(`text and borders stand out in the ${colorScheme} scheme`, () =>
    withPage({ colorScheme }, async (page) => {
      // State: a fault shown, the background's menu open.
      await page.click("#Text11");
      await page.keyboard.type("1e999");
      await page.click("#formTitle", { button: "right" });
      assert.deepEqual(await page.evaluate(contrastShortfalls), []);
    }));
}

test("a screen reader reads the form, the profile group and the lists by their names", () =>
  withPage({}, async (page) => {
    const named = async (selector) => {
      const node = await page.accessibility.snapshot({ root: await page.$(selector), interestingOnly: false });
      return [node.role, node.name];
    };
    assert.deepEqual(await named(".frame"), ["region", "Selbrin"]);
    assert.deepEqual(await named("#Option1"), ["radiogroup", "Kayış"]);
    await page.click("#Combo1 + button");
    assert.deepEqual(await named("#Combo1_list"), ["listbox", "Motor Gücü (kW)"]);
  }));
