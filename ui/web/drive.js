// The drive kept in the page's address (the part after '#'), so that reloading,
// a bookmark or a copied link brings it back; "Bağlantıyı kopyala" copies that
// link, "Kaydet" downloads the drive as a .selbrin file, "Aç…" or a file dropped
// on the page opens one. The model writes and reads both; a bad link or file
// changes nothing and its message is shown as text.
import { element } from "./draw.js";

// The model's drive functions (ui/web/drive_api.cpp) under JavaScript names.
// `commandsJson`: the drive commands as the packer wrote them into the page, when it did.
export function wrapDrive(module, model, commandsJson) {
  const fn = (name, result, args) => module.cwrap(name, result, args);
  const n = "number";
  const s = "string";
  return {
    link: fn("sb_drive_link", s, []),
    openLink: fn("sb_open_link", s, [s]),
    file: fn("sb_drive_file", s, []),
    fileName: fn("sb_drive_file_name", s, []),
    buffer: fn("sb_drive_buffer", n, [n]),
    tooLarge: fn("sb_drive_too_large", s, [s]),
    openFile: fn("sb_open_drive", s, [s]),
    commands: JSON.parse(commandsJson ?? module.ccall("sb_drive_commands", s, [], [])),
    commandForKeys: fn("sb_drive_command_for_keys", n, [n, s]),
    heap: () => module.HEAPU8,
    model,
  };
}

// Puts the drive commands after the sheet's on its menu and keys; call before
// the menu is built.
export function addDriveCommands(drive) {
  const { model } = drive;
  model.table.commands = [...model.table.commands, ...drive.commands];
  const sheetKeys = model.commandForKeys;
  model.commandForKeys = (shift, key) => {
    const command = drive.commandForKeys(shift, key);
    return command >= 0 ? command : sheetKeys(shift, key);
  };
}

export class DriveLink {
  constructor(drive, view, commands) {
    this.drive = drive;
    this.view = view;
    this.message = element("div", { id: "driveMessage", className: "drive-message", hidden: true });
    this.message.setAttribute("role", "alert");
    this.message.addEventListener("click", () => (this.message.hidden = true));
    this.chooser = element("input", { id: "driveChooser", type: "file", accept: ".selbrin", hidden: true });
    this.chooser.addEventListener("change", () => this.chooser.files[0] && this.openFile(this.chooser.files[0]));
    document.body.append(this.message, this.chooser);
    Object.assign(commands.actions, {
      openDrive: () => this.chooser.click(),
      saveDrive: () => this.download(),
      copyLink: () => this.copyLink(),
    });
    this.afterEveryAction(view.model);
    document.addEventListener("dragover", (e) => e.preventDefault());
    document.addEventListener("drop", (e) => this.onDrop(e));
    this.openLink(location.hash);
  }

  // Every user action goes through one of these; afterwards the address holds the drive.
  afterEveryAction(model) {
    for (const name of ["pick", "click", "select", "edit"]) {
      const action = model[name];
      model[name] = (...args) => {
        const result = action(...args);
        this.keep();
        return result;
      };
    }
  }

  keep() {
    history.replaceState(null, "", `#${this.drive.link()}`);
  }

  show(error) {
    this.message.textContent = error;
    this.message.hidden = error === "";
  }

  // The empty form, without a message, when the address holds no drive.
  openLink(hash) {
    if (hash === "" || hash === "#") return;
    this.show(this.drive.openLink(hash.replace(/^#/, "")));
    this.view.refresh();
  }

  async openFile(file) {
    const name = file.name;
    const room = this.drive.buffer(file.size);
    if (room === 0) {
      this.show(this.drive.tooLarge(name));
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    this.drive.heap().set(bytes.subarray(0, file.size), room);
    const error = this.drive.openFile(name);
    this.show(error);
    if (error === "") {
      this.drive.model.messageClose();
      this.keep();
    }
    this.view.refresh();
  }

  onDrop(e) {
    e.preventDefault();
    const file = e.dataTransfer && e.dataTransfer.files[0];
    if (file) this.openFile(file);
  }

  download() {
    const blob = new Blob([this.drive.file()], { type: "application/x-selbrin" });
    const link = element("a", { href: URL.createObjectURL(blob), download: this.drive.fileName() });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  copyLink() {
    this.keep();
    const text = location.href;
    if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).catch(() => {});
  }
}
