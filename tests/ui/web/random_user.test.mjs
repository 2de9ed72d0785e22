// The random user plays a script of selbrin-randuser through the page's real
// elements, as a user would: clicks (or taps) on ▾ and the list's items, keys,
// pastes over a selection, the arrows in the profile group, Esc and the menus.
// At every `state` each element must show what selbrin-replay prints for the
// same script, and `copy` must put its results text on the clipboard.
// SELBRIN_SEED=N plays seed N; SELBRIN_RANDOM_USER=desktop|phone plays one run.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { withPage } from "./browser.mjs";

const defaultSeed = "20261209";
const actions = 320;
const seed = process.env.SELBRIN_SEED ?? defaultSeed;
const runs = {
  desktop: { viewport: { width: 900, height: 700 }, touch: false },
  phone: { viewport: { width: 390, height: 844, isMobile: true, hasTouch: true }, touch: true },
};

// The host tools as the build names them.
function tool(name) {
  const path = process.env[name];
  assert.ok(path, `${name} is not set: run this test through ctest`);
  return path;
}

// The script, and what the runner prints for it without its fault lines (the
// page shows those as its message).
function scriptAndRunner() {
  const script = execFileSync(tool("SELBRIN_RANDUSER"), [seed, String(actions)], { encoding: "utf8" });
  const dir = mkdtempSync(join(tmpdir(), "selbrin-random-"));
  try {
    writeFileSync(join(dir, "script.txt"), script);
    const out = execFileSync(tool("SELBRIN_REPLAY"), [join(dir, "script.txt")], { encoding: "utf8" });
    const expected = out.split("\n").filter((line) => !line.startsWith("error: ")).join("\n");
    return { script, expected };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// What every element of a state block shows, by the runner's names.
const shownByName = (page, names) =>
  page.evaluate((wanted) => {
    const show = (name) => {
      if (name === "Option1") {
        const checked = [...document.querySelectorAll("#Option1 input")].findIndex((el) => el.checked);
        return checked < 0 ? "-" : String(checked);
      }
      const el = document.getElementById(name);
      if (el.type === "checkbox") return el.checked ? "1" : "0";
      return el.tagName === "INPUT" ? el.value : el.textContent;
    };
    return wanted.map((name) => `${name}=${show(name)}`);
  }, names);

// UTF-16 offset of character `chars` of `text`, as the box counts.
const units = (text, chars) => [...text].slice(0, chars).join("").length;

class Player {
  constructor(page, expected, touch) {
    this.page = page;
    this.expected = expected;
    this.touch = touch;
    this.pos = 0;
    this.lastState = new Map();
    this.arrow = null;
  }

  // A click, or a tap, whose click the page has had before the next action: a
  // tap's click and caret come after the touch events themselves. The user
  // first scrolls the element to the middle of the screen, clear of the fault
  // message in its corner; an element still under another is a fault.
  async press(selector) {
    const under = await this.page.$eval(selector, (el) => {
      el.scrollIntoView({ block: "center", inline: "center" });
      const at = el.getBoundingClientRect();
      const hit = document.elementFromPoint(at.x + at.width / 2, at.y + at.height / 2);
      return el.contains(hit) || (el.labels && [...el.labels].some((l) => l.contains(hit))) ? null : hit?.id || hit?.className;
    });
    if (under !== null) throw new Error(`${selector} is under ${under}`);
    if (!this.touch) return this.page.click(selector);
    await this.page.evaluate(() => {
      window.tapped = new Promise((done) => document.addEventListener("click", done, { once: true, capture: true }));
    });
    await this.page.tap(selector);
    await this.page.evaluate(() => window.tapped);
  }

  async keys(...keys) {
    for (const key of keys) await this.page.keyboard.down(key);
    for (const key of keys.reverse()) await this.page.keyboard.up(key);
  }

  // Plays one line; an empty answer when the page agrees with the runner.
  async play(line) {
    const [verb, name] = line.split(" ");
    const rest = (n) => line.split(" ").slice(n).join(" ");
    if (line.startsWith("# arrow ")) this.arrow = rest(2);
    if (line === "# key Escape") return this.escape();
    if (line.startsWith("# copy-field ")) return this.copyField(rest(2));
    if (line === "" || line.startsWith("#")) return "";
    const verbs = {
      state: () => this.state(),
      copy: () => this.copyResults(),
      pick: () => this.pick(name, rest(2)),
      type: () => this.type(name, rest(2)),
      paste: () => this.paste(name, rest(2)),
      insert: () => this.insert(name, Number(line.split(" ")[2]), Number(line.split(" ")[3]), rest(4)),
      click: () => this.press(`#${name}`),
      select: () => this.select(Number(name)),
    };
    return (await verbs[verb]()) ?? "";
  }

  // The box in use, its whole text selected: by Ctrl+A, or by finger with the
  // touch menu's "select all", which the selection's own call stands for.
  async focusAndSelectAll(name) {
    await this.press(`#${name}`);
    await this.closeList(name);
    if (this.touch) await this.page.$eval(`#${name}`, (el) => el.select());
    else await this.keys("Control", "KeyA");
  }

  // A tap on a combo box's field opens its list; the user types past it.
  async closeList(name) {
    const list = await this.page.$(`#${name}_list`);
    if (list && (await list.evaluate((ul) => !ul.hidden))) await this.page.keyboard.press("Escape");
  }

  async type(name, text) {
    await this.focusAndSelectAll(name);
    if (text === "") await this.page.keyboard.press("Delete");
    else await this.page.keyboard.type(text);
  }

  async paste(name, text) {
    await this.focusAndSelectAll(name);
    await this.pasteOverSelection(text);
  }

  // Characters from..to selected in the box, then `text` put in their place as
  // the input method commits it: one insertText input event.
  async insert(name, from, to, text) {
    await this.press(`#${name}`);
    await this.closeList(name);
    await this.page.$eval(`#${name}`, (el, f, t) => el.setSelectionRange(f, t), ...(await this.range(name, from, to)));
    if (text === "") await this.deleteSelection(from, to);
    else await this.page.keyboard.sendCharacter(text);
  }

  async range(name, from, to) {
    const shown = await this.page.$eval(`#${name}`, (el) => el.value);
    return [units(shown, from), units(shown, to)];
  }

  async deleteSelection(from, to) {
    if (from !== to) await this.page.keyboard.press("Delete");
  }

  // Ctrl+V with the text on the clipboard; nothing to paste deletes the selection.
  async pasteOverSelection(text) {
    if (text === "") return this.page.keyboard.press("Delete");
    await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await this.keys("Control", "KeyV");
  }

  // ▾ (or, by finger, the field) opens the list; then the item itself.
  async pick(name, item) {
    await this.press(this.touch ? `#${name}` : `#${name} + button`);
    const items = await this.page.$$(`#${name}_list li`);
    const texts = await Promise.all(items.map((li) => li.evaluate((el) => el.textContent)));
    const at = texts.indexOf(item);
    if (at < 0) return `${name}'s list has no "${item}": ${texts.join(", ")}`;
    await this.press(`#${name}_item_${at}`);
  }

  // The arrow key the line before asked for, from the group's tab stop; else a press.
  async select(index) {
    if (this.arrow === null) return this.press(`#Option1_${index}`);
    const arrow = `Arrow${this.arrow}`;
    this.arrow = null;
    const stop = await this.page.$('#Option1 input[tabindex="0"]');
    if (!stop) return "the profile group has no tab stop";
    await stop.focus();
    await this.page.keyboard.press(arrow);
  }

  async escape() {
    await this.page.keyboard.press("Escape");
    const open = await this.page.$eval("#faultMessage", (m) => !m.hidden);
    return open ? "Esc left the fault message open" : "";
  }

  // The runner's next block: NAME=VALUE lines up to an empty line.
  async state() {
    const end = this.expected.indexOf("\n\n", this.pos);
    if (end < 0) return "the runner printed no more states";
    const block = this.expected.slice(this.pos, end).split("\n");
    this.pos = end + 2;
    this.lastState = new Map(block.map((l) => [l.slice(0, l.indexOf("=")), l.slice(l.indexOf("=") + 1)]));
    const shown = await shownByName(this.page, [...this.lastState.keys()]);
    const differ = block.filter((l, i) => l !== shown[i]);
    return differ.length === 0 ? "" : `the page shows\n${shown.join("\n")}\nthe runner\n${block.join("\n")}`;
  }

  // The background's menu: a right click, or a long press by finger, which
  // headless Chromium does not make: the page gets the contextmenu event a
  // phone's browser sends for it.
  async openMenu(selector) {
    if (this.touch) {
      await this.page.$eval(selector, (el) => {
        const at = el.getBoundingClientRect();
        const [x, y] = [at.x + at.width / 2, at.y + at.height / 2];
        el.dispatchEvent(new MouseEvent("contextmenu", { bubbles: true, cancelable: true, clientX: x, clientY: y }));
      });
    } else {
      await this.page.click(selector, { button: "right" });
    }
    return this.page.$eval("#sheetMenu", (m) => !m.hidden);
  }

  async clipboardAfter(selector, item) {
    await this.page.evaluate(() => navigator.clipboard.writeText("-"));
    if (!(await this.openMenu(selector))) return null;
    await this.press(`#${item}`);
    return this.page.evaluate(() => navigator.clipboard.readText());
  }

  async copyResults() {
    const copied = await this.clipboardAfter("#formTitle", "copyResults");
    if (copied === null) return "no menu on the form's background";
    const expected = this.expected.slice(this.pos, this.pos + copied.length + 1);
    this.pos += copied.length + 1;
    return `${copied}\n` === expected ? "" : `copied\n${copied}\nthe runner\n${expected}`;
  }

  async copyField(name) {
    const copied = await this.clipboardAfter(`#${name}`, "copyField");
    if (copied === null) return `no menu on ${name}`;
    const shows = this.lastState.get(name);
    return copied === shows ? "" : `${name} copied "${copied}", shows "${shows}"`;
  }
}

async function playScript(page, touch) {
  const { script, expected } = scriptAndRunner();
  const player = new Player(page, expected, touch);
  const lines = script.split("\n");
  let step = 0;
  for (const [i, line] of lines.entries()) {
    if (line === "state") ++step;
    const mismatch = await player.play(line).catch((e) => e.message);
    assert.equal(mismatch, "", `SELBRIN_SEED=${seed}, step ${step}, line ${i + 1} "${line}": ${mismatch}`);
  }
  assert.ok(step >= 300, `only ${step} actions`);
}

for (const [name, { viewport, touch }] of Object.entries(runs)) {
  if (process.env.SELBRIN_RANDOM_USER && process.env.SELBRIN_RANDOM_USER !== name) continue;
  test(`${name}: every element shows what the runner prints after each of ${actions} random actions`, () =>
    withPage({ viewport, clipboard: true }, (page) => playScript(page, touch)));
}
