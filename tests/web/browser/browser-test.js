// The web view in Chromium: log in, see today's figures, open the waiter
// report and its chart, download its PDF, see the Z list and a Z report,
// the page in German, log out. Fails on any script error, any blocked
// content (the content security policy), any request to another server.
// Screenshots at desktop and phone size for docs/web-view.md.
//
//   node browser-test.js --url URL --user NAME --password PASSWORD
//        --downloads DIR --screenshots DIR --profile DIR --chain 0|2
// (--chain 2: the server has a chain database; its view is tried too)
"use strict";

const fs = require("fs");
const path = require("path");
const puppeteer = require("puppeteer-core");

function options() {
  const o = {};
  const argv = process.argv.slice(2);
  for (let i = 0; i < argv.length; i += 2) o[argv[i].replace(/^--/, "")] = argv[i + 1];
  for (const name of ["url", "user", "password", "downloads", "screenshots", "profile", "chain"]) {
    if (!o[name]) throw new Error("missing --" + name);
  }
  return o;
}

function check(condition, what) {
  if (!condition) throw new Error("failed: " + what);
  console.log("ok - " + what);
}

const DESKTOP = { width: 1280, height: 900, deviceScaleFactor: 1 };
const PHONE = { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true };

// Watches a page for what must never happen.
function watch(page, base, problems) {
  page.on("pageerror", (e) => problems.push("script error: " + e.message));
  page.on("console", (m) => {
    // the refusals this test asks for (not logged in, a wrong password)
    if (m.type() === "error" && !m.text().includes("status of 401")) {
      problems.push("console: " + m.text());
    }
  });
  page.on("request", (r) => {
    if (!r.url().startsWith(base) && !r.url().startsWith("data:"))
      problems.push("request elsewhere: " + r.url());
  });
  page.on("requestfailed", (r) => {
    // a download is taken over by the browser: not a failure
    if (!r.url().includes("format=pdf")) problems.push("failed: " + r.url());
  });
  // what the content security policy blocked
  return page.evaluateOnNewDocument(() => {
    document.addEventListener("securitypolicyviolation", (e) => {
      console.error("CSP violation: " + e.violatedDirective + " " + e.blockedURI);
    });
  });
}

async function logIn(page, o) {
  await page.waitForSelector("#login:not([hidden])");
  await page.type("#loginUser", o.user);
  await page.type("#loginPassword", o.password);
  await Promise.all([
    page.waitForSelector("#today:not([hidden]) #figures .figure"),
    page.click("#loginButton"),
  ]);
}

async function shot(page, dir, name) {
  // the layout settled, the pictures drawn
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  await page.screenshot({ path: path.join(dir, name) });
}

// The same views on a phone, in a tab of the same session opened at phone
// size (a page cannot turn into a phone's without loading again).
async function phoneShots(browser, base, problems, o) {
  const phone = await browser.newPage();
  await watch(phone, base, problems);
  await phone.setExtraHTTPHeaders({ "Accept-Language": "en-US,en;q=0.9" });
  await phone.setViewport(PHONE);
  await phone.goto(base + "#today");
  await phone.waitForSelector("#today:not([hidden]) #figures .figure");
  await shot(phone, o.screenshots, "web-today-phone.png");
  await phone.goto(base + "#reports?kind=5&from=2026-12-03&to=2026-12-04");
  await phone.waitForSelector("#reportOut:not([hidden])");
  await phone.waitForFunction(() => document.querySelector("#chart").naturalWidth > 0);
  await shot(phone, o.screenshots, "web-report-phone.png");
  await phone.close();
}

async function waitForFile(dir, ending) {
  for (let i = 0; i < 600; ++i) {
    const done = fs.readdirSync(dir).filter((f) => f.endsWith(ending));
    if (done.length > 0) return path.join(dir, done[0]);
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error("no " + ending + " arrived in " + dir);
}

async function main() {
  const o = options();
  const base = o.url;
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: o.profile,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--lang=en-US"],
  });
  const problems = [];
  try {
    const page = await browser.newPage();
    await watch(page, base, problems);
    await page.setExtraHTTPHeaders({ "Accept-Language": "en-US,en;q=0.9" });
    await page.setViewport(DESKTOP);

    // 1. the login form, then today's figures
    const first = await page.goto(base, { waitUntil: "domcontentloaded" });
    check(first.status() === 200, "the page loads");
    check((first.headers()["content-security-policy"] || "").includes("script-src 'self'"),
      "the page comes with its content security policy");
    check(await page.$eval("#nav", (e) => e.hidden), "nothing but the login before the login");
    const refused = await page.evaluate(async () => (await fetch("/api/today")).status);
    check(refused === 401, "the API refuses a visitor who is not logged in");
    await page.type("#loginUser", o.user);
    await page.type("#loginPassword", "not the password");
    await page.click("#loginButton");
    await page.waitForSelector("#message:not([hidden])");
    check((await page.$eval("#message", (e) => e.textContent)).includes("Wrong"),
      "a wrong password is told");
    await page.$eval("#loginUser", (e) => { e.value = ""; });
    await page.$eval("#loginPassword", (e) => { e.value = ""; });
    await logIn(page, o);
    check((await page.$$("#figures .figure")).length === 6, "six figures of today");
    const today = await page.evaluate(async () => (await fetch("/api/today")).json());
    const takings = await page.$eval("#figTakings .value", (e) => e.textContent);
    check(takings === today.texts.allAmount, "the takings are the API's: " + takings);
    check((await page.$eval("#figTakings .caption", (e) => e.textContent))
      .includes(String(today.figures.paidTables)), "with the number of paid tables");
    const open = await page.evaluate(async () => (await fetch("/api/open-tables")).json());
    check((await page.$$("#openTables details")).length === open.tables.length,
      "the open tables listed: " + open.tables.length);
    check((await page.$eval("#installation", (e) => e.textContent)).length > 0,
      "the installation's name in the head");
    const exceptions = await page.$$eval("#exceptions:not([hidden]) #exceptionList li",
      (items) => items.map((e) => e.textContent));
    check(exceptions.length === today.exceptions.length && exceptions.length > 0
      && exceptions[0] === today.exceptions[0].text, "the day's exceptions: " + exceptions[0]);
    await shot(page, o.screenshots, "web-today.png");

    // 2. the waiter report over two closed days, its chart, its PDF
    await page.click('#nav a[data-view="reports"]');
    await page.waitForSelector('#kind option[value="5"]');
    await page.select("#kind", "5");
    await page.$eval("#from", (e) => { e.value = "2026-12-03"; });
    await page.$eval("#to", (e) => { e.value = "2026-12-04"; });
    await page.click("#showReport");
    await page.waitForSelector("#reportOut:not([hidden])");
    check(page.url().endsWith("#reports?kind=5&from=2026-12-03&to=2026-12-04"),
      "the report has an address of its own");
    const text = await page.$eval("#reportText", (e) => e.textContent);
    check(text.includes("Waiter #") && text.includes("3.12.2026"), "the waiter report's text");
    await page.waitForFunction(() => {
      const img = document.querySelector("#chart");
      return img.complete && img.naturalWidth > 0;
    });
    check(!(await page.$eval("#chartBox", (e) => e.hidden)), "its chart is drawn");
    const client = await page.target().createCDPSession();
    await client.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: o.downloads });
    await page.click("#pdfLink");
    const pdf = await waitForFile(o.downloads, ".pdf");
    check(fs.readFileSync(pdf).subarray(0, 5).toString() === "%PDF-", "its PDF is downloaded");
    await shot(page, o.screenshots, "web-report.png");
    await phoneShots(browser, base, problems, o);

    // 3. the closings and a Z report
    await page.click('#nav a[data-view="closings"]');
    await page.waitForSelector("#closingsBody tr");
    const closings = await page.$$eval("#closingsBody tr", (rows) => rows.map((r) => r.textContent));
    check(closings.length === 4, "the Z list: " + closings.length + " closings");
    check(closings[0].startsWith("104"), "the newest first");
    check(closings[0].includes("Dario") && closings[0].endsWith("yes"),
      "a waiter's closing, verified by its record");
    check(closings[3].endsWith("no record"), "one made before records were kept");
    await page.click("#closingsBody tr:first-child button");
    await page.waitForSelector("#zOut:not([hidden])");
    check((await page.$eval("#zText", (e) => e.textContent)).includes("Day turnover 104"),
      "the Z report of the newest closing");
    await page.evaluate(() => window.scrollTo(0, 0));
    await shot(page, o.screenshots, "web-closings.png");
    // reloaded, the page shows the same again
    await page.reload();
    await page.waitForSelector("#zOut:not([hidden])");
    check((await page.$eval("#zText", (e) => e.textContent)).includes("Day turnover 104"),
      "a reload keeps what was shown");

    // 4. the chain, when the server has a database of it
    const chained = o.chain !== "0";
    check(await page.$eval("#navChain", (e) => !e.hidden) === chained,
      chained ? "the chain is offered" : "no chain without a database");
    if (chained) {
      await page.click('#nav a[data-view="chain"]');
      await page.waitForSelector("#outlets input[type=checkbox]");
      await page.select("#chainKind", "5");
      await page.$eval("#chainFrom", (e) => { e.value = "2026-12-02"; });
      await page.$eval("#chainTo", (e) => { e.value = "2026-12-04"; });
      await page.click('#chainForm button[type="submit"]');
      await page.waitForSelector("#chainOut:not([hidden])");
      check((await page.$eval("#chainText", (e) => e.textContent)).includes("Waiter #"),
        "a chain report over the outlets");
    }

    // 5. logging out ends the session
    await page.click("#logout");
    await page.waitForSelector("#login:not([hidden])");
    const after = await page.evaluate(async () => (await fetch("/api/today")).status);
    check(after === 401, "after the logout the API refuses again");

    // 6. in German for a German browser
    const german = await browser.createBrowserContext();
    const dePage = await german.newPage();
    await watch(dePage, base, problems);
    await dePage.setExtraHTTPHeaders({ "Accept-Language": "de-DE,de;q=0.9" });
    await dePage.setViewport(DESKTOP);
    await dePage.goto(base);
    await logIn(dePage, o);
    check(await dePage.$eval("html", (e) => e.lang) === "de", "the page speaks German");
    check((await dePage.$eval('#nav a[data-view="today"]', (e) => e.textContent)) === "Heute",
      "its parts are named in German");
    const deToday = await dePage.evaluate(async () => (await fetch("/api/today")).json());
    check((await dePage.$eval("#figCovers .caption", (e) => e.textContent))
      === deToday.captions.guests && deToday.captions.guests !== "Guests",
      "so are the figures: " + deToday.captions.guests);
    await german.close();

    check(problems.length === 0, "no script error, blocked content or outside request"
      + (problems.length ? ":\n  " + problems.join("\n  ") : ""));
  } finally {
    await browser.close();
  }
}

main().catch((e) => {
  console.error(e.stack || String(e));
  process.exit(1);
});
