// A combo box after the ARIA combobox pattern: an editable input, an open button
// and a list of options. Typing is delivered as an edit; only a pick from the
// list is delivered as a pick. The open list highlights the item the model
// says matches the text, or none, so Enter picks only what the user chose.
const make = (tag, props, attributes = {}) => {
  const el = Object.assign(document.createElement(tag), props);
  for (const [name, value] of Object.entries(attributes)) el.setAttribute(name, value);
  return el;
};

// The combo box's elements, its list holding `items`; ComboBox adds the behaviour.
export function drawCombo(control, openLabel, items) {
  const listId = `${control.id}_list`;
  const input = make(
    "input",
    { id: control.id, type: "text", autocomplete: "off", spellcheck: false },
    { role: "combobox", "aria-autocomplete": "none", "aria-expanded": "false", "aria-controls": listId },
  );
  const button = make("button", { type: "button", tabIndex: -1, textContent: "▾" }, { "aria-label": openLabel, "aria-controls": listId });
  const list = make("ul", { id: listId, hidden: true }, { role: "listbox", "aria-label": control.name });
  list.append(...itemElements(control.id, items));
  const box = make("div", { className: "combo" });
  box.append(input, button, list);
  return { el: input, box };
}

const itemElements = (id, texts) => texts.map((text, i) => make("li", { id: `${id}_item_${i}`, textContent: text }, { role: "option" }));

export class ComboBox {
  // `input`: the box's field, drawn by drawCombo.
  constructor(input, actions) {
    this.actions = actions;
    this.active = -1;
    this.input = input;
    this.box = input.parentElement;
    [, this.button, this.list] = this.box.children;
    this.listen();
  }

  listen() {
    this.input.addEventListener("keydown", (e) => this.onKey(e));
    this.input.addEventListener("blur", () => this.close());
    // A press anywhere else closes the list, and goes on to what it was meant for.
    document.addEventListener("pointerdown", (e) => this.box.contains(e.target) || this.close(), true);
    // Neither the button nor the list takes the focus from the input.
    for (const part of [this.button, this.list]) part.addEventListener("mousedown", (e) => e.preventDefault());
    this.button.addEventListener("click", () => (this.isOpen() ? this.close() : this.open()));
    this.list.addEventListener("click", (e) => {
      const li = e.target.closest("li");
      if (li) this.pick(this.items().indexOf(li));
    });
  }

  items() {
    return [...this.list.children];
  }

  isOpen() {
    return !this.list.hidden;
  }

  setActive(i) {
    this.items().forEach((li, k) => li.setAttribute("aria-selected", String(k === i)));
    this.active = i;
    if (i < 0) {
      this.input.removeAttribute("aria-activedescendant");
      return;
    }
    this.input.setAttribute("aria-activedescendant", this.items()[i].id);
    this.items()[i].scrollIntoView({ block: "nearest" });
  }

  open() {
    if (this.isOpen() || this.input.disabled) return;
    this.input.focus();
    this.list.hidden = false;
    this.input.setAttribute("aria-expanded", "true");
    this.setActive(this.actions.match());
  }

  // Typing with the list open moves the highlight by the same rule as opening.
  edited() {
    if (this.isOpen()) this.setActive(this.actions.match());
  }

  close() {
    if (!this.isOpen()) return;
    this.list.hidden = true;
    this.input.setAttribute("aria-expanded", "false");
    this.setActive(-1);
  }

  pick(i) {
    this.close();
    this.actions.pick(i);
  }

  pickActive() {
    if (this.active < 0) this.close();
    else this.pick(this.active);
  }

  // Closed, ↓ (with Alt or without) opens the list. Open, the arrows and the page
  // keys move through it, Enter or Alt+↑ picks the highlighted item (with none,
  // it only closes the list), Esc and Tab close it.
  onKey(e) {
    if (!this.isOpen()) {
      if (e.key === "ArrowDown") {
        e.preventDefault();
        this.open();
      }
      return;
    }
    const last = this.items().length - 1;
    const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: 10, PageUp: -10 };
    if (e.key === "Enter" || (e.key === "ArrowUp" && e.altKey)) this.pickActive();
    else if (e.key in moves && !e.altKey) this.setActive(Math.min(last, Math.max(0, this.active + moves[e.key])));
    else if (e.key === "Escape" || e.key === "Tab") this.close();
    if (e.key !== "Tab" && (e.key in moves || e.key === "Enter" || e.key === "Escape")) e.preventDefault();
  }

  setItems(texts) {
    this.list.replaceChildren(...itemElements(this.input.id, texts));
  }
}
