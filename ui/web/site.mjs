// node site.mjs SOURCE_DIR PAGE_HTML ICON_DIR OUT_DIR
// The folder for a static web server: the packed page as index.html, with the
// web app manifest and the service worker that keeps it working offline, and
// the icons the manifest names. The version the worker keeps is the hash of
// every other file, so a changed page is a new version.
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const [source, pageHtml, iconDir, out] = process.argv.slice(2);
const icons = ["icon-192.png", "icon-512.png"];

// Only over http(s) and on localhost: a page opened from disk has no worker.
const register = `<script>
if ("serviceWorker" in navigator) addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
</script>`;
const head = `<link rel="manifest" href="manifest.webmanifest">
<link rel="apple-touch-icon" href="icon-192.png">
${register}
</head>`;

rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });
const page = readFileSync(pageHtml, "utf8");
if (!page.includes("</head>")) throw new Error(`${pageHtml} has no head`);
writeFileSync(join(out, "index.html"), page.replace("</head>", () => head));
copyFileSync(join(source, "manifest.webmanifest"), join(out, "manifest.webmanifest"));
for (const icon of icons) copyFileSync(join(iconDir, icon), join(out, icon));

const kept = ["index.html", "manifest.webmanifest", ...icons];
const hash = createHash("sha256");
for (const file of kept) hash.update(readFileSync(join(out, file)));
const worker = readFileSync(join(source, "sw.js"), "utf8")
  .replace("@VERSION@", hash.digest("hex").slice(0, 16))
  .replace('["@FILES@"]', () => JSON.stringify(["./", ...kept]));
writeFileSync(join(out, "sw.js"), worker);
