// Just enough of a document for the packer to run the page's own drawing code
// (draw.js, combo.js) under node and write what it drew as HTML: elements with
// the properties, attributes, classes, data and grid rows that code sets.
const voids = new Set(["input"]);
// Properties the drawing code sets and the attribute each one reflects.
const reflected = { className: "class", htmlFor: "for", tabIndex: "tabindex", inputMode: "inputmode" };
const plain = ["id", "type", "autocomplete", "spellcheck", "name", "title", "hidden"];

const escapeText = (text) => text.replaceAll("&", "&amp;").replaceAll("<", "&lt;").replaceAll(">", "&gt;");
const escapeValue = (text) => text.replaceAll("&", "&amp;").replaceAll('"', "&quot;");

class Element {
  constructor(tag) {
    this.tagName = tag.toUpperCase();
    this.attributes = new Map();
    this.children = [];
    const owner = this;
    this.style = {
      set gridRow(row) {
        owner.setAttribute("style", `grid-row: ${row};`);
      },
    };
    this.dataset = new Proxy({}, { set: (_, name, value) => (this.setAttribute(`data-${name}`, value), true) });
    this.classList = { add: (...names) => this.addClasses(names) };
  }

  setAttribute(name, value) {
    this.attributes.set(name, String(value));
  }

  addClasses(names) {
    const now = (this.attributes.get("class") ?? "").split(" ").filter(Boolean);
    this.setAttribute("class", [...new Set([...now, ...names])].join(" "));
  }

  append(...nodes) {
    for (const node of nodes) this.children.push(typeof node === "string" ? escapeText(node) : node);
  }

  set textContent(text) {
    this.children = [escapeText(String(text))];
  }

  get outerHTML() {
    const tag = this.tagName.toLowerCase();
    const attributes = [...this.attributes].map(([name, value]) => (value === "" ? ` ${name}` : ` ${name}="${escapeValue(value)}"`));
    const open = `<${tag}${attributes.join("")}>`;
    return voids.has(tag) ? open : `${open}${this.innerHTML}</${tag}>`;
  }

  get innerHTML() {
    return this.children.map((child) => (typeof child === "string" ? child : child.outerHTML)).join("");
  }
}

for (const [property, attribute] of [...Object.entries(reflected), ...plain.map((p) => [p, p])]) {
  Object.defineProperty(Element.prototype, property, {
    set(value) {
      if (property !== "hidden") this.setAttribute(attribute, value);
      else if (value) this.setAttribute(attribute, "");
      else this.attributes.delete(attribute);
    },
  });
}

export const markupDocument = { createElement: (tag) => new Element(tag) };
