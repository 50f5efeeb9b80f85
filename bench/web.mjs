// The browser version's speed in Debian's Chromium, driven by bench/web.sh.
//
//   node web.mjs quadro URL [RUNS]     first visit over a throttled network
//     (1.6 Mbit/s down, 150 ms, the server's gzip): when the opening screen
//     is first drawn, and the bytes that arrived before it; median and worst.
//   node web.mjs dificil URL [SECONDS] the computer against itself at
//     "Difícil" on both sides: the page's longest tasks, each a pass of the
//     window whose tick ran a choice, so the worst is the longest the page
//     stood still for a choice.
import { chromium } from 'playwright-core';

const [modo, url, n] = process.argv.slice(2);
if (!['quadro', 'dificil'].includes(modo) || !url) {
  console.error('usage: node web.mjs quadro URL [RUNS] | dificil URL [SECONDS]');
  process.exit(2);
}
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--mute-audio', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor((v.length - 1) / 2)];

// Anything drawn: SDL's frames are opaque, the canvas starts transparent.
const observaQuadro = () => {
  const olha = () => {
    const c = document.getElementById('canvas');
    const ctx = c && c.getContext('2d');
    if (ctx && ctx.getImageData(320, 320, 1, 1).data[3] !== 0) {
      window.xadrezQuadro(performance.now());
      return;
    }
    requestAnimationFrame(olha);
  };
  requestAnimationFrame(olha);
};

if (modo === 'quadro') {
  const vezes = Number(n || 5);
  const tempos = [], bytes = [];
  for (let i = 0; i < vezes; i++) {
    const contexto = await browser.newContext({ viewport: { width: 800, height: 800 }, serviceWorkers: 'block' });
    const page = await contexto.newPage();
    const cdp = await contexto.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    await cdp.send('Network.emulateNetworkConditions', {
      offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
    });
    // Bytes on the wire per request: what has arrived so far, then the total.
    const chegou = new Map(), total = new Map();
    cdp.on('Network.dataReceived', (e) => chegou.set(e.requestId, (chegou.get(e.requestId) || 0) + e.encodedDataLength));
    cdp.on('Network.loadingFinished', (e) => total.set(e.requestId, e.encodedDataLength));
    let pronto;
    const quadro = new Promise((r) => { pronto = r; });
    await page.exposeFunction('xadrezQuadro', (ms) => {
      let soma = 0;
      for (const [id, b] of chegou) if (!total.has(id)) soma += b;
      for (const b of total.values()) soma += b;
      pronto({ ms, soma });
    });
    await page.addInitScript(observaQuadro);
    await page.goto(url);
    const r = await Promise.race([quadro, new Promise((_, f) => setTimeout(() => f(new Error('no frame in 60 s')), 60000))]);
    tempos.push(r.ms);
    bytes.push(r.soma);
    console.log(`run ${i + 1}: opening screen after ${(r.ms / 1000).toFixed(2)} s, ${(r.soma / 1e6).toFixed(3)} MB before it`);
    await contexto.close();
  }
  console.log(`first frame: median ${(mediana(tempos) / 1000).toFixed(2)} s, worst ${(Math.max(...tempos) / 1000).toFixed(2)} s; ` +
              `bytes before it: median ${(mediana(bytes) / 1e6).toFixed(3)} MB, worst ${(Math.max(...bytes) / 1e6).toFixed(3)} MB`);
} else {
  const segundos = Number(n || 300);
  const page = await browser.newPage({ viewport: { width: 640, height: 640 } });
  await page.addInitScript(() => {
    window.xadrezTarefas = [];
    new PerformanceObserver((l) => {
      for (const e of l.getEntries()) window.xadrezTarefas.push(e.duration);
    }).observe({ type: 'longtask', buffered: true });
  });
  await page.goto(url);
  const pixel = (x, y) => page.evaluate(({ x, y }) =>
    Array.from(document.getElementById('canvas').getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)), { x, y });
  await page.waitForFunction(() => {
    const c = document.getElementById('canvas');
    return c.getContext('2d').getImageData(320, 320, 1, 1).data[3] !== 0;
  });
  await page.waitForTimeout(500);
  // "Jogador:" from Humano to Difícil, "Computador:" from Normal to Difícil.
  for (let i = 0; i < 3; i++) await page.mouse.click(320, 325);
  await page.mouse.click(320, 383);
  await page.waitForTimeout(200);
  await page.evaluate(() => { window.xadrezTarefas.length = 0; });
  // One spot for all: "Jogar" on the opening screen, and on the board a
  // click that only dismisses a finished game.
  let partidas = 0, naAbertura = true;
  const fim = Date.now() + segundos * 1000;
  while (Date.now() < fim) {
    await page.mouse.click(320, 444);
    await page.waitForTimeout(1000);
    const menu = (await pixel(200, 250)).join() === '0,0,0';
    if (menu && !naAbertura) partidas++;
    naAbertura = menu;
  }
  const tarefas = await page.evaluate(() => window.xadrezTarefas);
  tarefas.sort((a, b) => b - a);
  console.log(`${partidas} games ended in ${segundos} s at "Difícil" against "Difícil"; ${tarefas.length} tasks over 50 ms`);
  console.log(`longest tasks (ms): ${tarefas.slice(0, 10).map((t) => t.toFixed(0)).join(' ')}`);
  console.log(`median of those: ${tarefas.length ? mediana(tarefas).toFixed(0) : 0} ms`);
}
await browser.close();
