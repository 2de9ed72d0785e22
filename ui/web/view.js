// The form, drawn from the control table (draw.js), placed and kept equal to the
// model. Every user action goes to the model; afterwards every element is set
// from the model's state, writing only what differs so the cursor stays where it is.
import { ComboBox } from "./combo.js";
import { deliverEdits } from "./edits.js";
import { itemsOf } from "./model.js";

export class FormView {
  // `root` holds the form's elements as drawForm drew them.
  constructor(model, root) {
    this.model = model;
    this.table = model.table;
    this.parts = []; // per control: { el (what the user acts on), box (what is placed) }
    this.tipsDue = false;
    this.adopt(root);
  }

  adopt(root) {
    document.title = this.table.name;
    this.frame = root.querySelector(".frame");
    this.client = document.getElementById("client");
    this.group = document.getElementById("Option1");
    this.message = this.adoptMessage();
    this.endedNote = document.getElementById("ended");
    for (const c of this.table.order) this.parts[c] = this.adoptControl(c);
  }

  adoptMessage() {
    const box = document.getElementById("faultMessage");
    const ok = box.querySelector("button");
    ok.addEventListener("mousedown", (e) => e.preventDefault());
    ok.addEventListener("click", () => this.act(() => this.model.messageClose()));
    return { box, text: document.getElementById("faultText") };
  }

  adoptControl(c) {
    const d = this.table.controls[c];
    const el = document.getElementById(d.id);
    const adopters = {
      label: () => ({ el, box: el }),
      display: () => ({ el, box: el, value: el.firstElementChild }),
      text: () => this.textBox(c, el),
      combo: () => this.comboBox(c, el),
      check: () => this.checkable(c, el, () => this.model.click(c)),
      option: () => this.checkable(c, el, () => this.model.select(d.index)),
      command: () => this.command(c, el),
    };
    return adopters[d.kind]();
  }

  textBox(c, el) {
    deliverEdits(el, () => this.model.text(c), (...edit) => this.edit(c, el, edit));
    return { el, box: el };
  }

  comboBox(c, input) {
    const combo = new ComboBox(input, {
      pick: (i) => this.act(() => this.model.pick(c, i)),
      match: () => this.model.listMatch(c),
    });
    deliverEdits(input, () => this.model.text(c), (...edit) => {
      this.edit(c, input, edit);
      combo.edited();
    });
    return { el: input, box: combo.box, combo };
  }

  checkable(c, el, action) {
    el.addEventListener("click", () => this.act(action));
    if (el.type === "radio") el.addEventListener("keydown", (e) => this.optionKey(e, this.table.controls[c].index));
    return { el, box: el.parentElement };
  }

  command(c, el) {
    el.addEventListener("click", () => this.act(() => this.model.click(c)));
    return { el, box: el };
  }

  items(c) {
    return itemsOf(this.model, c);
  }

  // What each control needs, [width, height] in pixels, on the form drawn
  // measuring (draw.js): captions and display fields with the captions they
  // were drawn with, whatever they show now, so that a form measured again
  // measures what it measured at the start. Called within one task, nothing of
  // it is painted.
  measure() {
    const texts = this.parts.map((p, c) => this.drawnText(p, c));
    const shown = texts.map(([el]) => [el, el && el.textContent]);
    for (const [el, drawn] of texts) if (el && el.textContent !== drawn) el.textContent = drawn;
    const needs = this.parts.map((p) => [p.box.offsetWidth, p.box.offsetHeight]);
    for (const [el, text] of shown) if (el && el.textContent !== text) el.textContent = text;
    return needs;
  }

  drawnText(p, c) {
    const d = this.table.controls[c];
    if (d.kind === "label") return [p.el, d.caption];
    return d.kind === "display" ? [p.value, d.caption] : [null, null];
  }

  // The form at the scale that fits the page's font: each control tells the
  // model what it `needs`, the model gives back the edges in pixels.
  place(needs) {
    const { model, table } = this;
    needs.forEach((need, c) => need && model.need(c, need[0], need[1]));
    this.client.classList.remove("measuring", "unplaced");
    model.layout();
    const px = (twips) => `${model.edge(twips)}px`;
    const size = (from, length) => `${model.edge(from + length) - model.edge(from)}px`;
    this.parts.forEach((p, c) => {
      const d = table.controls[c];
      Object.assign(p.box.style, {
        left: px(d.left),
        top: px(d.top),
        width: size(d.left, d.width),
        height: size(d.top, d.height),
      });
    });
    // An open list's height, in items, as every face opens it.
    this.client.style.setProperty("--list-items", table.listItems);
    this.client.style.width = px(table.clientWidth);
    this.client.style.height = px(table.clientHeight);
  }

  // The selection [start, end) of `el` replaced by `inserted`, in the model; the
  // box then shows the model's text with the cursor after what went in.
  edit(c, el, [start, end, inserted]) {
    const cursor = this.model.userEdit(c, start, end, inserted);
    const text = this.model.text(c);
    if (el.value !== text) el.value = text;
    el.setSelectionRange(cursor, cursor);
    this.refresh();
  }

  act(action) {
    action();
    this.refresh();
  }

  optionKey(e, index) {
    const next = this.model.optionKey(index, e.key);
    if (next < 0) return;
    e.preventDefault();
    const part = this.parts[this.table.controls.findIndex((d) => d.index === next)];
    part.el.focus();
    this.act(() => this.model.select(next));
  }

  // Esc in the form: true when it closed the fault message.
  escape() {
    const closed = this.model.escape() === 1;
    this.refresh();
    return closed;
  }

  showDisplay(p, text, reading) {
    if (p.value.textContent !== text) p.value.textContent = text;
    p.el.setAttribute("aria-label", reading);
  }

  // A value cut by its box shows whole in the box's tooltip. Whether it is cut
  // is known once the page is laid out: decided in the next frame, on the
  // layout the browser makes for it anyway, rather than forcing one at every
  // refresh.
  tipsLater() {
    if (this.tipsDue) return;
    this.tipsDue = true;
    requestAnimationFrame(() => {
      this.tipsDue = false;
      this.parts.forEach((p, c) => {
        const d = this.table.controls[c];
        if (d.kind === "display") this.tipDisplay(p, d, this.model.text(c));
      });
    });
  }

  tipDisplay(p, d, text) {
    const cut = p.value.scrollWidth > p.value.clientWidth;
    const tip = cut ? text : d.tooltip;
    if (tip) p.el.title = tip;
    else p.el.removeAttribute("title");
  }

  // The message in a corner of the window; at the top when at the bottom it
  // would cover the field in use.
  showMessage({ messageOpen, messageText }) {
    const { box, text } = this.message;
    // Only what changed is written: the form is laid out already.
    const hidden = messageOpen !== 1;
    if (box.hidden !== hidden) box.hidden = hidden;
    if (text.textContent !== messageText) text.textContent = messageText;
    if (box.classList.contains("top")) box.classList.remove("top");
    const used = document.activeElement;
    if (box.hidden || !used || !this.frame.contains(used)) return;
    const [a, b] = [box.getBoundingClientRect(), used.getBoundingClientRect()];
    const covers = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    box.classList.toggle("top", covers);
  }

  refresh() {
    const { stop, ended, controls, ...message } = this.model.state();
    this.parts.forEach((p, c) => {
      const d = this.table.controls[c];
      const [text, value, itemCount, reading] = controls[c];
      if (d.kind === "label") {
        if (p.el.textContent !== text) p.el.textContent = text;
      } else if (d.kind === "display") {
        this.showDisplay(p, text, reading);
      } else if (d.kind === "text" || d.kind === "combo") {
        if (p.el.value !== text) p.el.value = text;
        if (p.combo && p.combo.list.children.length !== itemCount) p.combo.setItems(this.items(c));
      } else if (d.kind === "check" || d.kind === "option") {
        p.el.checked = value === 1;
        if (d.kind === "option") p.el.tabIndex = d.index === stop ? 0 : -1;
      }
      if (ended) p.el.disabled = true;
      if (ended && p.combo) p.combo.button.disabled = true;
    });
    this.tipsLater();
    this.showMessage(message);
    if (this.endedNote.hidden !== (ended !== 1)) this.endedNote.hidden = ended !== 1;
    document.body.classList.toggle("ended", ended === 1);
  }
}
