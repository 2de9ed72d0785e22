// The web build's sizes, and the site served from localhost in Chromium: it can
// be installed (a valid manifest, an active service worker), reloads with no
// network, and takes a new version on the next load.
import assert from "node:assert/strict";
import { test } from "node:test";
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, resolve } from "node:path";
import { gzipSync } from "node:zlib";
import puppeteer from "puppeteer-core";
import { chromium, pagePath } from "./browser.mjs";

const site = resolve(process.env.SELBRIN_SITE ?? "build-web/site");
const KB = 1024;
const limits = { bytes: 400 * KB, gzipped: 150 * KB };

const sizes = (files) => ({
  bytes: files.reduce((n, f) => n + readFileSync(f).length, 0),
  gzipped: files.reduce((n, f) => n + gzipSync(readFileSync(f)).length, 0),
});

test("the page and the whole site stay under 400 KB, 150 KB gzipped", () => {
  const siteFiles = readdirSync(site).map((f) => join(site, f));
  for (const [what, files] of [["selbrin.html", [pagePath]], ["site", siteFiles]]) {
    const size = sizes(files);
    assert.ok(size.bytes < limits.bytes, `${what}: ${size.bytes} bytes`);
    assert.ok(size.gzipped < limits.gzipped, `${what}: ${size.gzipped} bytes gzipped`);
  }
});

const types = { ".html": "text/html", ".js": "text/javascript", ".png": "image/png", ".webmanifest": "application/manifest+json" };

// A static server of a folder on a free port of localhost, as any web server serves it.
function serve(root) {
  const server = createServer((request, response) => {
    const path = new URL(request.url, "http://localhost").pathname.replace(/\/$/, "/index.html");
    try {
      const body = readFileSync(join(root, path));
      response.writeHead(200, { "Content-Type": types[extname(path)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(0, "127.0.0.1", () => done(server)));
}

test("the site installs, reloads offline and takes a new version on the next load", async () => {
  const root = mkdtempSync(join(tmpdir(), "selbrin-site-"));
  cpSync(site, root, { recursive: true });
  const server = await serve(root);
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: join(root, ".profile"),
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking", "--lang=tr-TR"],
  });
  try {
    const page = await browser.newPage();
    const problems = [];
    page.on("pageerror", (e) => problems.push(String(e)));
    page.on("console", (m) => m.type() === "error" && problems.push(m.text()));
    const url = `http://localhost:${server.address().port}/`;
    // State: a first visit. Expected: the worker active, the manifest valid, nothing missing to install.
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    await page.waitForFunction(() => navigator.serviceWorker.controller?.state === "activated");
    const cdp = await page.createCDPSession();
    const manifest = await cdp.send("Page.getAppManifest");
    assert.deepEqual(manifest.errors, []);
    assert.deepEqual((await cdp.send("Page.getInstallabilityErrors")).installabilityErrors, []);
    const fields = JSON.parse(manifest.data);
    assert.equal(fields.lang, "tr");
    assert.equal(fields.display, "standalone");
    // Action: the network gone, the page loaded again. Expected: the form, and it calculates.
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    await page.click("#Text2");
    await page.keyboard.type("3000");
    assert.equal(await page.$eval("#Text2", (el) => el.value), "3000");
    // Action: a new page on the server, then one load online. Expected: the new page.
    await page.setOfflineMode(false);
    const index = join(root, "index.html");
    writeFileSync(index, readFileSync(index, "utf8").replace('<html lang="tr">', '<html lang="tr" data-next>'));
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    assert.equal(await page.$eval("html", (html) => html.hasAttribute("data-next")), true);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    server.close();
    rmSync(root, { recursive: true, force: true });
  }
});
