// The calculation sheet's commands: a menu on the form's background and their
// shortcuts. Their texts and keys, the results text and the sheet come from the
// model; the page only puts the text on the clipboard and prints the sheet. On
// a display field the menu also copies the field's value. Shift+F10 and the
// menu key open it from the keyboard; "Hakkında…" is last, and F1.
import { element } from "./draw.js";
import { AboutDialog } from "./about.js";

export class SheetCommands {
  constructor(model, frame) {
    this.model = model;
    this.frame = frame;
    this.commands = model.table.commands;
    this.about = new AboutDialog(model);
    this.actions = {
      copyField: () => this.copy(this.field.textContent),
      copyResults: () => this.copy(this.model.resultsText()),
      printSheet: () => this.print(),
      about: () => this.about.open(),
    };
    this.menu = this.buildMenu();
    this.sheet = element("div", { id: "sheet", className: "sheet" }); // shown only in print
    document.body.append(this.menu, this.sheet);
    frame.addEventListener("contextmenu", (e) => this.onContextMenu(e));
    // A right press on the background leaves the focus where it is, for the menu to give back.
    frame.addEventListener("mousedown", (e) => {
      if (e.button === 2 && !this.ownMenu(e.target)) e.preventDefault();
    });
    document.addEventListener("keydown", (e) => this.onShortcut(e));
    window.addEventListener("beforeprint", () => this.fillSheet());
  }

  buildMenu() {
    const menu = element("div", { id: "sheetMenu", className: "menu", hidden: true });
    menu.setAttribute("role", "menu");
    const copyField = { id: "copyField", caption: this.model.table.copyField, keys: "Ctrl+C" };
    for (const d of [copyField, ...this.commands, this.model.table.about]) {
      const item = element("button", { id: d.id, type: "button", tabIndex: -1 });
      item.setAttribute("role", "menuitem");
      item.setAttribute("aria-keyshortcuts", d.keys.replace("Ctrl", "Control"));
      item.append(element("span", { textContent: d.caption }), element("kbd", { textContent: d.keys }));
      item.addEventListener("click", () => this.run(d.id));
      menu.append(item);
    }
    menu.addEventListener("keydown", (e) => this.onMenuKey(e));
    menu.addEventListener("focusout", (e) => menu.contains(e.relatedTarget) || this.closeMenu(false));
    return menu;
  }

  // Input fields keep the browser's own menu, with its paste.
  ownMenu(target) {
    return target.closest("input, button, ul") !== null;
  }

  onContextMenu(e) {
    if (this.ownMenu(e.target)) return;
    e.preventDefault();
    this.openMenu(e.clientX, e.clientY, e.target.closest("output"));
  }

  // From the keyboard, the menu opens at the control that has the focus.
  openFromKeys() {
    const at = (this.frame.contains(document.activeElement) ? document.activeElement : this.frame).getBoundingClientRect();
    this.openMenu(at.left, at.bottom, null);
  }

  // `field`: the display field the menu was opened on, whose value it copies.
  openMenu(x, y, field) {
    this.returnFocus = document.activeElement;
    this.field = field;
    document.getElementById("copyField").hidden = !field;
    this.menu.hidden = false;
    const { offsetWidth: w, offsetHeight: h } = this.menu;
    this.menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - w))}px`;
    this.menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - h))}px`;
    this.menu.querySelector("button:not([hidden])").focus();
  }

  closeMenu(restoreFocus) {
    if (this.menu.hidden) return;
    this.menu.hidden = true;
    if (restoreFocus && this.returnFocus) this.returnFocus.focus();
  }

  // Up and Down go round the items, Enter and Space run one (they are buttons),
  // Esc and Tab close the menu and give the focus back.
  onMenuKey(e) {
    const items = [...this.menu.children].filter((item) => !item.hidden);
    const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
    if (step) {
      const at = items.indexOf(document.activeElement);
      items[(at + step + items.length) % items.length].focus();
    } else if (e.key === "Escape" || e.key === "Tab") {
      this.closeMenu(true);
    } else {
      return;
    }
    e.preventDefault();
    e.stopPropagation(); // Esc closes the menu, not the fault message as well
  }

  onShortcut(e) {
    if (e.key === "F1" && !e.ctrlKey && !e.altKey && !e.shiftKey && !e.metaKey) {
      e.preventDefault();
      this.run("about");
      return;
    }
    if ((e.key === "F10" && e.shiftKey) || e.key === "ContextMenu") {
      e.preventDefault();
      if (this.menu.hidden) this.openFromKeys();
      return;
    }
    if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
    const command = this.model.commandForKeys(e.shiftKey ? 1 : 0, e.key);
    const d = this.commands.find((c) => c.command === command);
    if (!d) return;
    e.preventDefault();
    this.run(d.id);
  }

  run(id) {
    this.closeMenu(true);
    this.actions[id]();
  }

  copy(text) {
    const fallback = () => copyThroughSelection(text);
    if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).catch(fallback);
    else fallback();
  }

  // The sheet dated today by the page's clock, in the element only print shows.
  fillSheet() {
    const today = new Date();
    const svg = this.model.sheetSvg(today.getFullYear(), today.getMonth() + 1, today.getDate());
    const doc = new DOMParser().parseFromString(svg, "image/svg+xml");
    const style = element("style", { textContent: `@media print {\n${this.model.printCss()}}` });
    this.sheet.replaceChildren(style, document.importNode(doc.documentElement, true));
  }

  print() {
    this.fillSheet();
    window.print();
  }
}

// A page opened from disk may have no clipboard API: the old way, through the
// selection of a text box out of sight.
function copyThroughSelection(text) {
  const focus = document.activeElement;
  const buffer = element("textarea", { id: "copyBuffer", className: "offscreen", value: text, tabIndex: -1 });
  buffer.setAttribute("aria-hidden", "true");
  document.body.append(buffer);
  buffer.select();
  document.execCommand("copy");
  buffer.remove();
  if (focus) focus.focus();
}
