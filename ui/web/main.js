// Starts the model and draws the form. createSelbrin is the WebAssembly module's
// loader, inlined in the page before this script.
import { wrapModel } from "./model.js";
import { FormView } from "./view.js";

/* global createSelbrin */
createSelbrin().then((module) => {
  const view = new FormView(wrapModel(module), document.getElementById("page"));
  // Esc anywhere in the form closes the fault message.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape") view.closeMessage();
  });
  window.selbrin = { model: view.model, view };
  document.body.dataset.ready = "true";
});
