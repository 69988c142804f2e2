// Visitor checks of an exported Modern page in Firefox and WebKit: keyboard, Escape, phone
// and touch. Chromium's checks run inside the Qt test programs.
// usage: node check-engines.mjs EXPORT_FOLDER...
// One line per engine and check; exit status 1 when one fails, 77 (skipped) when an engine's
// program is not installed and every engine that ran passed.
import { spawn } from "node:child_process";
import { existsSync, rmSync, writeFileSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { Builder, Key, Origin } from "selenium-webdriver";

const FIREFOX = process.env.FIREFOX || "/usr/bin/firefox-esr";
const WEBKIT_DRIVER = process.env.WEBKIT_DRIVER || "/usr/bin/WebKitWebDriver";
const MINIBROWSER = process.env.MINIBROWSER ||
  "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

// Firefox over WebDriver BiDi.
async function firefox() {
  const browser = await puppeteer.launch({ browser: "firefox", executablePath: FIREFOX,
                                           headless: true });
  const page = await browser.newPage();
  return {
    name: "firefox",
    goto: url => page.goto(url),
    size: (width, height) => page.setViewport({ width, height }),
    run: expression => page.evaluate(expression),
    key: name => page.keyboard.press(name),
    click: (x, y) => page.mouse.click(x, y),
    hover: (x, y) => page.mouse.move(x, y),
    tap: (x, y) => page.touchscreen.tap(x, y),
    close: () => browser.close(),
  };
}

// WebKit (WebKitGTK's MiniBrowser) over classic WebDriver.
async function webkit() {
  const port = 4400 + Math.floor(Math.random() * 500);
  const server = spawn(WEBKIT_DRIVER, [`--port=${port}`], { stdio: "ignore" });
  await new Promise(resolve => setTimeout(resolve, 800));
  let driver;
  try {
    driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] },
    }).build();
  } catch (error) {
    server.kill();
    throw error;
  }
  const run = expression => driver.executeScript(`return (${expression});`);
  // WebKitWebDriver has no touch input: a tap is a pointer press where the finger would be.
  const press = (x, y) => driver.actions({ async: true })
    .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
    .press().release().perform();
  // The browser's window does not get narrower than its tool bar: a narrower page is shown
  // in a frame of that width at the window's corner, and the checks run inside the frame.
  let frameWidth = 0;
  let frameFile = null;
  const removeFrame = () => { if (frameFile) rmSync(frameFile, { force: true }); frameFile = null; };
  return {
    name: "webkit",
    goto: async url => {
      removeFrame();
      await driver.switchTo().defaultContent();
      if (!frameWidth) return driver.get(url);
      const page = fileURLToPath(url);
      frameFile = path.join(path.dirname(page), ".phone-frame.html");
      writeFileSync(frameFile, `<!DOCTYPE html><html><body style="margin:0">` +
        `<iframe src="${path.basename(page)}" style="border:0;width:${frameWidth}px;` +
        `height:700px"></iframe></body></html>`);
      await driver.get(pathToFileURL(frameFile).href);
      await driver.switchTo().frame(0);
    },
    size: async (width, height) => {
      frameWidth = width < 640 ? width : 0;
      await driver.manage().window().setRect({ width: Math.max(width, 800), height: height + 100 });
    },
    run,
    key: name => driver.actions()
      .sendKeys({ Tab: Key.TAB, Escape: Key.ESCAPE, Enter: Key.ENTER }[name]).perform(),
    click: press,
    hover: (x, y) => driver.actions({ async: true })
      .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).perform(),
    tap: press,
    close: async () => { removeFrame(); await driver.quit(); server.kill(); },
  };
}

const subLinkProbe = `(() => { const a = document.activeElement;
  const r = a.getBoundingClientRect();
  const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  return a.closest("li li") && r.width > 0 && hit?.closest("a") === a ?
    [...document.querySelectorAll("li li a")].indexOf(a) : -1; })()`;
const centre = selector => `(() => { const e = document.querySelector(${JSON.stringify(selector)});
  const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()`;

const iconState = `(() => { const s = document.querySelector("nav a > svg"), a = s.parentElement;
  const r = s.getBoundingClientRect(), l = a.getBoundingClientRect();
  // Counted from the edge the line starts at: the right in a right-to-left menu.
  const rtl = getComputedStyle(a).direction === "rtl";
  return [Math.round(rtl ? l.right - r.right : r.left - l.left), Math.round(r.top - l.top),
          Math.round(r.width),
          getComputedStyle(s).color, getComputedStyle(a).color]; })()`;

const checks = {
  // An icon inside a link stands where a picture would and takes the link's colour, on hover
  // too. Pages without one pass.
  async icons(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    if (!(await b.run("document.querySelectorAll('nav a > svg').length"))) return true;
    const [dx, dy, width, colour, linkColour] = await b.run(iconState);
    if (dx !== 20 || dy !== 10 || width === 0) return `the icon stands at ${dx}, ${dy}, ${width} px wide`;
    if (colour !== linkColour) return `the icon is ${colour}, its link ${linkColour}`;
    await b.hover(...(await b.run(centre("nav a > svg"))));
    const [, , , hovered, hoveredLink] = await b.run(iconState);
    return (hovered === hoveredLink && hovered !== colour) ||
      `on hover the icon is ${hovered}, its link ${hoveredLink} (before: ${colour})`;
  },
  // Tab reaches every sub-menu link while it is on screen; Enter opens a list inside a
  // drop-down from its button.
  async keyboard(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    const count = await b.run("document.querySelectorAll('li li a').length");
    const reached = new Set();
    for (let i = 0; i < 160 && reached.size < count; ++i) {
      await b.key("Tab");
      if (await b.run("document.activeElement.matches('li li > button[aria-expanded=false]')"))
        await b.key("Enter");
      const index = await b.run(subLinkProbe);
      if (index >= 0) reached.add(index);
    }
    return reached.size === count || `${reached.size} of ${count} sub-menu links reached`;
  },
  // Escape hides a sub-menu opened from the keyboard and gives the focus to its button.
  async escape(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    for (let i = 0; i < 40 && (await b.run(subLinkProbe)) < 0; ++i) await b.key("Tab");
    if ((await b.run(subLinkProbe)) < 0) return "no sub-menu link got the focus";
    await b.run("(window.openList = document.activeElement.closest('ul'), true)");
    await b.key("Escape");
    const closed = await b.run("getComputedStyle(window.openList).display === 'none'");
    const back = await b.run("document.activeElement === " +
                             "window.openList.parentElement.querySelector(':scope > button')");
    return (closed && back) || `closed: ${closed}, focus on the button: ${back}`;
  },
  // A drop-down opened from the keyboard next to the window's far edge stays inside the window.
  async edge(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    const result = await b.run(`(() => {
      const nav = document.querySelector("nav");
      const owner = [...document.querySelectorAll("nav > ul > li > button")].pop().parentElement;
      const list = owner.querySelector(":scope > ul"), o = owner.getBoundingClientRect();
      const ltr = getComputedStyle(nav).direction === "ltr";
      list.style.minWidth = (o.width + 100) + "px";
      nav.style.position = "relative";
      nav.style.insetInlineStart = (ltr ? innerWidth - 10 - o.right : o.left - 10) + "px";
      owner.querySelector(":scope > button").focus();
      const r = list.getBoundingClientRect();
      return r.left >= 0 && r.right <= document.documentElement.clientWidth ? "" :
        "the drop-down stands from " + r.left + " to " + r.right + " px"; })()`);
    return result === "" || result;
  },
  // The link to the page shown is the one marked current, and the bar's item above it is the
  // current section. Pages with no link to themselves pass.
  async current(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    const result = await b.run(`(() => {
      const here = [...document.querySelectorAll("nav a[href]")]
        .filter(a => a.getAttribute("href") === "index.html");
      const marked = [...document.querySelectorAll("nav a[aria-current=page]")];
      if (marked.length !== here.length || marked[0] !== here[0])
        return "marked: " + (marked.map(a => a.textContent).join() || "none");
      if (!here.length) return "";
      const top = here[0].closest("nav > ul > li");
      return top.querySelector(":scope > a") === here[0] || /-section\\b/.test(top.className)
        ? "" : "the section is not marked"; })()`);
    return result === "" || result;
  },
  // A list inside a drop-down opens only from its button, never on hover; Enter opens it and
  // its links take the focus; Escape shuts it and gives the focus back to its button while the
  // drop-down stays open; a second Escape shuts the drop-down. Pages without one pass.
  async nested(b, url) {
    await b.size(1280, 800);
    await b.goto(url);
    const find = `(window.owner = [...document.querySelectorAll("li li > button")]
      .find(x => x.getAttribute("aria-expanded") === "false")?.parentElement, !!window.owner)`;
    if (!(await b.run(find))) return true;
    const state = `(() => { const o = window.owner, list = o.querySelector(":scope > ul");
      return [o.querySelector(":scope > button").getAttribute("aria-expanded"),
              getComputedStyle(list).display !== "none",
              getComputedStyle(o.closest("nav > ul > li").querySelector(":scope > ul")).display
                !== "none",
              document.activeElement === o.querySelector(":scope > button"),
              list.contains(document.activeElement)].join(); })()`;
    await b.hover(...(await b.run(`(() => { const r = window.owner.closest("nav > ul > li")
      .querySelector("a").getBoundingClientRect(); return [r.left + 5, r.top + r.height / 2];
      })()`)));
    await b.hover(...(await b.run(`(() => { const r = window.owner.querySelector("a")
      .getBoundingClientRect(); return [r.left + 5, r.top + r.height / 2]; })()`)));
    let now = await b.run(state);
    if (now !== "false,false,true,false,false") return `on hover: ${now}`;
    await b.goto(url);
    await b.run(find);
    for (let i = 0; i < 60 && !(await b.run(state)).endsWith("true,false"); ++i) await b.key("Tab");
    await b.key("Enter");
    now = await b.run(state);
    if (now !== "true,true,true,true,false") return `after Enter on its button: ${now}`;
    await b.key("Tab");
    now = await b.run(state);
    if (now !== "true,true,true,false,true") return `after Tab: ${now}`;
    await b.key("Escape");
    now = await b.run(state);
    if (now !== "false,false,true,true,false") return `after Escape: ${now}`;
    await b.key("Escape");
    now = await b.run(state);
    return now.startsWith("false,false,false") || `after a second Escape: ${now}`;
  },
  // 375 px: a toggle of 44 px, a menu without sideways scrolling, 44 px targets.
  async phone(b, url) {
    await b.size(375, 700);
    await b.goto(url);
    const width = await b.run("innerWidth");
    if (width > 400) return `the page is ${width} px wide`;
    const label = await b.run("document.querySelector('nav label').offsetHeight");
    if (label < 44) return `the toggle is ${label} px high`;
    await b.click(...(await b.run(centre("nav label"))));
    const shown = await b.run("getComputedStyle(document.querySelector('nav > ul')).display");
    if (shown === "none") return "the toggle did not open the menu";
    const problem = await b.run(`(() => {
      if (document.documentElement.scrollWidth > innerWidth) return "sideways scrolling";
      const small = [...document.querySelectorAll("nav > ul > li > a, nav > ul > li > button")]
        .filter(t => { const r = t.getBoundingClientRect();
          return r.width < 44 || r.height < 44 || r.right > innerWidth; });
      return small.length ? small.length + " targets too small or off screen" : ""; })()`);
    return problem === "" || problem;
  },
  // 375 px: a tap on each owner's button shows its sub-menu without leaving the page.
  async touch(b, url) {
    await b.size(375, 700);
    await b.goto(url);
    await b.tap(...(await b.run(centre("nav label"))));
    const owners = await b.run("document.querySelectorAll('nav > ul > li > button').length");
    for (let i = 0; i < owners; ++i) {
      const at = await b.run(`(() => { const e = document.querySelectorAll(
        "nav > ul > li > button")[${i}]; e.scrollIntoView({block: "center"});
        const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];
        })()`);
      await b.tap(...at);
      const shown = await b.run(`getComputedStyle(document.querySelectorAll(
        "nav > ul > li > button")[${i}].parentElement.querySelector("ul")).display !== "none"`);
      if (!shown) return `the sub-menu of item ${i + 1} with sub-items did not open`;
      if ((await b.run("location.href")) !== url) return "the tap left the page";
    }
    // A tap on the button of a list inside a drop-down opens it where it stands.
    const inner = await b.run(`[...document.querySelectorAll("li li > button")]
      .findIndex(x => x.getAttribute("aria-expanded") === "false")`);
    if (inner < 0) return true;
    const top = await b.run(`(() => { const e = document.querySelectorAll("li li > button")[${inner}]
      .closest("nav > ul > li").querySelector(":scope > button"); e.scrollIntoView({block: "center"});
      const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    if (!(await b.run(`getComputedStyle(document.querySelectorAll("li li > button")[${inner}]
      .closest("nav > ul > li > ul")).display !== "none"`)))
      await b.tap(...top);
    const at = await b.run(`(() => { const e = document.querySelectorAll("li li > button")[${inner}];
      e.scrollIntoView({block: "center"}); const r = e.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    await b.tap(...at);
    const open = await b.run(`(() => { const e = document.querySelectorAll("li li > button")[${inner}];
      return getComputedStyle(e.parentElement.querySelector(":scope > ul")).display !== "none" &&
        e.getBoundingClientRect().height >= 44; })()`);
    if (!open) return "a tap did not open the list inside a drop-down, or its button is small";
    return (await b.run("location.href")) === url || "the tap left the page";
  },
};

const engines = [
  { name: "firefox", needs: [FIREFOX], start: firefox },
  { name: "webkit", needs: [WEBKIT_DRIVER, MINIBROWSER], start: webkit },
];
const pages = process.argv.slice(2).map(f => pathToFileURL(path.resolve(f, "index.html")).href);
if (!pages.length) {
  console.error("usage: node check-engines.mjs EXPORT_FOLDER...");
  process.exit(2);
}
let failed = 0;
let skipped = 0;
for (const engine of engines) {
  const missing = engine.needs.filter(p => !existsSync(p));
  if (missing.length) {
    console.log(`${engine.name}: skipped, not installed (${missing.join(", ")})`);
    ++skipped;
    continue;
  }
  const b = await engine.start();
  try {
    for (const url of pages) {
      for (const [name, check] of Object.entries(checks)) {
        let result;
        try { result = await check(b, url); } catch (error) { result = String(error); }
        console.log(`${engine.name} ${name} ${url}: ${result === true ? "pass" : "FAIL " + result}`);
        if (result !== true) ++failed;
      }
    }
  } finally {
    await b.close();
  }
}
process.exit(failed ? 1 : skipped ? 77 : 0);
