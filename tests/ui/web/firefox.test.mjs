// The same page in Debian's Firefox ESR: it loads from the file with no network,
// draws the form without an error, and takes a keystroke.
import assert from "node:assert/strict";
import { test } from "node:test";
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { pagePath } from "./browser.mjs";

const picture = resolve(process.env.SELBRIN_FIREFOX_SCREENSHOT ?? "build-web/screenshot-firefox.png");

test("the page loads in Firefox without errors", async () => {
  const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: process.env.SELBRIN_FIREFOX ?? "/usr/bin/firefox-esr",
    headless: true,
    // No network: every proxy points at a closed port.
    extraPrefsFirefox: {
      "network.proxy.type": 1,
      "network.proxy.http": "127.0.0.1",
      "network.proxy.http_port": 9,
      "network.proxy.ssl": "127.0.0.1",
      "network.proxy.ssl_port": 9,
    },
  });
  try {
    const page = await browser.newPage();
    const problems = [];
    page.on("pageerror", (e) => problems.push(String(e)));
    page.on("console", (m) => m.type() === "error" && problems.push(m.text()));
    await page.setViewport({ width: 800, height: 600 });
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForSelector("body[data-ready]");
    await page.click("#Text2");
    await page.keyboard.type("123456");
    assert.equal(await page.$eval("#Text2", (el) => el.value), "12345");
    await page.screenshot({ path: picture });
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
  }
});
