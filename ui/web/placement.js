// What the form needs, as the view last measured it in this browser: a page
// opened again places its form from it, without laying the page out before the
// form is live. Kept for one form (the packer's `data-form` on the page, a hash
// of the form's elements and style), one browser and one pixel ratio, with what
// the narrow layout read. Measured again when the browser has time after the
// start, as the fonts may have changed since, and placed again where it
// differs. A page drawn by its own script, or a browser that keeps nothing,
// measures at every start.
const storeKey = "selbrin.placement";

export class PlacementMemory {
  constructor(root) {
    this.form = root.dataset.form;
  }

  // { needs: [[width, height] per control], page: what the narrow layout
  // read }, or null.
  recall() {
    if (!this.form) return null;
    try {
      const kept = JSON.parse(localStorage.getItem(storeKey));
      return kept && kept.key === this.key() ? kept : null;
    } catch {
      return null;
    }
  }

  keep(kept) {
    if (!this.form) return;
    try {
      localStorage.setItem(storeKey, JSON.stringify({ key: this.key(), ...kept }));
    } catch {
      // Nothing kept: the next page measures again.
    }
  }

  key() {
    return `${this.form} ${navigator.userAgent} ${devicePixelRatio}`;
  }
}

const whenIdle = (task) => (window.requestIdleCallback ?? setTimeout)(task);

// The form placed from what was kept, or measured and placed. Returns where
// the placement came from ("kept" or "measured") and `settled`, a promise of
// the form measured (again) and kept.
export function placeForm(view, narrow, memory) {
  const kept = memory.recall();
  if (kept) {
    view.place(kept.needs);
    narrow.fit(kept.page);
  }
  const measured = kept ? null : measureForm(view, narrow);
  // The first frame lays the page out anyway: the page's width is read there,
  // with the scroll bar the placed form may bring.
  requestAnimationFrame(() => narrow.fit());
  const settled = new Promise((done) =>
    whenIdle(() => {
      // The column does not show the form's own layout, and would change what is measured.
      const fresh = measured ?? (document.body.classList.contains("column") ? kept : measureForm(view, narrow));
      memory.keep(fresh);
      done();
    }),
  );
  return { from: kept ? "kept" : "measured", settled };
}

// One layout for everything read, within one task so that nothing of it is
// painted: the page's width and font, and what every control needs in the
// form's own layout at its own size, drawn measuring (draw.js).
function measureForm(view, narrow) {
  narrow.unfit();
  view.client.classList.remove("unplaced");
  view.client.classList.add("measuring");
  const page = narrow.read();
  const needs = view.measure();
  view.place(needs);
  narrow.fit(page);
  return { needs, page };
}
