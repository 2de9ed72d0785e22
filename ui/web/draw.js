// The form's elements drawn from the control table: ids by control, captions,
// classes, the names a screen reader reads, the lists' items and each element's
// row in the narrow screen's column. No behaviour: the view adopts the elements
// and adds it. The packer draws them into the page with this same code, so the
// browser reads the form with the page; a page without them draws them here.
import { drawCombo } from "./combo.js";

export const element = (tag, props = {}) => Object.assign(document.createElement(tag), props);

const withAttributes = (el, attributes) => {
  for (const [name, value] of Object.entries(attributes)) el.setAttribute(name, value);
  return el;
};

// `items(c)`: the texts of control c's list.
export function drawForm(table, items, root) {
  const frame = withAttributes(element("section", { className: "frame" }), { "aria-label": table.name });
  const title = element("div", { id: "formTitle", className: "title", textContent: table.title });
  // Drawn as the view measures it, so that the page's first layout is the one
  // the view reads; hidden until the view has placed it (page.css).
  const client = element("div", { id: "client", className: "client measuring unplaced" });
  frame.append(title, client);
  const form = { table, client, parts: [], group: null };
  for (const c of table.order) form.parts[c] = drawControl(form, c, items);
  for (const c of table.order) tie(form, c);
  drawColumn(form);
  root.append(frame, drawMessage(table), drawEndedNote(table));
}

function drawMessage(table) {
  const box = withAttributes(element("div", { id: "faultMessage", className: "message", hidden: true }), { role: "alert" });
  const head = element("div", { className: "title", textContent: table.faultTitle });
  const ok = element("button", { type: "button", tabIndex: -1, textContent: table.button });
  box.append(head, element("p", { id: "faultText" }), ok);
  return box;
}

const drawEndedNote = (table) =>
  withAttributes(element("p", { id: "ended", className: "ended", textContent: table.ended, hidden: true }), { role: "status" });

const alone = (el) => ({ el, box: el });

// Per control: the element the user acts on (`el`) and the one placed (`box`).
function drawControl(form, c, items) {
  const d = form.table.controls[c];
  const drawers = {
    label: () => alone(element("label", { id: d.id, textContent: d.caption })),
    display: () => alone(withAttributes(element("output", { id: d.id }), { "aria-live": "off" })),
    text: () => alone(element("input", { id: d.id, type: "text", autocomplete: "off", spellcheck: false })),
    combo: () => drawCombo(d, form.table.openList, items(c)),
    check: () => checkable("checkbox", d),
    option: () => checkable("radio", d),
    command: () => alone(element("button", { id: d.id, type: "button", textContent: d.caption })),
  };
  const part = drawers[d.kind]();
  // A display's value in a span of its own, which ends in an ellipsis when cut.
  if (d.kind === "display") part.el.append(element("span", { textContent: d.caption }));
  if (d.tooltip) part.box.title = d.tooltip;
  if (d.inputMode) part.el.inputMode = d.inputMode;
  part.box.classList.add("control", d.kind);
  (d.kind === "option" ? optionGroup(form) : form.client).append(part.box);
  return part;
}

function checkable(type, d) {
  const el = element("input", { id: d.id, type });
  if (type === "radio") el.name = "Option1";
  const box = element("label");
  box.append(el, element("span", { textContent: d.caption }));
  return { el, box };
}

function optionGroup(form) {
  if (!form.group) {
    form.group = withAttributes(element("div", { id: "Option1" }), { role: "radiogroup", "aria-label": form.table.groupName });
    form.client.append(form.group);
  }
  return form.group;
}

// Captions and units name the input they stand by.
function tie({ table, parts }, c) {
  const d = table.controls[c];
  if (d.kind === "label" || d.kind === "option") return;
  if (d.kind !== "display") parts[c].el.setAttribute("aria-label", d.name);
  for (const id of [d.label, d.unit]) {
    const label = parts.find((p, i) => p && table.controls[i].id === id);
    if (label && label.el.tagName === "LABEL") label.el.htmlFor = d.id;
  }
}

// Each element's row and slot in the narrow screen's column (column.css), and a
// rule before each of the form's groups.
function drawColumn({ table, parts, client, group }) {
  const firstRow = [];
  parts.forEach((p, c) => {
    const d = table.controls[c];
    const placed = d.kind === "option" ? group : p.box;
    placed.style.gridRow = String(d.row + d.group + 1);
    placed.dataset.slot = d.slot;
    firstRow[d.group] = Math.min(firstRow[d.group] ?? d.row, d.row);
  });
  firstRow.forEach((row, group) => {
    if (group === 0) return;
    const rule = withAttributes(element("div", { className: "column-rule" }), { "aria-hidden": "true" });
    rule.style.gridRow = String(row + group);
    client.append(rule);
  });
}
