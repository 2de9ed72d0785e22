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
  // Reads what it needs before the view places the form: the page is laid out
  // for the view's measuring then, and is read once for both.
  constructor(view) {
    this.view = view;
    const style = getComputedStyle(view.frame);
    this.text = parseFloat(style.fontSize);
    this.edges = parseFloat(style.borderLeftWidth) + parseFloat(style.borderRightWidth);
    this.width = document.documentElement.clientWidth;
    this.forTouch();
    addEventListener("resize", () => this.fit());
    // The placed form may bring a scroll bar, which narrows the page: looked at
    // again in the first frame, on the layout the browser makes for it.
    requestAnimationFrame(() => this.fit());
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

  // The form's own layout where it fits, scaled down where its text stays
  // readable, else the column. `width`: the page's, read on the layout at hand.
  fit(width = document.documentElement.clientWidth) {
    const { frame, client } = this.view;
    const natural = parseFloat(client.style.width) + this.edges;
    const scale = Math.min(1, (width - pageMargin) / natural);
    const column = scale * this.text < readableText;
    const zoom = column || scale === 1 ? "" : String(scale);
    if (frame.style.zoom !== zoom) frame.style.zoom = zoom;
    if (document.body.classList.contains("column") !== column) document.body.classList.toggle("column", column);
  }
}
