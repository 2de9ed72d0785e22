// The page on a narrow screen. Below the width at which the form fits with its
// text at 12 CSS px or more, the same elements stand in one column (column.css):
// each caption with its field and unit in a row, the rows in reading order
// within the form's groups, as the model places them (draw.js gives each its
// row). Above it the form keeps its own layout, scaled down to fit as long as
// its text stays readable. And on any screen, what a touch screen needs: the
// keyboard each box asks for (drawn with the box), and a tap on a combo box's
// field opening its list.
const readableText = 12; // CSS px
const pageMargin = 32; // the body's padding on both sides (page.css), CSS px

export class NarrowLayout {
  constructor(view) {
    this.view = view;
    this.forTouch();
    addEventListener("resize", () => this.fit());
  }

  forTouch() {
    for (const p of this.view.parts) if (p && p.combo) NarrowLayout.openOnTap(p.combo);
  }

  // A finger has no Alt+Down: a tap on the field opens the list as well.
  static openOnTap(combo) {
    let touched = false;
    combo.input.addEventListener("pointerdown", (e) => (touched = e.pointerType === "touch"));
    combo.input.addEventListener("click", () => touched && combo.open());
  }

  // What the fit depends on, read on the form's own layout: the form's font
  // size (the column's is larger), the frame's borders and the page's width.
  read() {
    const style = getComputedStyle(this.view.frame);
    const edges = parseFloat(style.borderLeftWidth) + parseFloat(style.borderRightWidth);
    return { text: parseFloat(style.fontSize), edges, width: document.documentElement.clientWidth };
  }

  // The form's own layout where it fits, scaled down where its text stays
  // readable, else the column. `page`: what read() gives, now or on an earlier
  // visit; by default, what it gave last with the page's width now.
  fit(page = { ...this.page, width: document.documentElement.clientWidth }) {
    this.page = page;
    const { client } = this.view;
    const natural = parseFloat(client.style.width) + page.edges;
    const scale = Math.min(1, (page.width - pageMargin) / natural);
    const column = scale * page.text < readableText;
    this.show(column || scale === 1 ? "" : String(scale), column);
  }

  // The form's own layout at its own size, as the view measures it.
  unfit() {
    this.show("", false);
  }

  show(zoom, column) {
    const { frame } = this.view;
    if (frame.style.zoom !== zoom) frame.style.zoom = zoom;
    if (document.body.classList.contains("column") !== column) document.body.classList.toggle("column", column);
  }
}
