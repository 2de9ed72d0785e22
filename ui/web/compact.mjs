// The page's scripts without their comments and indentation: the browser reads
// every byte of the page before the form is live, and these are a third of the
// scripts. Each token is kept as written, and a line break between two tokens
// stays one, so that the script means what it meant. The tokenizer is the one
// Emscripten brings with it (or the lint's, where that is installed).
import { createRequire } from "node:module";
import { dirname } from "node:path";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const { tokenizer } = require(require.resolve("acorn", { paths: [here, "/usr/share/nodejs"] }));

export function compact(js) {
  let out = "";
  let end = 0;
  for (const token of tokenizer(js, { ecmaVersion: "latest" })) {
    const gap = js.slice(end, token.start);
    out += gap.includes("\n") ? "\n" : gap ? " " : "";
    out += js.slice(token.start, token.end);
    end = token.end;
  }
  return out;
}
