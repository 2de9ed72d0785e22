// Starts the model and draws the form. createSelbrin is the WebAssembly module's
// loader, inlined in the page before this script.
import { wrapModel } from "./model.js";
import { FormView } from "./view.js";
import { SheetCommands } from "./commands.js";
import { DriveLink, addDriveCommands, wrapDrive } from "./drive.js";
import { NarrowLayout } from "./narrow.js";

// The module is already compiling (wasm.js); this only instantiates it.
const instantiateWasm = (imports, receive) => {
  window.selbrinWasm.then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm)));
  return {};
};

/* global createSelbrin */
createSelbrin({ instantiateWasm }).then((module) => {
  const drive = wrapDrive(module, wrapModel(module));
  addDriveCommands(drive);
  const view = new FormView(drive.model, document.getElementById("page"));
  const narrow = new NarrowLayout(view);
  const commands = new SheetCommands(view.model, view.frame);
  const link = new DriveLink(drive, view, commands);
  // Every element written before anything is read back: the page lays out once more.
  view.refresh();
  narrow.fit();
  // Esc anywhere in the form closes the fault message.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape") view.escape();
  });
  window.selbrin = { model: view.model, view, commands, link };
  document.body.dataset.ready = "true";
});
