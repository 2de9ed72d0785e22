// Starts the model and draws the form. createSelbrin is the WebAssembly module's
// loader, inlined in the page before this script.
import { wrapModel } from "./model.js";
import { FormView } from "./view.js";
import { SheetCommands } from "./commands.js";
import { NarrowLayout } from "./narrow.js";

// The module is already compiling (wasm.js); this only instantiates it.
const instantiateWasm = (imports, receive) => {
  window.selbrinWasm.then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm)));
  return {};
};

/* global createSelbrin */
createSelbrin({ instantiateWasm }).then((module) => {
  const view = new FormView(wrapModel(module), document.getElementById("page"));
  const commands = new SheetCommands(view.model, view.frame);
  new NarrowLayout(view);
  // Esc anywhere in the form closes the fault message.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape") view.escape();
  });
  window.selbrin = { model: view.model, view, commands };
  document.body.dataset.ready = "true";
});
