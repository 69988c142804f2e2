import puppeteer from 'puppeteer-core';
const [,, folder, out, width, open] = process.argv;
const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true });
const page = await browser.newPage();
await page.setViewport({ width: Number(width), height: 420 });
await page.goto('file://' + folder + '/index.html');
await page.evaluate((open) => {
  const nav = document.querySelector('nav');
  const t = nav.querySelector('input'); if (t && open) t.checked = true;
  if (open) { const li = nav.querySelector('li > ul').parentNode; li.classList.add(nav.className.replace('-nav','') + '-open'); }
}, open === '1');
await new Promise(r => setTimeout(r, 300));
await page.screenshot({ path: out });
await browser.close();
