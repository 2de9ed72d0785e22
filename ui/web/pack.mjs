// node pack.mjs SOURCE_DIR MODULE_JS ICON_SVG OUT_HTML
// Packs the page into one file that works from disk: the program's icon, the
// style sheet, the WebAssembly module (MODULE_JS's .wasm beside it, compressed),
// its loader and the page's script modules, joined in dependency order, all
// inlined. The form is drawn in as well, by the page's own drawing code run on
// the model here, with the control table it was drawn from and the drive
// commands: the browser reads the form with the page, and the script only
// adopts it. The file is plain
// ASCII, which the browser reads in one-byte strings throughout.
import { readFileSync, writeFileSync } from "node:fs";
import { createHash } from "node:crypto";
import { join } from "node:path";
import { gzipSync, constants } from "node:zlib";
import { compact } from "./compact.mjs";
import { markupDocument } from "./markup.mjs";
import { itemsOf, wrapModel } from "./model.js";
import { drawForm } from "./draw.js";

const [source, moduleJs, iconSvg, out] = process.argv.slice(2);
const modules = ["model.js", "combo.js", "edits.js", "draw.js", "view.js", "about.js", "commands.js", "drive.js", "narrow.js", "placement.js", "main.js"];

const read = (file) => readFileSync(file, "utf8");
// Inline script text must not end its own element.
const safe = (js) => js.replaceAll("</script", "<\\/script");
const unmodule = (js) =>
  js
    .split("\n")
    .filter((line) => !line.startsWith("import "))
    .map((line) => line.replace(/^export /, ""))
    .join("\n");
// The page's modules as one classic script at the end of the page, run as soon
// as the parser reaches it: a module would wait for the parser to finish, and
// the browser would lay out and paint the form once more before it ran.
const classic = (js) => compact(`(() => {\n"use strict";\n${js}\n})();`);
// Every character beyond ASCII as an escape, in each language's own way (the
// scripts have them in strings and comments only).
const escapeEach = (text, escape) => text.replace(/[\u0080-\u{10FFFF}]/gu, escape);
const hex = (n, width) => n.toString(16).toUpperCase().padStart(width, "0");
const asciiJs = (js) =>
  escapeEach(js, (ch) => [...Array(ch.length).keys()].map((i) => `\\u${hex(ch.charCodeAt(i), 4)}`).join(""));
const asciiCss = (css) => escapeEach(css, (ch) => `\\${hex(ch.codePointAt(0), 6)}`);
const asciiHtml = (html) => escapeEach(html, (ch) => `&#x${hex(ch.codePointAt(0), 1)};`);

// The model as the page starts it, and the form it draws.
async function drawnForm() {
  const glue = read(moduleJs);
  const createSelbrin = new Function(`${glue}\nreturn createSelbrin;`)();
  const wasm = readFileSync(moduleJs.replace(/\.js$/, ".wasm"));
  const instantiateWasm = (imports, receive) => {
    WebAssembly.instantiate(wasm, imports).then(({ instance, module }) => receive(instance, module));
    return {};
  };
  const module = await createSelbrin({ instantiateWasm });
  const model = wrapModel(module);
  globalThis.document = markupDocument;
  const root = markupDocument.createElement("main");
  drawForm(model.table, (c) => itemsOf(model, c), root);
  const driveCommands = module.ccall("sb_drive_commands", "string", [], []);
  return { table: JSON.stringify(model.table), driveCommands, markup: root.innerHTML };
}
const form = await drawnForm();
// What the form's placement depends on in the page: a browser keeps the
// placement it measured for this hash (placement.js).
const styles = ["page.css", "column.css"].map((css) => read(join(source, css)));
const formHash = createHash("sha256").update([form.markup, ...styles].join("\n")).digest("hex").slice(0, 16);
// JSON the page reads: the model's words, which it need not put together again.
const dataBlock = (id, json) => `<script type="application/json" id="${id}">${safe(asciiJs(json))}</script>`;

// gzip without a name or a time in its header: the same module packs to the same page.
const wasm = gzipSync(readFileSync(moduleJs.replace(/\.js$/, ".wasm")), { level: constants.Z_BEST_COMPRESSION });
const wasmBlock = `<script type="application/octet-stream" id="wasmModule">${wasm.toString("base64")}</script>`;
const loader = read(join(source, "wasm.js"));
const script = modules.map((m) => unmodule(read(join(source, m)))).join("\n");
const icon = `data:image/svg+xml,${encodeURIComponent(read(iconSvg).replace(/<\?xml[^>]*>\s*/, ""))}`;
const html = asciiHtml(read(join(source, "page.html")))
  .replace('<link rel="icon" href="icon.svg">', () => `<link rel="icon" href="${icon}">`)
  .replace('<script src="wasm.js"></script>', () => `${wasmBlock}\n<script>\n${asciiJs(compact(loader))}</script>`)
  .replace(/<link rel="stylesheet" href="([a-z]+\.css)">/g, (_, css) => `<style>\n${asciiCss(read(join(source, css)))}</style>`)
  .replace('<script src="selbrin-web.js"></script>', () => `<script>${safe(asciiJs(read(moduleJs)))}</script>`)
  .replace('<main id="page"></main>', () => `<main id="page" data-form="${formHash}">${asciiHtml(form.markup)}</main>`)
  .replace("</head>", () => `${dataBlock("formTable", form.table)}\n${dataBlock("driveCommands", form.driveCommands)}\n</head>`)
  .replace('<script type="module" src="main.js"></script>', () => `<script>\n${safe(asciiJs(classic(script)))}</script>`);
writeFileSync(out, html);
