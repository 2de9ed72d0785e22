// The form drawn from the control table, and kept equal to the model. Every
// user action goes to the model; afterwards every element is set from the
// model's state, writing only what differs so the cursor stays where it is.
import { ComboBox } from "./combo.js";
import { deliverEdits } from "./edits.js";

export const element = (tag, props = {}) => Object.assign(document.createElement(tag), props);

export class FormView {
  constructor(model, root) {
    this.model = model;
    this.table = model.table;
    this.parts = []; // per control: { el (what the user acts on), box (what is placed) }
    this.build(root);
    this.place();
  }

  build(root) {
    const t = this.table;
    document.title = t.name;
    const frame = element("section", { className: "frame" });
    this.frame = frame;
    frame.setAttribute("aria-label", t.name);
    const title = element("div", { id: "formTitle", className: "title", textContent: t.title });
    this.client = element("div", { id: "client", className: "client" });
    frame.append(title, this.client);
    this.message = this.buildMessage();
    this.endedNote = element("p", { id: "ended", className: "ended", textContent: t.ended });
    this.endedNote.hidden = true;
    this.endedNote.setAttribute("role", "status");
    root.append(frame, this.message.box, this.endedNote);
    for (const c of t.order) this.parts[c] = this.buildControl(c);
    for (const c of t.order) this.tie(c);
  }

  buildMessage() {
    const box = element("div", { id: "faultMessage", className: "message" });
    box.setAttribute("role", "alert");
    box.hidden = true;
    const head = element("div", { className: "title", textContent: this.table.faultTitle });
    const text = element("p", { id: "faultText" });
    const ok = element("button", { type: "button", tabIndex: -1, textContent: this.table.button });
    ok.addEventListener("mousedown", (e) => e.preventDefault());
    ok.addEventListener("click", () => this.act(() => this.model.messageClose()));
    box.append(head, text, ok);
    return { box, text };
  }

  buildControl(c) {
    const d = this.table.controls[c];
    const builders = {
      label: () => this.plain("label", d),
      display: () => this.plain("output", d),
      text: () => this.textBox(c, d),
      combo: () => this.comboBox(c, d),
      check: () => this.checkable("checkbox", c, d),
      option: () => this.checkable("radio", c, d),
      command: () => this.command(c, d),
    };
    const part = builders[d.kind]();
    if (d.tooltip) part.box.title = d.tooltip;
    part.box.classList.add("control", d.kind);
    (d.kind === "option" ? this.optionGroup() : this.client).append(part.box);
    return part;
  }

  plain(tag, d) {
    const el = element(tag, { id: d.id, textContent: d.caption });
    if (tag !== "output") return { el, box: el };
    // The value in a span of its own, which ends in an ellipsis when cut.
    el.setAttribute("aria-live", "off");
    el.replaceChildren(element("span", { textContent: d.caption }));
    return { el, box: el, value: el.firstChild };
  }

  textBox(c, d) {
    const el = element("input", { id: d.id, type: "text", autocomplete: "off", spellcheck: false });
    deliverEdits(el, () => this.model.text(c), (...edit) => this.edit(c, el, edit));
    return { el, box: el };
  }

  comboBox(c, d) {
    const combo = new ComboBox(d, this.table.openList, {
      pick: (i) => this.act(() => this.model.pick(c, i)),
      match: () => this.model.listMatch(c),
    });
    combo.setItems(this.items(c));
    deliverEdits(combo.input, () => this.model.text(c), (...edit) => {
      this.edit(c, combo.input, edit);
      combo.edited();
    });
    return { el: combo.input, box: combo.box, combo };
  }

  checkable(type, c, d) {
    const box = element("label");
    const el = element("input", { id: d.id, type });
    if (type === "radio") {
      el.name = "Option1";
      el.addEventListener("click", () => this.act(() => this.model.select(d.index)));
      el.addEventListener("keydown", (e) => this.optionKey(e, d.index));
    } else {
      el.addEventListener("click", () => this.act(() => this.model.click(c)));
    }
    box.append(el, element("span", { textContent: d.caption }));
    return { el, box };
  }

  command(c, d) {
    const el = element("button", { id: d.id, type: "button", textContent: d.caption });
    el.addEventListener("click", () => this.act(() => this.model.click(c)));
    return { el, box: el };
  }

  optionGroup() {
    if (!this.group) {
      this.group = element("div", { id: "Option1" });
      this.group.setAttribute("role", "radiogroup");
      this.group.setAttribute("aria-label", this.table.groupName);
      this.client.append(this.group);
    }
    return this.group;
  }

  // Captions and units name the input they stand by.
  tie(c) {
    const d = this.table.controls[c];
    const el = this.parts[c].el;
    if (d.kind === "label" || d.kind === "option") return;
    if (d.kind !== "display") el.setAttribute("aria-label", d.name);
    for (const id of [d.label, d.unit]) {
      const label = id && document.getElementById(id);
      if (label && label.tagName === "LABEL") label.htmlFor = d.id;
    }
  }

  items(c) {
    return Array.from({ length: this.model.itemCount(c) }, (_, i) => this.model.item(c, i));
  }

  // The form at the scale that fits the page's font: each control tells the
  // model what it needs, the model gives back the edges in pixels.
  place() {
    const { model, table } = this;
    this.client.classList.add("measuring");
    this.parts.forEach((p, c) => model.need(c, p.box.offsetWidth, p.box.offsetHeight));
    this.client.classList.remove("measuring");
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

  // A value cut by its box shows whole in the box's tooltip. Called after every
  // field is written, so that the page lays out once for all of them.
  tipDisplay(p, d, text) {
    const cut = p.value.scrollWidth > p.value.clientWidth;
    const tip = cut ? text : d.tooltip;
    if (tip) p.el.title = tip;
    else p.el.removeAttribute("title");
  }

  // The message in a corner of the window; at the top when at the bottom it
  // would cover the field in use.
  showMessage() {
    const { box, text } = this.message;
    box.hidden = this.model.messageOpen() !== 1;
    text.textContent = this.model.messageText();
    box.classList.remove("top");
    const used = document.activeElement;
    if (box.hidden || !used || !this.frame.contains(used)) return;
    const [a, b] = [box.getBoundingClientRect(), used.getBoundingClientRect()];
    const covers = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    box.classList.toggle("top", covers);
  }

  refresh() {
    const m = this.model;
    const stop = m.optionStop();
    const shown = [];
    this.parts.forEach((p, c) => {
      const d = this.table.controls[c];
      const text = m.text(c);
      if (d.kind === "label") {
        if (p.el.textContent !== text) p.el.textContent = text;
      } else if (d.kind === "display") {
        this.showDisplay(p, text, m.reading(c));
        shown.push([p, d, text]);
      } else if (d.kind === "text" || d.kind === "combo") {
        if (p.el.value !== text) p.el.value = text;
        if (p.combo && p.combo.list.children.length !== m.itemCount(c)) p.combo.setItems(this.items(c));
      } else if (d.kind === "check" || d.kind === "option") {
        p.el.checked = m.value(c) === 1;
        if (d.kind === "option") p.el.tabIndex = d.index === stop ? 0 : -1;
      }
      if (m.ended()) p.el.disabled = true;
      if (m.ended() && p.combo) p.combo.button.disabled = true;
    });
    for (const [p, d, text] of shown) this.tipDisplay(p, d, text);
    this.showMessage();
    this.endedNote.hidden = m.ended() !== 1;
    document.body.classList.toggle("ended", m.ended() === 1);
  }
}
