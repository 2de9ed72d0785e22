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

  // The form's own layout where it fits, scaled down where its text stays
  // readable, else the column.
  fit() {
    const { frame, client } = this.view;
    // Read once, where the page is laid out already.
    if (this.text === undefined) {
      const style = getComputedStyle(frame);
      this.text = parseFloat(style.fontSize);
      this.edges = parseFloat(style.borderLeftWidth) + parseFloat(style.borderRightWidth);
    }
    const natural = parseFloat(client.style.width) + this.edges;
    const scale = Math.min(1, (document.documentElement.clientWidth - pageMargin) / natural);
    const column = scale * this.text < readableText;
    frame.style.zoom = column || scale === 1 ? "" : String(scale);
    document.body.classList.toggle("column", column);
  }
}
