// Starts the model and draws the form. createSelbrin is the WebAssembly module's
// loader, inlined in the page before this script.
import { wrapModel } from "./model.js";
import { FormView } from "./view.js";
import { SheetCommands } from "./commands.js";
import { DriveLink, addDriveCommands, wrapDrive } from "./drive.js";

/* global createSelbrin */
createSelbrin().then((module) => {
  const drive = wrapDrive(module, wrapModel(module));
  addDriveCommands(drive);
  const view = new FormView(drive.model, document.getElementById("page"));
  const commands = new SheetCommands(view.model, view.frame);
  const link = new DriveLink(drive, view, commands);
  // Esc anywhere in the form closes the fault message.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape") view.escape();
  });
  window.selbrin = { model: view.model, view, commands, link };
  document.body.dataset.ready = "true";
});
