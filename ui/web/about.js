// "Hakkında…": the program, its version and licence and every command with its
// keys, as the model words them, in a dialog over the page. It takes the focus
// while open and gives it back to where it was on closing, by its button or Esc.
import { element } from "./draw.js";

export class AboutDialog {
  constructor(model) {
    const { about, button } = model.table;
    this.model = model;
    this.box = element("dialog", { id: "aboutDialog", className: "dialog" });
    this.box.setAttribute("aria-labelledby", "aboutTitle");
    const title = element("div", { id: "aboutTitle", className: "title", textContent: about.title });
    this.text = element("div", { id: "aboutText", className: "about-text" });
    this.ok = element("button", { id: "aboutOk", type: "button", textContent: button });
    this.ok.addEventListener("click", () => this.close());
    // Esc closes the dialog alone: the form's fault message stays as it is.
    this.box.addEventListener("keydown", (e) => {
      if (e.key !== "Escape") return;
      e.preventDefault();
      e.stopPropagation();
      this.close();
    });
    this.box.addEventListener("cancel", (e) => e.preventDefault());
    this.box.append(title, this.text, this.ok);
    document.body.append(this.box);
  }

  isOpen() {
    return this.box.open;
  }

  // One paragraph per line of the text; a command's line is its caption and keys.
  fill() {
    const lines = this.model.aboutText().replace(/\n$/, "").split("\n");
    this.text.replaceChildren(
      ...lines.map((line) => {
        const [caption, keys] = line.split("\t");
        const p = element("p", { textContent: caption });
        if (keys !== undefined) p.append(" ", element("kbd", { textContent: keys }));
        return p;
      }),
    );
  }

  open() {
    if (this.isOpen()) return;
    this.returnFocus = document.activeElement;
    this.fill();
    this.box.showModal();
    this.ok.focus();
  }

  close() {
    if (!this.isOpen()) return;
    this.box.close();
    if (this.returnFocus && this.returnFocus !== document.body) this.returnFocus.focus();
  }
}
