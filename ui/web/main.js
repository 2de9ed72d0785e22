// Starts the model and draws the form. createSelbrin is the WebAssembly module's
// loader, inlined in the page before this script.
import { itemsOf, wrapModel } from "./model.js";
import { drawForm } from "./draw.js";
import { FormView } from "./view.js";
import { SheetCommands } from "./commands.js";
import { DriveLink, addDriveCommands, wrapDrive } from "./drive.js";
import { NarrowLayout } from "./narrow.js";
import { PlacementMemory, placeForm } from "./placement.js";

// The module is already compiling (wasm.js); this only instantiates it.
const instantiateWasm = (imports, receive) => {
  window.selbrinWasm.then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm)));
  return {};
};

/* global createSelbrin */
createSelbrin({ instantiateWasm }).then((module) => {
  // What the packer wrote into the page; the model words it when the page has none.
  const written = (id) => document.getElementById(id)?.textContent;
  const drive = wrapDrive(module, wrapModel(module, written("formTable")), written("driveCommands"));
  addDriveCommands(drive);
  const { model } = drive;
  const root = document.getElementById("page");
  // The packed page holds the form already; the page's sources draw it here.
  if (!root.firstElementChild) drawForm(model.table, (c) => itemsOf(model, c), root);
  const view = new FormView(model, root);
  const narrow = new NarrowLayout(view);
  const placement = placeForm(view, narrow, new PlacementMemory(root));
  const commands = new SheetCommands(view.model, view.frame);
  const link = new DriveLink(drive, view, commands);
  view.refresh();
  // Esc anywhere in the form closes the fault message.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape") view.escape();
  });
  window.selbrin = { model: view.model, view, commands, link, placement };
  document.body.dataset.ready = "true";
});
