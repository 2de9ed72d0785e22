// node pack.mjs SOURCE_DIR MODULE_JS OUT_HTML
// Packs the page into one file that works from disk: the style sheet, the
// WebAssembly module's loader (the module itself inlined in it) and the page's
// script modules, joined in dependency order, all inlined.
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const [source, moduleJs, out] = process.argv.slice(2);
const modules = ["model.js", "combo.js", "edits.js", "view.js", "commands.js", "main.js"];

const read = (file) => readFileSync(file, "utf8");
// Inline script text must not end its own element.
const safe = (js) => js.replaceAll("</script", "<\\/script");
const unmodule = (js) =>
  js
    .split("\n")
    .filter((line) => !line.startsWith("import "))
    .map((line) => line.replace(/^export /, ""))
    .join("\n");

const script = modules.map((m) => unmodule(read(join(source, m)))).join("\n");
const html = read(join(source, "page.html"))
  .replace('<link rel="stylesheet" href="page.css">', () => `<style>\n${read(join(source, "page.css"))}</style>`)
  .replace('<script src="selbrin-web.js"></script>', () => `<script>${safe(read(moduleJs))}</script>`)
  .replace('<script type="module" src="main.js"></script>', () => `<script type="module">\n${safe(script)}</script>`);
writeFileSync(out, html);
